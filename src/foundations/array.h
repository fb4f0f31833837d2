// A fixed-size owning array.
#ifndef VYN_FOUNDATIONS_ARRAY_H_
#define VYN_FOUNDATIONS_ARRAY_H_

#include <algorithm>
#include <cstddef>

#include "foundations/base.h"

namespace vyn {

// Owns a block of `count` default-constructed elements. Not copyable.
template <class T>
class Array : public base {
 public:
  Array() = default;
  explicit Array(size_t n) { allocate(n); }
  Array(const Array&) = delete;
  Array& operator=(const Array&) = delete;
  ~Array() override { delete[] data; }

  // Discards the content and makes room for n elements; n 0 frees.
  void allocate(size_t n) {
    T* fresh = n ? new T[n]() : nullptr;
    delete[] data;
    data = fresh;
    count = n;
  }

  // A new block of n elements holding the first min(count, n) old ones;
  // n 0 frees.
  void resize(size_t n) {
    T* fresh = n ? new T[n]() : nullptr;
    std::copy_n(data, std::min(count, n), fresh);
    delete[] data;
    data = fresh;
    count = n;
  }

  T& operator[](size_t i) { return data[i]; }
  const T& operator[](size_t i) const { return data[i]; }
  T* begin() { return data; }
  T* end() { return data + count; }

  T* data = nullptr;
  size_t count = 0;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_ARRAY_H_
