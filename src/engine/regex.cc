#include "engine/regex.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <string>

#include "platform/utf.h"

namespace vyn {
namespace {

constexpr uint32_t kMatchLimit = 20'000'000;
constexpr uint32_t kDepthLimit = 250'000;
constexpr size_t kJitStackStart = 64 * 1024;
constexpr size_t kJitStackMax = 8 * 1024 * 1024;

std::string engine_message(int code) {
  PCRE2_UCHAR16 buf[256];
  int n = pcre2_get_error_message(code, buf, 256);
  if (n < 0) return "unknown error " + std::to_string(code);
  return utf16_to_utf8(std::u16string_view(reinterpret_cast<char16_t*>(buf), size_t(n)));
}

// The match context and JIT stack of one thread, made on first use.
struct thread_match_context {
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* stack = nullptr;
  thread_match_context() {
    context = pcre2_match_context_create(nullptr);
    if (!context) throw std::bad_alloc();
    pcre2_set_match_limit(context, kMatchLimit);
    pcre2_set_depth_limit(context, kDepthLimit);
    stack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
    if (stack) pcre2_jit_stack_assign(context, nullptr, stack);
  }
  ~thread_match_context() {
    pcre2_jit_stack_free(stack);
    pcre2_match_context_free(context);
  }
};

pcre2_match_context* match_context() {
  thread_local thread_match_context ctx;
  return ctx.context;
}

}  // namespace

struct regex::program {
  pcre2_code* code = nullptr;
  uint32_t groups = 0;
  ~program() { pcre2_code_free(code); }
};

regex::regex(std::u16string_view pattern, bool ignore_case)
    : pattern_(pattern), ignore_case_(ignore_case) {
  pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
  if (!cc) throw std::bad_alloc();
  pcre2_set_newline(cc, PCRE2_NEWLINE_ANYCRLF);
  uint32_t options = PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                     PCRE2_MATCH_UNSET_BACKREF | PCRE2_UCP | PCRE2_MULTILINE;
  if (ignore_case) options |= PCRE2_CASELESS;
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR16>(pattern.data()),
                    pattern.size(), options, &error, &offset, cc);
  pcre2_compile_context_free(cc);
  if (!code) {
    throw regex_error("regular expression error at offset " +
                      std::to_string(offset) + ": " + engine_message(error));
  }
  // Without JIT (an unsupported machine) the interpreter serves.
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  auto p = std::make_shared<program>();
  p->code = code;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &p->groups);
  program_ = std::move(p);
}

uint32_t regex::group_count() const { return program_ ? program_->groups : 0; }

regex_matcher::regex_matcher(const regex& re)
    : program_(re.compiled()), match_data_(nullptr), groups_(re.group_count()) {
  if (!program_) throw regex_error("regular expression error: no expression");
  match_data_ = pcre2_match_data_create_from_pattern(program_->code, nullptr);
  if (!match_data_) throw std::bad_alloc();
}

regex_matcher::~regex_matcher() {
  pcre2_match_data_free(static_cast<pcre2_match_data*>(match_data_));
}

bool regex_matcher::search(std::u16string_view subject, size_t start,
                           unsigned options) {
  subject_ = subject;
  uint32_t o = 0;
  if (options & kMatchNotEmpty) o |= PCRE2_NOTEMPTY;
  if (options & kMatchNotEmptyAtStart) o |= PCRE2_NOTEMPTY_ATSTART;
  if (options & kMatchAnchored) o |= PCRE2_ANCHORED;
  int rc = pcre2_match(program_->code,
                       reinterpret_cast<PCRE2_SPTR16>(subject.data()),
                       subject.size(), start, o,
                       static_cast<pcre2_match_data*>(match_data_),
                       match_context());
  if (rc >= 0) return true;
  if (rc == PCRE2_ERROR_NOMATCH) return false;
  throw regex_error("regular expression error: " + engine_message(rc));
}

size_t regex_matcher::begin(uint32_t group) const {
  const PCRE2_SIZE* ov =
      pcre2_get_ovector_pointer(static_cast<pcre2_match_data*>(match_data_));
  return ov[2 * group];
}

size_t regex_matcher::end(uint32_t group) const {
  const PCRE2_SIZE* ov =
      pcre2_get_ovector_pointer(static_cast<pcre2_match_data*>(match_data_));
  return ov[2 * group + 1];
}

bool regex_matcher::matched(uint32_t group) const {
  if (group > groups_) return false;
  const PCRE2_SIZE* ov =
      pcre2_get_ovector_pointer(static_cast<pcre2_match_data*>(match_data_));
  return ov[2 * group] != PCRE2_UNSET;
}

void append_expansion(std::u16string& out, std::u16string_view format,
                      const regex_matcher& m) {
  std::u16string_view s = m.subject();
  const uint32_t groups = m.group_count();
  auto is_digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  size_t i = 0;
  while (i < format.size()) {
    size_t dollar = format.find(u'$', i);
    if (dollar == std::u16string_view::npos || dollar + 1 >= format.size()) {
      out.append(format.substr(i));
      break;
    }
    out.append(format.substr(i, dollar - i));
    char16_t c = format[dollar + 1];
    i = dollar + 2;
    if (c == u'$') {
      out += u'$';
    } else if (c == u'&') {
      out.append(s.substr(m.begin(), m.end() - m.begin()));
    } else if (c == u'`') {
      out.append(s.substr(0, m.begin()));
    } else if (c == u'\'') {
      out.append(s.substr(m.end()));
    } else if (is_digit(c)) {
      uint32_t one = uint32_t(c - u'0');
      uint32_t group = 0;
      if (i < format.size() && is_digit(format[i])) {
        uint32_t two = one * 10 + uint32_t(format[i] - u'0');
        if (two >= 1 && two <= groups) {
          group = two;
          ++i;
        }
      }
      if (group == 0 && one >= 1 && one <= groups) group = one;
      if (group == 0) {
        out += u'$';
        out += c;
      } else if (m.matched(group)) {
        out.append(s.substr(m.begin(group), m.end(group) - m.begin(group)));
      }
    } else {
      out += u'$';
      out += c;
    }
  }
}

std::u16string expand_format(std::u16string_view format,
                             const regex_matcher& m) {
  std::u16string out;
  append_expansion(out, format, m);
  return out;
}

size_t regex_collect(wstring_list& list, std::u16string_view s,
                     std::u16string_view pattern, bool ignore_case) {
  regex re(pattern, ignore_case);
  regex_matcher m(re);
  size_t pos = 0;
  while (pos <= s.size() && m.search(s, pos, kMatchNotEmpty)) {
    list.emplace_back(s.substr(m.begin(), m.end() - m.begin()));
    pos = m.end();
  }
  return list.size();
}

}  // namespace vyn
