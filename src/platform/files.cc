#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/utf.h"
#include "platform/error_codes.h"

namespace vyn::platform {
namespace {

uint32_t last_error() { return code_from_errno(errno); }

}  // namespace

std::string path_bytes(std::u16string_view path) { return utf16_to_utf8(path); }
std::u16string path_text(std::string_view bytes) { return utf8_to_utf16(bytes); }

uint32_t open_file(std::u16string_view path, open_mode mode,
                   native_handle& handle, uint32_t permissions) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case open_mode::read_existing: flags |= O_RDONLY; break;
    case open_mode::create_always: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    case open_mode::open_always: flags |= O_RDWR | O_CREAT; break;
    case open_mode::create_new: flags |= O_RDWR | O_CREAT | O_EXCL; break;
  }
  std::string p = path_bytes(path);
  int fd;
  do {
    fd = ::open(p.c_str(), flags, mode_t(permissions));
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    handle = kInvalidHandle;
    return last_error();
  }
  if (mode == open_mode::read_existing) {
    // A directory opens for reading on Linux; Windows refuses it.
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
      ::close(fd);
      handle = kInvalidHandle;
      return kAccessDenied;
    }
  }
  handle = fd;
  return 0;
}

uint32_t close_handle(native_handle handle) {
  return ::close(handle) == 0 ? 0 : last_error();
}

uint32_t file_size(native_handle handle, uint64_t& size) {
  struct stat st;
  if (fstat(handle, &st) != 0) return last_error();
  size = uint64_t(st.st_size);
  return 0;
}

uint32_t read_file(native_handle handle, void* buffer, size_t n, size_t& got) {
  got = 0;
  auto* p = static_cast<char*>(buffer);
  while (got < n) {
    ssize_t r = ::read(handle, p + got, n - got);
    if (r < 0) {
      if (errno == EINTR) continue;
      return last_error();
    }
    if (r == 0) break;
    got += size_t(r);
  }
  return 0;
}

uint32_t write_file(native_handle handle, const void* buffer, size_t n) {
  const auto* p = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < n) {
    ssize_t w = ::write(handle, p + done, n - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return last_error();
    }
    done += size_t(w);
  }
  return 0;
}

uint32_t seek_file(native_handle handle, int64_t offset, seek_origin origin) {
  int whence = origin == seek_origin::begin ? SEEK_SET
               : origin == seek_origin::current ? SEEK_CUR : SEEK_END;
  return ::lseek(handle, off_t(offset), whence) < 0 ? last_error() : 0;
}

uint32_t truncate_here(native_handle handle) {
  off_t at = ::lseek(handle, 0, SEEK_CUR);
  if (at < 0) return last_error();
  return ::ftruncate(handle, at) == 0 ? 0 : last_error();
}

uint32_t flush_file(native_handle handle) {
  return ::fsync(handle) == 0 ? 0 : last_error();
}

bool path_exists(std::u16string_view path) {
  struct stat st;
  return ::stat(path_bytes(path).c_str(), &st) == 0;
}

}  // namespace vyn::platform
