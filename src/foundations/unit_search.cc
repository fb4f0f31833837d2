#include "foundations/unit_search.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/unicode_case.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define VYN_HAVE_SSE2 1
#endif

namespace vyn {
namespace {

inline bool same_units(const char16_t* a, const char16_t* b, size_t n) {
  return std::memcmp(a, b, n * sizeof(char16_t)) == 0;
}

}  // namespace

const char16_t* find_sample(const char16_t* begin, const char16_t* end,
                            const char16_t* what, size_t n) {
  if (n == 0 || size_t(end - begin) < n) return nullptr;
  const char16_t first = what[0], last = what[n - 1];
  const char16_t* p = begin;
  const char16_t* const last_start = end - n;  // last position a match may start
#ifdef VYN_HAVE_SSE2
  const __m128i vf = _mm_set1_epi16(short(first));
  const __m128i vl = _mm_set1_epi16(short(last));
  while (last_start - p >= 7) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
    unsigned mask = unsigned(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi16(a, vf), _mm_cmpeq_epi16(b, vl))));
    while (mask) {
      unsigned bit = unsigned(__builtin_ctz(mask));
      const char16_t* cand = p + bit / 2;
      if (n <= 2 || same_units(cand + 1, what + 1, n - 2)) return cand;
      mask &= ~(3u << bit);
    }
    p += 8;
  }
#endif
  for (; p <= last_start; ++p) {
    if (p[0] == first && p[n - 1] == last && same_units(p, what, n)) return p;
  }
  return nullptr;
}

namespace {

// Every code unit grouped by its uppercase: the units that fold to u are
// units[offset[u] .. offset[u + 1]). Built once.
struct fold_classes {
  std::vector<uint32_t> offset;
  std::vector<char16_t> units;
  fold_classes() : offset(0x10001, 0), units(0x10000) {
    const char16_t* table = platform::upper_table();
    for (unsigned c = 0; c < 0x10000; ++c) ++offset[table[c] + 1];
    for (unsigned u = 0; u < 0x10000; ++u) offset[u + 1] += offset[u];
    std::vector<uint32_t> fill(offset.begin(), offset.end() - 1);
    for (unsigned c = 0; c < 0x10000; ++c) units[fill[table[c]]++] = char16_t(c);
  }
};

const fold_classes& classes() {
  static const fold_classes c;
  return c;
}

}  // namespace

nocase_sample::variants nocase_sample::variants_of(char16_t upper) {
  const fold_classes& fc = classes();
  uint32_t b = fc.offset[upper], e = fc.offset[upper + 1];
  variants v;
  if (e - b > uint32_t(kMaxVariants)) return v;  // count 0: scalar path
  for (uint32_t i = b; i < e; ++i) v.unit[v.count++] = fc.units[i];
  return v;
}

nocase_sample::nocase_sample(std::u16string_view what) : upper_(what) {
  const char16_t* table = platform::upper_table();
  for (auto& c : upper_) c = table[c];
  first_ = variants_of(upper_.front());
  last_ = variants_of(upper_.back());
}

bool nocase_sample::matches_at(const char16_t* p) const {
  const char16_t* table = platform::upper_table();
  for (size_t i = 0; i < upper_.size(); ++i) {
    if (table[p[i]] != upper_[i]) return false;
  }
  return true;
}

const char16_t* nocase_sample::find(const char16_t* begin,
                                    const char16_t* end) const {
  const size_t n = upper_.size();
  if (n == 0 || size_t(end - begin) < n) return nullptr;
  const char16_t* p = begin;
  const char16_t* const last_start = end - n;
#ifdef VYN_HAVE_SSE2
  if (first_.count > 0 && last_.count > 0) {
    __m128i vf[kMaxVariants], vl[kMaxVariants];
    for (int i = 0; i < first_.count; ++i) vf[i] = _mm_set1_epi16(short(first_.unit[i]));
    for (int i = 0; i < last_.count; ++i) vl[i] = _mm_set1_epi16(short(last_.unit[i]));
    while (last_start - p >= 7) {
      __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
      __m128i ea = _mm_cmpeq_epi16(a, vf[0]);
      for (int i = 1; i < first_.count; ++i) ea = _mm_or_si128(ea, _mm_cmpeq_epi16(a, vf[i]));
      __m128i eb = _mm_cmpeq_epi16(b, vl[0]);
      for (int i = 1; i < last_.count; ++i) eb = _mm_or_si128(eb, _mm_cmpeq_epi16(b, vl[i]));
      unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(ea, eb)));
      while (mask) {
        unsigned bit = unsigned(__builtin_ctz(mask));
        const char16_t* cand = p + bit / 2;
        if (matches_at(cand)) return cand;
        mask &= ~(3u << bit);
      }
      p += 8;
    }
  }
#endif
  const char16_t* table = platform::upper_table();
  const char16_t uf = upper_.front();
  for (; p <= last_start; ++p) {
    if (table[*p] == uf && matches_at(p)) return p;
  }
  return nullptr;
}

}  // namespace vyn
