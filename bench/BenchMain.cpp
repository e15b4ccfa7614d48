#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "BenchRatios.h"

namespace {

std::vector<std::pair<std::string, std::string>>& Ratios() {
  static std::vector<std::pair<std::string, std::string>> ratios;
  return ratios;
}

// The console output as usual, plus the real time per iteration of every run, by name.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        seconds_[run.run_name.function_name] =
            run.real_accumulated_time / static_cast<double>(run.iterations);
  }
  void PrintRatios() const {
    std::printf("\n%-40s %12s   %-30s %12s %8s\n", "figure", "ms", "baseline", "ms", "ratio");
    for (const auto& [figure, baseline] : Ratios()) {
      const auto f = seconds_.find(figure);
      const auto b = seconds_.find(baseline);
      if (f == seconds_.end() || b == seconds_.end()) continue;
      std::printf("%-40s %12.2f   %-30s %12.2f %8.2f\n", figure.c_str(), f->second * 1e3,
                  baseline.c_str(), b->second * 1e3, f->second / b->second);
    }
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

bool RegisterRatio(const std::string& figure, const std::string& baseline) {
  Ratios().emplace_back(figure, baseline);
  return true;
}

int main(int argc, char** argv) {
  // Window benchmarks need a QApplication; no screen is needed to measure them.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
