// SPDX-License-Identifier: MIT
#include "cli/topic_output.h"

#include "cli/cli_command.h"
#include "core/list/error_codes.h"

namespace qorl::cli {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 16;

}  // namespace

TopicLines::TopicLines(const TopicTable& table, std::string prefix)
    : table_(table), prefix_(std::move(prefix)) {
  buffer_.reserve(kBlockSize);
}

bool TopicLines::add(TopicNumber n, std::optional<std::string_view> extra) {
  const TopicRecord& record = table_.record(n);
  buffer_ += prefix_;
  buffer_ += std::to_string(n);
  buffer_ += '\t';
  buffer_ += static_cast<char>(record.category);
  buffer_ += '\t';
  buffer_ += std::to_string(record.offset);
  buffer_ += '\t';
  buffer_ += std::to_string(record.length);
  buffer_ += '\t';
  buffer_ += table_.identifier(n);
  buffer_ += '\t';
  buffer_ += table_.title(n);
  if (extra) {
    buffer_ += '\t';
    buffer_ += *extra;
  }
  buffer_ += '\n';
  if (buffer_.size() < kBlockSize - 512) return true;
  const bool written = WriteOut(buffer_);
  buffer_.clear();
  return written;
}

bool TopicLines::finish() {
  const bool written = WriteOut(buffer_);
  buffer_.clear();
  return written && FlushOut();
}

int WriteTopicText(const ListSession& session, TopicNumber n, TerminalMessages& messages) {
  std::string text;
  if (session.readTopic(n, text) != ReadTopicResult::Ok) {
    ShowError(messages, kErrorLoadTopic);
    return kExitFailure;
  }
  return WriteOut(text) && FlushOut() ? kExitOk : kExitFailure;
}

}  // namespace qorl::cli
