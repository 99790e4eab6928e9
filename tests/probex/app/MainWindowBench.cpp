#include "ProbexPaths.h"
#include "RecordingDriverScope.h"
#include "SyntheticPages.h"
#include "TfmMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace {

double peakMemoryMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

std::size_t pageCount(const PageRegistry& registry) {
  std::size_t pages = 0;
  for (const PageGroup& group : registry) pages += group.pages.size();
  return pages;
}

// Builds the main window over the registry, which restores the settings a previous run
// stored; only the construction is timed.
void startMainWindow(benchmark::State& state, const PageRegistry& registry) {
  RecordingDriverScope driver;
  QTemporaryDir profile;
  const ProbexPaths paths(profile.path());
  {
    const TfmMain firstRun(registry, paths);  // leaves every field in the store
  }
  for (auto _ : state) {
    auto window = std::make_unique<TfmMain>(registry, paths);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
  state.counters["pages"] = double(pageCount(registry));
  state.counters["peak_rss_MB"] = peakMemoryMegabytes();
}

void RegisteredPages(benchmark::State& state) { startMainWindow(state, probexPages()); }

void SyntheticPages(benchmark::State& state) {
  startMainWindow(state, syntheticRegistry(int(state.range(0))));
}

BENCHMARK(RegisteredPages)->Unit(benchmark::kMillisecond);
BENCHMARK(SyntheticPages)->Arg(1)->Arg(69)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
