// SPDX-License-Identifier: MIT
// Searching and formatting over INTERRUP.LST: a title search with no hit over all topics, the
// lookup of the last topic by its identifier, and the formatting of the longest topic.

#include <benchmark/benchmark.h>

#include <string>

#include "core/browse/topic_format.h"
#include "core/list/list_scanner.h"
#include "core/search/locate_topic.h"
#include "core/search/title_search.h"
#include "core/support/scanned_list.h"

namespace qorl {
namespace {

using test::ScannedList;

// INTERRUP.LST, read once; nullptr when the file is not there or cannot be read.
const ScannedList* InterruptList() {
  static const auto* list = []() -> const ScannedList* {
    auto* scanned = new ScannedList;
    if (!ScanList(std::string(QORL_LISTS_DIR) + "/INTERRUP.LST", *scanned)) {
      delete scanned;
      return nullptr;
    }
    return scanned;
  }();
  return list;
}

void TitleSearchNoHit(benchmark::State& state, bool caseSensitive, bool wholeWords,
                      const char* pattern) {
  const auto* list = InterruptList();
  if (list == nullptr) return state.SkipWithError("INTERRUP.LST is not in QORL_LISTS_DIR");
  const TitleSearchOptions options{caseSensitive, wholeWords};
  for (auto _ : state) {
    const std::int32_t hit = SearchAllTitles(list->table, pattern, 0, options);
    if (hit != -1) return state.SkipWithError("the pattern was found");
    benchmark::DoNotOptimize(hit);
  }
  state.counters["topics"] = list->table.count();
}

void BM_TitleSearchNoHitFolded(benchmark::State& state) {
  TitleSearchNoHit(state, false, false, "int zzqq");
}
void BM_TitleSearchNoHitExact(benchmark::State& state) {
  TitleSearchNoHit(state, true, false, "INT ZZQQ");
}
void BM_TitleSearchNoHitWholeWords(benchmark::State& state) {
  TitleSearchNoHit(state, false, true, "dos zzqq");
}

void BM_LocateLastTopic(benchmark::State& state) {
  const auto* list = InterruptList();
  if (list == nullptr) return state.SkipWithError("INTERRUP.LST is not in QORL_LISTS_DIR");
  // The last topic that its identifier and title single out (earlier topics may share both).
  TopicNumber last = list->table.count() - 1;
  while (last > 1 &&
         LocateTopic(list->table, list->table.identifier(last), list->table.title(last)) != last)
    --last;
  const std::string key(list->table.identifier(last));
  const std::string title(list->table.title(last));
  for (auto _ : state) {
    const TopicNumber n = LocateTopic(list->table, key, title);
    if (n != last) return state.SkipWithError("the last topic was not located");
    benchmark::DoNotOptimize(n);
  }
  state.counters["topic"] = last;
}

// The longest topic formatted; with FollowAllReferences its running text is searched for
// references too (state.range(0) = 1).
void BM_FormatLongestTopic(benchmark::State& state) {
  const auto* list = InterruptList();
  if (list == nullptr) return state.SkipWithError("INTERRUP.LST is not in QORL_LISTS_DIR");
  TopicNumber longest = 0;
  for (TopicNumber n = 1; n < list->table.count(); ++n) {
    if (list->table.record(n).length > list->table.record(longest).length) longest = n;
  }
  const std::string_view bytes = list->topicBytes(longest);
  FormatSettings settings;
  settings.followAllReferences = state.range(0) != 0;
  for (auto _ : state) {
    const std::string text = DisplayTextOf(bytes);
    const FormattedTopic topic = FormatTopic(text, list->table.title(longest), 1, true, settings);
    benchmark::DoNotOptimize(topic.spans.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_TitleSearchNoHitFolded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleSearchNoHitExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleSearchNoHitWholeWords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocateLastTopic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormatLongestTopic)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qorl
