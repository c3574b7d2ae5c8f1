// SPDX-License-Identifier: MIT
#pragma once
// The text of every topic searched at once: the list's bytes are read in large blocks and searched
// as they are, and a hit is tied to its topic by the topic table's offsets only where it stands.
// A hit must lie wholly inside one topic's text (from its title line to its end); the whole-word
// rule takes the topic's ends as non-word neighbours. Folding and word characters are Find's.

#include <atomic>
#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "core/list/topic_table.h"

namespace qorl {

struct FullTextQuery {
  std::string pattern;  // the list's bytes (code page 437); an empty pattern finds nothing
  bool caseSensitive = false;
  bool wholeWords = false;
};

// One topic that holds the text.
struct TopicMatch {
  TopicNumber topic = -1;
  std::int32_t hits = 0;        // occurrences in the topic, each counted once (no overlaps)
  std::int32_t firstHit = 0;    // byte position of the first hit in the topic's text
  std::string preview;          // the first hit's line, cut to at most 80 bytes before the hit
                                // and 120 after it
  std::int32_t previewHit = 0;  // where the first hit starts in preview

  bool operator==(const TopicMatch&) const = default;
};

// Receives the matches in list order, a batch at a time (at least one per block read).
using MatchSink = std::function<void(std::vector<TopicMatch>& batch)>;

enum class FullTextStatus {
  Finished,   // every topic was searched
  Cancelled,  // the cancel flag was set; the batches delivered so far stand
  ReadFailed  // the list could not be read; the batches delivered so far stand
};

// Searches the text of every topic of table in the list read from in (positioned at its start).
// cancel (may be null) is looked at once per block.
FullTextStatus SearchTopicsText(std::istream& in, const TopicTable& table,
                                const FullTextQuery& query, const std::atomic<bool>* cancel,
                                const MatchSink& sink);

// The same over the list file at path.
FullTextStatus SearchListFileText(const std::string& path, const TopicTable& table,
                                  const FullTextQuery& query, const std::atomic<bool>* cancel,
                                  const MatchSink& sink);

// Whether the file's bytes hold the text anywhere, whole words or not; stops at the first hit. A
// file that cannot be read counts as holding it. A list that does not hold the text needs no
// topic table to be searched.
bool ListFileMayHoldText(const std::string& path, const FullTextQuery& query);

}  // namespace qorl
