// SPDX-License-Identifier: MIT
#include "core/lookup/topic_lookup.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/browse/codepage437.h"
#include "core/browse/reference_route.h"
#include "core/lookup/query_readings.h"
#include "core/search/follow_reference.h"
#include "core/search/text_finder.h"
#include "core/search/text_rules.h"

namespace qorl {
namespace {

// How a word matched in a line: whole, at a word's start, or inside a word.
enum MatchClass : int { kWholeWord = 0, kWordStart = 1, kInside = 2, kNoMatch = 3 };

struct Candidate {
  int score = 0;  // sum of the words' match classes
  std::uint32_t titleLength = 0;
  std::uint32_t list = 0;
  TopicNumber topic = 0;
};

bool Before(const Candidate& a, const Candidate& b) {
  if (a.score != b.score) return a.score < b.score;
  if (a.titleLength != b.titleLength) return a.titleLength < b.titleLength;
  if (a.list != b.list) return a.list < b.list;
  return a.topic < b.topic;
}

bool WordByteAt(std::string_view line, std::size_t i) {
  return i < line.size() && IsWordByte(static_cast<unsigned char>(line[i]));
}

// The best match of word in line and where it stands.
struct WordMatch {
  int kind = kNoMatch;
  std::size_t at = 0;
};

WordMatch BestMatch(std::string_view line, std::string_view word) {
  WordMatch best;
  for (std::size_t at = line.find(word); at != std::string_view::npos;
       at = line.find(word, at + 1)) {
    const bool starts = at == 0 || !WordByteAt(line, at - 1);
    const bool ends = !WordByteAt(line, at + word.size());
    const int kind = starts ? (ends ? kWholeWord : kWordStart) : kInside;
    if (kind < best.kind) best = {kind, at};
    if (kind == kWholeWord) break;
  }
  return best;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (IsTrimmedByte(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += static_cast<char>(FoldedByte(static_cast<unsigned char>(c)));
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  // Longest first: the longest word finds the fewest lines.
  std::stable_sort(words.begin(), words.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return words;
}

std::string_view LineOf(const LookupList& list, TopicNumber n) {
  const std::size_t begin = list.lineStarts[static_cast<std::size_t>(n)];
  const std::size_t end = list.lineStarts[static_cast<std::size_t>(n) + 1] - 1;
  return std::string_view(list.folded).substr(begin, end - begin);
}

// The spans of the words in topic n's line, cut at the blank between identifier and title.
std::vector<LookupSpan> SpansOf(const LookupList& list, TopicNumber n,
                                const std::vector<std::string>& words) {
  const std::string_view line = LineOf(list, n);
  const std::size_t idLength = list.topics().identifier(n).size();
  std::vector<LookupSpan> spans;
  for (const std::string& word : words) {
    const WordMatch match = BestMatch(line, word);
    if (match.kind == kNoMatch) continue;
    const std::size_t end = match.at + word.size();
    if (match.at < idLength) {
      spans.push_back({false, static_cast<std::uint32_t>(match.at),
                       static_cast<std::uint32_t>(std::min(end, idLength) - match.at)});
    }
    if (end > idLength + 1) {
      const std::size_t start = std::max(match.at, idLength + 1);
      spans.push_back({true, static_cast<std::uint32_t>(start - idLength - 1),
                       static_cast<std::uint32_t>(end - start)});
    }
  }
  std::sort(spans.begin(), spans.end(), [](const LookupSpan& a, const LookupSpan& b) {
    return a.inTitle != b.inTitle ? !a.inTitle : a.start < b.start;
  });
  return spans;
}

// Keeps the best `limit` candidates seen (a heap whose top is the worst kept).
class BestCandidates {
 public:
  explicit BestCandidates(std::size_t limit) : limit_(limit) {}
  void offer(const Candidate& c) {
    if (limit_ == 0) return;
    if (heap_.size() < limit_) {
      heap_.push_back(c);
      std::push_heap(heap_.begin(), heap_.end(), Before);
    } else if (Before(c, heap_.front())) {
      std::pop_heap(heap_.begin(), heap_.end(), Before);
      heap_.back() = c;
      std::push_heap(heap_.begin(), heap_.end(), Before);
    }
  }
  std::vector<Candidate> sorted() {
    std::sort_heap(heap_.begin(), heap_.end(), Before);
    return std::move(heap_);
  }

 private:
  std::size_t limit_;
  std::vector<Candidate> heap_;
};

void SearchWords(const LookupLists& lists, const std::vector<std::string>& words,
                 BestCandidates& best, const LookupTarget& skip) {
  const TextFinder finder(words.front(), /*caseSensitive=*/true);
  for (std::size_t l = 0; l < lists.size(); ++l) {
    const LookupList& list = *lists[l];
    const char* const begin = list.folded.data();
    const char* const end = begin + list.folded.size();
    // Topic 0 is the text before the first separator: no topic a reference could name.
    const char* from = list.lineStarts.size() > 1 ? begin + list.lineStarts[1] : end;
    while (from < end) {
      const char* hit = finder.find(from, end);
      if (!hit) break;
      const auto next = std::upper_bound(list.lineStarts.begin(), list.lineStarts.end(),
                                         static_cast<std::uint32_t>(hit - begin));
      const TopicNumber n = static_cast<TopicNumber>(next - list.lineStarts.begin()) - 1;
      from = begin + *next;
      if (hit + words.front().size() > from - 1) continue;  // runs into the next line
      if (static_cast<int>(l) == skip.list && n == skip.topic) continue;
      const std::string_view line = LineOf(list, n);
      int score = 0;
      bool all = true;
      for (const std::string& word : words) {
        const int kind = BestMatch(line, word).kind;
        all = all && kind != kNoMatch;
        if (!all) break;
        score += kind;
      }
      if (!all) continue;
      best.offer({score, static_cast<std::uint32_t>(list.topics().title(n).size()),
                  static_cast<std::uint32_t>(l), n});
    }
  }
}

// A port number that no identifier starts with lies in a range "Pxxxxyyyy".
TopicNumber PortRangeHolding(const TopicTable& topics, std::string_view key) {
  if (key.size() != 5) return -1;
  const auto value = [](std::string_view digits) -> std::optional<unsigned> {
    unsigned v = 0;
    for (char c : digits) {
      const char u = AsciiUpper(c);
      if (u >= '0' && u <= '9') {
        v = v * 16 + static_cast<unsigned>(u - '0');
      } else if (u >= 'A' && u <= 'F') {
        v = v * 16 + static_cast<unsigned>(u - 'A' + 10);
      } else {
        return std::nullopt;
      }
    }
    return v;
  };
  const std::optional<unsigned> port = value(key.substr(1));
  if (!port) return -1;
  TopicNumber found = -1;
  unsigned width = 0;
  for (TopicNumber n = 1; n < topics.count(); ++n) {
    const std::string_view id = TrimmedView(topics.identifier(n));
    if (id.size() != 9 || id[0] != 'P') continue;
    const std::optional<unsigned> first = value(id.substr(1, 4));
    const std::optional<unsigned> last = value(id.substr(5, 4));
    if (!first || !last || *first > *port || *port > *last) continue;
    if (found < 0 || *last - *first < width) {
      found = n;
      width = *last - *first;
    }
  }
  return found;
}

}  // namespace

LookupTarget LocateReferenceIn(const LookupLists& lists, std::string_view reference) {
  if (reference.empty()) return {};
  const ReferenceRoute route = RouteReference(reference, 0, {});
  if (route.kind != RouteKind::Key && route.kind != RouteKind::Table) return {};
  for (std::size_t l = 0; l < lists.size(); ++l) {
    const LookupList& list = *lists[l];
    if (list.kind != route.listKind) continue;
    ReferenceTarget target = LocateRoute(route, list.topics(), list.tables);
    if (target.outcome != ReferenceOutcome::Found && route.kind == RouteKind::Key &&
        route.listKind == 2)
      target.topic = PortRangeHolding(list.topics(), TrimmedView(route.key));
    if (target.topic < 0) return {};
    return {static_cast<int>(l), target.topic};
  }
  return {};
}

std::vector<LookupRow> LookupTopics(const LookupLists& lists, std::string_view query,
                                    std::size_t limit) {
  std::vector<LookupRow> rows;
  std::string bytes;
  if (limit == 0 || !EncodeCp437FromUtf8(query, bytes)) return rows;
  const LookupTarget named = LocateReferenceIn(lists, ReferenceReading(bytes));
  if (named.list >= 0) {
    LookupRow row{static_cast<std::size_t>(named.list), named.topic, true, {}};
    const std::size_t idLength =
        TrimmedView(lists[row.list]->topics().identifier(named.topic)).size();
    if (idLength > 0) row.spans.push_back({false, 0, static_cast<std::uint32_t>(idLength)});
    rows.push_back(std::move(row));
    if (rows.size() >= limit) return rows;
  }
  const std::vector<std::string> words = Words(bytes);
  if (words.empty()) return rows;
  BestCandidates best(limit - rows.size());
  SearchWords(lists, words, best, named);
  for (const Candidate& c : best.sorted()) {
    const LookupList& list = *lists[c.list];
    rows.push_back({c.list, c.topic, false, SpansOf(list, c.topic, words)});
  }
  return rows;
}

}  // namespace qorl
