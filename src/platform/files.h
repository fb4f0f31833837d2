// Files on the platform's file system.
//
// Paths are UTF-16 in the library and bytes here: they are converted with
// the lossless UTF-8 rule, so every name on disk can be reached. Every call
// answers with a Windows error code: 0 on success.
#ifndef VYN_PLATFORM_FILES_H_
#define VYN_PLATFORM_FILES_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyn::platform {

using native_handle = int;
inline constexpr native_handle kInvalidHandle = -1;

std::string path_bytes(std::u16string_view path);
std::u16string path_text(std::string_view bytes);

enum class open_mode {
  read_existing,      // read; the file must exist
  create_always,      // read and write; created or emptied
  open_always,        // read and write; created when missing, kept otherwise
  create_new,         // read and write; fails with 80 when the name exists
};

// Opens a file. New files get `permissions` (less the umask).
uint32_t open_file(std::u16string_view path, open_mode mode,
                   native_handle& handle, uint32_t permissions = 0666);
uint32_t close_handle(native_handle handle);

uint32_t file_size(native_handle handle, uint64_t& size);
// Reads up to n bytes, fewer only at the end of the file.
uint32_t read_file(native_handle handle, void* buffer, size_t n, size_t& got);
// Writes all n bytes.
uint32_t write_file(native_handle handle, const void* buffer, size_t n);

enum class seek_origin { begin, current, end };
uint32_t seek_file(native_handle handle, int64_t offset, seek_origin origin);
// Cuts the file at the current position.
uint32_t truncate_here(native_handle handle);
// Makes the written data durable.
uint32_t flush_file(native_handle handle);

bool path_exists(std::u16string_view path);

// What the file system says about a path.
struct path_info {
  bool exists = false;
  bool is_directory = false;  // following links
  bool is_link = false;       // the path itself is a symbolic link
  bool read_only = false;     // the owner's write bit is clear
  bool hidden = false;        // the name starts with a dot
  uint32_t mode = 0;          // permission bits
  uint64_t device = 0, inode = 0;  // identity of what the path leads to
};
path_info query_path(std::u16string_view path);

// The path with every symbolic link resolved (absolute), or the path itself
// when it is no link. Fails with the platform's code (a dangling link: 2).
uint32_t resolve_links(std::u16string_view path, std::u16string& resolved);

uint32_t remove_file(std::u16string_view path);
// Replaces `to` by `from` in one atomic step (same file system).
uint32_t rename_file(std::u16string_view from, std::u16string_view to);
// Gives an open file the permission bits, and where allowed the owner, of
// the file at `model`.
uint32_t copy_permissions(native_handle handle, std::u16string_view model);
// Makes a rename in the directory of `path` durable.
uint32_t flush_directory_of(std::u16string_view path);

// One entry of a directory listing.
struct directory_entry {
  std::u16string name;
  bool is_directory = false;  // following links
  bool read_only = false;
  bool hidden = false;
};

// The entries of `directory` ("" is the current one) whose names match the
// wildcard pattern (* any run, ? any one unit; "*.*" every name; case
// matters), sorted by name; "." and ".." are never listed. Fails with 3
// when the directory does not exist or cannot be read.
uint32_t list_directory(std::u16string_view directory, std::u16string_view pattern,
                        std::vector<directory_entry>& entries);

bool wildcard_match(std::u16string_view pattern, std::u16string_view name);
bool has_wildcards(std::u16string_view name);

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_FILES_H_
