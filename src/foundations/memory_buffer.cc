#include "foundations/memory_buffer.h"

#include <cstdlib>
#include <new>

void memory_buffer::allocate(size_t n) {
  release();
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  data_ = static_cast<char*>(p);
  size_ = n;
}

void memory_buffer::resize(size_t n) {
  if (!data_) return allocate(n);
  void* p = std::realloc(data_, n ? n : 1);
  if (!p) throw std::bad_alloc();
  data_ = static_cast<char*>(p);
  size_ = n;
}

int memory_buffer::release() {
  std::free(data_);
  data_ = nullptr;
  size_ = 0;
  return 0;
}
