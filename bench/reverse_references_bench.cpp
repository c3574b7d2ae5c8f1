// SPDX-License-Identifier: MIT
// The reverse reference index ("Referenced by"): every link of INTERRUP.LST, and of all the lists
// of the folder, found and resolved as the viewer's links are, with every reference followed
// (the larger index) and with only the offered see-also items. The lists are opened once
// outside the timing, as the viewer's worker keeps them; "bytes" is the memory the index holds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/app/list_menu.h"
#include "core/browse/reverse_references.h"
#include "core/list/message_service.h"

namespace {

using namespace qorl;

const std::string kFolder = QORL_LISTS_DIR;

void BuildIndex(benchmark::State& state, bool allLists) {
  const bool followAll = state.range(0) != 0;
  if (!std::filesystem::exists(kFolder + "/INTERRUP.LST")) {
    state.SkipWithError((kFolder + "/INTERRUP.LST absent").c_str());
    return;
  }
  std::vector<std::string> lists{kFolder + "/INTERRUP.LST"};
  if (allLists) {
    lists.clear();
    for (const std::string& name : ListFileNames(kFolder)) lists.push_back(kFolder + "/" + name);
  }
  SilentMessages messages;
  NullBusyIndicator busy;
  ListShelf shelf(OpenOptions{}, busy, messages);
  for (const std::string& list : ListFileNames(kFolder))
    shelf.list(NormalListPath(kFolder + "/" + list));
  std::size_t bytes = 0, edges = 0;
  for (auto _ : state) {
    LinkResolver resolver(shelf, followAll);
    std::vector<ListReferences> built(lists.size());
    for (std::size_t i = 0; i < lists.size(); ++i)
      BuildListReferences(resolver, lists[i], {}, built[i]);
    bytes = edges = 0;
    for (const ListReferences& refs : built) {
      bytes += refs.memoryBytes();
      edges += refs.edges.size();
    }
    benchmark::DoNotOptimize(built);
  }
  state.counters["lists"] = static_cast<double>(lists.size());
  state.counters["references"] = static_cast<double>(edges);
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ReverseIndexInterrup(benchmark::State& state) {
  BuildIndex(state, false);
}
BENCHMARK(BM_ReverseIndexInterrup)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ReverseIndexAllLists(benchmark::State& state) {
  BuildIndex(state, true);
}
BENCHMARK(BM_ReverseIndexAllLists)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
