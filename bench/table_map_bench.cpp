// SPDX-License-Identifier: MIT
// The table map of INTERRUP.LST: one pass over the list for its "(Table ...)" definitions, to be
// set against BM_CountCrBaseline (the same reading with a memchr for every line end).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/browse/table_map.h"
#include "core/list/list_scanner.h"

namespace {

using namespace qorl;

const std::string kInterrupts = std::string(QORL_LISTS_DIR) + "/INTERRUP.LST";

void BM_BuildTableMap(benchmark::State& state) {
  if (!std::filesystem::exists(kInterrupts)) {
    state.SkipWithError((kInterrupts + " absent").c_str());
    return;
  }
  const auto size = static_cast<std::int64_t>(std::filesystem::file_size(kInterrupts));
  TopicTable table;
  {
    std::ifstream in(kInterrupts, std::ios::binary);
    NullBusyIndicator busy;
    ScanTopics(in, {true, size, "INTERRUP.LST"}, table, busy);
  }
  TableMap map;
  for (auto _ : state) benchmark::DoNotOptimize(BuildTableMapOfFile(kInterrupts, table, map));
  state.SetBytesProcessed(state.iterations() * size);
  state.counters["tables"] = static_cast<double>(map.definitions().size());
}
BENCHMARK(BM_BuildTableMap)->Unit(benchmark::kMillisecond);

}  // namespace
