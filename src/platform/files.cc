#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

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

path_info query_path(std::u16string_view path) {
  path_info info;
  std::string p = path_bytes(path);
  struct stat lst;
  if (::lstat(p.c_str(), &lst) != 0) return info;
  info.exists = true;
  info.is_link = S_ISLNK(lst.st_mode);
  struct stat st = lst;
  if (info.is_link && ::stat(p.c_str(), &st) != 0) st = lst;  // dangling
  info.is_directory = S_ISDIR(st.st_mode);
  info.read_only = (st.st_mode & S_IWUSR) == 0;
  info.mode = uint32_t(st.st_mode & 07777);
  info.device = uint64_t(st.st_dev);
  info.inode = uint64_t(st.st_ino);
  size_t slash = path.rfind(u'/');
  std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  info.hidden = name.size() > 1 && name[0] == u'.' && name != u"..";
  return info;
}

uint32_t resolve_links(std::u16string_view path, std::u16string& resolved) {
  std::string p = path_bytes(path);
  struct stat lst;
  if (::lstat(p.c_str(), &lst) != 0) return last_error();
  if (!S_ISLNK(lst.st_mode)) {
    resolved = std::u16string(path);
    return 0;
  }
  std::unique_ptr<char, void (*)(void*)> real(::realpath(p.c_str(), nullptr), ::free);
  if (!real) return last_error();
  resolved = path_text(real.get());
  return 0;
}

uint32_t remove_file(std::u16string_view path) {
  return ::unlink(path_bytes(path).c_str()) == 0 ? 0 : last_error();
}

uint32_t rename_file(std::u16string_view from, std::u16string_view to) {
  return ::rename(path_bytes(from).c_str(), path_bytes(to).c_str()) == 0 ? 0 : last_error();
}

uint32_t copy_permissions(native_handle handle, std::u16string_view model) {
  struct stat st;
  if (::stat(path_bytes(model).c_str(), &st) != 0) return last_error();
  // The owner can only be given away by a privileged process; without the
  // privilege the new file keeps ours, as any editor's copy would.
  if (::fchown(handle, st.st_uid, st.st_gid) != 0) {
    (void)::fchown(handle, uid_t(-1), st.st_gid);
  }
  return ::fchmod(handle, st.st_mode & 07777) == 0 ? 0 : last_error();
}

uint32_t flush_directory_of(std::u16string_view path) {
  size_t slash = path.rfind(u'/');
  std::u16string dir = slash == std::u16string_view::npos ? u"." : std::u16string(path.substr(0, slash + 1));
  int fd = ::open(path_bytes(dir).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return last_error();
  uint32_t code = ::fsync(fd) == 0 ? 0 : last_error();
  ::close(fd);
  return code;
}

bool has_wildcards(std::u16string_view name) {
  return name.find_first_of(u"*?") != std::u16string_view::npos;
}

bool wildcard_match(std::u16string_view pattern, std::u16string_view name) {
  if (pattern == u"*.*" || pattern == u"*") return true;
  // Iterative matching with one backtrack point for the last star.
  size_t p = 0, n = 0, star = std::u16string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      star = p++;
      mark = n;
    } else if (star != std::u16string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

uint32_t list_directory(std::u16string_view directory, std::u16string_view pattern,
                        std::vector<directory_entry>& entries) {
  entries.clear();
  std::string dir = directory.empty() ? std::string(".") : path_bytes(directory);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return errno == EACCES ? kAccessDenied : kPathNotFound;
  std::string prefix = dir.back() == '/' ? dir : dir + "/";
  while (dirent* e = ::readdir(d)) {
    std::string_view raw(e->d_name);
    if (raw == "." || raw == "..") continue;
    std::u16string name = path_text(raw);
    if (!wildcard_match(pattern, name)) continue;
    directory_entry entry;
    entry.name = std::move(name);
    struct stat st;
    std::string full = prefix + std::string(raw);
    if (::stat(full.c_str(), &st) == 0 || ::lstat(full.c_str(), &st) == 0) {
      entry.is_directory = S_ISDIR(st.st_mode);
      entry.read_only = (st.st_mode & S_IWUSR) == 0;
    }
    entry.hidden = raw.size() > 1 && raw[0] == '.';
    entries.push_back(std::move(entry));
  }
  ::closedir(d);
  std::sort(entries.begin(), entries.end(),
            [](const directory_entry& a, const directory_entry& b) { return a.name < b.name; });
  return 0;
}

}  // namespace vyn::platform
