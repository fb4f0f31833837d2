// Owned blocks of heap memory.
#ifndef VYN_FOUNDATIONS_MEMORY_BUFFER_H_
#define VYN_FOUNDATIONS_MEMORY_BUFFER_H_

#include <cstddef>

#include "foundations/base.h"

// An owned block of bytes. A failed allocation throws std::bad_alloc; it
// never leaves a null block behind a successful call.
class memory_buffer : public vyn::base {
 public:
  memory_buffer() = default;
  memory_buffer(const memory_buffer&) = delete;
  memory_buffer& operator=(const memory_buffer&) = delete;
  ~memory_buffer() override { release(); }

  // Frees the old block and allocates n bytes (content undefined).
  void allocate(size_t n);
  // Grows or shrinks to n bytes, keeping the first min(old, n) bytes;
  // allocates when there is no block yet.
  void resize(size_t n);
  // Frees the block; data() becomes null and size() 0. Returns 0.
  int release();

  char* data() { return data_; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  size_t size_ = 0;
};

// A byte buffer for text read from files.
class char_buffer : public memory_buffer {};

#endif  // VYN_FOUNDATIONS_MEMORY_BUFFER_H_
