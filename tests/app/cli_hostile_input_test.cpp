// The command line against absurd and hostile input: each ends at once with
// a clear message, never with a hang, a report of zeros or bytes no reader
// accepts.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "base/atomic_file.h"
#include "support/run_command.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

using testing::JsonChecker;
using testing::runCli;

// A blocked run reads the conditions and stops: milliseconds. The time limit
// stops a hang; the bound catches a search that only ends eventually (a
// friction angle of -1e7 degrees took 9 s) and leaves room for sanitizer
// builds on a busy machine.
constexpr int kTimeLimitSeconds = 20;
constexpr double kBoundSeconds = 1.0;

struct Timed {
  testing::CommandResult result;
  double seconds;
};

Timed timedRun(const std::string& args) {
  const auto start = std::chrono::steady_clock::now();
  testing::CommandResult r = runCli(args, kTimeLimitSeconds);
  return {r, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

struct RangeCase {
  const char* args;
  const char* firstLine;  // of the range message on standard error
  const char* rangeLine;
};

TEST(CliHostileInput, AbsurdNumbersBlockTheRunNamingLabelValueAndRange) {
  const RangeCase cases[] = {
      // Used to search for ever (the wedge started at ω = φ).
      {"--set Edit14=-1e300", "Edit14「φ (角度)   =」の値 \"-1e300\" は範囲外です。",
       "範囲は 0 ～ 60 度 です。"},
      {"--set Edit14=-1e10", "Edit14「φ (角度)   =」の値 \"-1e10\" は範囲外です。",
       "範囲は 0 ～ 60 度 です。"},
      {"--set TabControl1=2 --set ComboBox1=1.5 --set Edit28=1000 --set Edit14=-1e7",
       "Edit14「φ (角度)   =」の値 \"-1e7\" は範囲外です。", "範囲は 0 ～ 60 度 です。"},
      // Used to print non-finite results as 0.00.
      {"--set Edit9=1e+300 --set Edit7=1e+300", "Edit7「底版幅」の値 \"1e+300\" は範囲外です。",
       "範囲は 0 ～ 100,000 mm です。"},
      {"--set Edit15=4.9e-324", "Edit15「γs(kN/m3)=」の値 \"4.9e-324\" は範囲外です。",
       "範囲は 1 ～ 100 kN/m3 です。"},
      {"--set Edit26=1e308", "Edit26「σsa=」の値 \"1e308\" は範囲外です。",
       "範囲は 0 ～ 1,000 N/mm2 です。"},
      {"--set Edit43=1e308", "Edit43「SW(kN/m2)=」の値 \"1e308\" は範囲外です。",
       "範囲は 0 ～ 1,000 kN/m2 です。"},
  };
  for (const RangeCase& c : cases) {
    const Timed t = timedRun(std::string(c.args) + " --json -");
    ASSERT_EQ(t.result.status, 2) << c.args << "\n" << t.result.err;
    EXPECT_LT(t.seconds, kBoundSeconds) << c.args;
    EXPECT_NE(t.result.err.find(std::string(c.firstLine) + "\n" + c.rangeLine +
                                "\n確認して、訂正して下さい。"),
              std::string::npos)
        << c.args << "\n"
        << t.result.err;
    JsonChecker json(t.result.out);
    EXPECT_TRUE(json.valid()) << c.args;
    EXPECT_EQ(json.nulls(), 0) << c.args;
    EXPECT_NE(t.result.out.find("\"stability\":{}"), std::string::npos) << c.args;
  }
}

TEST(CliHostileInput, BytesThatAreNoUtf8AreRefusedShownEscaped) {
  // The shell's printf makes the bytes (octal escapes, as POSIX sh has them).
  const std::pair<const char*, const char*> cases[] = {
      {"--set \"Form9.Edit3=$(printf '\\201\\177')\" --json -", "\"Form9.Edit3=\\x81\\x7F\""},
      {"--set \"Edit18=$(printf '\\375')\" --json -", "\"Edit18=\\xFD\""},
      {"--json \"out$(printf '\\377').json\"", "\"out\\xFF.json\""},
      {"\"in$(printf '\\300\\257').dat\" --summary", "\"in\\xC0\\xAF.dat\""},
  };
  for (const auto& [args, shown] : cases) {
    const Timed t = timedRun(args);
    EXPECT_EQ(t.result.status, 64) << args << "\n" << t.result.err;
    EXPECT_NE(t.result.err.find(shown), std::string::npos) << args << "\n" << t.result.err;
    EXPECT_TRUE(t.result.out.empty()) << args;
    EXPECT_LT(t.seconds, kBoundSeconds) << args;
  }
}

TEST(CliHostileInput, ABadTextIsEchoedOnlyInPart) {
  // 20,000 leading zeros and then 5e300: a number, far out of range.
  const std::string flood = std::string(20000, '0') + "5e300";
  auto r = runCli("--set Edit15=" + flood, kTimeLimitSeconds);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("\"" + std::string(200, '0') + "...\""), std::string::npos);
  EXPECT_LT(r.err.size(), 1000u);
  auto n = runCli("--set Edit15=" + flood + "x", kTimeLimitSeconds);
  EXPECT_EQ(n.status, 3);
  EXPECT_LT(n.err.size(), 1000u);
  EXPECT_NE(n.err.find("は数値ではありません。"), std::string::npos) << n.err;
}

// A design-condition file line with a bare CR in it.
TEST(CliHostileInput, BareCarriageReturnInAFileEndsTheLine) {
  testing::TempFolder dir;
  ASSERT_EQ(runCli("--no-calc --save " + dir.file("start.dat")).status, 0);
  const std::string start = readWholeFile(dir.file("start.dat"));

  // "20\rX" in line 2: X becomes line 3 and every later line moves down one,
  // so line 4 (an item index) reads "35" and the file is refused there.
  std::string shifted = start;
  shifted.replace(shifted.find("20\r\n"), 4, "20\rX\r\n");
  writeFileAtomically(dir.file("shifted.dat"), shifted);
  auto refused = runCli(dir.file("shifted.dat") + " --save " + dir.file("out.dat"));
  EXPECT_EQ(refused.status, 4);
  EXPECT_NE(refused.err.find("line 4"), std::string::npos) << refused.err;

  // Lines that end in a bare CR throughout load as the CR LF file does, and
  // save back to it byte for byte.
  std::string crOnly;
  for (char c : start) {
    if (c != '\n') crOnly += c;
  }
  writeFileAtomically(dir.file("cr.dat"), crOnly);
  auto loaded = runCli(dir.file("cr.dat") + " --no-calc --save " + dir.file("back.dat"));
  ASSERT_EQ(loaded.status, 0) << loaded.err;
  EXPECT_EQ(readWholeFile(dir.file("back.dat")), start);

  // An absurd angle in line 3 blocks like the same --set.
  std::string angle = start;
  angle.replace(angle.find("\r\n35\r\n"), 6, "\r\n-1e300\r\n");
  writeFileAtomically(dir.file("angle.dat"), angle);
  const Timed t = timedRun(dir.file("angle.dat") + " --json -");
  EXPECT_EQ(t.result.status, 2) << t.result.err;
  EXPECT_NE(t.result.err.find("Edit14"), std::string::npos) << t.result.err;
  EXPECT_LT(t.seconds, kBoundSeconds);
}

}  // namespace
}  // namespace kovrel
