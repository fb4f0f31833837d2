#include "log/log.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/message_queue.h"
#include "platform/process_info.h"
#include "platform/utf.h"

namespace vyn {

uint32_t AsyncLog::write(const std::u16string& event, const std::u16string& text) {
  if (!queue_) return kNoWriterThread;
  auto* entry = new log_entry;
  entry->set_now();
  entry->event = event;
  entry->text = text;
  entry->process_id = platform::process_id();
  entry->thread_id = platform::thread_id();
  if (!queue_->post({kLogEntryMessage, entry})) {
    delete entry;
    return kNoWriterThread;
  }
  return 0;
}

AsyncLog* GetLog() {
  // Made on first use, on the main thread, and never destroyed.
  static AsyncLog* const log = new AsyncLog;
  return log;
}

uint32_t log_printf(Log* log, const char* event, const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list again;
  va_copy(again, args);
  std::string text(64, '\0');
  int n = std::vsnprintf(text.data(), text.size(), pattern, args);
  va_end(args);
  if (n >= 0 && size_t(n) >= text.size()) {
    text.resize(size_t(n) + 1);
    n = std::vsnprintf(text.data(), text.size(), pattern, again);
  }
  va_end(again);
  text.resize(n < 0 ? 0 : size_t(n));
  return log->write(utf8_to_utf16(event), utf8_to_utf16(text));
}

function_log::function_log(std::u16string e, std::u16string n)
    : event(std::move(e)), name(std::move(n)) {
  GetLog()->write(event, name + u" begin");
}

function_log::~function_log() { GetLog()->write(event, name + u" end"); }

void function_log::write(const std::u16string& text) {
  GetLog()->write(event, name + u" " + text);
}

}  // namespace vyn
