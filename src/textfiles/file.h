// Owned handles and named files.
#ifndef VYN_TEXTFILES_FILE_H_
#define VYN_TEXTFILES_FILE_H_

#include <cstdint>
#include <string>

#include "foundations/base.h"
#include "foundations/exceptions.h"
#include "foundations/result.h"
#include "platform/files.h"

namespace vyn {

// Owns one handle and closes it once.
class THandle : public base {
 public:
  THandle() = default;
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  ~THandle() override;

  // Closes a valid handle and returns the platform's code (0 on success);
  // the handle is invalid afterwards either way. Closing an invalid handle
  // logs a "SOA" line and returns 0.
  virtual uint32_t close();
  bool is_valid() const { return handle != platform::kInvalidHandle; }

  platform::native_handle handle = platform::kInvalidHandle;
};

// A failed file operation: "File operation failed '<name>'" with the code.
class file_error : public windows_error {
 public:
  file_error(std::u16string name, uint32_t code);
  const std::u16string& file_name() const { return name_; }

 private:
  std::u16string name_;
};

// A named file.
class file : public base {
 public:
  file() = default;
  explicit file(std::u16string name) : file_name(std::move(name)) {}
  // Flushes an open file to disk, then closes it.
  ~file() override;

  // Opens `name` (stored as file_name); throws file_error on failure.
  void open(const std::u16string& name, platform::open_mode mode);
  // The same, answering with the platform's code instead.
  uint32_t open_nothrow(const std::u16string& name, platform::open_mode mode);

  virtual void close();
  // Closes and reports the close's code (severity 3 when it failed).
  virtual result close_result();
  bool is_open() const { return handle.is_valid(); }

  std::u16string file_name;
  THandle handle;
};

}  // namespace vyn

#endif  // VYN_TEXTFILES_FILE_H_
