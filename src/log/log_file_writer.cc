#include "log/log_file_writer.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "platform/files.h"
#include "platform/message_queue.h"
#include "platform/process_info.h"
#include "textfiles/textfile.h"

namespace vyn {
namespace {

constexpr int64_t kShortestTimerMs = 100;

int64_t flush_interval_ms(const LogParams& p) {
  return std::max<int64_t>(int64_t(p.flush_seconds) * 1000, kShortestTimerMs);
}

}  // namespace

log_file_writer::log_file_writer(log_writer_settings settings)
    : settings_(std::move(settings)), params_(settings_.base_path) {}

std::u16string log_file_writer::file_name(const std::u16string& base, int32_t start_mode) {
  if (start_mode != 2) return base + u".log";
  b_time now;
  now.set_now();
  return base + now.format(u"yyyyMMdd-HHmmssii") + u".log";
}

void log_file_writer::flush() {
  if (pending_.empty()) return;
  textfile out(params_.log_file, {cp_utf8, 0});
  out.append_or_throw(pending_);  // on failure the lines stay pending
  pending_.clear();
}

void log_file_writer::run(platform::message_queue& queue) {
  try {
    params_.reload();
  } catch (...) {
  }
  // The start mode and the file are fixed now, for the thread's life.
  params_.log_file = file_name(params_.base_path, params_.start_mode);
  if (params_.start_mode == 1) platform::remove_file(params_.log_file);

  uint64_t now = platform::tick_count_ms();
  uint64_t last_flush = 0;
  int64_t flush_ms = flush_interval_ms(params_);
  uint64_t next_reload = now + uint64_t(settings_.reload_ms);
  uint64_t next_flush = now + uint64_t(flush_ms);

  for (;;) {
    now = platform::tick_count_ms();
    uint64_t due = std::min(next_reload, next_flush);
    platform::message m;
    if (!queue.take(m, due > now ? int64_t(due - now) : 0)) {
      // A timer: reload, flush, or both.
      now = platform::tick_count_ms();
      try {
        if (now >= next_reload) {
          params_.reload();
          next_reload = now + uint64_t(settings_.reload_ms);
          if (int64_t changed = flush_interval_ms(params_); changed != flush_ms) {
            flush_ms = changed;
            next_flush = now + uint64_t(flush_ms);
          }
        }
        if (now >= next_flush) {
          next_flush = now + uint64_t(flush_ms);
          flush();
        }
      } catch (...) {
      }
      continue;
    }
    if (m.id == kLogQuitMessage) break;
    if (m.id != kLogEntryMessage || !m.payload) continue;
    std::unique_ptr<log_entry> entry(static_cast<log_entry*>(m.payload));
    try {
      pending_ += params_.format_line(*entry);
      now = platform::tick_count_ms();
      if (int64_t(now - last_flush) > int64_t(params_.flush_seconds) * 1000 ||
          int64_t(pending_.size() * 2) > int64_t(params_.flush_bytes)) {
        flush();
        last_flush = now;
      }
    } catch (...) {
    }
  }

  // Entries queued behind the quit message (our own, from loading the
  // parameters, may come after it) are still written.
  platform::message rest;
  while (queue.take(rest, 0)) {
    if (rest.id != kLogEntryMessage || !rest.payload) continue;
    std::unique_ptr<log_entry> entry(static_cast<log_entry*>(rest.payload));
    try {
      pending_ += params_.format_line(*entry);
    } catch (...) {
    }
  }

  // What is still pending: retried for a while, then lost.
  const uint64_t ended = platform::tick_count_ms();
  while (!pending_.empty() &&
         int64_t(platform::tick_count_ms() - ended) < settings_.final_flush_ms) {
    try {
      flush();
    } catch (...) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
}

void install_log_writer() {
  GetLog()->set_writer_factory(
      []() -> std::unique_ptr<log_writer_thread> { return std::make_unique<log_file_writer>(); });
}

}  // namespace vyn
