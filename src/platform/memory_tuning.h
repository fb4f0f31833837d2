// Process-wide heap settings.
#ifndef VYN_PLATFORM_MEMORY_TUNING_H_
#define VYN_PLATFORM_MEMORY_TUNING_H_

namespace vyn::platform {

// Keeps freed large blocks in the heap for reuse instead of returning them
// to the system. Texts are processed in blocks of tens of megabytes, and
// each new mapping from the system costs a page fault per page on first
// touch, which can take longer than the work done on the block. Call once,
// early, before the first large allocation.
void keep_large_blocks_in_heap();

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_MEMORY_TUNING_H_
