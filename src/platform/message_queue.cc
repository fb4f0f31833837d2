#include "platform/message_queue.h"

#include <chrono>

namespace vyn::platform {

bool message_queue::post(message m) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return false;
    messages_.push_back(m);
  }
  ready_.notify_one();
  return true;
}

bool message_queue::take(message& m, int64_t timeout_ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  auto has_message = [&] { return !messages_.empty(); };
  if (timeout_ms < 0) {
    ready_.wait(lock, has_message);
  } else if (!ready_.wait_for(lock, std::chrono::milliseconds(timeout_ms), has_message)) {
    return false;
  }
  m = messages_.front();
  messages_.pop_front();
  return true;
}

void message_queue::close() {
  std::lock_guard<std::mutex> lock(mutex_);
  closed_ = true;
}

}  // namespace vyn::platform
