#include "core/search/locate_topic.h"

#include "core/search/byte_pattern.h"
#include "core/search/text_rules.h"

namespace qorl {

TopicNumber LocateTopic(const TopicTable& table, std::string_view keyText,
                        std::string_view titleText) {
  const std::string_view key = TrimmedView(keyText);
  const std::string_view title = TrimmedView(titleText);
  if (key.empty() && title.empty()) return -1;
  const BytePattern titlePattern(title, /*caseSensitive=*/false);
  for (TopicNumber n = 1; n < table.count(); ++n) {
    if (!key.empty() && !StartsWithFolded(TrimmedView(table.identifier(n)), key)) continue;
    if (!title.empty() &&
        titlePattern.findIn(TrimmedView(table.title(n))) == std::string_view::npos)
      continue;
    return n;
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
