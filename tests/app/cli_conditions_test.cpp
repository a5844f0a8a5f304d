// kovrel-cli with design-condition files: loading, saving, the exit status
// of a file that does not load, and the reference tables.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/atomic_file.h"

namespace kovrel {
namespace {

namespace fs = std::filesystem;

class CliConditionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kovrel-cli-dat-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }

  // Runs the command line in the test folder; returns the exit status.
  int run(const std::string& args) {
    const std::string command =
        "cd '" + dir.string() + "' && '" KOVREL_CLI_PATH "' " + args + " >stdout.txt 2>stderr.txt";
    int status = std::system(command.c_str());
    stderrText = readWholeFile(path("stderr.txt"));
    stdoutText = readWholeFile(path("stdout.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir;
  std::string stderrText, stdoutText;
};

TEST_F(CliConditionsTest, LoadAndSaveRoundTrip) {
  ASSERT_EQ(run("--no-calc --set RadioGroup2=1 --set CheckBox3=1 --save a.dat"), 0) << stderrText;
  ASSERT_EQ(run("a.dat --no-calc --save b.dat"), 0) << stderrText;
  EXPECT_EQ(readWholeFile(path("a.dat")), readWholeFile(path("b.dat")));
}

TEST_F(CliConditionsTest, FileThatDoesNotLoadExitsFourAndKeepsTheStartUpState) {
  ASSERT_EQ(run("--no-calc --save start.dat"), 0) << stderrText;
  const std::string start = readWholeFile(path("start.dat"));
  ASSERT_EQ(run("--no-calc --set PageControl2=1 --save other.dat"), 0);
  const std::string other = readWholeFile(path("other.dat"));

  // Cut after line 100, and "abc" in place of the first index line.
  size_t cut = 0;
  for (int i = 0; i < 100; ++i) cut = other.find("\r\n", cut) + 2;
  std::ofstream(path("cut.dat"), std::ios::binary) << other.substr(0, cut);
  std::ofstream(path("abc.dat"), std::ios::binary) << "abc" << other.substr(1);
  fs::create_directories(dir / "folder.dat");

  const std::pair<std::string, std::string> cases[] = {{"cut.dat", "line 101"},
                                                       {"abc.dat", "line 1:"},
                                                       {"missing.dat", "missing.dat"},
                                                       {"folder.dat", "folder.dat"}};
  for (const auto& [file, expected] : cases) {
    SCOPED_TRACE(file);
    fs::remove(path("after.dat"));
    EXPECT_EQ(run(file + " --save after.dat"), 4);
    EXPECT_NE(stderrText.find(expected), std::string::npos) << stderrText;
    EXPECT_EQ(readWholeFile(path("after.dat")), start);
  }
}

TEST_F(CliConditionsTest, SaveThatCannotBeWrittenExitsFour) {
  EXPECT_EQ(run("--no-calc --save no-such-folder/x.dat"), 4);
  EXPECT_NE(stderrText.find("no-such-folder/x.dat"), std::string::npos) << stderrText;
}

TEST_F(CliConditionsTest, ReferenceTablesAsJson) {
  ASSERT_EQ(run("--no-calc --reference -"), 0) << stderrText;
  EXPECT_NE(stdoutText.find("\"soilConstants\""), std::string::npos);
  EXPECT_NE(stdoutText.find("\"粘性土地盤\""), std::string::npos);
  EXPECT_NE(stdoutText.find("\"earthPressure\""), std::string::npos);
  EXPECT_NE(stdoutText.find("\"φ30.0\""), std::string::npos);
}

}  // namespace
}  // namespace kovrel
