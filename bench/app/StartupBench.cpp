// Start-up of the real window on the sample directory (created, loaded,
// shown, to the end of its first drawing, offscreen) against two floors built
// in the same binary:
//   pages: the same page layouts from the same .ui files in a plain tab
//          widget with the same button row; no bindings, no fills, no
//          pictures. The price any window that builds its pages at once pays.
//   bare:  a bare window with a 13-tab QTabWidget, 5 ordinary widgets per tab
//          and 4 buttons.
// Each is shown and drawn once.
//
// StartupVsFloors: what a user waits for, a whole process from its start to
// the first drawing of its window, the three alternately; "ratio" is the
// window against the pages floor, "ratio_bare" against the bare one.
// WarmStartupVsFloors: the same again and again in one process (the toolkit
// and fonts already loaded).
//
// "once bare|pages|window" is one such process, which ends at the first
// drawing: for instruction counts run each under valgrind --tool=callgrind.
#include <benchmark/benchmark.h>
#ifdef _WIN32
#include <QProcess>
#include <vector>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/Unit1.h"
#include "bench/app/BenchSupport.h"
#include "ui_AboutPage.h"
#include "ui_BlitterPage.h"
#include "ui_ConfiguratorSettings.h"
#include "ui_DebuggingPage.h"
#include "ui_DonatePage.h"
#include "ui_EmulationPage.h"
#include "ui_GuiPage.h"
#include "ui_InputPage.h"
#include "ui_MessagesPage.h"
#include "ui_MiscPage.h"
#include "ui_ScreenshotsPage.h"
#include "ui_SoundLoggingPage.h"
#include "ui_SoundPage.h"
#include "ui_ThemePage.h"

#ifdef _WIN32
// After the program's headers: <windows.h> turns the names of the
// platform's methods into macros.
#include <windows.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Each returns the seconds to the end of the first drawing; exitThen ends the
// process there.
template <typename Build>
double Timed(Build build, bool exitThen) {
  const auto start = Clock::now();
  QWidget window;
  build(window);
  window.show();
  QApplication::processEvents();
  const double seconds = Since(start);
  if (exitThen) std::_Exit(0);
  return seconds;
}

double BareWindow(bool exitThen = false) {
  return Timed(
      [](QWidget& window) {
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
      },
      exitThen);
}

// One page laid out by its .ui file.
template <typename Ui>
QWidget* UiPage() {
  auto* page = new QWidget;
  Ui ui;
  ui.setupUi(page);
  return page;
}

double PagesWindow(bool exitThen = false) {
  return Timed(
      [](QWidget& window) {
        window.setWindowTitle("Floor");
        auto* layout = new QVBoxLayout(&window);
        auto* tabs = new QTabWidget(&window);
        auto* misc = new QWidget;
        auto* miscColumn = new QVBoxLayout(misc);
        for (QGroupBox* group : {new QGroupBox(misc), new QGroupBox(misc)})
          miscColumn->addWidget(group);
        Ui::MiscPage().setupUi(static_cast<QGroupBox*>(miscColumn->itemAt(0)->widget()));
        Ui::ConfiguratorSettings().setupUi(
            static_cast<QGroupBox*>(miscColumn->itemAt(1)->widget()));
        const std::pair<const char*, QWidget*> pages[] = {
            {"About", UiPage<Ui::AboutPage>()},
            {"Donate", UiPage<Ui::DonatePage>()},
            {"Blitter", UiPage<Ui::BlitterPage>()},
            {"Debugging", UiPage<Ui::DebuggingPage>()},
            {"Emulation", UiPage<Ui::EmulationPage>()},
            {"GUI", UiPage<Ui::GuiPage>()},
            {"Input", UiPage<Ui::InputPage>()},
            {"Messages", UiPage<Ui::MessagesPage>()},
            {"Miscellaneous", misc},
            {"Screenshots", UiPage<Ui::ScreenshotsPage>()},
            {"Sound", UiPage<Ui::SoundPage>()},
            {"Sound logging", UiPage<Ui::SoundLoggingPage>()},
            {"Theme", UiPage<Ui::ThemePage>()}};
        for (const auto& [caption, page] : pages) tabs->addTab(page, caption);
        layout->addWidget(tabs);
        auto* row = new QHBoxLayout;
        row->addWidget(new QPushButton("Chan&ges...", &window));
        row->addStretch(1);
        for (const char* caption : {"OK", "Cancel", "Apply", "Apply && run"})
          row->addWidget(new QPushButton(caption, &window));
        layout->addLayout(row);
      },
      exitThen);
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

// Runs this program with "once WHICH" and returns its seconds.
double Process(const char* which) {
#ifdef _WIN32
  std::vector<wchar_t> self(32768);
  const DWORD n = ::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
  if (n == 0 || n >= self.size()) std::abort();
  const auto start = Clock::now();
  QProcess child;
  child.start(QString::fromWCharArray(self.data(), static_cast<int>(n)), {"once", which});
  if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
      child.exitCode() != 0)
    std::abort();
  return Since(start);
#else
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (n <= 0) std::abort();
  self.resize(static_cast<std::size_t>(n));
  std::string once = "once", kind = which;
  char* argv[] = {self.data(), once.data(), kind.data(), nullptr};
  const auto start = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) != 0) std::abort();
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    std::abort();
  return Since(start);
#endif
}

template <typename Run>
void Compare(benchmark::State& state, Run run) {
  std::vector<double> bare, pages, real;
  for (auto _ : state) {
    bare.push_back(run("bare"));
    pages.push_back(run("pages"));
    real.push_back(run("window"));
  }
  const double b = bench::Median(bare), p = bench::Median(pages), r = bench::Median(real);
  state.counters["bare_ms"] = b * 1e3;
  state.counters["pages_ms"] = p * 1e3;
  state.counters["window_ms"] = r * 1e3;
  state.counters["ratio"] = p > 0 ? r / p : 0;
  state.counters["ratio_bare"] = b > 0 ? r / b : 0;
}

double InProcess(const std::string& which) {
  if (which == "bare") return BareWindow();
  if (which == "pages") return PagesWindow();
  return RealWindow();
}

void StartupVsFloors(benchmark::State& state) { Compare(state, Process); }
BENCHMARK(StartupVsFloors)->Unit(benchmark::kMillisecond)->Iterations(20);

void WarmStartupVsFloors(benchmark::State& state) {
  bench::App();
  bench::Sample sample;
  Compare(state, InProcess);
}
BENCHMARK(WarmStartupVsFloors)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "once") == 0) {
    bench::App();
    bench::Sample sample;  // made for all three, so that the counts differ by the windows alone
    if (std::strcmp(argv[2], "bare") == 0)
      BareWindow(true);
    else if (std::strcmp(argv[2], "pages") == 0)
      PagesWindow(true);
    else
      RealWindow(true);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
