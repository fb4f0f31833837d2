#include "textfiles/textfile.h"

#include <string>

#include "platform/error_codes.h"
#include "platform/unicode_text_check.h"

namespace vyn {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool starts_with_utf8_mark(std::string_view bytes) {
  return bytes.size() >= 3 && bytes.substr(0, 3) == kUtf8Mark;
}

// Whether UTF-16LE bytes start with a mark by the Unicode test.
bool ucs2_signature(std::string_view bytes, bool* verdict = nullptr) {
  uint32_t mask = platform::kUnicodeAscii16 | platform::kUnicodeStatistics |
                  platform::kUnicodeControls | platform::kUnicodeSignature;
  bool yes = platform::is_text_unicode(bytes.data(), bytes.size(), &mask);
  if (verdict) *verdict = yes;
  return (mask & platform::kUnicodeSignature) != 0;
}

}  // namespace

void textfile::read(std::u16string& text, text_file_code_page* reported) {
  text.clear();
  const bool opened_here = !handle.is_valid();
  if (opened_here) {
    open(file_name, platform::open_mode::read_existing);
  } else if (uint32_t code = platform::seek_file(handle.handle, 0, platform::seek_origin::begin)) {
    throw file_error(file_name, code);
  }
  std::string bytes;
  uint64_t size = 0;
  uint32_t code = platform::file_size(handle.handle, size);
  if (code == 0 && size > 0) {
    bytes.resize(size);
    size_t got = 0;
    code = platform::read_file(handle.handle, bytes.data(), bytes.size(), got);
    bytes.resize(got);
  }
  if (opened_here) close();
  if (code) throw file_error(file_name, code);
  if (bytes.empty()) return;

  const text_file_code_page detected =
      code_page.number == cp_auto ? detect_code_page(bytes.data(), bytes.size())
                                  : text_file_code_page{cp_invalid, 0};
  const int32_t kind = decoding_code_page(code_page, detected);
  std::string_view body(bytes);
  text_file_code_page read_in{kind, 0};
  if (kind == cp_ucs2le) {
    bool verdict = false;
    read_in.bom = ucs2_signature(body, &verdict) ? 1 : 0;
    if (verdict && read_in.bom) body.remove_prefix(2);
  } else if (kind == cp_utf8) {
    read_in.bom = starts_with_utf8_mark(body) ? 1 : 0;
    if (read_in.bom) body.remove_prefix(3);
  } else if (kind != cp_ansi && kind != cp_oem) {
    read_in = {code_page.number, 0};
  }
  decode_bytes(kind, body, text, file_name);
  if (reported) *reported = read_in;
}

bool textfile::read_block(std::u16string& text, text_file_code_page* reported) {
  text.clear();
  if (!blocks_started_) {
    blocks_started_ = true;
    first_block_ = true;
    pending_.clear();
    open(file_name, platform::open_mode::read_existing);
    uint64_t size = 0;
    if (uint32_t code = platform::file_size(handle.handle, size)) {
      close();
      throw file_error(file_name, code);
    }
    if (size == 0) {
      close();
      return false;
    }
  }
  if (!handle.is_valid()) return false;  // the end was delivered before

  // Even, so that UTF-16 detection never sees an odd-length first block.
  const size_t chunk = (size_t(block_size > 0 ? block_size : 1) + 1) & ~size_t(1);
  // Room for a block and the unfinished line carried over from the last.
  if (pending_.capacity() < chunk + chunk / 8) pending_.reserve(chunk + chunk / 8);
  for (;;) {
    const size_t old = pending_.size();
    pending_.resize(old + chunk);
    size_t got = 0;
    uint32_t code = platform::read_file(handle.handle, pending_.data() + old, chunk, got);
    pending_.resize(old + got);
    if (code) throw file_error(file_name, code);
    const bool at_end = got < chunk;

    if (first_block_) {
      first_block_ = false;
      text_file_code_page detected{cp_invalid, 0};
      if (code_page.number == cp_auto && !pending_.empty()) {
        detected = detect_code_page(pending_.data(), pending_.size());
      }
      effective_code_page = code_page.number == cp_auto ? detected : code_page;
      block_decoder_ = decoding_code_page(code_page, detected);
      bool verdict = false;
      if (block_decoder_ == cp_ucs2le && ucs2_signature(pending_, &verdict) && verdict) {
        mark_ = 2;
      } else if (block_decoder_ == cp_utf8 && starts_with_utf8_mark(pending_)) {
        mark_ = 3;
      }
      if (reported) *reported = effective_code_page;
    }

    // The mark stays skipped when the first block grows past it.
    const size_t skip = mark_;
    std::string_view data(pending_);
    data.remove_prefix(skip);
    size_t cut = at_end ? data.size() : whole_lines_length(block_decoder_, data);
    if (cut == 0 && !at_end) continue;  // no line end yet: the block grows
    if (data.empty() && at_end) {
      pending_.clear();
      pending_.shrink_to_fit();
      close();
      return false;
    }
    decode_bytes(block_decoder_, data.substr(0, cut), text, u"::MultiByteToWideChar");
    pending_.erase(0, skip + cut);
    mark_ = 0;
    if (at_end) {
      pending_.clear();
      pending_.shrink_to_fit();
      close();
    }
    return true;
  }
}

result textfile::write_bytes(const std::string& bytes, bool utf8) {
  if (uint32_t code = platform::write_file(handle.handle, bytes.data(), bytes.size())) {
    return result(code, utf8 ? u"append_utf8" : u"", severity_error);
  }
  return result();
}

result textfile::write(std::u16string_view text) {
  const bool opened_here = !handle.is_valid();
  result r;
  if (opened_here) {
    if (uint32_t code = open_nothrow(file_name, platform::open_mode::create_always)) {
      return result(code, u"", severity_error);
    }
  } else if (uint32_t code = platform::seek_file(handle.handle, 0, platform::seek_origin::begin)) {
    return result(code, u"", severity_error);
  }
  std::string bytes;
  if (uint32_t code = encode_for_write(code_page, text, bytes)) {
    r += result(code, u"", severity_error);
  } else {
    r += write_bytes(bytes, code_page.number == cp_utf8);
    if (uint32_t code = platform::truncate_here(handle.handle)) {
      r += result(code, u"", severity_error);
    }
  }
  if (opened_here) r += close_result();
  return r;
}

result textfile::append(std::u16string_view text) {
  const bool opened_here = !handle.is_valid();
  if (opened_here) {
    if (!platform::path_exists(file_name)) return write(text);
    if (uint32_t code = open_nothrow(file_name, platform::open_mode::open_always)) {
      return result(code, u"", severity_error);
    }
  }
  result r;
  std::string bytes;
  if (uint32_t code = platform::seek_file(handle.handle, 0, platform::seek_origin::end)) {
    r += result(code, u"", severity_error);
  } else if (uint32_t code = encode_for_append(code_page, text, bytes)) {
    r += result(code, u"", severity_error);
  } else {
    r += write_bytes(bytes, code_page.number == cp_utf8);
  }
  if (opened_here) r += close_result();
  return r;
}

void textfile::append_or_throw(std::u16string_view text) {
  result r = append(text);
  if (!r.ok()) throw file_error(file_name, r.code());
}

}  // namespace vyn
