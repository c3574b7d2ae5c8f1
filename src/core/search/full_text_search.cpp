// SPDX-License-Identifier: MIT
#include "core/search/full_text_search.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>

#include "core/list/file_path.h"
#include "core/search/byte_pattern.h"
#include "core/search/text_finder.h"

namespace qorl {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;
constexpr std::size_t kPreviewBefore = 80;
constexpr std::size_t kPreviewAfter = 120;
// Bytes kept before the next block's first possible hit: the preview's start and the byte before
// the hit for the whole-word test.
constexpr std::size_t kKeptBefore = kPreviewBefore + 1;
constexpr std::size_t kBatchSize = 256;

// A topic's text as file positions [begin, end).
struct TopicSpan {
  TopicNumber topic = -1;
  std::int64_t begin = 0;
  std::int64_t end = 0;
};

TopicSpan SpanOf(const TopicTable& table, TopicNumber n) {
  const TopicRecord& r = table.record(n);
  return {n, r.offset, static_cast<std::int64_t>(r.offset) + r.length};
}

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Offsets that rise and texts that never overlap let a hit find its topic by binary search, as
// every scanned list has them; an index edited by hand may not.
bool TopicsInFileOrder(const TopicTable& table) {
  std::int64_t end = 0;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    const TopicRecord& r = table.record(n);
    if (r.offset < end || r.length < 0) return false;
    end = static_cast<std::int64_t>(r.offset) + r.length;
  }
  return true;
}

// The topic whose text holds a file position, by binary search over the offsets; the last topic
// found is kept, since hits come in file order.
class OrderedTopicLocator {
 public:
  explicit OrderedTopicLocator(const TopicTable& table) : table_(table) {}

  bool operator()(std::int64_t position, TopicSpan& span) {
    if (cached_.topic < 0 || position < cached_.begin || position >= cached_.end) {
      TopicNumber low = 0;
      TopicNumber high = table_.count();
      while (low < high) {
        const TopicNumber mid = low + (high - low) / 2;
        if (table_.record(mid).offset <= position)
          low = mid + 1;
        else
          high = mid;
      }
      if (low == 0) return false;
      const TopicSpan found = SpanOf(table_, low - 1);
      if (position >= found.end) return false;  // a separator line between two topics
      cached_ = found;
    }
    span = cached_;
    return true;
  }

 private:
  const TopicTable& table_;
  TopicSpan cached_;
};

// Turns the finder's hits into topic matches and hands them on in batches.
class MatchCollector {
 public:
  MatchCollector(const TextFinder& finder, bool wholeWords, const MatchSink& sink)
      : finder_(finder), wholeWords_(wholeWords), sink_(sink) {}

  // Takes the hits that start in [from, limit) of data, whose first byte is at file position
  // base and of which size bytes are readable.
  template <class Locator>
  void scan(const char* data, std::size_t size, std::int64_t base, std::size_t from,
            std::size_t limit, Locator& locate) {
    const std::size_t m = finder_.size();
    if (nextAllowed_ > base) from = std::max(from, static_cast<std::size_t>(nextAllowed_ - base));
    const char* const searchEnd = data + std::min(size, limit + m - 1);
    while (from < limit) {
      const char* hit = finder_.find(data + from, searchEnd);
      if (hit == nullptr) break;
      const auto i = static_cast<std::size_t>(hit - data);
      const std::int64_t position = base + static_cast<std::int64_t>(i);
      TopicSpan span;
      if (!locate(position, span) || position + static_cast<std::int64_t>(m) > span.end) {
        from = i + 1;
        continue;
      }
      // The topic's text as far as the buffer holds it; its ends count as non-word neighbours.
      const std::size_t viewBegin =
          span.begin > base ? static_cast<std::size_t>(span.begin - base) : 0;
      const std::size_t viewEnd =
          static_cast<std::size_t>(std::min<std::int64_t>(span.end - base, size));
      const std::string_view topicText(data + viewBegin, viewEnd - viewBegin);
      if (wholeWords_ && !IsWholeWordAt(topicText, i - viewBegin, m)) {
        from = i + 1;
        continue;
      }
      if (pending_.topic == span.topic) {
        ++pending_.hits;
      } else {
        finishTopic();
        startTopic(span, position, topicText, i - viewBegin);
      }
      nextAllowed_ = position + static_cast<std::int64_t>(m);
      from = i + m;
    }
  }

  // Every hit before file position searched has been taken: a topic that ends there is complete,
  // and what is complete goes to the sink.
  void endBlock(std::int64_t searched) {
    if (pending_.topic >= 0 && pendingEnd_ <= searched) finishTopic();
    flush();
  }

  // A new stretch of text whose positions start afresh (topic by topic).
  void restart() { nextAllowed_ = 0; }

  void finish() {
    finishTopic();
    flush();
  }

 private:
  void startTopic(const TopicSpan& span, std::int64_t position, std::string_view text,
                  std::size_t hitAt) {
    std::size_t lineBegin = hitAt;
    const std::size_t earliest = hitAt > kPreviewBefore ? hitAt - kPreviewBefore : 0;
    while (lineBegin > earliest && !IsLineEnd(text[lineBegin - 1])) --lineBegin;
    std::size_t lineEnd = hitAt + finder_.size();
    const std::size_t latest = std::min(text.size(), lineEnd + kPreviewAfter);
    while (lineEnd < latest && !IsLineEnd(text[lineEnd])) ++lineEnd;
    pending_.topic = span.topic;
    pending_.hits = 1;
    pending_.firstHit = static_cast<std::int32_t>(position - span.begin);
    pending_.preview.assign(text.substr(lineBegin, lineEnd - lineBegin));
    pending_.previewHit = static_cast<std::int32_t>(hitAt - lineBegin);
    pendingEnd_ = span.end;
  }

