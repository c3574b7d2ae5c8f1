// SPDX-License-Identifier: MIT
#include "core/search/topic_key_index.h"

#include <algorithm>

#include "core/search/byte_pattern.h"
#include "core/search/locate_topic.h"
#include "core/search/text_rules.h"

namespace qorl {
namespace {

// Folded byte order; a text sorts before every longer text it begins.
int CompareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = FoldedByte(static_cast<unsigned char>(a[i]));
    const unsigned char y = FoldedByte(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace

TopicKeyIndex::TopicKeyIndex(const TopicTable& table) : table_(table) {
  if (table.count() > 1) order_.reserve(static_cast<std::size_t>(table.count() - 1));
  for (TopicNumber n = 1; n < table.count(); ++n) order_.push_back(n);
  std::stable_sort(order_.begin(), order_.end(), [&table](TopicNumber a, TopicNumber b) {
    return CompareFolded(TrimmedView(table.identifier(a)), TrimmedView(table.identifier(b))) < 0;
  });
}

TopicNumber TopicKeyIndex::locate(std::string_view keyText, std::string_view titleText) const {
  const std::string_view key = TrimmedView(keyText);
  const std::string_view title = TrimmedView(titleText);
  if (key.empty()) return LocateTopic(table_, keyText, titleText);
  auto it = std::lower_bound(order_.begin(), order_.end(), key,
                             [this](TopicNumber n, std::string_view k) {
                               return CompareFolded(TrimmedView(table_.identifier(n)), k) < 0;
                             });
  const BytePattern titlePattern(title, /*caseSensitive=*/false);
  TopicNumber first = -1;
  for (; it != order_.end(); ++it) {
    const TopicNumber n = *it;
    if (!StartsWithFolded(TrimmedView(table_.identifier(n)), key)) break;
    if (first >= 0 && n > first) continue;
    if (title.empty() ||
        titlePattern.findIn(TrimmedView(table_.title(n))) != std::string_view::npos)
      first = n;
  }
  return first;
}

}  // namespace qorl
