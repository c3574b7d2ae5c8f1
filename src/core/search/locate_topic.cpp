// SPDX-License-Identifier: MIT
#include "core/search/locate_topic.h"

#include <memory>
#include <string>

#include "core/search/byte_pattern.h"
#include "core/search/text_rules.h"

namespace qorl {

namespace {

// Topic n's match of a trimmed key and title text (either may be empty, not both).
bool Matches(const TopicTable& table, TopicNumber n, std::string_view key, std::string_view title,
             const BytePattern& titlePattern) {
  if (!key.empty() && !StartsWithFolded(TrimmedView(table.identifier(n)), key)) return false;
  return title.empty() ||
         titlePattern.findIn(TrimmedView(table.title(n))) != std::string_view::npos;
}

}  // namespace

TopicNumber LocateTopic(const TopicTable& table, std::string_view keyText,
                        std::string_view titleText) {
  const std::string_view key = TrimmedView(keyText);
  const std::string_view title = TrimmedView(titleText);
  if (key.empty() && title.empty()) return -1;
  const BytePattern titlePattern(title, /*caseSensitive=*/false);
  for (TopicNumber n = 1; n < table.count(); ++n) {
    if (Matches(table, n, key, title, titlePattern)) return n;
  }
  return -1;
}

std::string_view ReferenceTarget::message() const {
  switch (outcome) {
    case ReferenceOutcome::InvalidShape:
      return kTopicNotInListMessage;
    case ReferenceOutcome::NotFound:
      return kUnableToLocateTopicMessage;
    default:
      return {};
  }
}

ReferenceTarget ResolveAndLocate(const TopicTable& table, std::string_view reference, int listKind,
                                 std::string_view currentIdentifier) {
  ReferenceTarget target;
  const ReferenceKey ref = ResolveReference(reference, listKind, currentIdentifier);
  if (ref.status == ReferenceStatus::NotHandled) return target;
  if (ref.status == ReferenceStatus::InvalidShape) {
    target.outcome = ReferenceOutcome::InvalidShape;
    return target;
  }
  TopicNumber n = LocateTopic(table, ref.key, ref.title);
  if (n < 0) n = LocateTopic(table, ref.key, {});
  target.outcome = n < 0 ? ReferenceOutcome::NotFound : ReferenceOutcome::Found;
  target.topic = n;
  return target;
}

}  // namespace qorl

namespace qorl {

std::function<bool(const TopicTable&, TopicNumber)> ReferenceFoundAt(
    std::string_view reference, int listKind, std::string_view currentIdentifier) {
  const ReferenceKey ref = ResolveReference(reference, listKind, currentIdentifier);
  if (ref.status != ReferenceStatus::Key) {
    return [](const TopicTable&, TopicNumber) { return true; };
  }
  struct Lookup {
    std::string key;
    std::string title;
    BytePattern titlePattern;
  };
  const std::string_view key = TrimmedView(ref.key);
  const std::string_view title = TrimmedView(ref.title);
  auto lookup = std::make_shared<Lookup>(
      Lookup{std::string(key), std::string(title), BytePattern(title, /*caseSensitive=*/false)});
  return [lookup](const TopicTable& table, TopicNumber n) {
    if (lookup->key.empty() && lookup->title.empty()) return true;
    return n >= 1 && Matches(table, n, lookup->key, lookup->title, lookup->titlePattern);
  };
}

}  // namespace qorl
