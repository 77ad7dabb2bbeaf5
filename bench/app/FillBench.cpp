// The window's load and fill (Undo: every file read again and every page
// filled) with quib.cfg padded by lines of other keys before the settings,
// against LoadDocument of that quib.cfg alone, timed alternately. The ratio
// of their medians is the "ratio" counter.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "app/Unit1.h"
#include "bench/app/BenchSupport.h"

namespace {

// Puts lines of keys the program never asks for in front of quib.cfg.
std::uint64_t PadQuibCfg(const QString& emuDir, long lines) {
  const std::string path = (emuDir + "quib.cfg").toStdString();
  std::string original;
  {
    std::ifstream in(path, std::ios::binary);
    original.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::string padded;
  padded.reserve(static_cast<std::size_t>(lines) * 40 + original.size());
  char line[64];
  for (long i = 0; i < lines; ++i) {
    const int n =
        std::snprintf(line, sizeof line, "padding_key_%07ld=value %ld ; filler\r\n", i, i % 1000);
    padded.append(line, static_cast<std::size_t>(n));
  }
  padded += original;
  std::ofstream(path, std::ios::binary) << padded;
  return padded.size();
}

std::unique_ptr<TForm1> StartWindow() {
  auto form = std::make_unique<TForm1>();
  if (!form->FormCreate()) std::abort();
  form->show();
  QApplication::processEvents();
  return form;
}

void FillVsLoadDocument(benchmark::State& state) {
  bench::App();
  bench::Sample sample;
  const std::uint64_t bytes = PadQuibCfg(sample.EmuDir(), static_cast<long>(state.range(0)));
  auto form = StartWindow();
  const std::filesystem::path cfg = (sample.EmuDir() + "quib.cfg").toStdString();
  std::vector<double> fill, load;
  for (auto _ : state) {
    fill.push_back(bench::Seconds([&] { form->UndoButtonClick(); }));
    load.push_back(bench::Seconds([&] {
      Document doc;
      LoadDocument(doc, cfg);
      benchmark::DoNotOptimize(doc.data());
    }));
  }
  form->close();
  QApplication::processEvents();
  const double f = bench::Median(fill), l = bench::Median(load);
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["fill_ms"] = f * 1e3;
  state.counters["load_ms"] = l * 1e3;
  state.counters["ratio"] = l > 0 ? f / l : 0;
}
BENCHMARK(FillVsLoadDocument)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "once") == 0) {
    bench::App();
    bench::Sample sample;
    const std::uint64_t bytes = PadQuibCfg(sample.EmuDir(), std::atol(argv[2]));
    std::printf("quib.cfg: %llu bytes\n", static_cast<unsigned long long>(bytes));
    auto form = StartWindow();
    form->close();
    QApplication::processEvents();
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