  void finishTopic() {
    if (pending_.topic < 0) return;
    batch_.push_back(std::move(pending_));
    pending_ = TopicMatch{};
    if (batch_.size() >= kBatchSize) flush();
  }

  void flush() {
    if (batch_.empty()) return;
    if (sink_) sink_(batch_);
    batch_.clear();
  }

  const TextFinder& finder_;
  bool wholeWords_;
  const MatchSink& sink_;
  std::int64_t nextAllowed_ = 0;  // the next hit may not start before this (no overlaps)
  TopicMatch pending_;            // the topic of the last hit, still counting
  std::int64_t pendingEnd_ = 0;
  std::vector<TopicMatch> batch_;
};

bool Cancelled(const std::atomic<bool>* cancel) {
  return cancel != nullptr && cancel->load(std::memory_order_relaxed);
}

// The whole list in blocks, for a table in file order.
FullTextStatus SearchInBlocks(std::istream& in, const TopicTable& table, const TextFinder& finder,
                              MatchCollector& collector, const std::atomic<bool>* cancel) {
  const std::size_t m = finder.size();
  // Bytes a block keeps unsearched at its end for the next: the pattern, the byte after it and
  // the preview's end.
  const std::size_t keptAfter = m + kPreviewAfter + 1;
  std::vector<char> buffer(kKeptBefore + keptAfter + kBlock);
  OrderedTopicLocator locate(table);
  std::size_t dataEnd = 0;
  std::size_t searchFrom = 0;
  std::int64_t base = 0;
  while (true) {
    if (Cancelled(cancel)) return FullTextStatus::Cancelled;
    in.read(buffer.data() + dataEnd, static_cast<std::streamsize>(kBlock));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (in.bad()) return FullTextStatus::ReadFailed;
    dataEnd += got;
    const bool atEnd = in.eof() || got < kBlock;
    std::size_t limit = searchFrom;
    if (atEnd && dataEnd >= m)
      limit = std::max(searchFrom, dataEnd - m + 1);
    else if (!atEnd && dataEnd > keptAfter)
      limit = std::max(searchFrom, dataEnd - keptAfter);
    collector.scan(buffer.data(), dataEnd, base, searchFrom, limit, locate);
    collector.endBlock(base + static_cast<std::int64_t>(limit));
    if (atEnd) return FullTextStatus::Finished;
    const std::size_t keepFrom = limit > kKeptBefore ? limit - kKeptBefore : 0;
    std::memmove(buffer.data(), buffer.data() + keepFrom, dataEnd - keepFrom);
    dataEnd -= keepFrom;
    base += static_cast<std::int64_t>(keepFrom);
    searchFrom = limit - keepFrom;
  }
}

// Topic by topic, each read by seek and read, for a table whose topics are out of file order.
FullTextStatus SearchTopicByTopic(std::istream& in, const TopicTable& table,
                                  const TextFinder& finder, MatchCollector& collector,
                                  const std::atomic<bool>* cancel) {
  std::string text;
  for (TopicNumber n = 0; n < table.count(); ++n) {
    if (Cancelled(cancel)) return FullTextStatus::Cancelled;
    const TopicSpan span = SpanOf(table, n);
    if (span.end - span.begin < static_cast<std::int64_t>(finder.size())) continue;
    in.clear();
    in.seekg(span.begin);
    text.resize(static_cast<std::size_t>(span.end - span.begin));
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return FullTextStatus::ReadFailed;
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < finder.size()) continue;
    auto locate = [&span](std::int64_t, TopicSpan& found) {
      found = span;
      return true;
    };
    collector.restart();
    collector.scan(text.data(), got, span.begin, 0, got - finder.size() + 1, locate);
    collector.endBlock(span.end);
  }
  return FullTextStatus::Finished;
}

}  // namespace

FullTextStatus SearchTopicsText(std::istream& in, const TopicTable& table,
                                const FullTextQuery& query, const std::atomic<bool>* cancel,
                                const MatchSink& sink) {
  const TextFinder finder(query.pattern, query.caseSensitive);
  if (finder.empty() || table.empty()) return FullTextStatus::Finished;
  MatchCollector collector(finder, query.wholeWords, sink);
  const FullTextStatus status = TopicsInFileOrder(table)
                                    ? SearchInBlocks(in, table, finder, collector, cancel)
                                    : SearchTopicByTopic(in, table, finder, collector, cancel);
  if (status == FullTextStatus::Finished) collector.finish();
  return status;
}

FullTextStatus SearchListFileText(const std::string& path, const TopicTable& table,
                                  const FullTextQuery& query, const std::atomic<bool>* cancel,
                                  const MatchSink& sink) {
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return FullTextStatus::ReadFailed;
  return SearchTopicsText(in, table, query, cancel, sink);
}

bool ListFileMayHoldText(const std::string& path, const FullTextQuery& query) {
  const TextFinder finder(query.pattern, query.caseSensitive);
  if (finder.empty()) return false;
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return true;
  std::vector<char> buffer(kBlock + finder.size());
  std::size_t kept = 0;  // the end of the block before, where a hit may begin
  while (true) {
    in.read(buffer.data() + kept, static_cast<std::streamsize>(kBlock));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (in.bad()) return true;
    const std::size_t size = kept + got;
    if (finder.find(buffer.data(), buffer.data() + size) != nullptr) return true;
    if (got < kBlock) return false;
    kept = std::min(size, finder.size() - 1);
    std::memmove(buffer.data(), buffer.data() + size - kept, kept);
  }
}

}  // namespace qorl
