#include "report/design_conditions_report.h"

#include <algorithm>
#include <vector>

#include "engine/load_items.h"
#include "report/dimension_chain.h"
#include "report/surface_line.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

constexpr double kMillimetresPerMetre = 1000;

void lines(ListBox& box, std::initializer_list<const char*> texts) {
  for (const char* t : texts) appendLine(box, t);
}

void writeContents(const TAntei& s, const DesignConditions& dc, ResultsWindow& r,
                   const std::string& fileName) {
  ListBox& box = r.listBox("ListBox20");
  box.lines.clear();
  const bool key = dc.index("RadioGroup2") == 1;
  appendLine(box, "件　名：" + fileName);
  appendBlank(box);
  appendLine(box,
             s.wallType == 0 ? "　　　　逆Ｔ型擁壁計算書　目次" : "　　　　Ｌ型擁壁計算書　目次");
  appendBlank(box);
  appendLine(box, s.loadCase == 0 ? "　　　　　　（常　時）" : "　　　　　　（地震時）");
  appendBlank(box);
  lines(box, {"Ⅰ.設計条件　　　　　　　　　  ・・・・P1",
              "",
              "",
              "Ⅱ.荷重計算",
              "",
              "   1.荷重計算(自重:安定計算用) ・・・・P2",
              "",
              "   2.荷重計算(自重:構造計算用) ・・・・P3",
              "",
              "   3.荷重計算(土圧等)　　　　  ・・・・P4",
              "",
              "",
              "Ⅲ.安定計算",
              "",
              "   1.安定計算(滑動,転倒,支持力)・・・・P5",
              "",
              "        　　 (極限支持力)　　　・・・・P6",
              "",
              "   2.荷重図　　　　　　　　　  ・・・・P7",
              "",
              "",
              "Ⅳ-1.構造計算:たて壁",
              "",
              "     1.断面力　　　　　        ・・・・P8",
              "",
              "     2.鉄筋量及び応力度        ・・・・P9",
              "",
              "     3.鉄筋定着長　　　　　 　 ・・・・P10",
              "",
              "Ⅳ-2.構造計算:底版",
              ""});
  if (s.wallType == 0) {
    lines(box, {"     1.つま先版　　  　        ・・・・P11", "",
                "     2.かかと版(断面力)　　　　・・・・P12", "",
                "     3.かかと版(鉄筋量及び応力度)・・・P13"});
    if (key) lines(box, {"", "     4.突起                    ・・・・P14"});
  } else {
    lines(box, {"     1.かかと版(断面力)　　　　・・・・P11", "",
                "     2.かかと版(鉄筋量及び応力度)・・・P12"});
    if (key) lines(box, {"", "     3.突起                    ・・・・P13"});
  }

  // The printed base-slab pages carry the numbers of the contents.
  if (s.wallType == 0) {
    r.reportPage("Form14").number = "P11";
    r.reportPage("Form15").number = "P12";
    r.reportPage("Form26").number = "P13";
    if (key) r.reportPage("Form18").number = "P14";
  } else {
    r.reportPage("Form15").number = "P11";
    r.reportPage("Form26").number = "P12";
    if (key) r.reportPage("Form18").number = "P13";
  }
}

// A wall-shape line: the label up to "=", then the dimension in mm. The
// number is formatted apart from the label so that a label holding digits is
// not read as part of the picture, and a minus sign stays next to its number.
std::string shapeLine(const char* label, const char* picture, double metres) {
  return std::string(label) + formatNumber(picture, metres * kMillimetresPerMetre);
}

