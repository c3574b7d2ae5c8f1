// SPDX-License-Identifier: MIT
// Search All Topics in the viewer window, offscreen, over every list of the real lists folder
// (each list opened by the search itself, from its index or by a scan): the time from Enter to
// the first results in the model, and to the end of the search.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>

#include "gui/search/full_text_controller.h"
#include "gui/search/full_text_results_model.h"
#include "interrupt_window.h"

namespace {

using namespace qorl::gui;

void SearchAllLists(benchmark::State& state, bool toTheEnd) {
  OpenWindow* w = InterruptWindow(state);
  if (!w) return;
  w->window->setListsFolder(std::string(QORL_LISTS_DIR) + "/");
  FullTextController& search = w->window->fullTextController();
  FullTextPanelValues values;
  values.text = "8042";
  values.allLists = true;
  search.panel()->setValues(values);
  int rows = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    search.startSearch();
    // The rows arrive through the event loop, as they do for the user.
    while (search.searching() && (toTheEnd || search.model()->rowCount() == 0))
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    rows = search.model()->rowCount();
    search.stopSearch();
  }
  if (rows == 0) state.SkipWithError("no result");
  state.counters["rows"] = rows;
}

void BM_SearchAllListsFirstResults(benchmark::State& state) {
  SearchAllLists(state, false);
}
void BM_SearchAllListsComplete(benchmark::State& state) {
  SearchAllLists(state, true);
}
BENCHMARK(BM_SearchAllListsFirstResults)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllListsComplete)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
