// The text export: block order, list and table blocks, the base-slab sections
// by wall type and key, Shift-JIS with CR LF, and the file written whole or
// not at all.

#include "app/text_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/shift_jis.h"
#include "full_results.h"
#include "results/results_window_setup.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

using testing::TempFolder;

// The report order of the file, as the program's documentation of the text
// export lists it: "H:" heading, "L:" list box, "T<width>:" grid.
const std::vector<std::string> kMainOrder = {"H:Dernholm Ver3.1",
                                             "H:",
                                             "L:ListBox20",
                                             "L:ListBox7",
                                             "L:ListBox10",
                                             "H:Ⅱ-1.荷重計算(安定計算用)",
                                             "H:安定計算用",
                                             "L:ListBox6",
                                             "T6:StringGrid2",
                                             "H:Ⅱ-2.荷重計算(構造計算用)",
                                             "L:ListBox21",
                                             "T6:StringGrid10",
                                             "T6:StringGrid5",
                                             "H:Ⅱ-3.荷重計算(土圧等)",
                                             "H:1.土圧計算",
                                             "L:ListBox1",
                                             "H:2.その他の荷重",
                                             "L:ListBox2",
                                             "H:4.荷重一覧",
                                             "T12:StringGrid6",
                                             "H:Ⅲ-1.安定計算",
                                             "L:ListBox3",
                                             "L:ListBox4",
                                             "L:ListBox5",
                                             "L:ListBox23",
                                             "H:Ⅳ-1-1.構造計算:たて壁(断面力)",
                                             "L:ListBox8",
                                             "L:ListBox19",
                                             "T15:StringGrid1",
                                             "H:Ⅳ-1-2.構造計算:たて壁(鉄筋量、応力度)",
                                             "L:ListBox14",
                                             "T15:StringGrid4",
                                             "H:Ⅳ-1-3.構造計算:たて壁(鉄筋定着位置)",
                                             "L:ListBox18",
                                             "L:ListBox22"};
const std::vector<std::string> kToe = {"H:つま先版",      "L:ListBox9",       "L:ListBox15",
                                       "T10:StringGrid8", "T10:StringGrid13", "T10:StringGrid3"};
const std::vector<std::string> kHeel = {"H:かかと版",      "L:ListBox11",      "L:ListBox16",
                                        "T10:StringGrid9", "T10:StringGrid14", "T10:StringGrid11"};
const std::vector<std::string> kKey = {"H:突起", "L:ListBox13", "L:ListBox17", "T10:StringGrid7"};

std::vector<std::string> expectedOrder(bool lWall, bool key) {
  std::vector<std::string> order = kMainOrder;
  auto add = [&](const std::vector<std::string>& blocks) {
    order.insert(order.end(), blocks.begin(), blocks.end());
  };
  if (!lWall) {
    order.push_back("H:Ⅳ-2-1.構造計算:底版(つま先版)");
    add(kToe);
    order.push_back("H:Ⅳ-2-2.構造計算:底版(かかと版)");
    add(kHeel);
    if (key) {
      order.push_back("H:Ⅳ-2-3.構造計算:底版(突起)");
      add(kKey);
    }
  } else {
    order.push_back("H:Ⅳ-2-1.構造計算:底版(かかと版)");
    add(kHeel);
    if (key) {
      order.push_back("H:Ⅳ-2-2.構造計算:底版(突起)");
      add(kKey);
    }
  }
  return order;
}

// One table row as the file must hold it, built from byte counts of the
// encoded cells.
std::string expectedRow(const StringGrid& g, int row, int width) {
  std::string line;
  for (int col = 0; col < g.colCount(); ++col) {
    std::string sjis = toShiftJis(g.cell(col, row));
    if (int(sjis.size()) < width) line += std::string(size_t(width) - sjis.size(), ' ');
    line += fromShiftJis(sjis) + ":";
  }
  return line;
}

