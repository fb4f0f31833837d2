#include "log/log_params.h"

#include <cstdlib>

#include "foundations/exceptions.h"
#include "foundations/wformat.h"
#include "log/ini.h"
#include "platform/code_page_codec.h"
#include "platform/files.h"
#include "platform/locale_info.h"
#include "platform/process_info.h"
#include "platform/utf.h"

namespace vyn {
namespace {

constexpr uint32_t kInvalidData = 13;

// Parameter text: UTF-8 when it is valid UTF-8, else the ANSI code page.
std::u16string from_file_text(std::string_view bytes) {
  if (is_valid_utf8(bytes)) return utf8_to_utf16(bytes);
  std::u16string out;
  platform::decode_code_page(platform::user_code_pages().ansi, bytes, out);
  return out;
}

std::u16string from_file_text(const Str& s) {
  return from_file_text(std::string_view(s.c_str(), size_t(s.length)));
}

bool equals_nocase(const Str& s, const char* what) {
  return s.compare(what, BStr::kIgnoreCase).value == 0;
}

std::u16string program_base_path() {
  std::u16string path = platform::executable_path();
  size_t slash = path.rfind(u'/');
  size_t dot = path.rfind(u'.');
  if (dot != std::u16string::npos && (slash == std::u16string::npos || dot > slash)) {
    path.resize(dot);
  }
  return path;
}

}  // namespace

void LogParams::reset() {
  time_format = u"dd.MM.yyyy HH:mm:ss.ii";
  show_pid = show_tid = show_event = true;
  start_mode = 0;
  flush_seconds = 60;
  flush_bytes = 4096;
  events.clear();
  compiled_.clear();
}

const regex& LogParams::whole(const std::u16string& pattern) {
  auto it = compiled_.find(pattern);
  if (it == compiled_.end()) {
    // Anchored at both ends: the pattern must match the whole text.
    it = compiled_.emplace(pattern, regex(u"(?:" + pattern + u")\\z", true)).first;
  }
  return it->second;
}

std::u16string LogParams::format_line(const log_entry& entry) {
  auto matches_whole = [&](const std::u16string& pattern, const std::u16string& text) {
    regex_matcher m(whole(pattern));
    return m.search(text, 0, kMatchAnchored);
  };
  bool accepted = false;
  for (const auto& [key, value] : events) {
    if (!matches_whole(key, entry.event)) continue;
    if (value.empty() || matches_whole(value, entry.text)) {
      accepted = true;
      break;
    }
  }
  if (!accepted) return {};
  std::u16string line;
  auto field = [&](const std::u16string& f) {
    if (!line.empty()) line += u' ';
    line += f;
  };
  if (show_event) line += entry.event;
  if (!time_format.empty()) field(entry.format(time_format));
  if (show_pid) field(wformat(u"PID=%04X", entry.process_id));
  if (show_tid) field(wformat(u"TID=%04X", entry.thread_id));
  field(entry.text);
  line += u"\r\n";
  return line;
}

LogWliParams::LogWliParams(std::u16string base)
    : base_path(base.empty() ? program_base_path() : std::move(base)) {
  wli_file = base_path + u".wli";
  log_file = base_path + u".log";
  reset();
}

void LogWliParams::reset() {
  LogParams::reset();
  reload_seconds = 60;
}

void LogWliParams::reload() {
  if (!platform::query_path(wli_file).exists) {
    reset();
  } else {
    LogWliParamsLoader2 ini;
    if (ini.load(*this, wli_file) != 0) {
      LogWliParamsLoader lines;
      lines.load(*this, wli_file);
    }
  }
  last_load_tick = platform::tick_count_ms();
}

}  // namespace vyn

uint32_t LogWliParamsLoader::load(vyn::LogParams& params, const std::u16string& path) {
  params.reset();
  vyn::platform::native_handle h;
  if (uint32_t code = vyn::platform::open_file(path, vyn::platform::open_mode::read_existing, h)) {
    return code;
  }
  uint64_t size = 0;
  std::string bytes;
  uint32_t code = vyn::platform::file_size(h, size);
  if (code == 0 && size > 0) {
    bytes.resize(size);
    size_t got = 0;
    code = vyn::platform::read_file(h, bytes.data(), bytes.size(), got);
    bytes.resize(got);
  }
  vyn::platform::close_handle(h);
  if (code) throw vyn::wexception(u"!::ReadFile(wli,buf,fsz,&bytes_read,nullptr) at ..\\Src\\Log\\PrmsLdr line 22");
  if (bytes.empty()) return 13;
  std::u16string text = vyn::from_file_text(std::string_view(bytes.data(), bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0')));
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of(u"\r\n", at);
    if (end == std::u16string::npos) end = text.size();
    std::u16string line = text.substr(at, end - at);
    at = end;
    while (at < text.size() && (text[at] == u'\r' || text[at] == u'\n')) ++at;
    std::u16string taken;
    for (char16_t c : line) {
      if (c != u' ' && taken.size() < 4) taken += c;
    }
    if (taken.empty()) continue;
    if (taken[0] == u'+' && taken.size() > 1) {
      params.events[taken.substr(1)] = u"";
    } else if (taken[0] == u'!') {
      std::u16string word = taken.substr(1);
      for (auto& c : word) {
        if (c >= u'a' && c <= u'z') c = char16_t(c - 32);
      }
      if (word == u"IMM") params.flush_bytes = 1;  // flush after every line
    }
  }
  return 0;
}

uint32_t LogWliParamsLoader2::load(vyn::LogParams& params, const std::u16string& path) {
  params.reset();
  vyn::TIni ini;
  ini.Ld(path, 1);
  const vyn::TIniSection* prms = ini.section("Prms");
  if (!prms) return 13;
  if (const vyn::TIniVal* v = prms->value("TmFrmt")) params.time_format = vyn::from_file_text(v->value);
  if (const vyn::TIniVal* v = prms->value("PID")) params.show_pid = vyn::equals_nocase(v->value, "On");
  if (const vyn::TIniVal* v = prms->value("TID")) params.show_tid = vyn::equals_nocase(v->value, "On");
  if (const vyn::TIniVal* v = prms->value("StrtMd")) {
    if (vyn::equals_nocase(v->value, "append")) params.start_mode = 0;
    else if (vyn::equals_nocase(v->value, "ovrwrt") || vyn::equals_nocase(v->value, "overwrite"))
      params.start_mode = 1;
    else if (vyn::equals_nocase(v->value, "new")) params.start_mode = 2;
  }
  const vyn::TIniVal* seconds = prms->value("FlshSec");
  if (!seconds) seconds = prms->value("flushseconds");
  if (seconds) params.flush_seconds = int32_t(std::atol(seconds->value.c_str()));
  const vyn::TIniVal* lines = prms->value("FlshLns");
  const vyn::TIniVal* bytes = prms->value("flushlines");
  if (!lines) lines = bytes;
  if (lines) params.flush_bytes = int32_t(std::atol(lines->value.c_str()) * 80);
  if (bytes) params.flush_bytes = int32_t(std::atol(bytes->value.c_str()));
  const vyn::TIniSection* evts = ini.section("Evts");
  if (!evts) return 13;
  for (int32_t i = 0; i < evts->count(); ++i) {
    const vyn::TIniVal* v = evts->at(i);
    params.events[vyn::from_file_text(v->name)] = vyn::from_file_text(v->value);
  }
  return 0;
}
