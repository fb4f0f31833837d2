#include "platform/process_info.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <vector>

#include "platform/files.h"

namespace vyn::platform {

std::u16string executable_path() {
  std::vector<char> buf(4096);
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || size_t(n) >= buf.size()) return {};
  return path_text(std::string_view(buf.data(), size_t(n)));
}

uint32_t process_id() { return uint32_t(::getpid()); }

uint32_t thread_id() { return uint32_t(::syscall(SYS_gettid)); }

uint64_t tick_count_ms() {
  using namespace std::chrono;
  return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

local_time now_local() {
  timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  tm parts;
  localtime_r(&ts.tv_sec, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     int(ts.tv_nsec / 1000000),
          parts.tm_wday};
}

}  // namespace vyn::platform
