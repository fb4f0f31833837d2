#include "textfiles/file.h"

#include "foundations/wformat.h"
#include "log/log.h"

namespace vyn {

THandle::~THandle() {
  if (is_valid()) close();
}

uint32_t THandle::close() {
  if (!is_valid()) {
    log_wprintf(GetLog(), kEventHandle,
                u"Closing handle: h=%s,this=%s-skipped(invalid).",
                wformat(u"%#x", uint32_t(handle)),
                wformat(u"%#x", reinterpret_cast<uintptr_t>(this)));
    return 0;
  }
  uint32_t code = platform::close_handle(handle);
  handle = platform::kInvalidHandle;
  return code;
}

file_error::file_error(std::u16string name, uint32_t code)
    : windows_error(u"File operation failed '" + name + u"'", code),
      name_(std::move(name)) {}

file::~file() {
  if (handle.is_valid()) {
    platform::flush_file(handle.handle);
    handle.close();
  }
}

void file::open(const std::u16string& name, platform::open_mode mode) {
  if (uint32_t code = open_nothrow(name, mode)) throw file_error(name, code);
}

uint32_t file::open_nothrow(const std::u16string& name, platform::open_mode mode) {
  file_name = name;
  if (handle.is_valid()) handle.close();
  return platform::open_file(name, mode, handle.handle);
}

void file::close() {
  if (handle.is_valid()) handle.close();
}

result file::close_result() {
  uint32_t code = handle.is_valid() ? handle.close() : 0;
  return result(code, u"", severity_error);
}

}  // namespace vyn
