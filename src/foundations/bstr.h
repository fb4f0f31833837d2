// Narrow strings for ANSI text read from files and for standard-library
// exception messages.
#ifndef VYN_FOUNDATIONS_BSTR_H_
#define VYN_FOUNDATIONS_BSTR_H_

#include <cstdint>

#include "foundations/base.h"
#include "foundations/cmp_res.h"
#include "foundations/memory_buffer.h"

namespace vyn {

// A view of a NUL-terminated narrow string whose storage belongs to a
// subclass. The changing operations do nothing here; Str implements them.
class BStr : public base {
 public:
  enum : uint32_t {
    kTrimLeft = 1,   // after every change remove leading blanks
    kTrimRight = 2,  // after every change remove trailing blanks
  };
  // compare() modes, combinable.
  enum : int { kIgnoreCase = 1, kPrefix = 2 };

  virtual void assign(const char* s, unsigned max = 0);
  virtual void assign(const BStr& other);
  virtual void insert(const char* s, unsigned pos, unsigned count = 0);
  virtual const char* format(const char* pattern, ...)
      __attribute__((format(printf, 2, 3)));

  // Removes n bytes at pos (n 0: up to the end). Throws wexception
  // "..\Src\gen\BStr line 73", changing nothing, when pos + n > length.
  void erase(int32_t pos, int32_t n = 0);
  // Removes the last n bytes; n >= length empties the string.
  void cut_tail(int32_t n);
  void clear();
  void trim_left();
  void trim_right();
  void trim();
  // Removes one enclosing pair of double quotes when the first quote after
  // the opening one is the last character.
  void unquote();

  // Bit 0 of mode: ignore (ASCII) case; bit 1: compare only over the length
  // of other (a prefix test).
  TCmpRes compare(const BStr& other, int mode = 0) const;
  TCmpRes compare(const char* other, int mode = 0) const;

  const char* c_str() const { return data ? data : ""; }

  char* data = nullptr;
  int32_t length = 0;
  uint32_t flags = 0;

 protected:
  BStr() = default;
  // Applies the trimming flags: leading first, then trailing.
  void apply_flags();
};

// A narrow string that owns its bytes. The buffer always holds at least
// length + 1 bytes and grows in steps of 32.
class Str : public BStr {
 public:
  Str();
  explicit Str(const char* s, uint32_t flags = 0);
  Str(const Str& other);
  Str& operator=(const Str& other);

  using BStr::assign;
  void assign(const char* s, unsigned max = 0) override;
  void assign(const BStr& other) override;
  void insert(const char* s, unsigned pos, unsigned count = 0) override;
  const char* format(const char* pattern, ...) override
      __attribute__((format(printf, 2, 3)));
  void append(const char* s);

  size_t capacity() const { return buffer_.size(); }

 private:
  // Makes room for n bytes plus the NUL: unchanged when the buffer already
  // holds n + 1 bytes and n is not 0, else reallocated to the next multiple
  // of 32 above n.
  void reserve_for(size_t n);
  void set_bytes(const char* s, size_t n);

  char_buffer buffer_;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_BSTR_H_
