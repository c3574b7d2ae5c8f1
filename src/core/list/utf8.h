// SPDX-License-Identifier: MIT
#pragma once
// UTF-8, the encoding of every text the program hands to the desktop (messages, settings, the
// clipboard's HTML).

#include <string>
#include <string_view>

namespace qorl {

// Appends the UTF-8 form of code (at most U+10FFFF; a surrogate is written as it stands).
void AppendUtf8(std::string& out, char32_t code);

// Whether text is well-formed UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace qorl
