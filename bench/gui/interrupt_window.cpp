// SPDX-License-Identifier: MIT
#include "interrupt_window.h"

#include <QFile>

#include "gui/list/list_controller.h"

namespace {

std::unique_ptr<OpenWindow> OpenInterruptWindow() {
  const QString source = QString(QORL_LISTS_DIR) + "/INTERRUP.LST";
  auto w = std::make_unique<OpenWindow>();
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
  if (w->longest < 0) return nullptr;
  return w;
}

std::unique_ptr<OpenWindow>& SharedWindow() {
  static std::unique_ptr<OpenWindow> shared;
  return shared;
}

}  // namespace

OpenWindow* InterruptWindow(benchmark::State& state) {
  static bool tried = false;
  if (!tried) {
    tried = true;
    SharedWindow() = OpenInterruptWindow();
  }
  OpenWindow* w = SharedWindow().get();
  if (!w) state.SkipWithError("INTERRUP.LST not found in QORL_LISTS_DIR");
  return w;
}

void CloseInterruptWindow() {
  SharedWindow().reset();
}
