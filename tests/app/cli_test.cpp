#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace kovrel {
namespace {

using testing::JsonChecker;
using testing::runCli;

TEST(Cli, DefaultsAsJson) {
  auto r = runCli("--json -");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(JsonChecker(r.out).valid());
  for (const char* key : {"\"messages\":", "\"stability\":{", "\"listBoxes\":", "\"grids\":",
                          "\"charts\":", "\"groupBoxes\":", "\"conditions\":"}) {
    EXPECT_NE(r.out.find(key), std::string::npos) << key;
  }
  // The key's grid is not filled for a wall without a key: dashes below its
  // header row.
  EXPECT_NE(r.out.find("\"StringGrid7\":[[\"-\",\"応力度等\",\"許容応力度\"],"
                       "[\"曲げﾓｰﾒﾝﾄ\",\"---\",\"---\"]"),
            std::string::npos);
  EXPECT_NE(r.out.find("\"Edit15\":\"20\""), std::string::npos);
  EXPECT_NE(r.out.find("\"CheckBox1\":true"), std::string::npos);
  EXPECT_NE(r.out.find("\"slidingFsRequired\":1.5"), std::string::npos);
  // The anchorage figures' depth axis grows downwards; other figures' do not.
  EXPECT_NE(r.out.find("\"Chart6\":{\"title\":\"L1(高さ～必要鉄筋量)\",\"leftTitle\":\"高さ(m)\","
                       "\"left\":[-0.5,8.5],\"leftInverted\":true,"),
            std::string::npos);
  EXPECT_NE(r.out.find("\"leftInverted\":false"), std::string::npos);
}

TEST(Cli, WarningGoesIntoMessagesAndTheRunGoesOn) {
  auto r = runCli("--set Edit21=25 --json -");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(
      r.out.find("{\"kind\":\"warn\",\"text\":\"粘着力が過大です。修正する事をお勧めします。\"}"),
      std::string::npos);
  EXPECT_NE(r.out.find("\"stability\":{\"wallType\":0"), std::string::npos);
}

TEST(Cli, BlockingFindingExitsTwoWithNothingComputed) {
  auto r = runCli("--set Edit9=100 --json -");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("かかと幅を再確認して下さい。"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\"kind\":\"block\""), std::string::npos);
  EXPECT_NE(r.out.find("\"stability\":{}"), std::string::npos);
}

TEST(Cli, TextThatIsNoNumberExitsThreeNamingTheControl) {
  auto r = runCli("--set Edit15=abc");
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("Edit15"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("γs(kN/m3)="), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("abc"), std::string::npos) << r.err;
}

TEST(Cli, UsageErrors) {
  for (const char* args : {"--set Edit999=1", "--set RadioGroup5=2", "--set CheckBox1=yes",
                           "--set StringGrid2[4,1]=x", "--set Edit15", "--bogus", "--set =3"}) {
    auto r = runCli(args);
    EXPECT_EQ(r.status, 64) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
}

TEST(Cli, SetsEveryKindOfControl) {
  auto r = runCli(
      "--no-calc --set RadioGroup5=1 --set CheckBox3=TRUE --set 'StringGrid2[1,2]=3.5' "
      "--set Form9.RadioGroup4=1 --set TabControl1=2 --json -");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"RadioGroup5\":1"), std::string::npos);
  EXPECT_NE(r.out.find("\"CheckBox3\":true"), std::string::npos);
  EXPECT_NE(r.out.find("[\"2\",\"3.5\",\"0\",\"-\"]"), std::string::npos);
  EXPECT_NE(r.out.find("\"Form9.RadioGroup4\":1"), std::string::npos);
  EXPECT_NE(r.out.find("\"TabControl1\":2"), std::string::npos);
  EXPECT_NE(r.out.find("\"stability\":{}"), std::string::npos);  // --no-calc
}

TEST(Cli, NoOptionRunsTheDefaultsAndSummarises) {
  auto r = runCli("");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("逆Ｔ型"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("常時"), std::string::npos) << r.out;
}

TEST(Cli, UnwritableJsonIsAFileError) {
  auto r = runCli("--json /nonexistent-dir/out.json");
  EXPECT_EQ(r.status, 4);
  EXPECT_NE(r.err.find("/nonexistent-dir/out.json"), std::string::npos) << r.err;
}

TEST(Cli, AnOutputThatCannotBeWrittenDoesNotStopTheOthers) {
  testing::TempFolder folder;
  auto r = runCli("--json /nonexistent-dir/out.json --text '" + folder.file("report.txt") + "'");
  EXPECT_EQ(r.status, 4);
  EXPECT_NE(r.err.find("/nonexistent-dir/out.json"), std::string::npos) << r.err;
  EXPECT_TRUE(std::filesystem::exists(folder.file("report.txt")));
}

}  // namespace
}  // namespace kovrel
