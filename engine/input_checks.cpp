#include "engine/input_checks.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "conditions/condition_ranges.h"

namespace kovrel {
namespace {

struct Checker {
  MessageLog& log;
  bool blocked = false;
  // Controls a check of their own has already blocked on: their range
  // finding would only say the same thing twice.
  std::set<std::string> named;

  void warn(std::initializer_list<const char*> lines) { add(MessageKind::Warn, lines); }
  void block(std::initializer_list<const char*> lines) {
    add(MessageKind::Block, lines);
    blocked = true;
  }
  void blockOn(const char* control, std::initializer_list<const char*> lines) {
    named.insert(control);
    block(lines);
  }
  void block(std::vector<std::string> lines) {
    log.push_back({MessageKind::Block, std::move(lines)});
    blocked = true;
  }
  void add(MessageKind kind, std::initializer_list<const char*> lines) {
    Message m{kind, {}};
    for (const char* line : lines) m.lines.emplace_back(line);
    log.push_back(std::move(m));
  }
};

}  // namespace

bool checkDesignConditions(const DesignConditions& dc, MessageLog& messages) {
  Checker c{messages, false, {}};
  auto num = [&](const char* name) { return dc.readDouble(name); };
  const bool invertedT = dc.index("PageControl2") == 0;
  const bool seismic = dc.index("RadioGroup5") == 1;

  if (num("Edit21") > 20) c.warn({"粘着力が過大です。修正する事をお勧めします。"});
  if (num("Edit18") > 20) c.warn({"付着力が過大です。修正する事をお勧めします。"});

  if (dc.index("RadioGroup2") == 1) {
    if (num("Edit35") < 0) c.blockOn("Edit35", {"突起位置を再確認して下さい。"});
    if (num("Edit40") < 10) c.blockOn("Edit40", {"突起幅を再確認して下さい。"});
    if (num("Edit41") < 10) c.blockOn("Edit41", {"突起高を再確認して下さい。"});
  }

  if (num("ComboBox7") < 2) c.blockOn("ComboBox7", {"コンクリート重量を再確認して下さい。"});

  const int shape = dc.index("TabControl1");
  if (shape == 1) {
    const double n = num("ComboBox1");
    if (n == 0) {
      c.block({"法面勾配を設定して下さい。"});
    } else {
      // The slope must be flatter than the backfill's friction angle.
      const double slopeDegrees = std::atan(1.0 / n) * 180.0 / std::numbers::pi;
      if (num("Edit14") <= slopeDegrees) {
        c.block({"剪断抵抗角より法面勾配が大きいです。修正して下さい。"});
      }
    }
  } else if (shape == 2) {
    if (num("ComboBox1") == 0) c.block({"法面勾配を設定して下さい。"});
    if (num("Edit28") == 0) c.block({"盛土高を設定して下さい。"});
  }

  if (invertedT) {
    if (num("Edit9") < 200) c.blockOn("Edit9", {"かかと幅を再確認して下さい。"});
    const double widths =
        num("Edit10") + num("Edit11") + num("Edit29") + num("Edit8") + num("Edit9") - num("Edit7");
    if (std::fabs(widths) >= 1) c.block({"擁壁形状(幅)を再確認して下さい。"});
  } else {
    const double widths =
        num("Edit6") + num("Edit22") + num("Edit32") + num("Edit47") - num("Edit48");
    if (std::fabs(widths) >= 1) c.block({"擁壁形状(幅)を再確認して下さい。"});
  }
  // The same two stress limits for both wall types.
  if (num("Edit26") < 10) c.blockOn("Edit26", {"σsaエラー"});
  if (num("Edit27") < 1) c.blockOn("Edit27", {"τoエラー"});

  const int allowableCase = dc.index("Form9.RadioGroup4");
  if (!seismic && allowableCase == 1) {
    c.block({"[常時計算時]に[許容応力度]が", "[地震時]になっています。", "",
             "確認して、訂正して下さい。"});
  }
  if (seismic && allowableCase == 0) {
    c.block({"[地震時計算時]に[許容応力度]が", "[常時]になっています。", "",
             "確認して、訂正して下さい。"});
  }
  if (seismic && dc.index("RadioGroup9") == 0 && dc.checked("CheckBox1")) {
    c.warn({"[地震時土圧計算法]が[載荷無常時土圧]です。", "しかし、", "",
            "[②載荷重]が[載荷重有り]になっています。", "[②載荷重]を確認してください。", "",
            "計算は、このまま続行します。"});
  }

  const double df = num("LabeledEdit3");
  if (df < num("LabeledEdit6")) {
    c.block({"Df(根入地盤への根入れ深さ)が、Df'(支持地盤への根入れ深さ)より浅いです。",
             "確認して、訂正して下さい。"});
  }

  // Wall height in mm of the active wall type.
  auto wallHeight = [&] {
    return invertedT ? num("Edit12") + num("Edit5") + num("Edit3")
                     : num("Edit44") + num("Edit45") + num("Edit46");
  };
  if (dc.checked("CheckBox9")) {
    const double ho = num("Edit54");
    if (df < ho) {
      c.block({"Df(根入地盤への根入れ深さ)が、(3)その他の荷重のHo(有効根入長)より浅いです。",
               "確認して、訂正して下さい。"});
    }
    // The base-slab rule belongs to the inverted-T wall only.
    if (invertedT && num("Edit5") + num("Edit3") > ho * 1000) {
      c.block({"有効根入長は底版厚以上にして下さい。"});
    }
    if (wallHeight() < ho * 1000) c.block({"有効根入長は擁壁天端以下にして下さい。"});
  }
  if (dc.checked("CheckBox3") && wallHeight() < num("Edit62") * 1000) {
    c.block({"地下水位は擁壁天端以下にして下さい。"});
  }

  // Every number the run will read must lie in its plausible range; the
  // formulas and searches beyond it give nothing an engineer could sign. A
  // text that is no number is left to the run, which names it.
  for (const ConditionRange& range : conditionRanges()) {
    if (!rangeApplies(range, dc) || c.named.count(range.control)) continue;
    const Control& control = dc.control(range.control);
    double value = 0;
    if (!parseDecimal(control.text, value)) continue;
    if (value < range.lower || value > range.upper) c.block(outOfRangeMessage(control, range));
  }
  return c.blocked;
}

}  // namespace kovrel
