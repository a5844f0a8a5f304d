#include "conditions/control_catalogue.h"

#include <initializer_list>
#include <string>

namespace kovrel {
namespace {

Control edit(const char* name, const char* label, const char* text, bool enabled = true) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Edit;
  c.label = label;
  c.text = text;
  c.enabled = enabled;
  c.colour = enabled ? clWindow : clSilver;
  return c;
}

Control combo(const char* name, const char* label, const char* text,
              std::initializer_list<const char*> items, bool enabled = true) {
  Control c = edit(name, label, text, enabled);
  c.kind = ControlKind::Combo;
  for (const char* item : items) c.items.emplace_back(item);
  return c;
}

Control radio(const char* name, const char* label, int index,
              std::initializer_list<const char*> items, bool enabled = true) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Radio;
  c.label = label;
  c.index = index;
  c.enabled = enabled;
  for (const char* item : items) c.items.emplace_back(item);
  return c;
}

// Check boxes carry their font colour: maroon while checked.
Control check(const char* name, const char* label, bool checked, bool enabled = true) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Check;
  c.label = label;
  c.checked = checked;
  c.enabled = enabled;
  c.colour = checked ? clMaroon : clBlack;
  return c;
}

Control tabs(const char* name, ControlKind kind, const char* label,
             std::initializer_list<const char*> captions) {
  Control c;
  c.name = name;
  c.kind = kind;
  c.label = label;
  for (const char* item : captions) c.items.emplace_back(item);
  return c;
}

const std::initializer_list<const char*> kPitchItems = {"-",     "50mm",  "75mm",  "100mm",
                                                        "125mm", "150mm", "175mm", "200mm",
                                                        "225mm", "250mm", "275mm", "300mm"};
const std::initializer_list<const char*> kDiameterItems = {"-",    "6mm",  "10mm", "13mm", "16mm",
                                                           "19mm", "22mm", "25mm", "29mm", "32mm",
                                                           "35mm", "38mm", "41mm", "51mm"};
const std::initializer_list<const char*> kRebarModes = {"自動設定", "ﾋﾟｯﾁ@を指定", "径(D)を指定",
                                                        "ﾋﾟｯﾁ径を指定"};

// The five soil layers of the ground characteristic value: heading row, layer
// numbers, and "0", "0", "-" in each layer row.
Control layerGrid() {
  Control c;
  c.name = "StringGrid2";
  c.kind = ControlKind::Grid;
  c.label = "地層区分";
  c.colCount = 4;
  c.rowCount = 6;
  c.cells = {"層No", "層厚(m)", "N値", "土質"};
  for (int row = 1; row <= 5; ++row) {
    c.cells.insert(c.cells.end(), {std::to_string(row), "0", "0", "-"});
  }
  return c;
}

}  // namespace

