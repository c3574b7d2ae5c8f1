// SPDX-License-Identifier: MIT
#pragma once
// The DOS code page 437, in which list files are written. The viewer decodes topic text for
// display one character per byte, so character positions equal byte positions; the Find box's
// text is encoded back to the list's bytes before it is searched for.

#include <string>
#include <string_view>

namespace qorl {

// The character shown for byte b. Tab (0x09), line feed (0x0A) and carriage return (0x0D) stay
// themselves and 0x00 is U+0000; the other control codes 0x01-0x1F and 0x7F show their graphic
// glyphs (0x01 is U+263A, 0x7F is U+2302); 0x80-0xFF are the code page's letters, box drawing
// and symbols.
char16_t Cp437ToUnicode(unsigned char b);

// The bytes of text in code page 437, appended to out after clearing it. Every character that
// Cp437ToUnicode yields maps back to its byte; the control characters U+0001-U+001F and U+007F
// map to their own codes; U+03B2 (beta) and U+03BC (micro) are taken as 0xE1 and 0xE6. False when
// some character has no byte in the code page (out then holds the bytes before it); such a text
// matches nothing in a search.
bool EncodeCp437(std::u16string_view text, std::string& out);

// As EncodeCp437, for UTF-8 text; false also for malformed UTF-8.
bool EncodeCp437FromUtf8(std::string_view utf8, std::string& out);

}  // namespace qorl
