// LoadTopic in the viewer window, offscreen: the longest topic of INTERRUP.LST read, shown and
// formatted (links, labels, See-also menu), with and without laying the text out.

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topic_text_view.h"
#include "gui/list/list_controller.h"
#include "silent_messages.h"

namespace {

using qorl::bench::SilentMessages;

// The window with INTERRUP.LST open (a copy in a temporary folder, so its index is written
// there), and the number of its longest topic.
struct OpenWindow {
  SilentMessages messages;
  QTemporaryDir folder;
  std::unique_ptr<qorl::gui::TFormMain> window;
  qorl::TopicNumber longest = -1;
  std::int32_t longestLength = 0;
};

OpenWindow* InterruptWindow() {
  static OpenWindow* open = []() -> OpenWindow* {
    const QString source = QString(QORL_LISTS_DIR) + "/INTERRUP.LST";
    auto* w = new OpenWindow;
    const QString copy = w->folder.filePath("INTERRUP.LST");
    if (!QFile::exists(source) || !QFile::copy(source, copy)) return nullptr;
    w->window = std::make_unique<qorl::gui::TFormMain>(w->messages);
    w->window->resize(1000, 750);
    w->window->show();
    w->window->listController().openList(copy.toStdString());
    const qorl::TopicTable& table = w->window->browseState().topics();
    for (qorl::TopicNumber n = 0; n < table.count(); ++n) {
      if (table.record(n).length > w->longestLength) {
        w->longestLength = table.record(n).length;
        w->longest = n;
      }
    }
    return w->longest >= 0 ? w : nullptr;
  }();
  return open;
}

void BM_LoadTopicLongest(benchmark::State& state) {
  OpenWindow* w = InterruptWindow();
  if (!w) {
    state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
    return;
  }
  for (auto _ : state) w->window->gridController().loadTopic(w->longest);
  state.counters["bytes"] = w->longestLength;
  state.counters["links"] =
      static_cast<double>(w->window->topicLoader().seeAlsoMenu()->actions().size());
}
BENCHMARK(BM_LoadTopicLongest)->Unit(benchmark::kMillisecond);

// The same with the text laid out, as the first paint after loading does.
void BM_LoadTopicLongestLaidOut(benchmark::State& state) {
  OpenWindow* w = InterruptWindow();
  if (!w) {
    state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
    return;
  }
  for (auto _ : state) {
    w->window->gridController().loadTopic(w->longest);
    benchmark::DoNotOptimize(
        w->window->currentTopic()->document()->documentLayout()->documentSize());
  }
}
BENCHMARK(BM_LoadTopicLongestLaidOut)->Unit(benchmark::kMillisecond);

// The same up to the first paint of the view, as the user sees it.
void BM_LoadTopicLongestPainted(benchmark::State& state) {
  OpenWindow* w = InterruptWindow();
  if (!w) {
    state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
    return;
  }
  for (auto _ : state) {
    w->window->gridController().loadTopic(w->longest);
    w->window->currentTopic()->viewport()->repaint();
  }
}
BENCHMARK(BM_LoadTopicLongestPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
