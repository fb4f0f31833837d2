// A thread's message queue: any thread posts, one thread takes.
//
// This is the only place where a lock is taken; callers share nothing but
// the queue.
#ifndef VYN_PLATFORM_MESSAGE_QUEUE_H_
#define VYN_PLATFORM_MESSAGE_QUEUE_H_

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

namespace vyn::platform {

struct message {
  uint32_t id = 0;
  void* payload = nullptr;
};

class message_queue {
 public:
  // Queues a message; false once the queue is closed (the message is not
  // queued and the caller keeps the payload).
  bool post(message m);

  // Waits up to timeout_ms (negative: without limit) for a message. False
  // when the time ran out first.
  bool take(message& m, int64_t timeout_ms);

  // Refuses further posts. Messages already queued can still be taken.
  void close();

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<message> messages_;
  bool closed_ = false;
};

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_MESSAGE_QUEUE_H_
