// The running process: its program file, ids, clocks.
#ifndef VYN_PLATFORM_PROCESS_INFO_H_
#define VYN_PLATFORM_PROCESS_INFO_H_

#include <cstdint>
#include <string>

namespace vyn::platform {

// The full path of the running program, or empty when it cannot be told.
std::u16string executable_path();

uint32_t process_id();
uint32_t thread_id();

// Milliseconds from a fixed point, never going back.
uint64_t tick_count_ms();

struct local_time {
  int year, month, day, hour, minute, second, millisecond;
  int day_of_week;  // 0 = Sunday
};
local_time now_local();

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_PROCESS_INFO_H_
