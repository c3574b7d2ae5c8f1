// SPDX-License-Identifier: MIT
#pragma once
// What work that reports to the user needs of the main window: its message boxes, its busy
// pattern, and the window itself (kept from input while the work runs). Passed as one.

#include <QPointer>
#include <QWidget>

#include "core/list/busy.h"
#include "core/list/message_service.h"

namespace qorl::gui {

struct WindowServices {
  MessageService& messages;
  BusyIndicator& busy;
  QPointer<QWidget> window;
};

}  // namespace qorl::gui
