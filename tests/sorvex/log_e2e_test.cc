// The diagnostic log end to end, with a parameter file beside a copy of the
// built program.
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/subprocess.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::run_result;
using testing_support::temp_dir;

// A copy of sorvex in its own directory, with its files.
struct program_copy {
  temp_dir dir;
  program_copy() { fs::copy_file(SORVEX_PATH, dir.file("sorvex")); }
  run_result run(const std::vector<std::string>& args) {
    testing_support::run_options o;
    o.directory = dir.path();
    o.env["LC_ALL"] = "C.UTF-8";
    o.unset_env = {"LANGUAGE"};
    return testing_support::run_program(dir.file("sorvex"), args, o);
  }
  std::vector<std::string> log_files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) {
      std::string n = e.path().filename().string();
      if (n.ends_with(".log")) names.push_back(n);
    }
    return names;
  }
};

TEST(LogEndToEnd, StartAndExitLinesOfTheAppEvent) {
  program_copy p;
  p.dir.write("sorvex.wli", "[Prms]\n[Evts]\nA\xC2\xB7\xC2\xB7=\n");
  p.dir.write("a.txt", "x");
  run_result r = p.run({"-spt:x", "-t:y", "a.txt"});
  ASSERT_EQ(r.exit_code, 0);
  const std::string log = p.dir.read("sorvex.log");
  const std::string stamp = "[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\\.[0-9]{3}";
  const std::string ids = "PID=[0-9A-F]{4,} TID=[0-9A-F]{4,}";
  const std::string head = "A\xC2\xB7\xC2\xB7 " + stamp + " " + ids + " ";
  std::regex start("^" + head + "Start\\(" + "[^\r\n]*sorvex -spt:x -t:y a\\.txt\\)\r\n");
  std::regex exit(head + "Exit\\(0, The operation succeeded\\. \\[0\\(00000000\\)\\]\\)\r\n$");
  EXPECT_TRUE(std::regex_search(log, start)) << log;
  EXPECT_TRUE(std::regex_search(log, exit)) << log;
  EXPECT_NE(log.find("actions_replacer::execute() begin"), std::string::npos);
}

TEST(LogEndToEnd, ExitCodeAndResultOfAFailedRun) {
  program_copy p;
  p.dir.write("sorvex.wli", "[Prms]\nTmFrmt=\nPID=Off\nTID=Off\n[Evts]\nA.*=Exit.*\n");
  run_result r = p.run({"-spt:x", "-f:none", "a.txt"});
  EXPECT_EQ(r.exit_code, 2);
  // The exception's code reaches the exit line; its text does not.
  EXPECT_EQ(p.dir.read("sorvex.log"),
            "A\xC2\xB7\xC2\xB7 Exit(2, The file was not found. [2(00000002)])\r\n");
}

TEST(LogEndToEnd, TableThatAcceptsOnlyTilWritesNoExitLine) {
  program_copy p;
  p.dir.write("sorvex.wli", "[Prms]\n[Evts]\nTIL=\n");
  p.run({"-h"});
  const std::string log = p.dir.read("sorvex.log");
  EXPECT_NE(log.find("TIL "), std::string::npos);
  EXPECT_NE(log.find("TIni::Ld("), std::string::npos);
  EXPECT_EQ(log.find("Exit("), std::string::npos);
  EXPECT_EQ(log.find("Start("), std::string::npos);
}

TEST(LogEndToEnd, ValuePatternFiltersTexts) {
  program_copy p;
  p.dir.write("sorvex.wli", "[Prms]\nTmFrmt=\nPID=Off\nTID=Off\n[Evts]\nA.*=Start.*\n");
  p.run({"-h"});
  const std::string log = p.dir.read("sorvex.log");
  EXPECT_EQ(log.rfind("A\xC2\xB7\xC2\xB7 Start(", 0), 0u);
  EXPECT_EQ(log.find("Exit("), std::string::npos);
}

TEST(LogEndToEnd, NewModeMakesAStampedFilePerRun) {
  program_copy p;
  p.dir.write("sorvex.wli", "[Prms]\nStrtMd=new\n[Evts]\nA.*=\n");
  p.run({"-h"});
  p.run({"-h"});
  std::vector<std::string> logs = p.log_files();
  ASSERT_EQ(logs.size(), 2u);
  for (const std::string& n : logs) {
    EXPECT_TRUE(std::regex_match(n, std::regex("sorvex[0-9]{8}-[0-9]{9}\\.log"))) << n;
  }
}

TEST(LogEndToEnd, WithoutParameterFileNoLogFile) {
  program_copy p;
  p.dir.write("a.txt", "x");
  EXPECT_EQ(p.run({"-spt:x", "-t:y", "a.txt"}).exit_code, 0);
  EXPECT_TRUE(p.log_files().empty());
}

TEST(LogEndToEnd, LegacyLineFormat) {
  program_copy p;
  p.dir.write("sorvex.wli", "+TIL\r\n");
  p.run({"-h"});
  const std::string log = p.dir.read("sorvex.log");
  EXPECT_NE(log.find("TIL "), std::string::npos);
  EXPECT_EQ(log.find("Exit("), std::string::npos);
}

}  // namespace
