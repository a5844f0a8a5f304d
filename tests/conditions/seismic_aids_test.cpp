#include "conditions/seismic_aids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "conditions/zone_table.h"

namespace kovrel {
namespace {

TEST(SeismicAidsTest, ProposalTableInSinglePrecision) {
  const char* kh0[] = {"0.12", "0.15", "0.16", "0.18", "0.20", "0.24"};
  const char* cz[] = {"1.0", "0.85", "0.70"};
  const char* expected[6][3] = {{"0.12", "0.10", "0.08"}, {"0.15", "0.13", "0.11"},
                                {"0.16", "0.14", "0.11"}, {"0.18", "0.15", "0.13"},
                                {"0.20", "0.17", "0.14"}, {"0.24", "0.20", "0.17"}};
  DesignConditions dc;
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 3; ++j) {
      dc.setText("ComboBox5", kh0[i]);
      dc.setText("ComboBox6", cz[j]);
      proposeKh(dc);
      EXPECT_EQ(dc.text("Edit61"), expected[i][j]) << "kh0 " << kh0[i] << " Cz " << cz[j];
    }
  }
}

TEST(SeismicAidsTest, ProposalThatIsNoNumberKeepsTheCoefficient) {
  DesignConditions dc;
  dc.setText("Edit61", "0.17");
  for (const char* bad : {"", "-", "0.1.", "abc"}) {
    dc.setText("ComboBox5", bad);
    EXPECT_THROW(proposeKh(dc), ConversionError) << bad;
    EXPECT_EQ(dc.text("Edit61"), "0.17");
  }
  // Beyond single precision, or a product beyond it: no proposal either.
  for (const auto& [kh0, cz] : {std::pair{"1e39", "1.0"}, std::pair{"1e30", "1e30"}}) {
    dc.setText("ComboBox5", kh0);
    dc.setText("ComboBox6", cz);
    EXPECT_THROW(proposeKh(dc), SeismicAidError) << kh0 << " " << cz;
    EXPECT_EQ(dc.text("Edit61"), "0.17");
  }
}

TEST(SeismicAidsTest, StandardValueClickSetsKh0OnlyInDataCells) {
  DesignConditions dc;
  DesignWindow w;
  fillSeismicTables(dc, w);
  dc.setText("ComboBox6", "0.85");
  clickStandardValue(dc, w, 3, 2);
  EXPECT_EQ(dc.text("ComboBox5"), "0.24");
  EXPECT_EQ(dc.text("Edit61"), "0.20");
  clickStandardValue(dc, w, 0, 1);
  clickStandardValue(dc, w, 2, 0);
  EXPECT_EQ(dc.text("ComboBox5"), "0.24");
}

class TgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DesignWindow w;
    fillSeismicTables(dc, w);
  }
  void layer(int row, const char* h, const char* n, const char* soil) {
    dc.setCell("StringGrid2", 1, row, h);
    dc.setCell("StringGrid2", 2, row, n);
    dc.setCell("StringGrid2", 3, row, soil);
  }
  DesignConditions dc;
};

TEST_F(TgTest, DefaultGridHasNoLayer) {
  dc.setText("Edit53", "Tg=0.50");
  computeTg(dc);
  EXPECT_EQ(dc.text("Edit53"), "");
}

TEST_F(TgTest, OneCohesiveLayer) {
  layer(1, "10", "8", "粘性土");  // Vs = 100 · 2 = 200 m/s, Tg = 4 · 10 / 200
  computeTg(dc);
  EXPECT_EQ(dc.text("Edit53"), "Tg=0.20");
}

TEST_F(TgTest, SkippedRowBetweenLayersAndZeroN) {
  layer(1, "3", "27", "砂質土");  // 3 / (80 · 3)
  layer(3, "4", "8", "粘性土");   // 4 / (100 · 2)
  layer(4, "5", "0", "砂質土");   // adds nothing
  computeTg(dc);
  const double tg = 4 * (3.0 / 240.0 + 4.0 / 200.0);  // 0.13
  EXPECT_EQ(dc.text("Edit53"), "Tg=0.13") << "closed form " << tg;

  layer(1, "0", "0", "-");
  layer(3, "0", "0", "-");
  computeTg(dc);
  EXPECT_EQ(dc.text("Edit53"), "Tg=0.00");
}

