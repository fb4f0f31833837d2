// A console reporter that also prints, after the runs, the speed of each
// benchmark against its standard-library counterpart: a benchmark named
// "X/ours" is compared with "X/std" on items (units or bytes) per second.
#ifndef BENCH_RATIO_REPORTER_H_
#define BENCH_RATIO_REPORTER_H_

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/memory_tuning.h"

namespace bench {

class ratio_reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      double rate = 0;
      auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) rate = it->second;
      auto bt = r.counters.find("bytes_per_second");
      if (rate == 0 && bt != r.counters.end()) rate = bt->second;
      rates_[r.benchmark_name()] = rate;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-40s %14s %14s %8s\n", "benchmark", "ours (M/s)", "std (M/s)", "ratio");
    for (const auto& [name, rate] : rates_) {
      auto slash = name.find("_ours");
      if (slash == std::string::npos) continue;
      std::string base = name.substr(0, slash);
      std::string rest = name.substr(slash + 5);
      auto other = rates_.find(base + "_std" + rest);
      double theirs = other == rates_.end() ? 0 : other->second;
      std::printf("%-40s %14.1f %14.1f %8s\n", (base + rest).c_str(), rate / 1e6,
                  theirs / 1e6,
                  theirs > 0 ? std::to_string(rate / theirs).substr(0, 6).c_str() : "-");
    }
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace bench

#define BENCH_MAIN_WITH_RATIOS()                                 \
  int main(int argc, char** argv) {                              \
    vyn::platform::keep_large_blocks_in_heap();                  \
    benchmark::Initialize(&argc, argv);                          \
    bench::ratio_reporter reporter;                              \
    benchmark::RunSpecifiedBenchmarks(&reporter);                \
    benchmark::Shutdown();                                       \
    return 0;                                                    \
  }

#endif  // BENCH_RATIO_REPORTER_H_
