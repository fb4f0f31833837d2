// The replacement engine against the standard library on the same text:
// plain replace-all, case-insensitive search, regex replacement.
#include <algorithm>
#include <cwctype>
#include <regex>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "engine/regex.h"
#include "engine/regex_actions.h"
#include "foundations/wide_string.h"
#include "ratio_reporter.h"

namespace {

constexpr size_t kUnits = size_t(100) << 20;  // 100 Mi units

const std::u16string& text() {
  static const std::u16string t = bench::make_text(kUnits);
  return t;
}

// Each benchmark runs its work once before timing, so that the heap holds
// blocks of the sizes it needs: the first touch of fresh pages is not what
// is measured.
void BM_ReplaceAll_ours(benchmark::State& state) {
  {
    std::u16string s = text();
    vyn::replace_all(s, u"Quick", u"Slow!");
  }
  for (auto _ : state) {
    state.PauseTiming();
    std::u16string s = text();
    state.ResumeTiming();
    benchmark::DoNotOptimize(vyn::replace_all(s, u"Quick", u"Slow!"));
  }
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

// The usual standard-library loop: find, append, repeat.
std::u16string std_replace_all(const std::u16string& s) {
  std::u16string out;
  out.reserve(s.size());
  size_t pos = 0, hit;
  while ((hit = s.find(u"Quick", pos)) != std::u16string::npos) {
    out.append(s, pos, hit - pos);
    out += u"Slow!";
    pos = hit + 5;
  }
  out.append(s, pos);
  return out;
}

void BM_ReplaceAll_std(benchmark::State& state) {
  std_replace_all(text());
  for (auto _ : state) {
    benchmark::DoNotOptimize(std_replace_all(text()).data());
  }
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

size_t count_nocase_ours(std::u16string_view what) {
  size_t n = 0;
  for (std::ptrdiff_t p = 0; (p = vyn::find_nocase(text(), what, size_t(p))) >= 0;
       p += std::ptrdiff_t(what.size())) {
    ++n;
  }
  return n;
}

void BM_FindNocase_ours(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(count_nocase_ours(u"qUICK"));
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

// A sample of common letters: many candidate positions to verify.
void BM_FindNocaseCommon_ours(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(count_nocase_ours(u"DOLOR"));
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

// std::search with towupper, as the case-insensitive search is usually
// written with the standard library.
size_t count_nocase_std(const std::u16string& what) {
  auto eq = [](char16_t a, char16_t b) {
    return std::towupper(wint_t(a)) == std::towupper(wint_t(b));
  };
  size_t n = 0;
  auto b = text().begin();
  while ((b = std::search(b, text().end(), what.begin(), what.end(), eq)) != text().end()) {
    ++n;
    b += std::ptrdiff_t(what.size());
  }
  return n;
}

void BM_FindNocase_std(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(count_nocase_std(u"qUICK"));
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

void BM_FindNocaseCommon_std(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(count_nocase_std(u"DOLOR"));
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

void BM_RegexReplace_ours(benchmark::State& state) {
  vyn::string_regex_replace action(vyn::regex(u"[0-9]+"), u"<$&>", false);
  {
    std::u16string s = text();
    action.set_text(&s);
    action.execute();
  }
  for (auto _ : state) {
    state.PauseTiming();
    std::u16string s = text();
    state.ResumeTiming();
    action.set_text(&s);
    action.execute();
  }
  state.SetItemsProcessed(int64_t(state.iterations() * kUnits));
}

// std::wregex is far slower: it runs over the first 4 Mi units only, and
// the rate is per unit all the same.
void BM_RegexReplace_std(benchmark::State& state) {
  const size_t units = size_t(4) << 20;
  std::wstring w(text().begin(), text().begin() + std::ptrdiff_t(units));
  std::wregex re(L"[0-9]+");
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::regex_replace(w, re, L"<$&>"));
  }
  state.SetItemsProcessed(int64_t(state.iterations() * units));
}

BENCHMARK(BM_ReplaceAll_ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll_std)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNocase_ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNocase_std)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNocaseCommon_ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNocaseCommon_std)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexReplace_ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexReplace_std)->Unit(benchmark::kMillisecond);

}  // namespace

BENCH_MAIN_WITH_RATIOS()
