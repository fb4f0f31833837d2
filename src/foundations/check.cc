#include "foundations/check.h"

#include <string>

#include "foundations/exceptions.h"
#include "platform/utf.h"
#include "foundations/wformat.h"

namespace vyn {

std::u16string check_path(const char* file) {
  std::string path(file ? file : "");
  // Paths are relative to the source root already (the build strips the
  // prefix); keep only what follows a stray absolute prefix, if any.
  if (auto at = path.rfind("/src/"); at != std::string::npos) {
    path = path.substr(at + 1);
  }
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return utf8_to_utf16(path);
}

void throw_check_failure(const char* expression, const char* file, int line) {
  throw wexception(wformat(u"!%s at %s line %d", expression, check_path(file),
                           line));
}

void throw_guard_failure(const char* path, int line) {
  throw wexception(wformat(u"%s line %d", path, line));
}

}  // namespace vyn
