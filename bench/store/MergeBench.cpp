// Keeping both on a large quib.cfg: a million lines, 1,000 edits made in the
// window through the store (most of them new values, some new settings), and
// 1,000 other edits made on disk meanwhile. ApplyMergedVsPlain times, turn
// about, the two ways an Apply goes: plain, when the file is as the window
// read it (the check of its stamp, then the document's bytes written over it
// with a backup: "plain_ms"), and merged, when someone changed it (the same
// check, the file read again as the window reads it, the merge, its result,
// the result's bytes written with a backup, each timed), and reports
// "ratio", the merged time over the plain one (the goal: at most 2).
// WriteWithJournal times the window's writes on the same document with a
// journal and without ("journal_ratio"). Everything lives in a temporary
// folder: the emulator folder and the backup store.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "store/Apply.h"
#include "store/AtomicFile.h"
#include "store/Backups.h"
#include "store/Merge.h"
#include "store/ZIniReader.h"

namespace fs = std::filesystem;

namespace {

constexpr long kLines = 1000000;
constexpr int kEdits = 1000;

template <typename F>
double Seconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// A quib.cfg as the emulator writes it, grown to kLines lines: settings of a
// few shapes, a comment heading every fifty lines, some with a comment tail.
Document MakeConfig() {
  static const char* const kValues[] = {"0", "1", "320", "auto", "yes", "no", "C:\\Games\\roms"};
  Document doc{"; QUIB 0.72 settings"};
  doc.reserve(kLines);
  for (long i = 1; doc.size() < static_cast<std::size_t>(kLines); ++i) {
    if (i % 50 == 0) {
      doc.push_back("; ---- group " + std::to_string(i / 50) + " ----");
      continue;
    }
    std::string line = "option_" + std::to_string(i) + "=" + kValues[i % 7];
    if (i % 9 == 0) line += " ; what it does";
    doc.push_back(std::move(line));
  }
  return doc;
}

// The window's edits: 900 new values for settings spread over the file,
// 100 new settings.
void WindowEdits(Document& doc) {
  for (int e = 0; e < kEdits; ++e) {
    const std::string key = e < 900 ? "option_" + std::to_string(e * 1100 + 17)
                                    : "added_in_window_" + std::to_string(e);
    WriteValue(doc, key, std::to_string(e));
  }
}

// The disk's edits, on other lines: 800 values changed, 100 settings added,
// 100 comments added here and there.
Document DiskEdits(Document doc) {
  std::mt19937 random(7);
  for (int e = 0; e < 800; ++e) {
    std::string& line = doc[static_cast<std::size_t>(e * 1200 + 503)];
    line = line.substr(0, line.find('=') + 1) + "changed_on_disk";
  }
  for (int e = 0; e < 200; ++e) {
    const auto at = doc.begin() + static_cast<std::ptrdiff_t>(random() % doc.size());
    doc.insert(at, e < 100 ? "added_on_disk_" + std::to_string(e) + "=1" : "; a note");
  }
  return doc;
}

struct Folder {
  Folder() {
    root = fs::temp_directory_path() / ("quib-merge-bench-" + std::to_string(::getpid()));
    fs::create_directories(root / "emulator");
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root;
};

void ApplyMergedVsPlain(benchmark::State& state) {
  const StoreWrites writes;
  const Folder folder;
  const fs::path file = folder.root / "emulator" / "quib.cfg";
  backups::Store store(folder.root / "state", folder.root / "emulator");

  const Document loaded = MakeConfig();
  const std::string theirs = DocumentBytes(DiskEdits(loaded));
  Document mine = loaded;
  const merge::Journal journal(mine);
  WindowEdits(mine);

  const std::string loadedBytes = DocumentBytes(loaded);
  FileStamp loadedStamp;
  loadedStamp.size = loadedBytes.size();
  loadedStamp.hash = ContentHash(loadedBytes);
  // Each Apply starts from the file as the window read it (a plain Apply) or
  // as someone else left it (a merged one).
  const auto putBack = [&](const std::string& bytes) {
    atomic_file::PendingFile(file, bytes).Commit();
    store.Prune(0);
  };
  const auto save = [&](const Document& doc, const FileStamp& now) {
    const std::map<fs::path, FileStamp> stamps{{file, now}};
    backups::SaveHooks hooks;
    hooks.loaded = &stamps;
    backups::SaveWithBackup({{file, DocumentBytes(doc)}}, store, hooks);
  };
  // Both begin as an Apply does: is the file still as it was read?
  std::vector<double> plain, check, load, merge, result, saved;
  std::size_t conflicts = 0;
  for (auto _ : state) {
    putBack(loadedBytes);
    plain.push_back(Seconds([&] {
      if (!StillAsLoaded(file, loadedStamp)) std::abort();
      save(mine, loadedStamp);
    }));
    putBack(theirs);
    check.push_back(Seconds([&] {
      if (StillAsLoaded(file, loadedStamp)) std::abort();
    }));
    Document now;
    LineNotes notes;
    notes.noteNames = true;
    FileStamp stamp;
    load.push_back(Seconds([&] { LoadDocument(now, file, &stamp, LineForm::Normalized, &notes); }));
    std::optional<merge::Merge> m;
    merge.push_back(Seconds([&] { m.emplace(journal, std::move(now), std::move(notes.names)); }));
    conflicts = m->conflicts().size();
    Document merged;
    result.push_back(Seconds([&] { merged = m->TakeResult(); }));
    saved.push_back(Seconds([&] { save(merged, stamp); }));
  }
  const double total =
      Median(check) + Median(load) + Median(merge) + Median(result) + Median(saved);
  state.counters["plain_ms"] = Median(plain) * 1e3;
  state.counters["check_ms"] = Median(check) * 1e3;
  state.counters["load_ms"] = Median(load) * 1e3;
  state.counters["merge_ms"] = Median(merge) * 1e3;
  state.counters["result_ms"] = Median(result) * 1e3;
  state.counters["save_ms"] = Median(saved) * 1e3;
  state.counters["ratio"] = total / Median(plain);
  state.counters["conflicts"] = static_cast<double>(conflicts);
}
BENCHMARK(ApplyMergedVsPlain)->Unit(benchmark::kMillisecond)->Iterations(5);

// The window's 1,000 writes on the million-line document, with a journal and
// without: the journal notes each setting's line the first time it changes.
void WriteWithJournal(benchmark::State& state) {
  const StoreWrites writes;
  const Document loaded = MakeConfig();
  std::vector<double> with, without;
  for (auto _ : state) {
    Document bare = loaded;
    without.push_back(Seconds([&] { WindowEdits(bare); }));
    Document doc = loaded;
    const merge::Journal journal(doc);
    with.push_back(Seconds([&] { WindowEdits(doc); }));
  }
  state.counters["write_us"] = Median(without) / kEdits * 1e6;
  state.counters["journaled_write_us"] = Median(with) / kEdits * 1e6;
  state.counters["journal_ratio"] = Median(with) / Median(without);
}
BENCHMARK(WriteWithJournal)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
