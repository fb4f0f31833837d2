// dravel end to end: arguments in; standard output, standard error and the
// exit code out.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/subprocess.h"

namespace {

using testing_support::run_options;
using testing_support::run_program;

const char kUsage[] =
    "dravel * Stream recoding program * https://sorvex.example.org/\n"
    "How to start:\n"
    "dravel [*oem-to-ansi|ansi-to-oem]\n";

struct dravel_case {
  std::vector<std::string> args;
  std::string out;
  int exit_code;
};

class Dravel : public ::testing::TestWithParam<dravel_case> {};

TEST_P(Dravel, PrintsAndExits) {
  run_options o;
  o.env["LC_ALL"] = "C.UTF-8";
  auto r = run_program(DRAVEL_PATH, GetParam().args, o);
  EXPECT_EQ(r.out, GetParam().out);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.exit_code, GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Dravel,
    ::testing::Values(
        dravel_case{{}, "", 0},
        dravel_case{{"/?"}, kUsage, 0},
        dravel_case{{"-?"}, kUsage, 0},
        dravel_case{{"oem-to-ansi"}, "", 0},
        dravel_case{{"ANSI-TO-OEM"}, "", 0},
        dravel_case{{"/h"}, "", 0},
        dravel_case{{"?"}, "", 0},
        dravel_case{{"/??"}, "", 0},
        dravel_case{{""}, "", 0},
        dravel_case{{"ansi-to-oem", "x"}, "Error: invalid parameters.\n", 87},
        dravel_case{{"/?", "/?"}, "Error: invalid parameters.\n", 87},
        dravel_case{{"a", "b", "c"}, "Error: invalid parameters.\n", 87}));

TEST(DravelInput, IsNotRead) {
  // Standard input stays an open, empty pipe: a program that read it would
  // wait until the timeout killed it.
  run_options o;
  o.probe_stdin_unread = true;
  o.timeout_seconds = 10;
  for (auto args : {std::vector<std::string>{}, {"-?"}, {"oem-to-ansi"}}) {
    auto r = run_program(DRAVEL_PATH, args, o);
    EXPECT_EQ(r.exit_code, 0);
  }
}

}  // namespace
