// SPDX-License-Identifier: MIT
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
#include "interrupt_window.h"

namespace {

// Loads the longest topic in every iteration, each load followed by then(window); the window,
// or nullptr when the benchmark is skipped.
template <typename Then>
OpenWindow* LoadLongest(benchmark::State& state, Then then) {
  OpenWindow* w = InterruptWindow(state);
  if (!w) return nullptr;
  for (auto _ : state) {
    w->window->gridController().loadTopic(w->longest);
    then(*w->window);
  }
  return w;
}

void BM_LoadTopicLongest(benchmark::State& state) {
  const OpenWindow* w = LoadLongest(state, [](qorl::gui::TFormMain&) {});
  if (!w) return;
  state.counters["bytes"] = w->longestLength;
  state.counters["links"] =
      static_cast<double>(w->window->topicLoader().seeAlsoMenu()->actions().size());
}
BENCHMARK(BM_LoadTopicLongest)->Unit(benchmark::kMillisecond);

// The same with the text laid out, as the first paint after loading does.
void BM_LoadTopicLongestLaidOut(benchmark::State& state) {
  LoadLongest(state, [](qorl::gui::TFormMain& window) {
    benchmark::DoNotOptimize(window.currentTopic()->document()->documentLayout()->documentSize());
  });
}
BENCHMARK(BM_LoadTopicLongestLaidOut)->Unit(benchmark::kMillisecond);

// The same up to the first paint of the view, as the user sees it.
void BM_LoadTopicLongestPainted(benchmark::State& state) {
  LoadLongest(state,
              [](qorl::gui::TFormMain& window) { window.currentTopic()->viewport()->repaint(); });
}
BENCHMARK(BM_LoadTopicLongestPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  CloseInterruptWindow();
  benchmark::Shutdown();
  return 0;
}
