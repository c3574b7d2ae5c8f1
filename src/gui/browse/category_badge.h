// SPDX-License-Identifier: MIT
#pragma once
// The category badge: a small teal (grey when disabled) box with the category character in white,
// or a white square for the all-categories entry.

#include <QColor>
#include <QRect>

class QPainter;

namespace qorl::gui {

inline QColor BadgeTeal() {
  return QColor(0, 128, 128);
}
inline QColor BadgeGrey() {
  return QColor(128, 128, 128);
}

// Draws the badge box from (left + 1, top + 1) to (left + 15, bottom - 1) of item, and inside it
// either the white all-categories square or the character at (left + 5, charTop).
void PaintCategoryBadge(QPainter& painter, const QRect& item, unsigned char category, bool disabled,
                        int charTop);

}  // namespace qorl::gui
