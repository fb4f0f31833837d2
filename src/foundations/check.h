// Internal consistency checks.
#ifndef VYN_FOUNDATIONS_CHECK_H_
#define VYN_FOUNDATIONS_CHECK_H_

#include <string>

namespace vyn {

// Throws vyn::wexception with the message
// "!" + expression + " at " + path + " line " + line, the path written
// backslash-separated and relative to the source tree.
[[noreturn]] void throw_check_failure(const char* expression, const char* file,
                                      int line);

// Throws vyn::wexception with the message path + " line " + line: the shape
// used by the container and string guards.
[[noreturn]] void throw_guard_failure(const char* path, int line);

// The path as it appears in check messages: separators turned into
// backslashes, any leading folders up to the source root dropped.
std::u16string check_path(const char* file);

}  // namespace vyn

#define VYN_CHECK(expr)                                        \
  do {                                                         \
    if (!(expr)) ::vyn::throw_check_failure(#expr, __FILE__, __LINE__); \
  } while (false)

#endif  // VYN_FOUNDATIONS_CHECK_H_
