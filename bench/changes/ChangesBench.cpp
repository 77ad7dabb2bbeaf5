// Opening the Changes window on the sample emulator directory must feel
// instant (well under 100 ms). OpenChangesWindow builds and shows the window
// on a copy of the directory with a few edits, and reports its time against a
// floor measured in the same run: reading the five files from disk, which
// every opening must do. The diff model alone is timed on long files too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <string>

#include "app/ChangesDialog.h"
#include "bench/app/BenchSupport.h"
#include "store/ZIniReader.h"

namespace {

using bench::App;

const char* const kNames[] = {"quib.cfg", "quibw.cfg", "quib.blt", "quib.inp", "quib.thm"};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of the sample directory and what Apply would write to it after a
// few edits: every document normalised, one value changed, one key added.
// With padding, quib.cfg ends in that many "name = value" lines, which the
// normalising rewrites every one of.
std::vector<PlannedFile> MakePlan(const QString& folder, int padding) {
  std::vector<PlannedFile> files;
  const QString source = QString(QUIB_SOURCE_DIR) + "/samples/emulator/";
  for (const char* name : kNames) {
    const QString to = folder + "/" + name;
    QFile::copy(source + name, to);
    const std::filesystem::path path = QFile::encodeName(to).toStdString();
    std::string bytes = ReadAll(path);
    if (padding > 0 && std::string_view(name) == "quib.cfg") {
      for (int i = 0; i < padding; ++i)
        bytes += "pad_" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
      std::ofstream(path, std::ios::binary) << bytes;
    }
    Document doc = ParseDocument(bytes);
    NormalizeLines(doc);
    if (!doc.empty()) doc[doc.size() / 2] += "0";
    doc.push_back("added_by_bench=1");
    files.push_back({name, path, DocumentBytes(doc)});
  }
  return files;
}

std::vector<PlannedFile> SamplePlan() {
  static QTemporaryDir dir;
  static const std::vector<PlannedFile> plan = MakePlan(dir.path(), 0);
  return plan;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void TimeWindow(benchmark::State& state, const std::vector<PlannedFile>& plan, int floorRuns) {
  TChangesForm::Hooks hooks;
  hooks.planned = [&] { return plan; };

  // The floor: reading the files, floorRuns times.
  const auto floorStart = std::chrono::steady_clock::now();
  for (int i = 0; i < floorRuns; ++i)
    for (const PlannedFile& file : plan) benchmark::DoNotOptimize(ReadAll(file.path));
  const double floor = Seconds(std::chrono::steady_clock::now() - floorStart) / floorRuns;

  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    TChangesForm form(nullptr, hooks);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.Diffs().size());
  }
  const double each =
      Seconds(std::chrono::steady_clock::now() - start) / static_cast<double>(state.iterations());
  state.counters["ms"] = each * 1000;
  state.counters["x_floor"] = each / floor;
}

void OpenChangesWindow(benchmark::State& state) {
  App();
  TimeWindow(state, SamplePlan(), 200);
  state.counters["share_of_100ms"] = state.counters["ms"] / 100;
}
BENCHMARK(OpenChangesWindow)->Unit(benchmark::kMillisecond);

// The window on quib.cfg padded with a million lines, all of which change:
// over the limits, so only the first of them are compared and shown. Its peak
// memory is measured from outside (/usr/bin/time -v with this filter).
void OpenChangesWindowOnMillionLines(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  TimeWindow(state, MakePlan(dir.path(), 1000000), 10);
}
BENCHMARK(OpenChangesWindowOnMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// A long file: state.range(0) lines, a change every 1000 lines, LF ends.
void DiffLongFile(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  std::string disk;
  Document doc;
  for (int i = 0; i < lines; ++i) {
    std::string line = "key" + std::to_string(i) + " = " + std::to_string(i);
    disk += line + "\n";
    if (i % 1000 == 0) line = "key" + std::to_string(i) + "=" + std::to_string(i);
    doc.push_back(line);
  }
  const std::string written = DocumentBytes(doc);
  for (auto _ : state) benchmark::DoNotOptimize(changes::DiffFile("quib.thm", disk, written));
}
BENCHMARK(DiffLongFile)->Arg(10000)->Arg(190000)->Arg(400000)->Unit(benchmark::kMillisecond);

// Every line different: the worst case for the comparison.
void DiffRewrittenFile(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  std::string disk, written;
  for (int i = 0; i < lines; ++i) {
    disk += "old" + std::to_string(i) + "\r\n";
    written += "new" + std::to_string(i) + "\r\n";
  }
  for (auto _ : state) benchmark::DoNotOptimize(changes::DiffFile("quib.thm", disk, written));
}
BENCHMARK(DiffRewrittenFile)->Arg(5000)->Arg(50000)->Arg(250000)->Unit(benchmark::kMillisecond);

}  // namespace
