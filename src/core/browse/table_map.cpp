// SPDX-License-Identifier: MIT
#include "core/browse/table_map.h"
#include "core/list/file_path.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace qorl {
namespace {

constexpr std::string_view kOpening = "(Table ";
constexpr std::size_t kChunk = std::size_t{1} << 20;
// "(Table " + id + ")": the most bytes a definition takes.
constexpr std::size_t kLongestDefinition = kOpening.size() + kLongestTableId + 1;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Assigns definitions to topics as the pass moves forward through the file.
class TopicCursor {
 public:
  explicit TopicCursor(const TopicTable& table) : table_(table) {}

  TopicNumber topicAt(std::int64_t offset) {
    while (n_ < table_.count() && End(n_) <= offset) ++n_;
    if (n_ >= table_.count() || table_.record(n_).offset > offset) return -1;
    return n_;
  }

 private:
  std::int64_t End(TopicNumber n) const {
    const TopicRecord& r = table_.record(n);
    return std::int64_t{r.offset} + r.length;
  }

  const TopicTable& table_;
  TopicNumber n_ = 0;
};

// The id of the definition that starts at text's '(': "(Table " + id + ")"; empty for none.
std::string_view DefinitionId(std::string_view text) {
  if (!text.starts_with(kOpening)) return {};
  const std::size_t close = text.find(')', kOpening.size());
  if (close == std::string_view::npos) return {};
  const std::string_view id = text.substr(kOpening.size(), close - kOpening.size());
  return IsTableId(id) ? id : std::string_view{};
}

}  // namespace

bool IsTableId(std::string_view id) {
  if (id.size() < kShortestTableId || id.size() > kLongestTableId) return false;
  const std::string_view digits = IsDigit(id[0]) ? id : id.substr(1);
  if (digits.size() < kShortestTableId || digits.size() > kShortestTableId + 1) return false;
  if (digits.size() != id.size() && DefiningListKind(id) == 0) return false;
  return std::all_of(digits.begin(), digits.end(), IsDigit);
}

int DefiningListKind(std::string_view id) {
  if (id.empty()) return 0;
  switch (id[0]) {
    case 'P':
      return 2;
    case 'M':
      return 3;
    case 'C':
      return 4;
    case 'F':
      return 5;
    case 'R':
      return 6;
    case 'I':
      return 7;
    case 'S':
      return 9;
    default:
      return IsDigit(id[0]) ? 1 : 0;
  }
}

TopicNumber TableMap::topicOf(std::string_view id) const {
  const auto at = std::lower_bound(
      byId_.begin(), byId_.end(), id,
      [this](std::uint32_t i, std::string_view key) { return definitions_[i].id < key; });
  if (at == byId_.end() || definitions_[*at].id != id) return -1;
  return definitions_[*at].topic;
}

void TableMap::add(TableDefinition definition) {
  definitions_.push_back(std::move(definition));
}

void TableMap::finish() {
  byId_.resize(definitions_.size());
  for (std::uint32_t i = 0; i < byId_.size(); ++i) byId_[i] = i;
  // Stable: the first definition of a repeated id comes first.
  std::stable_sort(byId_.begin(), byId_.end(), [this](std::uint32_t a, std::uint32_t b) {
    return definitions_[a].id < definitions_[b].id;
  });
}

bool BuildTableMap(std::istream& in, const TopicTable& table, TableMap& out) {
  out = TableMap();
  TopicCursor cursor(table);
  // A chunk keeps the last bytes of the one before it, so a definition across the border is
  // seen whole.
  std::vector<char> buffer(kChunk + kLongestDefinition);
  std::size_t carried = 0;
  std::int64_t base = 0;  // file position of buffer[0]
  for (;;) {
    in.read(buffer.data() + carried, static_cast<std::streamsize>(kChunk));
    const auto got = static_cast<std::size_t>(in.gcount());
    const bool last = !in;  // nothing follows: the bytes carried over are examined now
    const std::size_t size = carried + got;
    if (size == 0) break;
    const char* const begin = buffer.data();
    const char* const end = begin + size;
    const char* p = begin;
    while ((p = static_cast<const char*>(std::memchr(p, '(', static_cast<std::size_t>(end - p))))) {
      const auto left = static_cast<std::size_t>(end - p);
      if (left < kLongestDefinition && !last) break;  // carried over
      const std::string_view id =
          DefinitionId(std::string_view(p, std::min(left, kLongestDefinition)));
      if (!id.empty()) {
        const std::int64_t offset = base + (p - begin);
        if (const TopicNumber n = cursor.topicAt(offset); n >= 0)
          out.add({std::string(id), n, offset});
      }
      ++p;
    }
    if (last) break;
    // A '(' too close to the end to be examined starts the next chunk.
    const std::size_t keep = p ? static_cast<std::size_t>(end - p) : 0;
    std::memmove(buffer.data(), begin + size - keep, keep);
    base += static_cast<std::int64_t>(size - keep);
    carried = keep;
  }
  out.finish();
  return !in.bad();
}

bool BuildTableMapOfFile(const std::string& path, const TopicTable& table, TableMap& out) {
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) {
    out = TableMap();
    return false;
  }
  return BuildTableMap(in, table, out);
}

}  // namespace qorl
