#include "report/design_conditions_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/design_loader.h"
#include "results/results_window.h"

namespace kovrel {
namespace {

using Lines = std::vector<std::string>;

struct Written {
  TAntei state;
  ResultsWindow results;
};

Written write(const DesignConditions& dc, const std::string& file = "wall-01") {
  Written w;
  loadDesignConditions(w.state, dc);
  writeDesignConditionsReport(w.state, dc, w.results, file, 0);
  return w;
}

bool contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const Lines kContentsHead = {
    "",
    "",
    "　　　　　　（常　時）",
    "",
    "Ⅰ.設計条件　　　　　　　　　  ・・・・P1",
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
    "",
};

TEST(DesignConditionsReport, ContentsOfTheInvertedTWall) {
  Written w = write(DesignConditions{});
  Lines expected = {"件　名：wall-01", "", "　　　　逆Ｔ型擁壁計算書　目次"};
  expected.insert(expected.end(), kContentsHead.begin() + 1, kContentsHead.end());
  expected.insert(expected.end(), {"     1.つま先版　　  　        ・・・・P11", "",
                                   "     2.かかと版(断面力)　　　　・・・・P12", "",
                                   "     3.かかと版(鉄筋量及び応力度)・・・P13"});
  EXPECT_EQ(w.results.listBox("ListBox20").lines, expected);
  EXPECT_EQ(w.results.reportPage("Form14").number, "P11");
  EXPECT_EQ(w.results.reportPage("Form15").number, "P12");
  EXPECT_EQ(w.results.reportPage("Form26").number, "P13");
  EXPECT_EQ(w.results.reportPage("Form18").number, "");
}

TEST(DesignConditionsReport, ContentsOfTheLWallWithKeyInTheSeismicCase) {
  DesignConditions dc;
  dc.setIndex("PageControl2", 1);
  dc.setIndex("RadioGroup2", 1);
  dc.setIndex("RadioGroup5", 1);
  dc.setText("Edit61", "0.2");
  Written w = write(dc, "");
  const Lines& lines = w.results.listBox("ListBox20").lines;
  EXPECT_EQ(lines[0], "件　名：");
  EXPECT_EQ(lines[2], "　　　　Ｌ型擁壁計算書　目次");
  EXPECT_EQ(lines[4], "　　　　　　（地震時）");
  const Lines tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (Lines{"     1.かかと版(断面力)　　　　・・・・P11", "",
                         "     2.かかと版(鉄筋量及び応力度)・・・P12", "",
                         "     3.突起                    ・・・・P13"}));
  EXPECT_EQ(w.results.reportPage("Form15").number, "P11");
  EXPECT_EQ(w.results.reportPage("Form26").number, "P12");
  EXPECT_EQ(w.results.reportPage("Form18").number, "P13");
}

TEST(DesignConditionsReport, ConditionsOfTheDefaultWall) {
  Written w = write(DesignConditions{});
  const Lines expected = {
      "1.裏込土の諸量",
      "  土質：砂、砂礫",
      "  土の単位重量(γs)   =20.00kN/m3",
      "  剪断抵抗角(φ)    　=35.0度",
      "  壁面摩擦角(δ=2φ/3)=23.33度",
      "  粘着力(c)           =0.00kN/m2",
      "",
      "2.根入れ地盤の諸量",
      "  根入れ地盤の土の単位重量(γ2) =18.00kN/m3",
      "  根入れ地盤の剪断抵抗角(φ)    =25.0度",
      "  根入れ地盤の粘着力(c)         =0.00kN/m2",
      "  根入れ地盤への根入れ深さ(Df)  =2.5m",
      "",
      "3.支持地盤の諸量",
      "  支持地盤の土の単位重量(γ1)   =19.00kN/m3",
      "  支持地盤の剪断抵抗角(φ)      =35.0度",
      "  支持地盤の粘着力(c)           =0.00kN/m2",
      "  支持地盤への根入れ深さ(Df')   =0.6m",
      "  許容鉛直支持力度(qa0)         =300.00kN/m2",
      "  擁壁底面と地盤間の摩擦係数(μ)=0.6",
      "  擁壁底面と地盤間の付着力(Cb)  =0.00kN/m2",
      "   (場所打は、δ=φとする)",
      "",
      "4.荷重",
      " (1)自重",
      "　①躯体             ：場所打ち",
      "  ②ｺﾝｸﾘｰﾄの単位重量(γc)=24.50kN/m3",
      "  ③擁壁形状(単位mm)  : 図参照",
      " 　 1)擁壁のタイプ    =逆Ｔ型擁壁",
      " 　 2)たて壁前面勾配幅=142",
      "　  3)たて壁天端幅    =400",
      " 　 4)たて壁背面勾配幅=258",
      "    5)たて壁高さ      =7,100",
      " 　 6)つま先版幅      =1,200",
      "　  7)かかと版幅      =3,800",
      "　  8)底版幅          =5,800",
      "　  9)底版勾配厚      =200",
      "　 10)底版厚          =700",
      "　 11)型枠セット幅    =100",
      "   12)ブロック長      =5,000",
      "　 突起無し",
      " (2)背面土形状、載荷重、土圧",
      "  ①背面土形状:平坦",
      "　②載荷重",
      "　  1)載荷重強度      =10.00kN/m2",
      "　  2)載荷位置        =平坦部",
      "　③雪荷重",
      "　  1)平坦部          =0.00kN/m2",
      "　  2)法面部          =0.00kN/m2",
      "　④土圧等",
      "　  載荷重等の扱い    ：土塊に含み計算",
      "　  たて壁設計用土圧  ：簡便法(逆算土圧係数)",
      "　  仮想背面上の載荷重：載荷有り",
      " (3)設計震度:設計水平震度(Kh)=0.0",
      " (4)その他の荷重",
      "　①受働土圧  :なし",
      "　②水圧(浮力):なし",
      "　③風荷重    :なし",
      "　④衝突荷重  :なし",
  };
  EXPECT_EQ(w.results.listBox("ListBox7").lines, expected);

  const Lines allowables = {
      "5.許容応力度",
      " (1)ｺﾝｸﾘｰﾄ",
      "　①設計強度  (σck)  =24.00N/mm2",
      "　②圧縮応力度(σca)  =8.00N/mm2",
      "　③引張応力度(σcat) =0.00N/mm2",
      "　④剪断応力度(τa1)  =0.23N/mm2",
      "",
      " (2)鉄筋",
      "　①引張応力度(σsa)  =160.00N/mm2",
      "　②付着応力度(τo)   =1.60N/mm2",
      "",
      "6.鉄筋かぶり",
      " (1)たて壁部          =100mm",
      " (2)底版部            =110mm",
  };
  EXPECT_EQ(w.results.listBox("ListBox10").lines, allowables);
}

TEST(DesignConditionsReport, WallShapeOfTheLWallWithKey) {
  DesignConditions dc;
  dc.setIndex("PageControl2", 1);
  dc.setIndex("RadioGroup2", 1);
  dc.setText("Edit35", "3000");
  dc.setText("Edit40", "500");
  dc.setText("Edit41", "400");
  Written w = write(dc);
  const Lines& lines = w.results.listBox("ListBox7").lines;
  const Lines expected = {
      " 　 1)擁壁のタイプ    =Ｌ型擁壁", " 　 2)たて壁前面勾配幅=142",
      "　  3)たて壁天端幅    =400",      " 　 4)たて壁背面勾配幅=258",
      "    5)たて壁高さ      =7,100",    "　  6)かかと版幅      =3,800",
      "　  7)底版幅          =4,600",    "　  8)底版勾配厚      =200",
      "　  9)底版厚          =700",      "　 10)型枠セット幅    =100",
      "   11)ブロック長      =5,000",    "　 突起形状[位置:幅:高さ]=3000:500:400",
  };
  EXPECT_EQ(Lines(lines.begin() + 28, lines.begin() + 40), expected);
}

TEST(DesignConditionsReport, LoadVariants) {
  struct Case {
    const char* name;
    void (*set)(DesignConditions&);
    Lines present;
    Lines absent;
  };
  const std::vector<Case> cases = {
      {"seismic, earth pressure as normal",
       [](DesignConditions& dc) {
         dc.setIndex("RadioGroup5", 1);
         dc.setIndex("RadioGroup9", 0);
         dc.setText("Edit61", "0.105");
       },
       {"　  地震時土圧の計算  ：載荷重無し常時土圧として計算",
        "　  地震時躯体慣性力  ：地震慣性力を作用させて計算",
        " (3)設計震度:設計水平震度(Kh)=Kho･Cz=0.105"},
       {" (3)設計震度:設計水平震度(Kh)=0.0"}},
      {"seismic earth pressure only",
       [](DesignConditions& dc) {
         dc.setIndex("RadioGroup5", 1);
         dc.setIndex("RadioGroup9", 2);
         dc.setText("Edit61", "0.2");
       },
       {"　  地震時土圧の計算  ：地震慣性力を作用させて計算",
        "　  地震時躯体慣性力  ：地震慣性力を無視"},
       {}},
      {"normal case ignores the seismic coefficient",
       [](DesignConditions& dc) { dc.setText("Edit61", "0.3"); },
       {" (3)設計震度:設計水平震度(Kh)=0.0"},
       {"　  地震時躯体慣性力  ：地震慣性力を作用させて計算"}},
      {"slope",
       [](DesignConditions& dc) {
         dc.setIndex("TabControl1", 1);
         dc.setText("ComboBox1", "1.5");
       },
       {"  ①背面土形状:法面", "　  法勾配            =1：1.5"},
       {}},
      {"embankment",
       [](DesignConditions& dc) {
         dc.setIndex("TabControl1", 2);
         dc.setText("ComboBox1", "1.8");
         dc.setText("Edit28", "1500");
       },
       {"  ①背面土形状:盛土", "　  1)法勾配          =1：1.8", "　  2)盛土高          =1,500mm"},
       {}},
      {"no surcharge, everywhere chosen",
       [](DesignConditions& dc) {
         dc.setText("Edit1", "0");
         dc.setIndex("RadioGroup8", 1);
       },
       {"　  2)載荷位置        =載荷重なし"},
       {}},
      {"surcharge everywhere",
       [](DesignConditions& dc) { dc.setIndex("RadioGroup8", 1); },
       {"　  2)載荷位置        =全面"},
       {}},
      {"passive, water with buoyancy in the slabs, wind, collision",
       [](DesignConditions& dc) {
         dc.setChecked("CheckBox9", true);
         dc.setText("Edit54", "1.25");
         dc.setChecked("CheckBox3", true);
         dc.setText("Edit62", "1.5");
         dc.setText("ComboBox8", "9.8");
         dc.setChecked("CheckBox2", true);
         dc.setChecked("CheckBox5", true);
         dc.setText("ComboBox3", "2.0");
         dc.setText("ComboBox2", "1.0");
         dc.setChecked("CheckBox6", true);
         dc.setText("ComboBox9", "0.675");
         dc.setText("ComboBox4", "50");
       },
       {"　①受働土圧[有効根入深(Ho)]=1.250m", "　②水圧[水深(H1):単位重量(γw)]=1.500m:9.80kN/m3",
        "　  ＊底版の構造計算に浮力を考慮する。",
        "　③風荷重[遮音壁高(H2):荷重強度(P)]=2.000m:1.00kN/m2", "　④衝突荷重",
        "　  作用高(H3)　      =0.675m", "　  衝突荷重(P)       =50.00kN",
        "　  擁壁長(L)　       =5.000m"},
       {"　④衝突荷重  :なし", "　②水圧(浮力):なし"}},
      {"collision on, wind off, water without buoyancy",
       [](DesignConditions& dc) {
         dc.setChecked("CheckBox6", true);
         dc.setChecked("CheckBox3", true);
         dc.setText("Edit62", "0.5");
         dc.setText("ComboBox8", "10.0");
       },
       {"　③風荷重    :なし", "　④衝突荷重", "　  ＊底版の構造計算に浮力を考慮しない。"},
       {}},
      {"precast body, half friction",
       [](DesignConditions& dc) {
         dc.setIndex("RadioGroup3", 1);
         dc.setIndex("RadioGroup16", 1);
         dc.setIndex("RadioGroup1", 2);
         dc.setIndex("RadioGroup4", 1);
       },
       {"   (既製品は、δ=φ2/3とする)", "  ①躯体             ：既製品",
        "  壁面摩擦角(δ=φ/2) =17.50度", "  土質：粘性土", "　  仮想背面上の載荷重：載荷無し"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DesignConditions dc;
    c.set(dc);
    Written w = write(dc);
    const Lines& lines = w.results.listBox("ListBox7").lines;
    for (const std::string& l : c.present) EXPECT_TRUE(contains(lines, l)) << "missing: " << l;
    for (const std::string& l : c.absent) EXPECT_FALSE(contains(lines, l)) << "unexpected: " << l;
  }
}

TEST(DesignConditionsReport, OutlineFigure) {
  Written plain = write(DesignConditions{});
  const Chart& c = plain.results.chart("Chart3");
  EXPECT_DOUBLE_EQ(c.left.minimum, -2);
  EXPECT_DOUBLE_EQ(c.left.maximum, 9.5);
  EXPECT_DOUBLE_EQ(c.bottom.minimum, -1.8);
  EXPECT_DOUBLE_EQ(c.bottom.maximum, 8.6);
  EXPECT_EQ(c.seriesNamed("Series14").points.size(), 11u);
  EXPECT_EQ(c.seriesNamed("Series21").points.size(), 3u);
  EXPECT_EQ(c.seriesNamed("Series21").colour, clMaroon);
  for (const char* empty : {"Series22", "Series29", "Series30", "Series40"}) {
    EXPECT_TRUE(c.seriesNamed(empty).points.empty()) << empty;
  }
  // The wall height chain at x = B + 2 carries 8,000 at mid height.
  auto labels = [&](const char* name) {
    Lines out;
    for (const ChartPoint& p : c.seriesNamed(name).points) {
      if (p.label != " ") out.push_back(p.label);
    }
    return out;
  };
  EXPECT_EQ(labels("Series23"), (Lines{"8,000"}));
  EXPECT_EQ(labels("Series24"), (Lines{"700", "200", "7,100"}));
  EXPECT_EQ(labels("Series25"), (Lines{"142", "400", "258"}));
  EXPECT_EQ(labels("Series26"), (Lines{"1,100", "100"}));
  EXPECT_EQ(labels("Series27"), (Lines{"100", "3,700"}));
  EXPECT_EQ(labels("Series28"), (Lines{"5,800"}));
  EXPECT_DOUBLE_EQ(c.seriesNamed("Series28").points[0].y, -1.0);

  // With a key, passive ground and an embankment.
  DesignConditions dc;
  dc.setIndex("RadioGroup2", 1);
  dc.setText("Edit35", "3000");
  dc.setText("Edit40", "500");
  dc.setText("Edit41", "400");
  dc.setChecked("CheckBox9", true);
  dc.setText("Edit54", "1.5");
  dc.setIndex("TabControl1", 2);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit28", "1000");
  dc.setIndex("RadioGroup10", 1);
  Written full = write(dc);
  const Chart& k = full.results.chart("Chart3");
  EXPECT_DOUBLE_EQ(k.left.minimum, -2.4);
  EXPECT_DOUBLE_EQ(k.left.maximum, 10.5);
  EXPECT_DOUBLE_EQ(k.bottom.maximum, 8.6);
  EXPECT_EQ(k.seriesNamed("Series21").colour, clBlack);
  EXPECT_EQ(k.seriesNamed("Series21").points.size(), 5u);
  const Series& front = k.seriesNamed("Series22");
  ASSERT_EQ(front.points.size(), 2u);
  EXPECT_DOUBLE_EQ(front.points[0].x, -10);
  EXPECT_NEAR(front.points[1].x, 1.2 + 0.142 * 0.6 / 7.1, 1e-12);
  EXPECT_DOUBLE_EQ(front.points[1].y, 1.5);
  Lines keyLabels, sideLabels;
  for (const ChartPoint& p : k.seriesNamed("Series29").points) {
    if (p.label != " ") keyLabels.push_back(p.label);
  }
  for (const ChartPoint& p : k.seriesNamed("Series24").points) {
    if (p.label != " ") sideLabels.push_back(p.label);
  }
  EXPECT_EQ(keyLabels, (Lines{"3,000", "500"}));
  EXPECT_EQ(sideLabels, (Lines{"400", "700", "200", "7,100"}));
  EXPECT_FALSE(k.seriesNamed("Series30").points.empty());
  EXPECT_FALSE(k.seriesNamed("Series40").points.empty());
  EXPECT_DOUBLE_EQ(k.seriesNamed("Series28").points[0].y, -1.5);
}

}  // namespace
}  // namespace kovrel
