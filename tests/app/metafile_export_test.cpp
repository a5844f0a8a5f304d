// The metafile export: which files for which wall, the placeable metafile's
// structure, playback by an independent reader (wmf2svg), and failures that
// leave no half-written file.

#include "app/metafile_export.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/figure_files.h"
#include "app/wmf_canvas.h"
#include "base/atomic_file.h"
#include "base/shift_jis.h"
#include "full_results.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

using testing::TempFolder;

std::uint16_t u16(const std::string& b, size_t at) {
  return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}
std::uint32_t u32(const std::string& b, size_t at) {
  return std::uint32_t(u16(b, at)) | (std::uint32_t(u16(b, at + 2)) << 16);
}

struct Record {
  std::uint16_t function;
  size_t params;  // byte offset of the first parameter
  std::uint32_t words;
};

// Checks the placeable header, the metafile header and the record chain of a
// file independently of the writer; returns the records.
std::vector<Record> checkMetafile(const std::string& b, int width, int height) {
  std::vector<Record> records;
  EXPECT_GE(b.size(), 40u);
  if (b.size() < 40) return records;
  EXPECT_EQ(u32(b, 0), 0x9AC6CDD7u) << "placeable key";
  std::uint16_t sum = 0;
  for (size_t i = 0; i < 20; i += 2) sum ^= u16(b, i);
  EXPECT_EQ(u16(b, 20), sum) << "placeable checksum";
  EXPECT_EQ(std::int16_t(u16(b, 6)), 0);
  EXPECT_EQ(std::int16_t(u16(b, 8)), 0);
  EXPECT_EQ(std::int16_t(u16(b, 10)), width) << "frame right";
  EXPECT_EQ(std::int16_t(u16(b, 12)), height) << "frame bottom";
  EXPECT_EQ(u16(b, 14), 96) << "units per inch";
  const size_t h = 22;
  EXPECT_EQ(u16(b, h + 2), 9) << "header words";
  EXPECT_EQ(u16(b, h + 4), 0x0300) << "version";
  EXPECT_EQ(u32(b, h + 6) * 2, b.size() - h) << "metafile size in words";
  std::uint32_t maxRecord = 0;
  size_t at = h + 18;
  while (at + 6 <= b.size()) {
    Record r{u16(b, at + 4), at + 6, u32(b, at)};
    EXPECT_GE(r.words, 3u);
    if (r.words < 3 || at + size_t(r.words) * 2 > b.size()) {
      ADD_FAILURE() << "record at " << at << " runs past the end";
      return records;
    }
    maxRecord = std::max(maxRecord, r.words);
    records.push_back(r);
    at += size_t(r.words) * 2;
    if (r.function == 0) break;
  }
  EXPECT_EQ(at, b.size()) << "bytes after the end-of-file record";
  EXPECT_TRUE(!records.empty() && records.back().function == 0) << "no end-of-file record";
  EXPECT_EQ(u32(b, h + 12), maxRecord) << "largest record";
  return records;
}

std::vector<std::string> names(const std::vector<FigureFile>& files) {
  std::vector<std::string> out;
  for (const FigureFile& f : files) out.push_back(std::string(f.chart) + " " + f.stem);
  return out;
}

