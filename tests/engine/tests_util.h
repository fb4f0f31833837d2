// Small helpers for the engine tests.
#ifndef TESTS_ENGINE_TESTS_UTIL_H_
#define TESTS_ENGINE_TESTS_UTIL_H_

#include <string>
#include <utility>

#include "engine/string_action_set.h"

namespace vyn {

// Runs the action once over a copy of `in`; the result and the count after.
inline std::pair<std::u16string, int32_t> run_once(string_action& a,
                                                   std::u16string in) {
  a.set_text(&in);
  a.execute();
  return {in, a.replacements()};
}

// A gtest-safe test name from a description.
inline std::string test_name(const char* s) {
  std::string out;
  for (const char* p = s; *p; ++p) {
    char c = *p;
    out += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : '_';
  }
  return out;
}

}  // namespace vyn

#endif  // TESTS_ENGINE_TESTS_UTIL_H_
