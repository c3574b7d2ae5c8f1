// SPDX-License-Identifier: MIT
#pragma once
// The About box's banner, drawn in code: 300 x 150 pixels, a dark blue field with a faint hex
// dump of an interrupt vector table, the program's name, and a dark band under the version and
// notice labels (y 100 to 147).

#include <QPixmap>

namespace qorl::gui {

inline constexpr int kBannerWidth = 300;
inline constexpr int kBannerHeight = 150;

QPixmap AboutBanner();

}  // namespace qorl::gui
