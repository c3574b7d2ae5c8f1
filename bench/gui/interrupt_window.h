#pragma once
// The viewer window of the benchmarks, offscreen, with a copy of INTERRUP.LST open.

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "../silent_messages.h"
#include "core/list/message_service.h"
#include "gui/app/main_window.h"
#include "gui/list/list_controller.h"

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

}  // namespace
