#include "log/ini.h"

#include <vector>

#include "log/log.h"
#include "platform/files.h"

namespace vyn {
namespace {

std::string_view trim(std::string_view s, bool tabs = true) {
  auto blank = [&](char c) { return c == ' ' || (tabs && c == '\t'); };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// Trimmed, one enclosing pair of quotes removed, trimmed again.
std::string clean_name(std::string_view s) {
  s = trim(s);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return std::string(trim(s));
}

// Splits at `sep` outside double-quoted stretches.
std::vector<std::string_view> split_outside_quotes(std::string_view s, char sep, size_t limit) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"') quoted = !quoted;
    else if (s[i] == sep && !quoted && parts.size() + 1 < limit) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(s.substr(start));
  return parts;
}

TIniSection* find_section(TList<TIniSection>& sections, const std::string& name) {
  for (int32_t i = 0; i < sections.count; ++i) {
    if (sections.items[i]->name.compare(name.c_str(), kIniNameMode).value == 0) {
      return sections.items[i];
    }
  }
  return nullptr;
}

}  // namespace

uint32_t TIni::Ld(const std::u16string& path, uint32_t share) {
  sections.clear();
  log_wprintf(GetLog(), kEventIni, u"TIni::Ld(%s,%u) begin", path, share);
  platform::native_handle h;
  uint32_t code = platform::open_file(path, platform::open_mode::read_existing, h);
  if (code == 0) {
    uint64_t size = 0;
    std::string bytes;
    code = platform::file_size(h, size);
    if (code == 0) {
      bytes.resize(size);
      size_t got = 0;
      code = platform::read_file(h, bytes.data(), bytes.size(), got);
      bytes.resize(got);
    }
    platform::close_handle(h);
    if (code == 0) parse(bytes);
  }
  log_wprintf(GetLog(), kEventIni, u"TIni::Ld(%s) end(%u)", path, code);
  return code;
}

void TIni::parse(std::string_view text) {
  sections.clear();
  text = text.substr(0, text.find('\0'));  // a NUL byte ends the text
  std::string current;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end;
    while (at < text.size() && (text[at] == '\r' || text[at] == '\n')) ++at;
    if (line.empty() || line.front() == ';') continue;
    std::string_view body = trim(line, false);
    if (body.size() >= 2 && body.front() == '[' && body.back() == ']') {
      current = std::string(trim(body.substr(1, body.size() - 2)));
      if (!current.empty()) {
        auto* s = new TIniSection;
        s->name.assign(current.c_str());
        sections.add(s);
      }
      continue;
    }
    body = trim(body);
    if (body.empty() || current.empty()) continue;
    TIniSection* section = find_section(sections, current);
    auto parts = split_outside_quotes(body, '=', 2);
    auto* v = new TIniVal;
    if (parts.size() == 2) {
      v->name.assign(clean_name(parts[0]).c_str());
      v->value.assign(std::string(parts[1]).c_str());
    } else {
      v->value.assign(std::string(body).c_str());
    }
    std::vector<std::string_view> items =
        split_outside_quotes(std::string_view(v->value.c_str(), size_t(v->value.length)), ',', size_t(-1));
    v->items.allocate(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      v->items[i].assign(clean_name(items[i]).c_str());
    }
    section->values.add(v);
  }
}

}  // namespace vyn
