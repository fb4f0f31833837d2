// The diagnostic log as its callers see it.
//
// Callers hand an event code and a text to the process-wide log, which
// queues them for its writer thread and returns at once. Until the writer
// runs, entries are dropped.
#ifndef VYN_LOG_LOG_H_
#define VYN_LOG_LOG_H_

#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "foundations/base.h"
#include "foundations/wformat.h"
#include "log/b_time.h"

namespace vyn {

namespace platform {
class message_queue;
}

// Event codes.
inline constexpr char16_t kEventApp[] = u"A\u00B7\u00B7";
inline constexpr char16_t kEventIni[] = u"TIL";
inline constexpr char16_t kEventHandle[] = u"SOA";
inline constexpr char16_t kEventFiles[] = u"TF\u00B7";

// The messages of the writer's queue: an entry (or null, the start-up
// probe), and the request to finish.
inline constexpr uint32_t kLogEntryMessage = 0x8001;
inline constexpr uint32_t kLogQuitMessage = 0x0012;

// Error of a write that had no writer to go to.
inline constexpr uint32_t kNoWriterThread = 1444;

class Log : public base {
 public:
  virtual Log& reserved() { return *this; }
  virtual uint32_t start() = 0;
  virtual uint32_t stop(uint32_t timeout_ms) = 0;
  virtual uint32_t write(const std::u16string& event, const std::u16string& text) = 0;
};

// One entry: the time of the write, the event, the text, and who wrote it.
class log_entry : public b_time {
 public:
  std::u16string event;
  std::u16string text;
  uint32_t process_id = 0;
  uint32_t thread_id = 0;
};

// The thread side of the log: takes messages from the queue until the quit
// message, writing the entries it accepts. Supplied by the log writer.
class log_writer_thread {
 public:
  virtual ~log_writer_thread() = default;
  virtual void run(platform::message_queue& queue) = 0;
};

using log_writer_factory = std::unique_ptr<log_writer_thread> (*)();

// The process-wide log. write() is safe from any thread once started.
class AsyncLog : public Log {
 public:
  // `factory` makes the writer at start; without one start() answers 50
  // and entries are dropped.
  explicit AsyncLog(log_writer_factory factory = nullptr);
  ~AsyncLog() override;

  void set_writer_factory(log_writer_factory factory) { factory_ = factory; }

  // Starts the writer thread and hands it a first (empty) entry.
  uint32_t start() override;
  // Asks the writer to finish and waits up to timeout_ms (0xFFFFFFFF: no
  // limit) for it; a writer that does not finish in time is left behind.
  // Later writes are dropped.
  uint32_t stop(uint32_t timeout_ms) override;
  // Queues an entry for the writer: 0, or kNoWriterThread when no writer
  // runs (the entry is dropped).
  uint32_t write(const std::u16string& event, const std::u16string& text) override;

  uint32_t thread_id = 0xFFFFFFFF;

 private:
  log_writer_factory factory_;
  std::shared_ptr<platform::message_queue> queue_;
  std::thread thread_;
  std::future<void> finished_;
};

// The process-wide log, made on first use (on the main thread, before the
// writer starts) and never destroyed.
AsyncLog* GetLog();

// Formats with printf conventions (narrow, UTF-8) and writes.
uint32_t log_printf(Log* log, const char* event, const char* pattern, ...)
    __attribute__((format(printf, 3, 4)));

// Formats with wformat conventions and writes.
template <class... A>
uint32_t log_wprintf(Log* log, std::u16string_view event,
                     std::u16string_view pattern, const A&... args) {
  return log->write(std::u16string(event), wformat(pattern, args...));
}

// Traces a scope: "name begin" at construction, "name text" for each
// write, "name end" at destruction, also when the scope is left by an
// exception.
class function_log : public base {
 public:
  function_log(std::u16string event, std::u16string name);
  ~function_log() override;
  void write(const std::u16string& text);

  std::u16string event;
  std::u16string name;
};

}  // namespace vyn

#endif  // VYN_LOG_LOG_H_
