// SPDX-License-Identifier: MIT
#pragma once
// The 16 x 16 command icons, drawn in code: 0 open list, 1 save, 2 print, 3 copy, 4 select all,
// 5 find, 6 search again, 7 zoom, 8 configuration, 9 previous, 10 next, 12 back, 14 search all
// topics.

#include <QIcon>
#include <QPalette>

class QAction;
class QWidget;

namespace qorl::gui {

// Icon index drawn for palette: black outlines and the classic colours on a light tool bar,
// the palette's text colour and lighter shades on a dark one.
QIcon ActionIcon(int index, const QPalette& palette = QPalette());
// Gives action icon index for palette and remembers the index for RedrawActionIcons.
void SetActionIcon(QAction& action, int index, const QPalette& palette);
// Draws the icons of window's actions again for its palette (after a change of theme).
void RedrawActionIcons(QWidget& window);

}  // namespace qorl::gui
