#include "app/summary.h"

#include "app/stability_summary.h"
#include "results/number_picture.h"

namespace kovrel {

std::string summaryText(const Session& session) {
  const DesignConditions& dc = session.conditions;
  std::string out;
  out += "壁種別: " + std::string(dc.index("PageControl2") == 0 ? "逆Ｔ型" : "Ｌ型");
  if (dc.index("RadioGroup2") == 1) out += " (突起有り)";
  out += "\n荷重ケース: " + std::string(dc.index("RadioGroup5") == 0 ? "常時" : "地震時") + "\n";
  if (!session.stabilitySnapshot) {
    out += "計算: 未実行\n";
    return out;
  }
  // The judgement captions of the stability page, as the run left them, each
  // with the numbers it compared.
  const char* boxes[] = {"GroupBox24", "GroupBox22", "GroupBox23", "GroupBox33"};
  for (int i = 0; i < 4; ++i) {
    out += session.results.groupBox(boxes[i]).caption +
           stabilityGoverningNumbers(*session.stabilitySnapshot, dc, i + 1) + "\n";
  }
  // Each designed member with its largest stress-to-allowable ratio.
  for (const MemberJudgement& j : session.memberJudgements) {
    out += j.member + ": " + (j.ok ? "OK" : "不可") + formatNumber(" (応力度比 0.000)", j.ratio) +
           "\n";
  }
  return out;
}

}  // namespace kovrel