// The file's text decoded and split at CR LF; fails when a line ends otherwise.
std::vector<std::string> decodedLines(const std::string& bytes) {
  std::string text = fromShiftJis(bytes);  // throws when not code page 932
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t crlf = text.find("\r\n", start);
    EXPECT_NE(crlf, std::string::npos) << "the file does not end with CR LF";
    if (crlf == std::string::npos) break;
    std::string line = text.substr(start, crlf - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF in: " << line;
    lines.push_back(line);
    start = crlf + 2;
  }
  return lines;
}

// Walks the file against the expected block order; every line accounted for.
void expectReportOrder(const ResultsWindow& r, const std::string& bytes, bool lWall, bool key) {
  std::vector<std::string> lines = decodedLines(bytes);
  size_t at = 0;
  auto next = [&](const std::string& expected, const std::string& where) {
    ASSERT_LT(at, lines.size()) << "file ends before " << where;
    EXPECT_EQ(lines[at], expected) << "line " << at + 1 << " (" << where << ")";
    ++at;
  };
  for (const std::string& block : expectedOrder(lWall, key)) {
    size_t colon = block.find(':');
    std::string kind = block.substr(0, colon), name = block.substr(colon + 1);
    if (kind == "H") {
      next(name, "heading");
    } else if (kind == "L") {
      for (const std::string& line : r.listBox(name).lines) next(line, name);
      next("", name + " end");
    } else {
      const StringGrid& g = r.grid(name);
      int width = std::stoi(kind.substr(1));
      for (int row = 0; row < g.rowCount(); ++row) {
        next(expectedRow(g, row, width), name + " row " + std::to_string(row));
      }
      next("", name + " end");
    }
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_EQ(at, lines.size()) << "lines after the last block";
}

TEST(TextExport, DefaultResultsModelIsTheInitialReportInOrder) {
  ResultsWindow r;
  setUpResultsWindow(r, false);
  std::string bytes = textReport(r, WallChoice{});
  ASSERT_GE(bytes.size(), 19u);
  EXPECT_EQ(bytes.substr(0, 19), "Dernholm Ver3.1\r\n\r\n");
  expectReportOrder(r, bytes, false, false);
}

TEST(TextExport, FullModelInEveryWallLayout) {
  ResultsWindow r = testing::fullResults();
  for (bool lWall : {false, true}) {
    for (bool key : {false, true}) {
      SCOPED_TRACE(std::string(lWall ? "L wall" : "inverted T") + (key ? ", key" : ", no key"));
      expectReportOrder(r, textReport(r, WallChoice{lWall, key}), lWall, key);
    }
  }
}

TEST(TextExport, LWallWithoutKeyHasNoToeOrKeyAndEndsWithHeelTable) {
  ResultsWindow r = testing::fullResults();
  r.listBox("ListBox9").lines = {"つま先版だけの行"};
  r.listBox("ListBox13").lines = {"突起だけの行"};
  r.grid("StringGrid11").setCell(2, 9, "最後のセル");
  std::string text = fromShiftJis(textReport(r, WallChoice{true, false}));
  for (const char* absent : {"つま先版", "突起", "Ⅳ-2-2"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  const std::string tail = "最後のセル:\r\n\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(TextExport, CellsAreRightAlignedInShiftJisBytes) {
  // StringGrid6 has the field width 12.
  struct Case {
    std::string cell, field;
  } cases[] = {
      {"", "            :"},
      {"1.50", "        1.50:"},
      {"躯体重量", "    躯体重量:"},        // 8 bytes
      {"ﾓｰﾒﾝﾄV･x", "    ﾓｰﾒﾝﾄV･x:"},        // half-width katakana: 1 byte each
      {"123456789012", "123456789012:"},    // exactly W: no padding
      {"1,234,567.891", "1,234,567.891:"},  // longer than W: whole, unpadded
      {"全角文字六個", "全角文字六個:"},    // 12 bytes
  };
  ResultsWindow r;
  StringGrid& g = r.grid("StringGrid6");
  for (const Case& c : cases) {
    for (int col = 0; col < g.colCount(); ++col) g.setCell(col, 0, col == 3 ? c.cell : "x");
    std::string text = fromShiftJis(textReport(r, WallChoice{}));
    std::string row = "           x:           x:           x:" + c.field +
                      "           x:           x:           x:\r\n";
    EXPECT_NE(text.find("4.荷重一覧\r\n" + row), std::string::npos)
        << "cell \"" << c.cell << "\" expected field \"" << c.field << "\"";
  }
}

TEST(TextExport, LineBreakInsideAnItemStaysOneLine) {
  ResultsWindow r;
  r.listBox("ListBox20").lines = {"件　名：a\r\nb", "next"};
  std::string text = fromShiftJis(textReport(r, WallChoice{}));
  EXPECT_NE(text.find("\r\n件　名：a  b\r\nnext\r\n"), std::string::npos);
}

TEST(TextExport, UnencodableCharacterNamesItsPlaceAndLeavesNoFile) {
  TempFolder dir;
  std::string path = dir.file("擁壁.txt");
  ResultsWindow r;
  writeTextReport(r, WallChoice{}, path);
  std::string before = readWholeFile(path);

  r.listBox("ListBox4").lines = {"ok", "転倒 🙂 check"};
  try {
    writeTextReport(r, WallChoice{}, path);
    FAIL() << "an emoji has no code in code page 932";
  } catch (const EncodingError& e) {
    std::string what = e.what();
    EXPECT_NE(what.find("ListBox4 line 2"), std::string::npos) << what;
    EXPECT_NE(what.find("転倒 🙂 check"), std::string::npos) << what;
  }
  r.listBox("ListBox4").lines.clear();
  r.grid("StringGrid6").setCell(2, 3, "€€");
  EXPECT_THROW(writeTextReport(r, WallChoice{}, path), EncodingError);
  EXPECT_EQ(readWholeFile(path), before) << "the earlier file must stay as it was";
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1) << "no temporary file may be left behind";
}

TEST(TextExport, SecondExportReplacesTheFirstAndMissingFolderFails) {
  TempFolder dir;
  std::string path = dir.file("擁壁.txt");
  ResultsWindow r = testing::fullResults();
  writeTextReport(r, WallChoice{}, path);
  ResultsWindow empty;
  writeTextReport(empty, WallChoice{true, false}, path);
  EXPECT_EQ(readWholeFile(path), textReport(empty, WallChoice{true, false}));
  EXPECT_THROW(writeTextReport(r, WallChoice{}, dir.file("no-such-folder/擁壁.txt")), FileError);
}

TEST(TextExport, CommandAsksFirstAndReportsCompletion) {
  TempFolder dir;
  Session session;
  session.conditions.setIndex("PageControl2", 1);
  std::vector<std::string> asked;
  bool answer = false;
  auto confirm = [&](const Message& q) {
    asked = q.lines;
    return answer;
  };
  EXPECT_FALSE(runTextExportCommand(session, confirm, dir.path()));
  EXPECT_EQ(asked, (std::vector<std::string>{"計算結果をテキスト出力しますか。", "",
                                             "出力ファイル名は", "　擁壁.txt", "です。"}));
  EXPECT_FALSE(std::filesystem::exists(dir.file("擁壁.txt")));
  EXPECT_TRUE(session.messages.empty());

  answer = true;
  EXPECT_TRUE(runTextExportCommand(session, confirm, dir.path()));
  EXPECT_EQ(readWholeFile(dir.file("擁壁.txt")),
            textReport(session.results, WallChoice{true, false}));
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_EQ(session.messages[0].kind, MessageKind::Info);
  EXPECT_EQ(session.messages[0].joined(""), "テキスト出力終わりました。");

  EXPECT_FALSE(runTextExportCommand(session, confirm, dir.file("missing")));
  ASSERT_EQ(session.messages.size(), 2u);
  EXPECT_EQ(session.messages[1].kind, MessageKind::Error);
  ASSERT_EQ(session.messages[1].lines.size(), 2u);
  EXPECT_EQ(session.messages[1].lines[0], "テキスト出力できませんでした。");
  EXPECT_NE(session.messages[1].lines[1].find("missing/擁壁.txt"), std::string::npos)
      << session.messages[1].lines[1];
}

}  // namespace
}  // namespace kovrel
