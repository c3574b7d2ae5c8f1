// SPDX-License-Identifier: MIT
#pragma once
// Places a window in the middle of its screen: left = screen width / 2 - window width / 2, top
// likewise, in whole pixels.

class QWidget;

namespace qorl::gui {

void CentreOnScreen(QWidget* window);

}  // namespace qorl::gui
