// Text files: whole-file and block reading, writing and appending, through
// the code page rules.
#ifndef VYN_TEXTFILES_TEXTFILE_H_
#define VYN_TEXTFILES_TEXTFILE_H_

#include <cstdint>
#include <string>

#include "textfiles/code_page.h"
#include "textfiles/file.h"

namespace vyn {

class textfile : public file {
 public:
  textfile() = default;
  textfile(std::u16string name, text_file_code_page cp)
      : file(std::move(name)), code_page(cp) {}

  void set(std::u16string name, text_file_code_page cp) {
    file_name = std::move(name);
    code_page = cp;
  }

  // Reads the whole file into `text` (cleared first). `reported`, when
  // given, receives the code page the text was read in; an empty file
  // leaves it alone. A leading byte-order mark is not part of the text.
  // Throws file_error, or windows_error for a code page this platform lacks.
  void read(std::u16string& text, text_file_code_page* reported = nullptr);

  // Reads the next block of whole lines into `text` (cleared first); false
  // at the end of the file. The first call opens the file, detects the code
  // page when it is auto and reports it; the file stays open until the end.
  // Blocks end after their last line feed; a block without one grows until
  // a line feed comes or the file ends, and the last line needs none. A
  // byte-order mark is skipped only at the very start of the file. Each
  // block is decoded in one call. Throws like read().
  bool read_block(std::u16string& text, text_file_code_page* reported = nullptr);

  // The file's content becomes the encoded text (with the mark the code
  // page calls for). Never throws.
  result write(std::u16string_view text);

  // Adds the encoded text at the end, never with a mark; a missing file is
  // created as by write(). Code pages other than ANSI, OEM, UCS-2LE, auto
  // and UTF-8 fail with 87 and write nothing. Never throws.
  result append(std::u16string_view text);
  // append(), throwing file_error when it fails.
  void append_or_throw(std::u16string_view text);

  int64_t block_size = 1 << 20;
  text_file_code_page code_page{cp_auto, 0};
  text_file_code_page effective_code_page{cp_auto, 0};

 private:
  result write_bytes(const std::string& bytes, bool utf8);

  bool blocks_started_ = false;
  bool first_block_ = true;
  int32_t block_decoder_ = cp_auto;
  size_t mark_ = 0;      // byte-order mark still to skip at the start of pending_
  std::string pending_;  // bytes read but not yet delivered
};

}  // namespace vyn

#endif  // VYN_TEXTFILES_TEXTFILE_H_
