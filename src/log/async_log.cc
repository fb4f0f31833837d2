// The process-wide log: starting and stopping its writer thread.
#include <chrono>

#include "log/log.h"
#include "platform/message_queue.h"
#include "platform/process_info.h"

namespace vyn {

AsyncLog::AsyncLog(log_writer_factory factory) : factory_(factory) {}

AsyncLog::~AsyncLog() {
  if (thread_.joinable()) thread_.detach();
}

uint32_t AsyncLog::start() {
  if (!factory_) return 50;
  if (queue_) return 0;  // started once; a stopped log stays stopped
  // The date codes go into the error registry here, on the starting thread:
  // once the writer runs, both threads make entries, and the registry is
  // only read from then on.
  b_time{};
  // The queue exists before the thread does: the writer's own entries go
  // to it, and it is never replaced while a writer may read it.
  auto queue = std::make_shared<platform::message_queue>();
  queue_ = queue;
  std::shared_ptr<log_writer_thread> writer = factory_();
  std::promise<void> done;
  finished_ = done.get_future();
  std::promise<uint32_t> id;
  std::future<uint32_t> id_known = id.get_future();
  try {
    thread_ = std::thread([queue, writer, done = std::move(done), id = std::move(id)]() mutable {
      id.set_value(platform::thread_id());
      try {
        writer->run(*queue);
      } catch (...) {
      }
      done.set_value();
    });
  } catch (const std::system_error&) {
    queue_->close();
    return 8;  // no thread could be made: go on without a log
  }
  thread_id = id_known.get();
  queue_->post({kLogEntryMessage, nullptr});  // the start-up probe
  return 0;
}

uint32_t AsyncLog::stop(uint32_t timeout_ms) {
  if (!queue_ || !thread_.joinable()) return 0;
  queue_->post({kLogQuitMessage, nullptr});
  bool ended = timeout_ms == 0xFFFFFFFF
                   ? (finished_.wait(), true)
                   : finished_.wait_for(std::chrono::milliseconds(timeout_ms)) ==
                         std::future_status::ready;
  queue_->close();  // later writes are dropped
  if (ended) {
    thread_.join();
  } else {
    thread_.detach();  // it holds its own share of the queue
  }
  thread_id = 0xFFFFFFFF;
  return ended ? 0 : 258;  // 258: the wait timed out
}

}  // namespace vyn