void writeWallShape(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  const auto& X = s.outlineX;
  const auto& Y = s.outlineY;
  const bool invertedT = s.wallType == 0;
  // The block length is the number in ComboBox18 whether or not the
  // collision load is on (the bearing check keeps the same value).
  const double blockLength = dc.readDouble("ComboBox18");
  appendLine(box,
             invertedT ? " 　 1)擁壁のタイプ    =逆Ｔ型擁壁" : " 　 1)擁壁のタイプ    =Ｌ型擁壁");
  appendLine(box, shapeLine(" 　 2)たて壁前面勾配幅=", "0", X[4] - X[3]));
  appendLine(box, shapeLine("　  3)たて壁天端幅    =", "0", X[5] - X[4]));
  appendLine(box, shapeLine(" 　 4)たて壁背面勾配幅=", "0", X[6] - X[5]));
  appendLine(box, shapeLine("    5)たて壁高さ      =", "0,0", Y[4] - Y[3]));
  if (invertedT) {
    appendLine(box, shapeLine(" 　 6)つま先版幅      =", "0,0", X[3] - X[1]));
    appendLine(box, shapeLine("　  7)かかと版幅      =", "0,0", X[8] - X[6]));
    appendLine(box, shapeLine("　  8)底版幅          =", "0,0", X[9] - X[0]));
    appendLine(box, shapeLine("　  9)底版勾配厚      =", "0", Y[2] - Y[1]));
    appendLine(box, shapeLine("　 10)底版厚          =", "0", Y[1] - Y[0]));
    appendLine(box, shapeLine("　 11)型枠セット幅    =", "0", X[3] - X[2]));
    appendLine(box, shapeLine("   12)ブロック長      =", "0,0", blockLength));
  } else {
    appendLine(box, shapeLine("　  6)かかと版幅      =", "0,0", X[8] - X[6]));
    appendLine(box, shapeLine("　  7)底版幅          =", "0,0", X[9] - X[0]));
    appendLine(box, shapeLine("　  8)底版勾配厚      =", "0", Y[7] - Y[8]));
    appendLine(box, shapeLine("　  9)底版厚          =", "0", Y[8] - Y[9]));
    appendLine(box, shapeLine("　 10)型枠セット幅    =", "0", X[7] - X[6]));
    appendLine(box, shapeLine("   11)ブロック長      =", "0,0", blockLength));
  }
}

