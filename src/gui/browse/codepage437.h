#pragma once
// Decoding of list bytes (DOS code page 437) for display.

#include <QString>
#include <string_view>

namespace qorl::gui {

// The Unicode character of one code page 437 byte; bytes below 128 stay as they are.
char16_t Cp437Char(unsigned char byte);

// The bytes decoded one by one.
QString FromCp437(std::string_view bytes);

}  // namespace qorl::gui
