// Decoding and encoding 200 MiB of text, ours against glibc's iconv on the
// same bytes: UTF-8 (ASCII and Cyrillic), code page 1251, UTF-16LE.
#include <iconv.h>

#include <string>

#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "platform/utf.h"
#include "ratio_reporter.h"
#include "textfiles/code_page.h"

namespace {

constexpr size_t kBytes = size_t(200) << 20;

struct sample {
  int32_t code_page;
  const char* iconv_name;
  std::string bytes;
  std::u16string text;
};

// The text of each kind, made once: about kBytes bytes when encoded.
const sample& data(int kind) {
  static sample samples[4];
  sample& s = samples[kind];
  if (!s.bytes.empty()) return s;
  switch (kind) {
    case 0:  // UTF-8, ASCII
      s = {vyn::cp_utf8, "UTF-8", {}, bench::make_text(kBytes)};
      break;
    case 1:  // UTF-8, Cyrillic: two bytes a letter
      s = {vyn::cp_utf8, "UTF-8", {}, std::u16string(kBytes / 2, u'ж')};
      for (size_t i = 0; i < s.text.size(); i += 11) s.text[i] = u' ';
      break;
    case 2:  // 1251
      s = {1251, "CP1251", {}, std::u16string(kBytes, u'ж')};
      for (size_t i = 0; i < s.text.size(); i += 11) s.text[i] = u' ';
      break;
    case 3:  // UTF-16LE
      s = {vyn::cp_ucs2le, "UTF-16LE", {}, bench::make_text(kBytes / 2, true)};
      break;
  }
  vyn::encode_for_write({s.code_page, 0}, s.text, s.bytes);
  return s;
}

const char* kKinds[] = {"utf8_ascii", "utf8_cyrillic", "cp1251", "utf16le"};

void decode_ours(benchmark::State& state) {
  const sample& s = data(int(state.range(0)));
  std::u16string out;
  vyn::decode_bytes(s.code_page, s.bytes, out, u"");  // warm: pages touched once
  for (auto _ : state) {
    out.clear();
    vyn::decode_bytes(s.code_page, s.bytes, out, u"");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations() * s.bytes.size()));
  state.SetLabel(kKinds[state.range(0)]);
}

void encode_ours(benchmark::State& state) {
  const sample& s = data(int(state.range(0)));
  std::string out;
  vyn::encode_for_write({s.code_page, 0}, s.text, out);  // warm
  for (auto _ : state) {
    out.clear();
    vyn::encode_for_write({s.code_page, 0}, s.text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations() * s.bytes.size()));
  state.SetLabel(kKinds[state.range(0)]);
}

size_t run_iconv(const char* to, const char* from, const char* in, size_t in_size,
                 std::string& out) {
  iconv_t cd = iconv_open(to, from);
  char* src = const_cast<char*>(in);
  char* dst = out.data();
  size_t left = in_size, room = out.size();
  iconv(cd, &src, &left, &dst, &room);
  iconv_close(cd);
  return out.size() - room;
}

void decode_std(benchmark::State& state) {
  const sample& s = data(int(state.range(0)));
  std::string out(s.bytes.size() * 2 + 16, '\0');  // touched once here
  for (auto _ : state) {
    benchmark::DoNotOptimize(run_iconv("UTF-16LE", s.iconv_name, s.bytes.data(),
                                       s.bytes.size(), out));
  }
  state.SetBytesProcessed(int64_t(state.iterations() * s.bytes.size()));
  state.SetLabel(kKinds[state.range(0)]);
}

void encode_std(benchmark::State& state) {
  const sample& s = data(int(state.range(0)));
  std::string out(s.text.size() * 3 + 16, '\0');
  for (auto _ : state) {
    benchmark::DoNotOptimize(run_iconv(s.iconv_name, "UTF-16LE",
                                       reinterpret_cast<const char*>(s.text.data()),
                                       s.text.size() * 2, out));
  }
  state.SetBytesProcessed(int64_t(state.iterations() * s.bytes.size()));
  state.SetLabel(kKinds[state.range(0)]);
}

void BM_Decode_ours(benchmark::State& s) { decode_ours(s); }
void BM_Decode_std(benchmark::State& s) { decode_std(s); }
void BM_Encode_ours(benchmark::State& s) { encode_ours(s); }
void BM_Encode_std(benchmark::State& s) { encode_std(s); }

BENCHMARK(BM_Decode_ours)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode_std)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_ours)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_std)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCH_MAIN_WITH_RATIOS()
