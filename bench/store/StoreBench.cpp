// The store on large settings files: a file of n lines (keys the program
// never asks for, with the settings at the end) is loaded, 300 keys read, 300
// written, and the document saved, in one process. The reads and writes go
// through the document's key index (made at the first read). Prints the
// medians of each part; "reads_writes_ms" is judged against its goal of 2 ms at 20,000 lines
// ("goal_ratio" is that time over 2 ms), and "scan_ratio" compares the reads
// with reading the document from the top for each key.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "store/ZIniReader.h"

namespace {

constexpr int kKeys = 300;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

std::filesystem::path MakeFile(long lines) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("quib-store-bench-" + std::to_string(::getpid()) + ".cfg");
  std::ofstream out(path, std::ios::binary);
  out << "; QUIB 0.72 settings\r\n";
  for (long i = 0; i < lines - kKeys - 1; ++i)
    out << "padding_key_" << i << "=value " << i % 1000 << " ; filler\r\n";
  for (int k = 0; k < kKeys; ++k) out << "Setting" << k << " = " << k << " ; what it does\r\n";
  return path;
}

void StoreOperations(benchmark::State& state) {
  const auto path = MakeFile(static_cast<long>(state.range(0)));
  std::vector<std::string> keys;
  for (int k = 0; k < kKeys; ++k) keys.push_back("SETTING" + std::to_string(k));
  std::vector<double> load, reads, writes, save, scans;
  for (auto _ : state) {
    Document doc;
    auto t = std::chrono::steady_clock::now();
    LoadDocument(doc, path);
    NormalizeLines(doc);
    load.push_back(Seconds(t));

    t = std::chrono::steady_clock::now();
    for (const std::string& key : keys) benchmark::DoNotOptimize(ReadValue(doc, key));
    scans.push_back(Seconds(t));

    {
      t = std::chrono::steady_clock::now();
      const KeyIndex index(doc);
      for (const std::string& key : keys) benchmark::DoNotOptimize(ReadValue(doc, key));
      reads.push_back(Seconds(t));

      t = std::chrono::steady_clock::now();
      {
        const StoreWrites writable;
        for (int k = 0; k < kKeys; ++k) WriteInteger(doc, keys[static_cast<std::size_t>(k)], k + 1);
      }
      writes.push_back(Seconds(t));
    }

    t = std::chrono::steady_clock::now();
    SaveDocument(doc, path);
    save.push_back(Seconds(t));
  }
  std::filesystem::remove(path);
  const double rw = Median(reads) + Median(writes);
  state.counters["load_ms"] = Median(load) * 1e3;
  state.counters["reads_ms"] = Median(reads) * 1e3;
  state.counters["writes_ms"] = Median(writes) * 1e3;
  state.counters["save_ms"] = Median(save) * 1e3;
  state.counters["reads_writes_ms"] = rw * 1e3;
  state.counters["goal_ratio"] = rw / 2e-3;
  state.counters["scan_ratio"] = Median(reads) / Median(scans);
}
BENCHMARK(StoreOperations)
    ->Arg(1000)
    ->Arg(20000)
    ->Arg(100000)
    ->Arg(1000000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
