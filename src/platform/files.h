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

}  // namespace vyn::platform

#endif  // VYN_PLATFORM_FILES_H_
