// SPDX-License-Identifier: MIT
#include "core/list/index_fit.h"

#include <algorithm>
#include <fstream>

#include "core/list/file_path.h"

namespace qorl {
namespace {

constexpr char kCtrlZ = '\x1A';

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

bool LastTopicFitsList(const TopicRecord& last, const std::string& listPath,
                       std::int64_t listSize) {
  const std::int64_t end = std::int64_t{last.offset} + last.length;
  if (last.offset == 0 && last.length == std::max<std::int64_t>(listSize - 2, 0)) return true;
  if (end > listSize + 2 || end < 0) return false;

  // The bytes at end - 2, end - 1 and end and the file's last byte, where the file holds them.
  const std::int64_t from = std::max<std::int64_t>(std::min(end - 2, listSize - 1), 0);
  const std::int64_t upTo = std::min(end + 1, listSize);
  std::string around(static_cast<std::size_t>(std::max<std::int64_t>(upTo - from, 0)), '\0');
  if (!around.empty()) {
    std::ifstream in(FilePath(listPath), std::ios::binary);
    if (!in.seekg(from) || !in.read(around.data(), static_cast<std::streamsize>(around.size()))) {
      return false;
    }
  }
  const auto byteAt = [&](std::int64_t position) {
    return around[static_cast<std::size_t>(position - from)];
  };
  // A Ctrl-Z ends the text: at a line start it is the end, within a line two bytes before it.
  if (end < listSize && byteAt(end) == kCtrlZ) return true;
  if (end >= 2 && end - 2 < listSize && byteAt(end - 2) == kCtrlZ) return true;
  if (end == listSize) return listSize == 0 || IsLineEnd(byteAt(listSize - 1));
  return end == listSize + 2 && listSize > 0 && !IsLineEnd(byteAt(listSize - 1));
}

}  // namespace qorl