void writeConditions(const TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  ListBox& box = r.listBox("ListBox7");
  box.lines.clear();
  const double deg = kDegreesPerRadian;

  // 1. Backfill.
  appendLine(box, "1.裏込土の諸量");
  static const char* const kSoils[] = {"  土質：砂、砂礫", "  土質：砂質土", "  土質：粘性土"};
  const int soil = dc.index("RadioGroup1");
  if (soil >= 0 && soil < 3) appendLine(box, kSoils[soil]);
  appendLine(box, formatNumber("  土の単位重量(γs)   =0.00kN/m3", s.gammaS));
  appendLine(box, formatNumber("  剪断抵抗角(φ)    　=0.0度", s.phiBackfill * deg));
  if (dc.index("RadioGroup16") == 0) {
    appendLine(box, "  壁面摩擦角(δ=2φ/3)=" + formatNumber("0.00度", s.phiBackfill * deg * 2 / 3));
  } else {
    appendLine(box, "  壁面摩擦角(δ=φ/2) =" + formatNumber("0.00度", s.phiBackfill * deg / 2));
  }
  appendLine(box, formatNumber("  粘着力(c)           =0.00kN/m2", s.cohesionBackfill));
  appendBlank(box);

  // 2. Embedment ground.
  appendLine(box, "2.根入れ地盤の諸量");
  appendLine(box, formatNumber("  根入れ地盤の土の単位重量(γ2) =0.00kN/m3", s.gamma2));
  appendLine(box, formatNumber("  根入れ地盤の剪断抵抗角(φ)    =0.0度", s.phiEmbedDeg));
  appendLine(box, formatNumber("  根入れ地盤の粘着力(c)         =0.00kN/m2", s.cohesionEmbed));
  appendLine(box, formatNumber("  根入れ地盤への根入れ深さ(Df)  =0.0m", s.embedDepth));
  appendBlank(box);

  // 3. Supporting ground.
  appendLine(box, "3.支持地盤の諸量");
  appendLine(box, formatNumber("  支持地盤の土の単位重量(γ1)   =0.00kN/m3", s.gamma1));
  appendLine(box, formatNumber("  支持地盤の剪断抵抗角(φ)      =0.0度", s.phiBase * deg));
  appendLine(box, formatNumber("  支持地盤の粘着力(c)           =0.00kN/m2", s.cohesionBase));
  appendLine(box, "  支持地盤への根入れ深さ(Df')   =" + formatNumber("0.0m", s.bearingEmbedDepth));
  appendLine(box, "  許容鉛直支持力度(qa0)         =" + formatNumber("0.00kN/m2", s.qa0));
  appendLine(box, formatNumber("  擁壁底面と地盤間の摩擦係数(μ)=0.0", s.muBase));
  appendLine(box, formatNumber("  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2", s.adhesionCb));
  const bool castInPlace = dc.index("RadioGroup3") == 0;
  appendLine(box, castInPlace ? "   (場所打は、δ=φとする)" : "   (既製品は、δ=φ2/3とする)");
  appendBlank(box);

  // 4. Loads: self weight and wall shape.
  appendLine(box, "4.荷重");
  appendLine(box, " (1)自重");
  appendLine(box, castInPlace ? "　①躯体             ：場所打ち" : "  ①躯体             ：既製品");
  appendLine(box, formatNumber("  ②ｺﾝｸﾘｰﾄの単位重量(γc)=0.00kN/m3", s.gammaC));
  appendLine(box, "  ③擁壁形状(単位mm)  : 図参照");
  writeWallShape(s, dc, box);
  if (dc.index("RadioGroup2") == 1) {
    const auto& X = s.outlineX;
    const auto& Y = s.outlineY;
    appendLine(box, "　 突起形状[位置:幅:高さ]=" + formatNumber("0", X[13] * kMillimetresPerMetre) +
                        ":" + formatNumber("0", (X[11] - X[12]) * kMillimetresPerMetre) + ":" +
                        formatNumber("0", (Y[13] - Y[12]) * kMillimetresPerMetre));
  } else {
    appendLine(box, "　 突起無し");
  }

  // Backfill surface, surcharge, snow and earth pressure.
  appendLine(box, " (2)背面土形状、載荷重、土圧");
  if (s.backfillShape == 2) {
    appendLine(box, "  ①背面土形状:法面");
    appendLine(box, formatNumber("　  法勾配            =1：0.0", s.slopeN));
  } else if (s.backfillShape == 3) {
    appendLine(box, "  ①背面土形状:盛土");
    appendLine(box, formatNumber("　  1)法勾配          =1：0.0", s.slopeN));
    appendLine(box,
               formatNumber("　  2)盛土高          =0,0mm", s.embankHeight * kMillimetresPerMetre));
  } else {
    appendLine(box, "  ①背面土形状:平坦");
  }
  appendLine(box, "　②載荷重");
  appendLine(box, formatNumber("　  1)載荷重強度      =0.00kN/m2", s.surcharge));
  if (!(s.surcharge > 0)) {
    appendLine(box, "　  2)載荷位置        =載荷重なし");
  } else {
    const Control& position = dc.control("RadioGroup8");
    const bool known =
        position.index >= 0 && position.index < static_cast<int>(position.items.size());
    appendLine(
        box, "　  2)載荷位置        =" + (known ? position.items[position.index] : std::string()));
  }
  appendLine(box, "　③雪荷重");
  appendLine(box, formatNumber("　  1)平坦部          =0.00kN/m2", s.snowOnFlat));
  appendLine(box, formatNumber("　  2)法面部          =0.00kN/m2", s.snowOnSlope));
  appendLine(box, "　④土圧等");
  appendLine(box, dc.index("RadioGroup6") == 0 ? "　  載荷重等の扱い    ：土塊に含み計算"
                                               : "　  載荷重等の扱い    ：別途計算し加算");
  appendLine(box, dc.index("RadioGroup7") == 0 ? "　  たて壁設計用土圧  ：理論値(試行くさび法)"
                                               : "　  たて壁設計用土圧  ：簡便法(逆算土圧係数)");
  const bool seismic = s.loadCase != 0;
  if (seismic) {
    switch (dc.index("RadioGroup9")) {
      case 0:
        lines(box, {"　  地震時土圧の計算  ：載荷重無し常時土圧として計算",
                    "　  地震時躯体慣性力  ：地震慣性力を作用させて計算"});
        break;
      case 1:
        lines(box, {"　  地震時土圧の計算  ：地震慣性力を作用させて計算",
                    "　  地震時躯体慣性力  ：地震慣性力を作用させて計算"});
        break;
      case 2:
        lines(box, {"　  地震時土圧の計算  ：地震慣性力を作用させて計算",
                    "　  地震時躯体慣性力  ：地震慣性力を無視"});
        break;
      default:
        break;
    }
  }
  appendLine(box, dc.index("RadioGroup4") == 0 ? "　  仮想背面上の載荷重：載荷有り"
                                               : "　  仮想背面上の載荷重：載荷無し");

  // Seismic coefficient, as typed.
  if (seismic) {
    appendLine(box, " (3)設計震度:設計水平震度(Kh)=Kho･Cz=" + dc.text("Edit61"));
  } else {
    appendLine(box, " (3)設計震度:設計水平震度(Kh)=0.0");
  }

  // Other loads.
  appendLine(box, " (4)その他の荷重");
  if (!dc.checked("CheckBox9") && !(s.passiveForce > 0)) {
    appendLine(box, "　①受働土圧  :なし");
  } else {
    appendLine(box, formatNumber("　①受働土圧[有効根入深(Ho)]=0.000m", dc.readDouble("Edit54")));
  }
  if (dc.checked("CheckBox3")) {
    appendLine(box, "　②水圧[水深(H1):単位重量(γw)]=" + formatNumber("0.000m", s.waterDepth) + ":" +
                        formatNumber("0.00kN/m3", s.gammaW));
    appendLine(box, dc.checked("CheckBox2") ? "　  ＊底版の構造計算に浮力を考慮する。"
                                            : "　  ＊底版の構造計算に浮力を考慮しない。");
  } else {
    appendLine(box, "　②水圧(浮力):なし");
  }
  if (dc.checked("CheckBox5")) {
    appendLine(box, "　③風荷重[遮音壁高(H2):荷重強度(P)]=" + formatNumber("0.000m", s.windHeight) +
                        ":" + formatNumber("0.00kN/m2", s.windPressure));
  } else {
    appendLine(box, "　③風荷重    :なし");
  }
  if (dc.checked("CheckBox6")) {
    appendLine(box, "　④衝突荷重");
    appendLine(box, formatNumber("　  作用高(H3)　      =0.000m", dc.readDouble("ComboBox9")));
    appendLine(box, formatNumber("　  衝突荷重(P)       =0.00kN", s.collisionLoad));
    appendLine(box, formatNumber("　  擁壁長(L)　       =0.000m", s.blockLength));
  } else {
    appendLine(box, "　④衝突荷重  :なし");
  }
}

