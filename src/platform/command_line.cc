#include "platform/command_line.h"

#include <fstream>
#include <iterator>

#include "platform/files.h"

namespace vyn::platform {
namespace {

bool is_blank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool has_blank(std::u16string_view s) {
  for (char16_t c : s) {
    if (is_blank(c)) return true;
  }
  return false;
}

std::u16string quoted(std::u16string_view value) {
  std::u16string out(1, u'"');
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == u'"' && i + 1 < value.size() && is_blank(value[i + 1])) out += u'\\';
    out += value[i];
  }
  out += u'"';
  return out;
}

}  // namespace

std::u16string rebuild_command_line(const std::vector<std::u16string>& arguments) {
  std::u16string line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::u16string_view arg = arguments[i];
    if (i) line += u' ';
    const bool option = !arg.empty() && (arg[0] == u'-' || arg[0] == u'/');
    const size_t colon = option ? arg.find(u':') : std::u16string_view::npos;
    if (colon != std::u16string_view::npos && colon + 1 == arg.size()) {
      line += arg;
      line += u"\"\"";
      continue;
    }
    if (!arg.empty() && !has_blank(arg) && arg.front() != u'"' && arg.back() != u'"') {
      line += arg;
      continue;
    }
    if (colon != std::u16string_view::npos) {
      line += arg.substr(0, colon + 1);
      line += quoted(arg.substr(colon + 1));
    } else {
      line += quoted(arg);
    }
  }
  return line;
}

std::u16string process_command_line() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::u16string> arguments;
  size_t start = 0;
  while (start < raw.size()) {
    size_t end = raw.find('\0', start);
    if (end == std::string::npos) end = raw.size();
    arguments.push_back(path_text(std::string_view(raw).substr(start, end - start)));
    start = end + 1;
  }
  return rebuild_command_line(arguments);
}

}  // namespace vyn::platform
