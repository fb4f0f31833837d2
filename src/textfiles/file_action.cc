#include "textfiles/file_action.h"

#include "foundations/exceptions.h"
#include "platform/files.h"
#include "textfiles/textfile.h"

namespace vyn {
namespace {

// Removes the temporary file unless it was handed over.
class temporary_file {
 public:
  explicit temporary_file(std::u16string name) : name_(std::move(name)) {}
  ~temporary_file() {
    file_.close();
    if (created_) platform::remove_file(name_);
  }
  textfile& create(text_file_code_page cp) {
    file_.set(name_, cp);
    file_.open(name_, platform::open_mode::create_new);
    created_ = true;
    return file_;
  }
  bool created() const { return created_; }
  textfile& file() { return file_; }
  void handed_over() { created_ = false; }

 private:
  std::u16string name_;
  textfile file_;
  bool created_ = false;
};

}  // namespace

text_file_block_action& text_file_block_action::execute() {
  // A symbolic link stays a link: the file it leads to is rewritten.
  std::u16string target;
  if (uint32_t code = platform::resolve_links(file_name, target)) {
    throw file_error(file_name, code);
  }
  textfile source(target, source_code_page);
  source.block_size = block_size;

  const std::u16string temp_name = target + u".tmp";
  if (platform::query_path(temp_name).exists) {
    if (uint32_t code = platform::remove_file(temp_name)) {
      throw windows_error(temp_name, code);
    }
  }

  temporary_file temp(temp_name);
  std::u16string text;
  text_file_code_page read_in{cp_invalid, 0};
  if (action_set) action_set->reset_replacements();
  while (source.read_block(text, &read_in)) {
    if (action_set) {
      action_set->set_text(&text);
      action_set->execute();
    }
    if (!temp.created()) {
      text_file_code_page written =
          (target_code_page.number == cp_auto || target_code_page.number == read_in.number)
              ? read_in
              : target_code_page;
      written_code_page = written;
      textfile& out = temp.create(written);
      if (result r = out.write(text); !r.ok()) throw file_error(temp_name, r.code());
    } else {
      temp.file().append_or_throw(text);
    }
  }
  if (!temp.created()) return *this;  // an empty file: nothing to write

  textfile& out = temp.file();
  if (uint32_t code = platform::copy_permissions(out.handle.handle, target)) {
    throw file_error(temp_name, code);
  }
  if (uint32_t code = platform::flush_file(out.handle.handle)) {
    throw file_error(temp_name, code);
  }
  if (result r = out.close_result(); !r.ok()) throw file_error(temp_name, r.code());
  if (uint32_t code = platform::rename_file(temp_name, target)) {
    throw windows_error(file_name, code);
  }
  temp.handed_over();
  platform::flush_directory_of(target);
  return *this;
}

}  // namespace vyn
