// SPDX-License-Identifier: MIT
// Go to Topic's answer to one keystroke: queries typed character by character (references and
// title words), each prefix one lookup, over the 14 real lists and over 32 copies of
// INTERRUP.LST held apart in memory. Goals: 16 ms and 50 ms per keystroke. Read the medians
// (--benchmark_repetitions=5).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/list_menu.h"
#include "core/lookup/topic_lookup.h"

namespace {

using namespace qorl;

const std::string kFolder = QORL_LISTS_DIR;

// Every prefix of the typed queries, in the order they are typed.
std::vector<std::string> Keystrokes() {
  std::vector<std::string> strokes;
  for (const char* query : {"terminate program", "int 21 ah=4c", "get dos version", "port 60",
                            "vesa set video mode", "#01378", "keyboard status", "msr 1b"}) {
    const std::string text = query;
    for (std::size_t n = 1; n <= text.size(); ++n) strokes.push_back(text.substr(0, n));
  }
  return strokes;
}

void RunKeystrokes(benchmark::State& state, const LookupLists& lists) {
  const std::vector<std::string> strokes = Keystrokes();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LookupTopics(lists, strokes[i]));
    i = (i + 1) % strokes.size();
  }
  std::size_t topics = 0;
  for (const auto& list : lists) topics += static_cast<std::size_t>(list->topics().count());
  state.counters["lists"] = static_cast<double>(lists.size());
  state.counters["topics"] = static_cast<double>(topics);
}

void BM_LookupKeystrokeRealLists(benchmark::State& state) {
  static const LookupLists lists = [] {
    LookupLists loaded;
    for (const std::string& name : ListFileNames(kFolder)) {
      if (auto list = LoadLookupList(ListFolderPath(kFolder, name))) loaded.push_back(list);
    }
    return loaded;
  }();
  if (lists.empty()) {
    state.SkipWithError(("no lists in " + kFolder).c_str());
    return;
  }
  RunKeystrokes(state, lists);
}
BENCHMARK(BM_LookupKeystrokeRealLists)->Unit(benchmark::kMillisecond);

void BM_LookupKeystroke32Interrupts(benchmark::State& state) {
  const std::string path = kFolder + "/INTERRUP.LST";
  static const LookupLists lists = [&path] {
    LookupLists loaded;
    for (int copy = 0; copy < 32 && std::filesystem::exists(path); ++copy) {
      if (auto list = LoadLookupList(path)) loaded.push_back(list);
    }
    return loaded;
  }();
  if (lists.empty()) {
    state.SkipWithError((path + " absent").c_str());
    return;
  }
  RunKeystrokes(state, lists);
}
BENCHMARK(BM_LookupKeystroke32Interrupts)->Unit(benchmark::kMillisecond);

}  // namespace
