#include "report/load_summary.h"

#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {

void writeLoadSummary(const TAntei& s, ResultsWindow& results) {
  ListBox& box = results.listBox("ListBox12");
  box.lines.clear();
  auto line = [&](const char* picture, double value) {
    appendLine(box, formatNumber(picture, value));
  };
  appendLine(box, "荷重概要");
  appendLine(box, "①角度");
  line("  φ(剪断抵抗角)  =0.00度", s.phiBackfill * kDegreesPerRadian);
  line("  ω(すべり面角)  =0.00度", s.slipAngle * kDegreesPerRadian);
  line("  α(背面角)      =0.00度", s.wallFaceAngle * kDegreesPerRadian);
  appendLine(box, "    (安定計算時 α=0.00度)");
  line("  δ(壁面摩擦角)  =0.00度", s.wallFriction * kDegreesPerRadian);
  // α is 0 on the virtual back face, so the pressure's angle is δ.
  line("  α+δ(土圧角度) =0.00度", s.wallFriction * kDegreesPerRadian);
  appendBlank(box);
  appendLine(box, "②土圧");
  line("  Ph(水平土圧)    =0.00kN", s.earthForceH);
  line("  Pv(鉛直土圧)    =0.00kN", s.earthForceV);
  appendBlank(box);
  appendLine(box, "③地盤反力");
  if (s.wallType == 0) {
    line("  つま先先端部    =0.00kN/m2", s.reactionToe);
    line("  つま先固定部    =0.00kN/m2", s.reactionAtStemFront);
  } else {
    line("  たて壁前面部    =0.00kN/m2", s.reactionAtStemFront);
  }
  line("  かかと固定部    =0.00kN/m2", s.reactionAtStemRear);
  line("  かかと先端部    =0.00kN/m2", s.reactionHeel);
  appendBlank(box);
  if (s.waterOn == 0) {
    appendLine(box, "④地下水          :なし");
  } else {
    appendLine(box, "④地下水");
    line("  Pw(水圧)        =0.00kN", s.waterForce);
  }
}

}  // namespace kovrel
