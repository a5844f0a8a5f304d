#include "conditions/soil_constants.h"

namespace kovrel {

const std::vector<ReferenceGrid>& soilConstantGrids() {
  static const std::vector<ReferenceGrid> grids = {
      {"StringGrid1",
       "単位体積重量等（H24道路土工擁壁工指針P66）",
       {"解表4-5　裏込め土・盛土の強度定数", "解表4-6　裏込め土・盛土の単位体積重量"},
       "該当土質をクリック",
       {"注１）細粒分が少ない砂は、礫質土の値を用いてよい。",
        "注２）土質定数を上表から推定する場合は、粘着力Ｃ　　　　を無視する。",
        "注３）地下水位以下にある土の単位体積重量は、それ　　　ぞれ表中の値から９kN/"
        "m3を差し引いた値として"
        "　　　よい。"},
       {{"土の種類", "重量(γ)", "ｾﾝ断抵抗角(φ)", "粘着力(C)"},
        {"礫質土", "20(kN/m3)", "35゜", "0"},
        {"砂質土", "19(kN/m3)", "30゜", "0"},
        {"粘性土", "18(kN/m3)", "25゜", "0"}}},
      {"StringGrid3",
       "単位体積重量等（H24道路土工擁壁工指針P66）",
       {"解表4-6　自然地盤の土の単位体積重量"},
       "該当土質をクリック",
       {"注）地下水位以下にある土の単位体積重量は、　　それぞれ表中の値から９kN/"
        "m3を差し引い　　　た値と"
        "してよい。"},
       {{"土の種類", "緩いもの", "密なもの"},
        {"礫及び砂礫", "18(kN/m3)", "20(kN/m3)"},
        {"砂質土", "17(kN/m3)", "19(kN/m3)"},
        {"粘性土", "14(kN/m3)", "18(kN/m3)"}}},
      {"StringGrid2",
       "基礎地盤設計定数（H24道路土工擁壁工指針P69）",
       {"解表4-8　基礎地盤の種類と許容鉛直支持力度（常時値）",
        "解表4-8の値は常時のものであり、地震時にはこの１．５倍としてよい。"},
       "該当地盤をクリック",
       {},
       {{"地盤種類", "分類", "qa許容支持力度", "μ摩擦係数", "qu(kN/m2)", "N値"},
        {"岩盤", "きれつ少い", "1000", "0.7", "10000以上", "-"},
        {"　〃", "きれつ多い", "600", "0.7", "10000以上", "-"},
        {"　〃", "軟岩･土丹", "300", "0.7", "1000以上", "-"},
        {"礫層", "密なもの", "600", "0.6", "-", "-"},
        {"　〃", "密でない", "300", "0.6", "-", "-"},
        {"砂質地盤", "密なもの", "300", "0.6", "-", "30～50"},
        {"　〃　　", "中位なもの", "200", "0.6", "-", "20～30"},
        {"粘性土地盤", "非常に堅い", "200", "0.5", "200～400", "15～30"},
        {"　　〃　　", "堅いもの", "100", "0.5", "100～200", "10～15"}}},
  };
  return grids;
}

namespace {
const char* const kSoilClasses[3] = {"砂、砂礫", "砂質土", "粘性土(wL<50%)"};
const char* const kSoilValues[3][3] = {
    {"20", "35", "0.0"}, {"19", "30", "0.0"}, {"18", "25", "0.0"}};

const std::vector<std::string>* foundationRow(int row) {
  const auto& rows = soilConstantGrids()[2].rows;
  if (row < 1 || row >= int(rows.size())) return nullptr;
  return &rows[size_t(row)];
}
}  // namespace

std::string soilCopyQuestion(int row) {
  if (row < 1 || row > 3) return {};
  return std::string("裏込め土の土質=") + kSoilClasses[row - 1] +
         "\r\rを設計条件に転記します。いいですか。";
}

void copySoilConstants(DesignConditions& dc, int row) {
  if (row < 1 || row > 3) return;
  dc.setIndex("RadioGroup1", row - 1);
  dc.setText("Edit15", kSoilValues[row - 1][0]);
  dc.setText("Edit14", kSoilValues[row - 1][1]);
  dc.setText("Edit21", kSoilValues[row - 1][2]);
}

std::string foundationCopyQuestion(int row) {
  const std::vector<std::string>* r = foundationRow(row);
  if (!r) return {};
  return "許容鉛直支持力度[qa]  = " + (*r)[2] + " kN/m2\r\r摩擦係数[μ=tan(φb)]  = " + (*r)[3] +
         "\r\rいいですか。";
}

void copyFoundationConstants(DesignConditions& dc, int row) {
  const std::vector<std::string>* r = foundationRow(row);
  if (!r) return;
  dc.setText("Edit16", (*r)[2]);
  dc.setText("Edit17", (*r)[3]);
}

}  // namespace kovrel
