// SPDX-License-Identifier: MIT
// Following a reference into another list in the viewer, offscreen, with FollowAllReferences
// on: the lookup in the other list, its opening from its index, locating and loading the topic.
// From an INTERRUP.LST topic to "PORT 0060h", and from a PORTS.LST topic to "INT 21/AH=4Ch".

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core/list/message_service.h"
#include "gui/app/main_window.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/reference_controller.h"
#include "gui/list/list_controller.h"

namespace {

// A window over copies of INTERRUP.LST and PORTS.LST whose indexes are written already.
struct TwoLists {
  qorl::SilentMessages messages;
  QTemporaryDir folder;
  std::unique_ptr<qorl::gui::TFormMain> window;
  std::string interrupts;
  std::string ports;

  void show(const std::string& list, qorl::TopicNumber topic) {
    window->listController().openList(list);
    window->gridController().loadTopic(topic);
  }
};

TwoLists* Lists() {
  static TwoLists* lists = []() -> TwoLists* {
    auto* l = new TwoLists;
    for (const char* name : {"INTERRUP.LST", "PORTS.LST"}) {
      if (!QFile::copy(QString(QORL_LISTS_DIR) + "/" + name, l->folder.filePath(name)))
        return nullptr;
    }
    l->interrupts = l->folder.filePath("INTERRUP.LST").toStdString();
    l->ports = l->folder.filePath("PORTS.LST").toStdString();
    l->window = std::make_unique<qorl::gui::TFormMain>(l->messages);
    l->window->resize(1000, 750);
    l->window->show();
    l->window->browseState().options.followAllReferences = true;
    l->show(l->ports, 1);  // both indexes written
    l->show(l->interrupts, 1);
    return l;
  }();
  return lists;
}

void Follow(benchmark::State& state, bool intoPorts) {
  TwoLists* l = Lists();
  if (!l) {
    state.SkipWithError("INTERRUP.LST or PORTS.LST not found in QORL_LISTS_DIR");
    return;
  }
  const std::string& from = intoPorts ? l->interrupts : l->ports;
  const std::string& to = intoPorts ? l->ports : l->interrupts;
  const std::string reference = intoPorts ? "PORT 0060h" : "INT 21/AH=4Ch";
  for (auto _ : state) {
    state.PauseTiming();
    l->show(from, 1);
    state.ResumeTiming();
    l->window->referenceController().resolveReference(reference);
  }
  if (l->window->browseState().listPath != to)
    state.SkipWithError("the reference was not followed");
}

void BM_FollowIntoPorts(benchmark::State& state) {
  Follow(state, true);
}
BENCHMARK(BM_FollowIntoPorts)->Unit(benchmark::kMillisecond);

void BM_FollowIntoInterrupts(benchmark::State& state) {
  Follow(state, false);
}
BENCHMARK(BM_FollowIntoInterrupts)->Unit(benchmark::kMillisecond);

}  // namespace
