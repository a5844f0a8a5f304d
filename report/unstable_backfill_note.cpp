#include "report/unstable_backfill_note.h"

#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {

const char* const kUnstableBackfillSummary = "  計算不能(地震時 β+θ≧φ：裏込め土の法面が不安定)";

namespace {

void appendReason(ListBox& box) {
  appendLine(box, "  地震時に β+θ≧φ となり、裏込め土の法面そのものが");
  appendLine(box, "  安定しないため、試行くさび法では土圧が求まりません。");
}

}  // namespace

void appendUnstableBackfillFinding(const TPa& s, ListBox& box) {
  appendReason(box);
  appendLine(box,
             formatNumber("    β(法面の傾斜角)        =0.00度", s.slopeAngle * kDegreesPerRadian));
  appendLine(
      box, formatNumber("    θ=Arctan(kh)           =0.00度", s.seismicAngle * kDegreesPerRadian));
  appendLine(box,
             formatNumber("    φ(背面土剪断抵抗角)    =0.00度", s.phiBackfill * kDegreesPerRadian));
  appendLine(box, formatNumber("    β+θ                   =0.00度",
                               (s.slopeAngle + s.seismicAngle) * kDegreesPerRadian));
  appendBlank(box);
  appendLine(box, "  設計条件を変更して再計算して下さい。");
  appendLine(box, "  土圧が求まりませんので、安定計算及び部材設計は");
  appendLine(box, "  行いません。");
}

void appendUnstableBackfillCheck(ListBox& box) {
  appendBlank(box);
  appendReason(box);
  appendLine(box, "  設計条件を変更して再計算して下さい。");
  appendBlank(box);
  appendLine(box, "  判定：不可(土圧算定不能)");
}

}  // namespace kovrel
