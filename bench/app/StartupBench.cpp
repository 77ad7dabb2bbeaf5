// Start-up of the real window on the sample directory (created, loaded,
// shown, to the end of its first drawing, offscreen) against a floor built in
// the same binary: a bare window with a 13-tab QTabWidget, 5 ordinary widgets
// per tab and 4 buttons, shown and painted once. The room the pages need is
// recorded by the first start, as on a user's machine.
//
// StartupVsFloor: what a user waits for, a whole process from its start to
// the first drawing of its window, the real one and the floor alternately;
// "ratio" is the ratio of their medians. WarmStartupVsFloor: the two windows
// again and again in one process (the toolkit and fonts already loaded);
// "all_pages_ms" is the real window until every page is built as well.
//
// "once floor|window CACHE_DIR" is one such process, which ends at the first
// drawing; for instruction counts (callgrind) run "window" twice with the same
// folder, the first run records the pages' room.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/Unit1.h"
#include "bench/app/BenchSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Both return the seconds to the end of the first drawing; exitThen ends the
// process there.
double FloorWindow(bool exitThen = false) {
  const auto start = Clock::now();
  QWidget window;
  window.setWindowTitle("Floor");
  auto* layout = new QVBoxLayout(&window);
  auto* tabs = new QTabWidget(&window);
  for (int t = 0; t < 13; ++t) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QString("Label %1").arg(t), page));
    column->addWidget(new QCheckBox("Check box", page));
    column->addWidget(new QLineEdit("Text", page));
    auto* combo = new QComboBox(page);
    combo->addItems({"One", "Two", "Three"});
    column->addWidget(combo);
    column->addWidget(new QPushButton("Button", page));
    tabs->addTab(page, QString("Page %1").arg(t));
  }
  layout->addWidget(tabs);
  auto* row = new QHBoxLayout;
  for (const char* caption : {"OK", "Cancel", "Apply", "Apply && run"})
    row->addWidget(new QPushButton(caption, &window));
  layout->addLayout(row);
  window.show();
  QApplication::processEvents();
  const double seconds = Since(start);
  if (exitThen) std::_Exit(0);
  return seconds;
}

double RealWindow(bool exitThen = false) {
  const auto start = Clock::now();
  auto form = std::make_unique<TForm1>();
  if (!form->FormCreate()) std::abort();
  form->show();
  QApplication::processEvents();
  const double seconds = Since(start);
  if (exitThen) std::_Exit(0);
  form->close();
  QApplication::processEvents();
  return seconds;
}

// Runs this program with "once WHICH CACHE_DIR" and returns its seconds.
double Process(const char* which, const std::string& cacheDir) {
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (n <= 0) std::abort();
  self.resize(static_cast<std::size_t>(n));
  std::string once = "once", kind = which, dir = cacheDir;
  char* argv[] = {self.data(), once.data(), kind.data(), dir.data(), nullptr};
  const auto start = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) != 0) std::abort();
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::abort();
  return Since(start);
}

void StartupVsFloor(benchmark::State& state) {
  QTemporaryDir cache;
  const std::string dir = QFile::encodeName(cache.path()).toStdString();
  std::vector<double> floor, real;
  for (auto _ : state) {
    floor.push_back(Process("floor", dir));
    real.push_back(Process("window", dir));
  }
  const double f = bench::Median(floor), r = bench::Median(real);
  state.counters["floor_ms"] = f * 1e3;
  state.counters["window_ms"] = r * 1e3;
  state.counters["ratio"] = f > 0 ? r / f : 0;
}
BENCHMARK(StartupVsFloor)->Unit(benchmark::kMillisecond)->Iterations(20);

void WarmStartupVsFloor(benchmark::State& state) {
  bench::App();
  bench::Sample sample;
  std::vector<double> floor, real;
  for (auto _ : state) {
    floor.push_back(FloorWindow());
    real.push_back(RealWindow());
  }
  const double f = bench::Median(floor), r = bench::Median(real);
  state.counters["floor_ms"] = f * 1e3;
  state.counters["window_ms"] = r * 1e3;
  state.counters["ratio"] = f > 0 ? r / f : 0;
}
BENCHMARK(WarmStartupVsFloor)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "once") == 0) {
    bench::App();
    bench::Sample sample;  // made for both, so that the counts differ by the windows alone
    if (std::strcmp(argv[2], "floor") == 0)
      FloorWindow(true);
    else
      RealWindow(true);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
