// SPDX-License-Identifier: MIT
// The search of every topic's text over INTERRUP.LST with a text that is nowhere in it, read from
// the file as BM_CountCrBaseline (list_bench.cpp) reads it, so the two compare directly.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/list/list_scanner.h"
#include "core/search/full_text_search.h"

namespace qorl {
namespace {

const std::string kInterrupt = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";

// The list's topic table, scanned once; nullptr when the list is not there.
const TopicTable* InterruptTable() {
  static const TopicTable* table = []() -> const TopicTable* {
    std::ifstream in(kInterrupt, std::ios::binary);
    if (!in) return nullptr;
    auto* scanned = new TopicTable;
    NullBusyIndicator busy;
    const ScanOptions options{
        true, static_cast<std::int64_t>(std::filesystem::file_size(kInterrupt)), "INTERRUP.LST"};
    if (ScanTopics(in, options, *scanned, busy) != ScanStatus::Ok) return nullptr;
    return scanned;
  }();
  return table;
}

void FullTextNoHit(benchmark::State& state, const char* pattern, bool caseSensitive,
                   bool wholeWords) {
  const TopicTable* table = InterruptTable();
  if (table == nullptr) return state.SkipWithError("INTERRUP.LST is not in QORL_LISTS_DIR");
  const FullTextQuery query{pattern, caseSensitive, wholeWords};
  std::size_t found = 0;
  for (auto _ : state) {
    SearchListFileText(kInterrupt, *table, query, nullptr,
                       [&found](std::vector<TopicMatch>& batch) { found += batch.size(); });
  }
  if (found != 0) return state.SkipWithError("the pattern was found");
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(kInterrupt)));
}

void BM_FullTextNoHitFolded(benchmark::State& state) {
  FullTextNoHit(state, "zqxjvw", false, false);
}
void BM_FullTextNoHitExact(benchmark::State& state) {
  FullTextNoHit(state, "zqxjvw", true, false);
}
// Common letters only: the two rarest of them still stand in many places.
void BM_FullTextNoHitFoldedCommon(benchmark::State& state) {
  FullTextNoHit(state, "interrupt table zz", false, true);
}
BENCHMARK(BM_FullTextNoHitFolded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullTextNoHitExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullTextNoHitFoldedCommon)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qorl
