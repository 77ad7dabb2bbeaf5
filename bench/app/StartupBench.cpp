// Start-up of the real window on the sample directory (created, loaded,
// shown and painted once, offscreen) against a floor built in the same
// binary: a bare window with a 13-tab QTabWidget, 5 ordinary widgets per tab
// and 4 buttons, shown and painted once. The two are timed alternately and
// the ratio of their medians is the "ratio" counter.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstring>
#include <memory>

#include "app/Unit1.h"
#include "bench/app/BenchSupport.h"

namespace {

void FloorWindow() {
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
}

void RealWindow() {
  auto form = std::make_unique<TForm1>();
  if (!form->FormCreate()) std::abort();
  form->show();
  QApplication::processEvents();
  form->close();
  QApplication::processEvents();
  LoadingFinished = false;
}

void StartupVsFloor(benchmark::State& state) {
  bench::App();
  bench::Sample sample;
  std::vector<double> floor, real;
  for (auto _ : state) {
    floor.push_back(bench::Seconds(FloorWindow));
    real.push_back(bench::Seconds(RealWindow));
  }
  const double f = bench::Median(floor), r = bench::Median(real);
  state.counters["floor_ms"] = f * 1e3;
  state.counters["window_ms"] = r * 1e3;
  state.counters["ratio"] = f > 0 ? r / f : 0;
}
BENCHMARK(StartupVsFloor)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "once") == 0) {
    bench::App();
    bench::Sample sample;  // made for both, so that the counts differ by the windows alone
    if (std::strcmp(argv[2], "floor") == 0)
      FloorWindow();
    else
      RealWindow();
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
