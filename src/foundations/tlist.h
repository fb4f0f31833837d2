// An owning list of pointers, optionally kept sorted.
#ifndef VYN_FOUNDATIONS_TLIST_H_
#define VYN_FOUNDATIONS_TLIST_H_

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundations/base.h"
#include "foundations/check.h"
#include "foundations/cmp_res.h"

namespace vyn {

// The shared search of sorted lists: where `key` belongs among `count`
// ascending entries. cmp(i) compares the key with entry i. The probe lies
// three fifths of the way from the low to the high bound. When the key
// equals some entry the point returned may be that entry's index.
template <class Cmp>
int32_t sorted_insertion_point(int32_t count, Cmp cmp) {
  if (count == 0) return 0;
  if (count == 1) return cmp(0) < 0 ? 0 : 1;
  if (cmp(count - 1) > 0) return count;
  int32_t low = 0, high = count - 1, probe = high * 3 / 5;
  for (;;) {
    int c = cmp(probe);
    if (c == 0) return probe;
    if (c > 0) {
      low = probe < high ? probe + 1 : probe;
      probe = high;
    }
    int32_t next = (3 * probe + 2 * low) / 5;
    if (probe == low) return next;
    high = probe;
    probe = next;
  }
}

// Owns its items and deletes them, last first. T provides
//   TCmpRes compare(const K& key, int mode) const
// for every key type K it is searched by (T itself for sorted adds); the
// result orders the entry against the key.
template <class T>
class TList : public base {
 public:
  enum : uint32_t { kUnique = 0x80 };

  // sorted_mode 0 keeps insertion order; any other value is the compare
  // mode that orders the list.
  explicit TList(int32_t step = 16, int32_t sorted_mode = 0, uint32_t f = 0)
      : flags(f), step(step > 0 ? step : 1), sorted(sorted_mode) {}
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  ~TList() override { clear(); }

  // Adds an item and takes ownership. Sorted lists insert it in order; with
  // the unique flag an item whose key is already present is not inserted
  // (nor owned: the caller keeps it) and -1 is returned.
  int32_t add(T* item) {
    if (!item) throw_guard_failure(kHeader, 1639);
    if (!sorted) return push_back(item);
    int32_t point = sorted_insertion_point(
        count, [&](int32_t i) { return -items[i]->compare(*item, sorted).value; });
    if ((flags & kUnique) && count > 0) {
      int32_t at = point < count ? point : count - 1;
      if (items[at]->compare(*item, sorted).value == 0) return -1;
    }
    return insert(item, point);
  }

  int32_t push_back(T* item) { return insert(item, count); }

  // Inserts at index (which may equal count) and takes ownership.
  int32_t insert(T* item, int32_t index) {
    if (!item) throw_guard_failure(kHeader, 1639);
    if (index < 0 || index > count) throw_guard_failure(kHeader, 1688);
    if (count == capacity) grow();
    std::memmove(items + index + 1, items + index,
                 sizeof(T*) * size_t(count - index));
    items[index] = item;
    ++count;
    return index;
  }

  T* at(int32_t index) const {
    if (index < 0 || index >= count) throw_guard_failure(kHeader, 1776);
    return items[index];
  }
  T* operator[](int32_t index) const { return at(index); }

  void reserve(int32_t n) {
    if (n > capacity) reallocate(round_up(n));
  }

  // The entry equal to key under mode, or null. A sorted list searched in
  // its own ordering bisects; otherwise entries are tried from the first.
  template <class K>
  T* find(const K& key, int mode) const {
    if (sorted && mode == sorted) {
      if (count == 0) return nullptr;
      int32_t point = sorted_insertion_point(
          count, [&](int32_t i) { return -items[i]->compare(key, mode).value; });
      int32_t at = point < count ? point : count - 1;
      return items[at]->compare(key, mode).value == 0 ? items[at] : nullptr;
    }
    for (int32_t i = 0; i < count; ++i) {
      if (items[i]->compare(key, mode).value == 0) return items[i];
    }
    return nullptr;
  }

  // Deletes every item, last first, and frees the array.
  void clear() {
    while (count > 0) delete items[--count];
    std::free(items);
    items = nullptr;
    capacity = 0;
  }

  T** items = nullptr;
  uint32_t flags = 0;
  int32_t capacity = 0;
  int32_t step = 16;
  int32_t count = 0;
  int32_t sorted = 0;

 private:
  static constexpr const char* kHeader = "..\\Src\\lib\\vyn";

  int32_t round_up(int32_t n) const {
    if (n <= 0) n = 1;
    return (n + step - 1) / step * step;
  }
  void grow() { reallocate(round_up(count + 1)); }
  void reallocate(int32_t n) {
    void* p = std::realloc(items, sizeof(T*) * size_t(n));
    if (!p) throw_guard_failure(kHeader, 1730);
    items = static_cast<T**>(p);
    capacity = n;
  }
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_TLIST_H_