void writeAllowables(const TAntei& s, ResultsWindow& r) {
  ListBox& box = r.listBox("ListBox10");
  box.lines.clear();
  appendLine(box, "5.許容応力度");
  appendLine(box, " (1)ｺﾝｸﾘｰﾄ");
  appendLine(box, formatNumber("　①設計強度  (σck)  =0.00N/mm2", s.designStrength));
  appendLine(box, formatNumber("　②圧縮応力度(σca)  =0.00N/mm2", s.allowableCompression));
  appendLine(box, formatNumber("　③引張応力度(σcat) =0.00N/mm2", s.allowableConcreteTension));
  appendLine(box, formatNumber("　④剪断応力度(τa1)  =0.00N/mm2", s.allowableShearBase));
  appendBlank(box);
  appendLine(box, " (2)鉄筋");
  appendLine(box, formatNumber("　①引張応力度(σsa)  =0.00N/mm2", s.allowableSteelTension));
  appendLine(box, formatNumber("　②付着応力度(τo)   =0.00N/mm2", s.allowableBond));
  appendBlank(box);
  appendLine(box, "6.鉄筋かぶり");
  appendLine(box, formatNumber(" (1)たて壁部          =0mm", s.stemCover * kMillimetresPerMetre));
  appendLine(box, formatNumber(" (2)底版部            =0mm", s.slabCover * kMillimetresPerMetre));
}

void chain(Series& series, ChainDirection dir, const std::vector<double>& lengths, double x0,
           double y0) {
  drawDimensionChain(series, dir, lengths, x0, y0, 2, static_cast<int>(lengths.size()));
}