std::vector<Control> initialControls() {
  std::vector<Control> c;
  // １．裏込め土の諸量
  c.push_back(radio("RadioGroup1", "土質", 0, {"砂、砂礫", "砂質土", "粘性土(wL<50%)"}));
  c.push_back(edit("Edit15", "γs(kN/m3)=", "20"));
  c.push_back(edit("Edit14", "φ (角度)   =", "35"));
  c.push_back(radio("RadioGroup16", "δ=?φ", 0, {"2/3", "1/2"}));
  c.push_back(edit("Edit21", " c (kN/m2) =", "0.0"));
  // ２．根入れ地盤の諸量
  c.push_back(edit("LabeledEdit4", "γ2 (kN/m3)=", "18.0"));
  c.push_back(edit("LabeledEdit7", "φ (角度) =", "25"));
  c.push_back(edit("LabeledEdit8", " c (kN/m2) =", "0.0"));
  c.push_back(edit("LabeledEdit3", "Df (m)    =", "2.5"));
  // ３．支持地盤の諸量
  c.push_back(edit("LabeledEdit5", "γ1 (kN/m3)=", "19.0"));
  c.push_back(edit("Edit42", "φ(角度)   =", "35"));
  c.push_back(edit("Edit39", " c (kN/m2)=", "0.0"));
  c.push_back(edit("LabeledEdit6", "Df'(m)   = ", "0.6"));
  c.push_back(edit("Edit16", "ｑa0(kN/m2)=", "300"));
  c.push_back(edit("Edit17", "μ(係数)=", "0.6"));
  c.push_back(edit("Edit18", "Cb(kN/m2)=", "0.0"));
  // ４．荷重 (1)自重
  c.push_back(radio("RadioGroup3", "①躯体", 0, {"場所打", "既製品"}));
  c.push_back(combo("ComboBox7", "γc(kN/m3)=", "24.5", {"23.0", "23.5", "24.5", "25.0"}));
  c.push_back(
      combo("ComboBox18", "Ｌ(m)=", "5", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  c.push_back(tabs("PageControl2", ControlKind::PageControl, "③擁壁形状", {"逆Ｔ型", "Ｌ型"}));
  c.push_back(radio("RadioGroup2", "突起の有無", 0, {"無し", "有り"}));
  c.push_back(edit("Edit35", "(1)位置=", "0", false));
  c.push_back(edit("Edit40", "(2)幅　=", "0", false));
  c.push_back(edit("Edit41", "(3)高さ=", "0", false));
  // Wall dimensions in mm; the hint stands for the label.
  c.push_back(edit("Edit3", "底板厚", "700"));
  c.push_back(edit("Edit5", "底版勾配高さ", "200"));
  c.push_back(edit("Edit7", "底版幅", "5800"));
  c.push_back(edit("Edit8", "つま先版幅", "1200"));
  c.push_back(edit("Edit9", "かかと版幅", "3800"));
  c.push_back(edit("Edit10", "前面勾配幅", "142"));
  c.push_back(edit("Edit11", "天端幅", "400"));
  c.push_back(edit("Edit12", "たて壁高さ", "7100"));
  c.push_back(edit("Edit29", "背面勾配幅", "258"));
  c.push_back(edit("Edit4", "型枠セット幅", "100"));
  c.push_back(edit("Edit46", "底板厚", "700"));
  c.push_back(edit("Edit45", "底版勾配高さ", "200"));
  c.push_back(edit("Edit48", "底版幅", "4600"));
  c.push_back(edit("Edit47", "かかと版幅", "3800"));
  c.push_back(edit("Edit6", "前面勾配幅", "142"));
  c.push_back(edit("Edit22", "天端幅", "400"));
  c.push_back(edit("Edit44", "たて壁高さ", "7100"));
  c.push_back(edit("Edit32", "背面勾配幅", "258"));
  c.push_back(edit("Edit49", "型枠セット幅", "100"));
  // ４．荷重 (2)背面土形状、載荷重、土圧
  c.push_back(tabs("TabControl1", ControlKind::TabSet, "①背面土形状", {"平坦", "法面", "盛土"}));
  c.push_back(combo("ComboBox1", "法勾配=１：", "-",
                    {"1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9",
                     "2.0", "2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.8", "2.9", "3.0"},
                    false));
  c.push_back(edit("Edit28", "盛土高(mm)=", "0.0", false));
  c.push_back(check("CheckBox1", "載荷重の有無", true));
  c.push_back(edit("Edit1", "ｑ (kN/m2)=", "10.0"));
  c.push_back(radio("RadioGroup8", "載荷位置", 0, {"平坦部", "全面"}));
  c.push_back(check("CheckBox4", "雪荷重の有無", false));
  c.push_back(edit("Edit43", "SW(kN/m2)=", "0.0", false));
  c.push_back(edit("Edit13", "SW(kN/m2)=", "0.0", false));
  c.push_back(radio("RadioGroup4", "④仮想背面上の荷重", 0, {"載荷有", "載荷無"}));
  c.push_back(radio("RadioGroup6", "載荷重等の扱い", 0, {"土塊に含み計算", "別途計算し加算"}));
  c.push_back(radio("RadioGroup7", "たて壁設計用土圧", 1, {"試行くさび法", "逆算土圧係数"}));
  c.push_back(radio("RadioGroup5", "地震設定", 0, {"常時", "地震時"}));
  c.push_back(radio("RadioGroup9", "地震時荷重(常時は無効)", 1,
                    {"常時土圧   +躯体慣性力", "地震時土圧+躯体慣性力", "地震時土圧のみ"}, false));
  // ４．荷重 (3)その他の荷重
  c.push_back(check("CheckBox9", "①受働土圧", false));
  c.push_back(edit("Edit54", "Ho(有効根入深m)=", "0.0", false));
  c.push_back(check("CheckBox3", "②水圧(浮力)", false));
  c.push_back(edit("Edit62", "H1(水深m)=", "0.0", false));
  c.push_back(combo("ComboBox8", "γw(重量kN/m3)=", "0.0", {"9.8", "10.0"}, false));
  c.push_back(check("CheckBox2", "底版の計算に浮力を考慮", false, false));
  c.push_back(check("CheckBox5", "③風荷重", false));
  c.push_back(
      combo("ComboBox3", "H2(遮音壁高m)=", "0", {"1.0", "2.0", "3.0", "4.0", "5.0"}, false));
  c.push_back(combo("ComboBox2", "P(荷重強度kN/m2)=", "0", {"1.0", "2.0"}, false));
  c.push_back(check("CheckBox6", "④衝突荷重", false));
  c.push_back(combo("ComboBox9", "H3(作用高さm)=", "0.0", {"0.6", "0.675", "0.76"}, false));
  c.push_back(combo("ComboBox4", "P(衝突荷重kN)=", "0", {"30", "50", "55"}, false));
  // ４．荷重 (4)設計震度
  c.push_back(
      combo("ComboBox5", "標準値", "0.0", {"0.12", "0.15", "0.16", "0.18", "0.20", "0.24"}, false));
  c.push_back(combo("ComboBox6", "x 補正係数", "1.0", {"1.0", "0.85", "0.70"}, false));
  c.push_back(edit("Edit61", "=設計震度", "0.0", false));
  c.push_back(layerGrid());
  c.push_back(edit("Edit53", "地盤種別判定", ""));
  // ５．許容応力度, ６．鉄筋かぶり
  c.push_back(edit("Edit50", "σck=", "24"));
  c.push_back(edit("Edit23", "σca=", "8.0"));
  c.push_back(edit("Edit24", "σcat=", "0.0"));
  c.push_back(edit("Edit25", "τa1=", "0.23"));
  c.push_back(edit("Edit27", "τo=", "1.6"));
  c.push_back(edit("Edit26", "σsa=", "160"));
  c.push_back(edit("Edit19", "縦壁(mm)=", "100"));
  c.push_back(edit("Edit20", "底版(mm)=", "110"));
  // Reinforcement tabs: stem, toe, heel, shear key.
  const char* members[4][3] = {{"RadioGroup12", "ComboBox10", "ComboBox11"},
                               {"RadioGroup13", "ComboBox12", "ComboBox13"},
                               {"RadioGroup14", "ComboBox14", "ComboBox15"},
                               {"RadioGroup15", "ComboBox16", "ComboBox17"}};
  for (auto& m : members) {
    c.push_back(radio(m[0], "配筋(mm)設定", 0, kRebarModes));
    c.push_back(combo(m[1], "ﾋﾟｯﾁ＠", "-", kPitchItems, false));
    c.push_back(combo(m[2], "径(D)", "-", kDiameterItems, false));
  }
  // Calculation options.
  c.push_back(radio("RadioGroup10", "出力色", 0, {"ｶﾗｰ", "白黒"}));
  c.push_back(check("CheckBox7", "粘着力の自立高さ(Zc)を考慮する", false));
  c.push_back(radio("RadioGroup11", "転倒に対する照査", 0, {"許容偏心量法", "安全率法"}));
  c.push_back(edit("LabeledEdit1", "常　時", "-", false));
  c.push_back(edit("LabeledEdit2", "地震時", "-", false));

  // The allowable-stresses window.
  c.push_back(radio("Form9.RadioGroup1", "設計基準強度(σck)", 2, {"18", "21", "24", "27", "30"}));
  c.push_back(radio("Form9.RadioGroup2", "構造", 1, {"無筋ｺﾝｸﾘｰﾄ", "鉄筋ｺﾝｸﾘｰﾄ"}, false));
  c.push_back(radio("Form9.RadioGroup3", "鉄筋の種類", 1, {"SD295A,SD295B", "SD345"}));
  c.push_back(radio("Form9.RadioGroup4", "地震", 0, {"常時", "地震時"}));
  c.push_back(edit("Form9.Edit1", "σca", "8"));
  c.push_back(edit("Form9.Edit2", "σcat", "0"));
  c.push_back(edit("Form9.Edit3", "τa1", "0.23"));
  c.push_back(edit("Form9.Edit4", "σsa", "160"));
  c.push_back(edit("Form9.Edit5", "τo", "1.6"));
  return c;
}

}  // namespace kovrel
