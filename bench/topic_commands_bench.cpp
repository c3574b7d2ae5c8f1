// SPDX-License-Identifier: MIT
// What the topic commands do after the dialogs, on the largest topic of the real INTERRUP.LST:
// Copy (format, cut the ranges to a selection, write RTF and HTML) and Save as plain text (read
// the topic again, the display text, CR LF line ends). The list is opened without an index.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/app/rich_text_writer.h"
#include "core/app/save_topic.h"
#include "core/app/span_slice.h"
#include "core/browse/codepage437.h"
#include "core/browse/topic_format.h"
#include "core/list/busy.h"
#include "core/list/list_session.h"
#include "core/list/message_service.h"

namespace {

using qorl::SilentMessages;

struct OpenInterruptList {
  qorl::ListSession session;
  qorl::TopicNumber largest = -1;
};

// INTERRUP.LST opened without reading or writing an index, and its longest topic; largest stays
// -1 when the list is absent.
OpenInterruptList& OpenedList() {
  static OpenInterruptList list;
  static bool opened = false;
  if (opened) return list;
  opened = true;
  const std::filesystem::path path = std::filesystem::path(QORL_LISTS_DIR) / "INTERRUP.LST";
  if (!std::filesystem::exists(path)) return list;
  qorl::OpenOptions options;
  options.policy.loadTopicsDirect = true;
  qorl::NullBusyIndicator busy;
  SilentMessages messages;
  if (list.session.open(path.string(), options, busy, messages) != qorl::OpenOutcome::Opened)
    return list;
  const qorl::TopicTable& topics = list.session.topics();
  list.largest = 0;
  for (qorl::TopicNumber n = 1; n < topics.count(); ++n) {
    if (topics.record(n).length > topics.record(list.largest).length) list.largest = n;
  }
  return list;
}

// The opened list for a benchmark; nullptr, and the benchmark skipped, when it is absent.
OpenInterruptList* InterruptList(benchmark::State& state) {
  OpenInterruptList& list = OpenedList();
  if (list.largest >= 0) return &list;
  state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
  return nullptr;
}

void BM_CopyHalfOfLargestTopic(benchmark::State& state) {
  OpenInterruptList* list = InterruptList(state);
  if (!list) return;
  std::string bytes;
  list->session.readTopic(list->largest, bytes);
  const std::string display = qorl::DisplayTextOf(bytes);
  std::u16string text;
  for (const char c : display) text += qorl::Cp437ToUnicode(static_cast<unsigned char>(c));
  const auto start = static_cast<std::int32_t>(text.size() / 4);
  const auto length = static_cast<std::int32_t>(text.size() / 2);
  const std::string_view title = list->session.topics().title(list->largest);
  for (auto _ : state) {
    const qorl::FormattedTopic formatted =
        qorl::FormatTopic(display, title, list->session.listKind(), true, {});
    const auto spans = qorl::SliceSpans(formatted.spans, start, length);
    const std::u16string_view part = std::u16string_view(text).substr(start, length);
    benchmark::DoNotOptimize(qorl::WriteRtf(part, spans, {}));
    benchmark::DoNotOptimize(qorl::WriteHtml(part, spans, {}));
  }
  state.SetBytesProcessed(state.iterations() * length);
  state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_CopyHalfOfLargestTopic)->Unit(benchmark::kMicrosecond);

void BM_PlainTextSaveOfLargestTopic(benchmark::State& state) {
  OpenInterruptList* list = InterruptList(state);
  if (!list) return;
  std::string bytes;
  for (auto _ : state) {
    list->session.readTopic(list->largest, bytes);
    benchmark::DoNotOptimize(qorl::PlainTextOf(qorl::DisplayTextOf(bytes)));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainTextSaveOfLargestTopic)->Unit(benchmark::kMicrosecond);

}  // namespace