void drawOutlineFigure(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  Chart& chart = r.chart("Chart3");
  const auto& X = s.outlineX;
  const auto& Y = s.outlineY;
  const bool embankment = s.backfillShape == 3;
  const bool key = dc.index("RadioGroup2") == 1;
  const bool passive = dc.checked("CheckBox9");

  // 1-2. Colours and the extent of the figure (m).
  chart.seriesNamed("Series14").colour = clBlack;
  chart.seriesNamed("Series22").colour = clBlack;
  chart.seriesNamed("Series21").colour = dc.index("RadioGroup10") == 0 ? clMaroon : clBlack;
  chart.left.minimum = Y[12] - 2;
  chart.bottom.minimum = -1.8;
  if (embankment) {
    chart.left.maximum = Y[4] + s.embankHeight + 1.5;
    chart.bottom.maximum = std::max(X[9] + 2.8, X[5] + s.slopeRun + 1);
  } else {
    chart.left.maximum = Y[4] + 1.5;
    chart.bottom.maximum = X[9] + 2.8;
  }
  clearChart(chart);

  // 3. Wall outline.
  const ItemProperties wall = itemProperties(s, "W_A");
  Series& outline = chart.seriesNamed("Series14");
  for (int k = 0; k < wall.pointCount; ++k) {
    outline.points.push_back({wall.points[k].x, wall.points[k].y, " ", std::nullopt});
  }

  // 4. Ground behind the wall.
  buildSurfaceLine(s, dc, SurfaceKind::Ground);
  Series& ground = chart.seriesNamed("Series21");
  for (int k = 0; k <= s.surfaceLineLast; ++k) {
    ground.points.push_back({s.surfaceLineX[k], s.surfaceLineY[k], " ", std::nullopt});
  }

  // 5. Front ground at the effective embedment depth.
  if (passive) {
    Series& front = chart.seriesNamed("Series22");
    front.points.push_back({-10, Y[24], " ", std::nullopt});
    front.points.push_back({X[26], Y[24], " ", std::nullopt});
  }

  // 6. Dimension lines.
  auto series = [&](const char* name) -> Series& { return chart.seriesNamed(name); };
  const auto V = ChainDirection::AlongY;
  const auto H = ChainDirection::AlongX;
  if (embankment) {
    chain(series("Series23"), V, {Y[4], s.embankHeight}, X[9] + 2, 0);
    chain(series("Series30"), H, {s.slopeRun}, X[5], Y[5] + s.embankHeight + 0.5);
  } else {
    chain(series("Series23"), V, {Y[4]}, X[9] + 2, 0);
  }
  if (key) {
    chain(series("Series24"), V, {-Y[12], Y[1], Y[2] - Y[1], Y[4] - Y[3]}, X[9] + 1, Y[12]);
  } else {
    chain(series("Series24"), V, {Y[1], Y[2] - Y[1], Y[4] - Y[3]}, X[9] + 1, 0);
  }
  std::vector<double> top;
  if (X[4] - X[3] != 0) top.push_back(X[4] - X[3]);
  top.push_back(X[5] - X[4]);
  if (X[6] - X[5] != 0) top.push_back(X[6] - X[5]);
  chain(series("Series25"), H, top, X[3], Y[4] + 0.5);
  if (s.wallType == 0) {
    if (X[2] >= X[3]) {
      chain(series("Series26"), H, {X[3] - X[1]}, X[1], Y[2] + 0.5);
    } else {
      chain(series("Series26"), H, {X[2] - X[1], X[3] - X[2]}, X[1], Y[2] + 0.5);
    }
  }
  if (X[6] >= X[7]) {
    chain(series("Series27"), H, {X[8] - X[6]}, X[6], Y[6] + 0.5);
  } else {
    chain(series("Series27"), H, {X[7] - X[6], X[8] - X[7]}, X[6], Y[6] + 0.5);
  }
  chain(series("Series28"), H, {X[9]}, X[0], key ? -1.5 : -1.0);
  if (key) chain(series("Series29"), H, {X[12] - X[0], X[11] - X[12]}, X[0], Y[12] - 0.5);
  if (passive) chain(series("Series40"), V, {Y[24]}, -1, 0);
}

}  // namespace

void writeDesignConditionsReport(TAntei& s, const DesignConditions& dc, ResultsWindow& r,
                                 const std::string& fileName, double /*dSlip*/) {
  writeContents(s, dc, r, fileName);
  writeConditions(s, dc, r);
  writeAllowables(s, r);
  drawOutlineFigure(s, dc, r);
}

}  // namespace kovrel
