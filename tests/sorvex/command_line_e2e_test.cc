// sorvex end to end: help, command-line errors and their messages.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sorvex_test_util.h"

namespace sorvex_test {
namespace {

TEST(Help, EveryFormPrintsTitleAndUsageAndTouchesNothing) {
  temp_dir d;
  d.write("a.txt", "aaa");
  for (std::vector<std::string> args :
       {std::vector<std::string>{"-h"}, {"-help"}, {"-?"}, {"/h"}, {"/HELP"},
        {"-h", "-spt:a", "-sre:b", "*.txt"}, {"-spt:a", "-t:b", "*.txt", "-?"}}) {
    run_result r = sorvex(d, args);
    EXPECT_EQ(r.exit_code, 0) << args[0];
    EXPECT_EQ(r.out, kTitle + text(501)) << args[0];  // no line end after the usage
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(d.read("a.txt"), "aaa");
  run_result bare = sorvex(d, {"-h", "-notitle"});
  EXPECT_EQ(bare.out, text(501));
  EXPECT_EQ(text(501).substr(0, 51), "\nReplacing plain text with static text in file(s):\n");
}

struct error_case {
  std::vector<std::string> args;
  uint32_t code;
  std::string message;  // as printed after the code's text
};

class CommandLineError : public ::testing::TestWithParam<error_case> {};

TEST_P(CommandLineError, PrintsTheMessageAndShortUsage) {
  temp_dir d;
  d.write("a.txt", "abc");
  run_result r = sorvex(d, GetParam().args);
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");  // parsing fails before the title
  EXPECT_EQ(r.err, usage_error(GetParam().code, GetParam().message));
  EXPECT_EQ(d.read("a.txt"), "abc");
}

const std::string k526 = "-spt, -sre, -spf, or -srf options duplicated";
const std::string k522 = "-e, -t, -et, -ft, -fet, or -f options duplicated";

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineError,
    ::testing::Values(
        error_case{{}, 87, ""},
        error_case{{"-zz", "a.txt"}, 50, "-zz a.txt"},
        error_case{{"-spt:a", "-sre:b", "a.txt"}, 87, k526},
        error_case{{"-spf:x", "-srf:y", "a.txt"}, 87, k526},
        error_case{{"-t:a", "-ft:b", "a.txt"}, 87, k522},
        error_case{{"-e", "-t:a", "-spt:a", "a.txt"}, 87, k522},
        error_case{{"-ft:a", "-fet:b", "-sre:a", "a.txt"}, 87, k522},
        error_case{{"-f:x", "-t:a", "-spt:a", "a.txt"}, 87, k522},
        error_case{{"-ib", "-ia", "-spt:a", "-t:b", "a.txt"}, 87, k522},
        error_case{{"-insert:1,2,3", "a.txt"}, 87, k522},
        error_case{{"-spt:a", "-ft:$1", "a.txt"}, 87, "-spt/-set cannot be used with -ft/-fet options"},
        error_case{{"-spt:a", "-t:b", "-occ:0", "a.txt"}, 87, "occurences"},
        error_case{{"-spt:a", "-t:b", "-occ:x,-0", "a.txt"}, 87, "occurences"},
        error_case{{"a.txt"}, 87, "Invalid value for codepage parameter. "},
        error_case{{"-cp:utf8", "a.txt"}, 87, "Invalid value for codepage parameter. "},
        error_case{{"-cp:ansi,ansi", "a.txt"}, 87, "Invalid value for codepage parameter. "},
        error_case{{"-cp:a,b,c", "a.txt"}, 87, "(cp|codepage)"},
        error_case{{"-cp:xyz", "a.txt"}, 87, "(cp|codepage)"},
        error_case{{"-cp", "a.txt"}, 87, "(cp|codepage)"},
        error_case{{"-o:x", "-spt:a", "a.txt"}, 87, "Wrong value for parameter o. "},
        error_case{{"-o", "-spt:a", "a.txt"}, 87, "Wrong value for parameter o. "},
        error_case{{"-set", "a.txt"}, 50, "-set a.txt"},
        error_case{{"-spt:a", "-f", "a.txt"}, 87, "-f"},
        error_case{{"-spt:a", "-f:a,b,c", "a.txt"}, 87, "-f:a,b,c"},
        error_case{{"-i:yes", "a.txt"}, 87, "yes"},
        error_case{{"-sre:(", "a.txt"}, 87,
                   "regular expression error at offset 1: missing closing parenthesis"},
        error_case{{"-spt:a", "-t:b", "-occ:1-20000000", "a.txt"}, 87,
                   "Too many occurrence numbers in \"1-20000000\": at most 10000000"}));

TEST(CommandLine, ARepeatedOptionPrintsNothing) {
  temp_dir d;
  d.write("a.txt", "abc");
  for (std::vector<std::string> args : {std::vector<std::string>{"-spt:a", "-t:a", "-t:b", "a.txt"},
                                        {"-i", "-i", "-spt:a", "a.txt"},
                                        {"-list:x", "-list:y", "a.txt"}}) {
    run_result r = sorvex(d, args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
  }
  EXPECT_EQ(d.read("a.txt"), "abc");
}

TEST(CommandLine, MissingFilesPrintNothing) {
  temp_dir d;
  d.write("a.txt", "abc");
  for (std::vector<std::string> args : {std::vector<std::string>{"-spf:none", "-t:x", "a.txt"},
                                        {"-spt:a", "-f:none", "a.txt"},
                                        {"-list:none", "a.txt"}}) {
    run_result r = sorvex(d, args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out + r.err, "");
  }
  EXPECT_EQ(d.read("a.txt"), "abc");
}

TEST(CommandLine, AcceptedForms) {
  temp_dir d;
  d.write("a.txt", "abc");
  struct row {
    std::vector<std::string> args;
    std::string after;
    int exit_code;
  };
  const row rows[] = {
      {{"-spt:a", "-set:b", "-t:X", "a.txt"}, "aXc", 0},         // the later search wins
      {{"-SPT:X", "/t:Y", "/notitle", "a.txt"}, "aYc", 0},
      {{"-spt:Y", "-e", "a.txt"}, "ac", 0},                      // erase
      {{"-append", "-t:!", "-spt:ignored", "a.txt"}, "ac!", 0},
      {{"-insert", "-t:>", "a.txt"}, ">ac!", 0},
      {{"-spt:c", "-occ:2", "-ib", "-t:_", "a.txt"}, ">a_c!", 0},  // -ib wins over -occ
      {{"-sre:(a)", "-ft:[$1]", "-nc", "a.txt"}, "[a]", 0},
      {{"-sre:x", "-t:y", "a.txt"}, "[a]", 1},
      {{"-o:Quiet", "-spt:[", "-t:<", "a.txt"}, "<a]", 0},
  };
  for (const row& r : rows) {
    run_result out = sorvex(d, r.args);
    EXPECT_EQ(out.exit_code, r.exit_code) << r.args[0] << out.err;
    EXPECT_EQ(d.read("a.txt"), r.after) << r.args[0];
  }
}

TEST(Russian, TitleMessagesAndUsage) {
  temp_dir d;
  run_result help = sorvex(d, {"-h"}, "", true);
  EXPECT_EQ(help.out, "sorvex v2.13.0.15 * Замена текста в файлах * https://sorvex.example.org/\n" +
                          text(501, true));
  EXPECT_NE(help.out.find("Замена простого текста в файлах:"), std::string::npos);
  run_result bad = sorvex(d, {"-spt:a", "-sre:b", "x"}, "", true);
  EXPECT_EQ(bad.err, usage_error(87, "дублирование -spt, -sre, -spf или -srf", true));
  EXPECT_EQ(system_text(87, true), "Недопустимый параметр.");
  EXPECT_NE(bad.err.find("Запуск: sorvex.exe"), std::string::npos);
}

}  // namespace
}  // namespace sorvex_test
