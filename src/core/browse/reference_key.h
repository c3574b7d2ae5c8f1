// SPDX-License-Identifier: MIT
#pragma once
// Turns the text of a see-also reference (a clicked link or a chosen See-also menu entry) into the
// search key and title text with which the referenced topic is looked up. Keys have the shape of
// topic identifiers: the separator line's characters from column 11 on with dashes read as blanks,
// so an absent sub-field is two blanks (INT 21/AH=4Ch gives "214C  ").

#include <string>
#include <string_view>

namespace qorl {

// Shown (information box, OK) when a reference does not have the shape of its list's references.
inline constexpr std::string_view kTopicNotInListMessage = "Topic is not located in current list";
// Shown when no topic fits a well-formed reference, with or without its title text.
inline constexpr std::string_view kUnableToLocateTopicMessage =
    "Unable to locate topic in current list";

enum class ReferenceStatus {
  NotHandled,    // list kind outside 1..7: the reference does nothing and says nothing
  InvalidShape,  // wrong shape for the list: kTopicNotInListMessage
  Key,           // key and title are set
};

struct ReferenceKey {
  ReferenceStatus status = ReferenceStatus::NotHandled;
  std::string key;    // leading part of a topic identifier (may end in blanks; lookups trim it)
  std::string title;  // text after the first '"' up to the last character exclusive; may be empty
};

// reference: the item's bytes exactly as in the topic. listKind: 1 INTERRUP.LST, 2 PORTS.LST,
// 3 MEMORY.LST, 4 CMOS.LST, 5 FARCALL.LST, 6 MSR.LST, 7 I2C.LST (others are not handled).
// currentIdentifier: the identifier of the topic on view; its first two characters name the
// interrupt of relative INTERRUP.LST references such as "AX=4B00h".
// The leading words ("INT", "PORT ", ...) are compared upper-cased; register names such as "AH="
// only as written, in capitals. A register value ends at its 'h' suffix, so that the two-digit
// sub-functions "AH=E3h/SF=01h" find "21E3  SF01" as the four-digit ones "SF=8086h" do.
ReferenceKey ResolveReference(std::string_view reference, int listKind,
                              std::string_view currentIdentifier);

}  // namespace qorl
