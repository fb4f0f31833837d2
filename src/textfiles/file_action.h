// Tasks bound to one file: the block-wise transformation of a text file
// through a temporary file beside it.
#ifndef VYN_TEXTFILES_FILE_ACTION_H_
#define VYN_TEXTFILES_FILE_ACTION_H_

#include <cstdint>
#include <string>

#include "tasks/string_action.h"
#include "tasks/task.h"
#include "textfiles/code_page.h"

namespace vyn {

// A task that works on the file named by file_name, set before each run.
class file_action : public task {
 public:
  file_action() : task(1) {}
  void set_name(std::u16string name) { file_name = std::move(name); }

  std::u16string file_name;
};

// A file action with code pages and the string actions to apply.
class text_file_action : public file_action {
 public:
  // -1 for a number means auto: detect when reading, as read when writing.
  void set_code_pages(int32_t source, int32_t source_bom, int32_t target,
                      int32_t target_bom) {
    source_code_page = {source, source_bom};
    target_code_page = {target, target_bom};
  }
  // The actions (usually a string_action_set); not owned, null copies the
  // text unchanged.
  void set_action_set(string_action* set) { action_set = set; }

  text_file_code_page written_code_page{cp_auto, 0};
  string_action* action_set = nullptr;
  text_file_code_page source_code_page{cp_auto, 0};
  text_file_code_page target_code_page{cp_auto, 0};
};

// Transforms a text file block by block (blocks of whole lines of at most
// block_size bytes): each block is decoded, handed to the action set and
// encoded into "<file>.tmp" beside the file (beside the link's target for a
// symbolic link), which then replaces the file in one atomic rename with
// the file's permission bits. The target code page is chosen on the first
// block: the code page as read (mark included) when the target is auto or
// has the same number, else the target. An empty file is left alone.
//
// Throws on failure, and then the file is untouched and no temporary file
// is left: windows_error with the temporary name when a stale temporary
// file cannot be removed, file_error for the source or the temporary file,
// windows_error with the file name when the rename fails, and whatever the
// string actions throw.
class text_file_block_action : public text_file_action {
 public:
  text_file_block_action& execute() override;

  int64_t block_size = 52'428'800;
};

}  // namespace vyn

#endif  // VYN_TEXTFILES_FILE_ACTION_H_
