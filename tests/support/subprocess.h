// Runs a built program for end-to-end tests: arguments, environment,
// standard input in; standard output, standard error and exit code out.
#ifndef TESTS_SUPPORT_SUBPROCESS_H_
#define TESTS_SUPPORT_SUBPROCESS_H_

#include <map>
#include <string>
#include <vector>

namespace testing_support {

struct run_result {
  int exit_code = -1;     // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

struct run_options {
  std::string directory;                      // working directory; "" keeps ours
  std::string input;                          // bytes fed to standard input
  std::map<std::string, std::string> env;     // added to (or replacing) ours
  std::vector<std::string> unset_env;         // removed from ours
  // Leave standard input an open, empty pipe until the program ends: a
  // program that reads it blocks until the timeout kills it (exit_code -1).
  bool probe_stdin_unread = false;
  int timeout_seconds = 60;
};

run_result run_program(const std::string& path,
                       const std::vector<std::string>& args,
                       const run_options& options = {});

}  // namespace testing_support

#endif  // TESTS_SUPPORT_SUBPROCESS_H_
