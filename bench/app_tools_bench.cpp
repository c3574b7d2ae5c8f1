// SPDX-License-Identifier: MIT
// Rich-text writing of the largest topic of INTERRUP.LST (what Save as RTF and Copy Topic do) and
// building the Open List menu from the real lists folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/app/list_menu.h"
#include "core/app/rich_text_writer.h"

namespace {

struct LargeTopic {
  std::u16string text;
  std::vector<qorl::FormatSpan> spans;
};

// The longest topic of INTERRUP.LST as display text with a title span and one label span per
// line that has a field label; empty when the list is absent.
const LargeTopic& LargestTopic() {
  static const LargeTopic topic = [] {
    LargeTopic result;
    std::ifstream file(std::filesystem::path(QORL_LISTS_DIR) / "INTERRUP.LST", std::ios::binary);
    if (!file) return result;
    const std::string list((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::size_t bestStart = 0, bestLength = 0, start = 0;
    while (start < list.size()) {
      std::size_t end = list.find("\r\n--------", start);
      end = end == std::string::npos ? list.size() : end + 2;
      if (end - start > bestLength) bestStart = start, bestLength = end - start;
      start = list.find("\r\n", end);
      start = start == std::string::npos ? list.size() : start + 2;
    }
    std::size_t lineStart = 0;
    for (std::size_t i = bestStart; i < bestStart + bestLength; ++i) {
      if (list[i] == '\r') continue;
      if (list[i] == '\n') lineStart = result.text.size() + 1;
      if (list[i] == ':' && result.text.size() > lineStart &&
          result.text.find_first_of(u" \t", lineStart) > result.text.size()) {
        qorl::FormatSpan label;
        label.start = static_cast<std::int32_t>(lineStart);
        label.length = static_cast<std::int32_t>(result.text.size() - lineStart);
        label.underline = true;
        label.color = qorl::TextColor::Highlight;
        label.setsColor = true;
        result.spans.push_back(label);
      }
      result.text += static_cast<char16_t>(static_cast<unsigned char>(list[i]));
    }
    qorl::FormatSpan title;
    title.length = static_cast<std::int32_t>(result.text.find(u'\n'));
    title.bold = true;
    title.color = qorl::TextColor::Highlight;
    title.setsColor = true;
    result.spans.insert(result.spans.begin(), title);
    return result;
  }();
  return topic;
}

// Writes the largest topic with its formatting by the writer (RTF or HTML, as a copy does).
template <typename Writer>
void WriteLargestTopic(benchmark::State& state, Writer write) {
  const LargeTopic& topic = LargestTopic();
  if (topic.text.empty()) {
    state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(write(topic.text, topic.spans, {}));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(topic.text.size()));
  state.counters["chars"] = static_cast<double>(topic.text.size());
}

void BM_WriteRtfLargestTopic(benchmark::State& state) {
  WriteLargestTopic(state, qorl::WriteRtf);
}
BENCHMARK(BM_WriteRtfLargestTopic)->Unit(benchmark::kMicrosecond);

void BM_WriteHtmlLargestTopic(benchmark::State& state) {
  WriteLargestTopic(state, qorl::WriteHtml);
}
BENCHMARK(BM_WriteHtmlLargestTopic)->Unit(benchmark::kMicrosecond);

void BM_BuildListMenuFromListsFolder(benchmark::State& state) {
  if (!std::filesystem::exists(QORL_LISTS_DIR)) {
    state.SkipWithError("no lists folder at QORL_LISTS_DIR");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(qorl::BuildListMenuFromFolder(QORL_LISTS_DIR, false));
  }
}
BENCHMARK(BM_BuildListMenuFromListsFolder)->Unit(benchmark::kMicrosecond);

}  // namespace