TEST_F(TgTest, EmptyCellEndsTheScanAndUnknownSoilIsNoLayer) {
  layer(1, "10", "8", "粘性土");
  layer(2, "", "8", "粘性土");
  layer(3, "10", "8", "粘性土");  // below the empty cell: ignored
  computeTg(dc);
  EXPECT_EQ(dc.text("Edit53"), "Tg=0.20");

  layer(1, "10", "8", "礫質土");
  computeTg(dc);
  EXPECT_EQ(dc.text("Edit53"), "");
}

TEST_F(TgTest, BadLayerValuesStopWithEdit53Empty) {
  layer(1, "abc", "8", "粘性土");
  EXPECT_THROW(computeTg(dc), ConversionError);
  EXPECT_EQ(dc.text("Edit53"), "");
  layer(1, "10", "-8", "粘性土");
  EXPECT_THROW(computeTg(dc), SeismicAidError);
  EXPECT_EQ(dc.text("Edit53"), "");
}

TEST_F(TgTest, SoilTypeCellCycles) {
  const std::pair<const char*, const char*> steps[] = {
      {"-", "砂質土"}, {"", "砂質土"}, {"砂質土", "粘性土"}, {"粘性土", "砂質土"}, {"礫", "礫"}};
  for (auto [before, after] : steps) {
    dc.setCell("StringGrid2", 3, 2, before);
    clickSoilTypeCell(dc, 3, 2);
    EXPECT_EQ(dc.cell("StringGrid2", 3, 2), after) << before;
  }
  clickSoilTypeCell(dc, 2, 2);
  clickSoilTypeCell(dc, 3, 0);
  EXPECT_EQ(dc.cell("StringGrid2", 2, 2), "0");
  EXPECT_EQ(dc.cell("StringGrid2", 3, 0), "土質");
}

TEST(ZoneTest, KagoshimaCAfterKh016) {
  DesignConditions dc;
  DesignWindow w;
  listZones(w, "か");
  EXPECT_EQ(w.zoneKeys, (std::vector<std::string>{"神奈川県A", "香川県A", "香川県B", "鹿児島県A",
                                                  "鹿児島県C"}));
  dc.setText("ComboBox5", "0.16");
  applyZone(dc, w, "鹿児島県C");
  EXPECT_EQ(dc.text("ComboBox6"), "0.7");
  EXPECT_EQ(dc.text("Edit61"), "0.11");
  EXPECT_EQ(w.municipalities, std::vector<std::string>{"名瀬市大島郡以外"});

  dc.setText("ComboBox5", "0.15");
  applyZone(dc, w, "北海道C");
  EXPECT_EQ(dc.text("Edit61"), "0.11");
  EXPECT_EQ(w.municipalities.size(), 25u);

  dc.setText("ComboBox5", "");
  EXPECT_THROW(applyZone(dc, w, "東京都A"), ConversionError);
  EXPECT_EQ(w.municipalities.size(), 25u);  // nothing changed
  applyZone(dc, w, "");                     // no selection
}

TEST(ZoneTest, TablesAgree) {
  ASSERT_EQ(zoneEntries().size(), 59u);
  ASSERT_EQ(zoneInitials().size(), 22u);
  std::set<std::string> keys;
  for (const char* entry : zoneEntries()) {
    std::vector<std::string> pieces = zonePieces(entry);
    ASSERT_GE(pieces.size(), 3u) << entry;
    const std::string& key = pieces.front();
    EXPECT_TRUE(keys.insert(key).second) << "duplicate " << key;
    // The factor is the last piece and the only one with a point; it follows
    // the zone letter.
    const char letter = key.back();
    const std::string expected = letter == 'A' ? "1.0" : letter == 'B' ? "0.85" : "0.7";
    EXPECT_EQ(pieces.back(), expected) << key;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
      EXPECT_EQ(pieces[i].find('.'), std::string::npos) << key;
    }
  }
  size_t listed = 0;
  for (const ZoneInitial& initial : zoneInitials()) {
    for (const char* key : initial.keys) {
      EXPECT_TRUE(keys.count(key)) << key;
      ++listed;
    }
  }
  EXPECT_EQ(listed, 59u);
}

}  // namespace
}  // namespace kovrel
