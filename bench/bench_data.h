// Reproducible text for the benchmarks: lines of words with numbers here
// and there, a rare five-letter sample among them.
#ifndef BENCH_BENCH_DATA_H_
#define BENCH_BENCH_DATA_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

// About `units` UTF-16 units of ASCII text in CR LF lines. When `cyrillic`
// is set, half of the words are Russian.
inline std::u16string make_text(size_t units, bool cyrillic = false) {
  static const char16_t* const kWords[] = {
      u"lorem", u"ipsum", u"dolor", u"sit", u"amet", u"consectetur",
      u"adipiscing", u"elit", u"sed", u"do", u"eiusmod", u"tempor",
      u"incididunt", u"ut", u"labore", u"et", u"magna", u"aliqua"};
  static const char16_t* const kRussian[] = {
      u"съешь", u"же", u"ещё", u"этих", u"мягких", u"французских",
      u"булок", u"да", u"выпей", u"чаю"};
  std::u16string s;
  s.reserve(units + 64);
  uint64_t state = 0x9E3779B97F4A7C15ull;
  auto next = [&] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  size_t line = 0;
  while (s.size() < units) {
    uint64_t r = next();
    if (r % 997 == 0) {
      s += u"Quick";  // the sample, about once per 6 000 units
    } else if (r % 11 == 0) {
      s += std::u16string(1, char16_t(u'0' + r % 10)) + char16_t(u'0' + (r >> 8) % 10);
    } else if (cyrillic && (r >> 20) % 2) {
      s += kRussian[(r >> 8) % 10];
    } else {
      s += kWords[(r >> 8) % 18];
    }
    line += 1;
    if (line % 12 == 0) {
      s += u"\r\n";
    } else {
      s += u' ';
    }
  }
  s.resize(units);
  return s;
}

}  // namespace bench

#endif  // BENCH_BENCH_DATA_H_
