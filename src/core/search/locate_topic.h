// SPDX-License-Identifier: MIT
#pragma once
// Finding a topic by the leading part of its identifier and, optionally, a piece of its title:
// the lookup behind cross-reference links. Selecting and showing the found topic, and the Find
// state's start position and not-found flag (FindState::locateHit / locateMissed), are the
// caller's.

#include <functional>
#include <string_view>

#include "core/browse/reference_key.h"
#include "core/list/topic_table.h"

namespace qorl {

// The first topic, from number 1 on (topic 0 is never examined), whose trimmed identifier begins
// with the trimmed key and, when the trimmed title text is not empty, whose trimmed title contains
// it; comparisons fold a to z only. -1 when none matches or when key and title are both empty.
TopicNumber LocateTopic(const TopicTable& table, std::string_view keyText,
                        std::string_view titleText);

enum class ReferenceOutcome {
  NotHandled,    // list kind outside 1..7: nothing happens, nothing is said
  InvalidShape,  // message kTopicNotInListMessage
  NotFound,      // message kUnableToLocateTopicMessage
  Found,         // topic is set
};

struct ReferenceTarget {
  ReferenceOutcome outcome = ReferenceOutcome::NotHandled;
  TopicNumber topic = -1;
  // The information message to show, empty when there is none.
  std::string_view message() const;
};

// Resolves a see-also reference (ResolveReference) and looks its topic up: first with the key and
// the title text, then, when that finds nothing, with the key alone.
ReferenceTarget ResolveAndLocate(const TopicTable& table, std::string_view reference, int listKind,
                                 std::string_view currentIdentifier);

// For reading a list's topics one by one: true at the first topic after which more topics cannot
// change what ResolveAndLocate answers (the first that matches key and title text, or at once when
// the reference names no topic at all). The texts are copied.
std::function<bool(const TopicTable&, TopicNumber)> ReferenceFoundAt(
    std::string_view reference, int listKind, std::string_view currentIdentifier);

}  // namespace qorl
