// Running the built sorvex in a temporary directory for end-to-end tests.
#ifndef TESTS_SORVEX_SORVEX_TEST_UTIL_H_
#define TESTS_SORVEX_SORVEX_TEST_UTIL_H_

#include <string>
#include <vector>

#include "platform/system_messages.h"
#include "platform/utf.h"
#include "sorvex/string_resources.h"
#include "support/subprocess.h"
#include "support/temp_dir.h"

namespace sorvex_test {

using testing_support::run_result;
using testing_support::temp_dir;

inline const std::string kTitle =
    "sorvex v2.13.0.15 * Text Replace utility * https://sorvex.example.org/\n";

// Runs sorvex in `dir` with English messages unless `russian`.
inline run_result sorvex(const temp_dir& dir, const std::vector<std::string>& args,
                         const std::string& input = "", bool russian = false) {
  testing_support::run_options o;
  o.directory = dir.path();
  o.input = input;
  o.env["LC_ALL"] = "C.UTF-8";
  if (russian) o.env["LANGUAGE"] = "ru";
  else o.unset_env = {"LANGUAGE", "LC_MESSAGES", "LANG"};
  return testing_support::run_program(SORVEX_PATH, args, o);
}

// A text of the program's string table, as UTF-8.
inline std::string text(uint32_t id, bool russian = false) {
  for (const auto& s : sorvex::string_table()) {
    if (s.id == id) return vyn::utf16_to_utf8(russian ? s.russian : s.english);
  }
  return {};
}

// The system message of a code, as UTF-8.
inline std::string system_text(uint32_t code, bool russian = false) {
  return vyn::utf16_to_utf8(vyn::platform::system_message(
      code, russian ? vyn::platform::language::russian : vyn::platform::language::english));
}

// What standard error shows for a command-line error: the code's text, a
// blank, the message, the short usage.
inline std::string usage_error(uint32_t code, const std::string& message, bool russian = false) {
  return system_text(code, russian) + " " + message + "\n" + text(518, russian) + "\n";
}

}  // namespace sorvex_test

#endif  // TESTS_SORVEX_SORVEX_TEST_UTIL_H_