TEST(FigureFiles, ChoiceByWallTypeAndKeyInWritingOrder) {
  const std::vector<std::string> common = {"Chart3 図：擁壁外形図",
                                           "Chart4 図：点番号図",
                                           "Chart12 図：点番号図(底版)",
                                           "Chart5 図：すべり角～土圧",
                                           "Chart11 図：地盤版力図",
                                           "Chart1 図：荷重図",
                                           "Chart10 図：たて壁(応力度)",
                                           "Chart6 図：たて壁(高さ～必要鉄筋量)",
                                           "Chart9 図：たて壁(高さ～引張応力度)"};
  struct Case {
    bool lWall, key;
    std::vector<std::string> tail;
  } cases[] = {
      {false, false, {"Chart2 図：つま先版地盤版力図", "Chart7 図：かかと版地盤版力図"}},
      {false,
       true,
       {"Chart2 図：つま先版地盤版力図", "Chart7 図：かかと版地盤版力図", "Chart8 図：突起"}},
      {true, false, {"Chart7 図：かかと版地盤版力図"}},
      {true, true, {"Chart7 図：かかと版地盤版力図", "Chart8 図：突起"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected = common;
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(names(figureFilesFor({c.lWall, c.key})), expected)
        << "lWall " << c.lWall << " key " << c.key;
  }
  EXPECT_EQ(allFigureFiles().size(), 12u) << "every results chart";
}

TEST(MetafileExport, EveryFileIsAValidPlaceableMetafileOfItsChart) {
  TempFolder dir;
  ResultsWindow r = testing::fullResults();
  std::vector<std::string> written = writeMetafiles(r, {}, dir.path());
  std::vector<FigureFile> files = figureFilesFor({});
  ASSERT_EQ(written.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(written[i]);
    EXPECT_EQ(written[i], dir.file(std::string(files[i].stem) + ".wmf"));
    const Chart& chart = r.chart(files[i].chart);
    std::string bytes = readWholeFile(written[i]);
    std::vector<Record> records = checkMetafile(bytes, chart.width, chart.height);
    // Fonts carry the Japanese character set; every text is code page 932
    // and every coordinate lies in the frame.
    int fonts = 0, texts = 0;
    for (const Record& rec : records) {
      if (rec.function == 0x02FB) {
        ++fonts;
        EXPECT_EQ(std::uint8_t(bytes[rec.params + 13]), 128) << "SHIFTJIS_CHARSET";
      } else if (rec.function == 0x0521) {
        ++texts;
        std::uint16_t len = u16(bytes, rec.params);
        std::string text = bytes.substr(rec.params + 2, len);
        EXPECT_NO_THROW(fromShiftJis(text));
        size_t after = rec.params + 2 + len + (len % 2);
        EXPECT_LE(std::int16_t(u16(bytes, after)), chart.height);
        EXPECT_LE(std::int16_t(u16(bytes, after + 2)), chart.width);
      } else if (rec.function == 0x0325) {
        std::uint16_t n = u16(bytes, rec.params);
        for (size_t k = 0; k < n; ++k) {
          auto x = std::int16_t(u16(bytes, rec.params + 2 + 4 * k));
          auto y = std::int16_t(u16(bytes, rec.params + 4 + 4 * k));
          ASSERT_TRUE(x >= 0 && x <= chart.width && y >= 0 && y <= chart.height)
              << "point (" << x << ", " << y << ") outside the frame";
        }
      }
    }
    EXPECT_GE(fonts, 1);
    EXPECT_GE(texts, 1);
  }
}

TEST(MetafileExport, TitleIsWrittenInShiftJis) {
  Chart c = ResultsWindow().chart("Chart1");
  std::string bytes = chartAsWmf(c);
  EXPECT_NE(bytes.find(toShiftJis("荷重図(安定計算時)")), std::string::npos);
}

TEST(MetafileExport, WallLayoutDecidesTheFiles) {
  struct Case {
    bool lWall, key;
    size_t count;
    bool toe, keyFile;
  } cases[] = {{false, false, 11, true, false},
               {false, true, 12, true, true},
               {true, false, 10, false, false},
               {true, true, 11, false, true}};
  ResultsWindow r;  // before any calculation: empty series, initial titles
  for (const Case& c : cases) {
    TempFolder dir;
    SCOPED_TRACE(std::string(c.lWall ? "L" : "T") + (c.key ? "+key" : ""));
    EXPECT_EQ(writeMetafiles(r, {c.lWall, c.key}, dir.path()).size(), c.count);
    size_t onDisk = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++onDisk;
    EXPECT_EQ(onDisk, c.count);
    EXPECT_EQ(std::filesystem::exists(dir.file("図：つま先版地盤版力図.wmf")), c.toe);
    EXPECT_EQ(std::filesystem::exists(dir.file("図：突起.wmf")), c.keyFile);
    EXPECT_TRUE(std::filesystem::exists(dir.file("図：かかと版地盤版力図.wmf")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("図：点番号図(底版).wmf")));
  }
}

TEST(MetafileExport, TheTwoPointNumberFiguresKeepTheirOwnDrawings) {
  TempFolder dir;
  ResultsWindow r;
  testing::addPoint(r.chart("Chart4").seriesNamed("Series17"), 0, 0, "stability-only");
  testing::addPoint(r.chart("Chart12").seriesNamed("Series48"), 0, 0, "member-only");
  writeMetafiles(r, {}, dir.path());
  std::string stability = readWholeFile(dir.file("図：点番号図.wmf"));
  std::string member = readWholeFile(dir.file("図：点番号図(底版).wmf"));
  EXPECT_NE(stability.find("stability-only"), std::string::npos);
  EXPECT_EQ(stability.find("member-only"), std::string::npos);
  EXPECT_NE(member.find("member-only"), std::string::npos);
}

TEST(MetafileExport, FailureStopsAtItsFileAndLeavesEarlierOnes) {
  TempFolder dir;
  ResultsWindow r;
  // Chart5 is the fourth file; an emoji has no code in code page 932.
  testing::addPoint(r.chart("Chart5").seriesNamed("Series8"), 0.5, 0.5, "角度 🙂");
  writeFileAtomically(dir.file("図：すべり角～土圧.wmf"), "old");
  try {
    writeMetafiles(r, {}, dir.path());
    FAIL() << "expected an encoding error";
  } catch (const EncodingError& e) {
    std::string what = e.what();
    EXPECT_NE(what.find("図：すべり角～土圧.wmf"), std::string::npos) << what;
    EXPECT_NE(what.find("Chart5"), std::string::npos) << what;
    EXPECT_NE(what.find("角度 🙂"), std::string::npos) << what;
  }
  EXPECT_TRUE(std::filesystem::exists(dir.file("図：点番号図(底版).wmf")));
  EXPECT_EQ(readWholeFile(dir.file("図：すべり角～土圧.wmf")), "old");
  EXPECT_FALSE(std::filesystem::exists(dir.file("図：荷重図.wmf")));

  EXPECT_THROW(writeMetafiles(ResultsWindow(), {}, dir.file("missing")), FileError);
}

TEST(MetafileExport, CommandAsksFirstAndReportsCompletion) {
  TempFolder dir;
  Session session;
  std::string asked;
  bool answer = false;
  auto confirm = [&](const Message& q) {
    asked = q.joined("\n");
    return answer;
  };
  EXPECT_FALSE(runMetafileExportCommand(session, confirm, dir.path()));
  EXPECT_EQ(asked, "計算結果図をメタファイル出力しますか。");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(session.messages.empty());
  answer = true;
  EXPECT_TRUE(runMetafileExportCommand(session, confirm, dir.path()));
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_EQ(session.messages[0].joined(""), "メタファイル出力終わりました。");
  EXPECT_TRUE(std::filesystem::exists(dir.file("図：荷重図.wmf")));

  EXPECT_FALSE(runMetafileExportCommand(session, confirm, dir.file("missing")));
  ASSERT_EQ(session.messages.size(), 2u);
  EXPECT_EQ(session.messages[1].kind, MessageKind::Error);
  EXPECT_EQ(session.messages[1].lines.at(0), "メタファイル出力できませんでした。");
}

// An independent reader plays every file back without complaint.
TEST(MetafileExport, Wmf2svgReadsEveryFile) {
  if (std::system("command -v wmf2svg >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
  }
  TempFolder dir;
  ResultsWindow r = testing::fullResults();
  for (const std::string& path : writeMetafiles(r, {false, true}, dir.path())) {
    std::string out = dir.file("played.svg"), err = dir.file("played.err");
    std::string cmd = "wmf2svg -o '" + out + "' '" + path + "' 2>'" + err + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << path << ": " << readWholeFile(err);
    EXPECT_EQ(readWholeFile(err), "") << path;
    std::string svg = readWholeFile(out);
    EXPECT_NE(svg.find("<polyline"), std::string::npos) << path;
    EXPECT_NE(svg.find("<text"), std::string::npos) << path;
  }
}

}  // namespace
}  // namespace kovrel
