// Running a file action on every file a mask names, optionally through a
// whole directory tree.
#ifndef VYN_TEXTFILES_FILE_MASK_H_
#define VYN_TEXTFILES_FILE_MASK_H_

#include <cstdint>
#include <string>
#include <vector>

#include "foundations/result.h"
#include "platform/files.h"
#include "tasks/task.h"
#include "textfiles/file_action.h"

namespace vyn {

// Windows-style attributes of a found entry.
enum : uint32_t {
  kAttributeReadOnly = 0x01,
  kAttributeHidden = 0x02,
  kAttributeDirectory = 0x10,
  kAttributeNormal = 0x80,
  kAttributeOffline = 0x1000,
};

// One directory enumeration: the entries of a directory that match a
// wildcard pattern, in name order.
class file_search : public base {
 public:
  ~file_search() override { close(); }

  // Starts over on "directory/pattern": 3 when the directory does not
  // exist, 2 when nothing matches.
  result first(std::u16string_view pattern);
  // The next entry; 18 at the end.
  result next();
  uint32_t close();

  bool is_open() const { return open_; }
  uint32_t attributes() const;
  const std::u16string& name() const;

 private:
  std::vector<platform::directory_entry> entries_;
  size_t at_ = 0;
  bool open_ = false;
};

// Splits a path into drive (always empty here), directory (with its
// trailing separator), file name and extension (from the last dot of the
// name). Outputs may be null. False, assigning nothing, when a part is too
// long: the directory beyond 4095 units, the name or the extension beyond
// 255.
bool split_path(std::u16string_view path, std::u16string* drive,
                std::u16string* directory, std::u16string* name,
                std::u16string* extension);

bool file_exists(std::u16string_view path);

// Runs `worker` (a file action) on every file that `mask` matches in its
// directory. Directories, read-only files and offline files are skipped;
// hidden files are processed. The result is success when the mask matched
// any entry, the first failing file's code otherwise (all files are tried);
// 3 for a missing directory and 2 when nothing matched. A mask whose
// directory part is too long to split is refused with 206.
class FileMaskWorker : public task {
 public:
  void set_name(std::u16string m) { mask = std::move(m); }
  result execute_nothrow() override;

  std::u16string mask;
  file_action* worker = nullptr;
};

// Runs a FileMaskWorker on the mask and then on the same pattern in every
// subdirectory, depth first, files before subdirectories. Links to
// directories are followed, but a directory already on the current path is
// not entered again. A no-match at one level gives way to a success below;
// subdirectories without matches or without access do not spoil a success.
class FileRecursive : public task {
 public:
  FileRecursive() { set_mask(u""); }
  // A mask ending in a separator (or empty) gets "*": every file.
  void set_mask(std::u16string m);
  void set_name(std::u16string m) { set_mask(std::move(m)); }
  result execute_nothrow() override;

  std::u16string mask;
  FileMaskWorker* worker = nullptr;

 private:
  // Identities (device, inode) of the directories on the current path.
  std::vector<std::pair<uint64_t, uint64_t>>* path_ = nullptr;
};

}  // namespace vyn

#endif  // VYN_TEXTFILES_FILE_MASK_H_
