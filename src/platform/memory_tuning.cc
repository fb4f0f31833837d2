#include "platform/memory_tuning.h"

#include <malloc.h>

namespace vyn::platform {

void keep_large_blocks_in_heap() {
  // Blocks up to 1 GiB come from the heap; a free top of the heap is kept
  // up to 1 GiB before it is given back.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

}  // namespace vyn::platform
