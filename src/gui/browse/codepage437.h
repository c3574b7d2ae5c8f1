// SPDX-License-Identifier: MIT
#pragma once
// Decoding of list bytes (DOS code page 437) for display.

#include <QString>
#include <string_view>

namespace qorl::gui {

// The bytes decoded one by one (one character per byte).
QString FromCp437(std::string_view bytes);

}  // namespace qorl::gui
