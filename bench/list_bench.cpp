// SPDX-License-Identifier: MIT
// The list library on INTERRUP.LST: scanning, reading and writing its index, against a baseline
// that reads the file the same way and only counts its CR bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/list/index_file.h"
#include "core/list/list_scanner.h"

namespace {

using namespace qorl;

const std::string kList = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";

bool ListMissing(benchmark::State& state) {
  if (std::filesystem::exists(kList)) return false;
  state.SkipWithError((kList + " absent").c_str());
  return true;
}

std::int64_t ListSize() {
  return static_cast<std::int64_t>(std::filesystem::file_size(kList));
}

TopicTable ScanOnce() {
  std::ifstream in(kList, std::ios::binary);
  TopicTable table;
  NullBusyIndicator busy;
  ScanTopics(in, {true, ListSize(), "INTERRUP.LST"}, table, busy);
  return table;
}

std::string ScratchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void BM_CountCrBaseline(benchmark::State& state) {
  if (ListMissing(state)) return;
  std::vector<char> buffer(std::size_t{1} << 20);
  for (auto _ : state) {
    std::ifstream in(kList, std::ios::binary);
    std::size_t crs = 0;
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount()) {
      const char* p = buffer.data();
      const char* end = p + in.gcount();
      while ((p = static_cast<const char*>(std::memchr(p, '\r', end - p))) != nullptr) {
        ++crs;
        ++p;
      }
    }
    benchmark::DoNotOptimize(crs);
  }
  state.SetBytesProcessed(state.iterations() * ListSize());
}
BENCHMARK(BM_CountCrBaseline)->Unit(benchmark::kMillisecond);

void BM_ScanList(benchmark::State& state) {
  if (ListMissing(state)) return;
  const std::int64_t size = ListSize();
  for (auto _ : state) {
    std::ifstream in(kList, std::ios::binary);
    TopicTable table;
    NullBusyIndicator busy;
    benchmark::DoNotOptimize(ScanTopics(in, {true, size, "INTERRUP.LST"}, table, busy));
  }
  state.SetBytesProcessed(state.iterations() * size);
  const TopicTable table = ScanOnce();
  state.counters["table_bytes"] = static_cast<double>(table.memoryBytes());
  state.counters["index_bytes"] = static_cast<double>(FormatIndex(table).size());
}
BENCHMARK(BM_ScanList)->Unit(benchmark::kMillisecond);

void BM_LoadIndex(benchmark::State& state) {
  if (ListMissing(state)) return;
  const std::string path = ScratchPath("qorl-bench-load.qorlv");
  WriteIndex(ScanOnce(), path, FileStamp{});
  for (auto _ : state) {
    TopicTable table;
    NullBusyIndicator busy;
    benchmark::DoNotOptimize(LoadIndex(path, table, busy));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

void BM_WriteIndex(benchmark::State& state) {
  if (ListMissing(state)) return;
  const TopicTable table = ScanOnce();
  const std::string path = ScratchPath("qorl-bench-write.qorlv");
  for (auto _ : state) benchmark::DoNotOptimize(WriteIndex(table, path, FileStamp{}));
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteIndex)->Unit(benchmark::kMillisecond);

}  // namespace
