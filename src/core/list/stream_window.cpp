// SPDX-License-Identifier: MIT
#include "core/list/stream_window.h"

#include <algorithm>
#include <cstring>

namespace qorl {

StreamWindow::StreamWindow(std::istream& in, std::size_t chunkSize, char endOfText)
    : in_(in),
      buffer_(std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(chunkSize, 1))),
      capacity_(std::max<std::size_t>(chunkSize, 1)),
      endOfText_(endOfText) {}

bool StreamWindow::fill(std::int64_t keep, std::int64_t until) {
  keep = std::clamp(keep, base_, end());
  const auto drop = static_cast<std::size_t>(keep - base_);
  if (drop > 0 && end() < until && !complete_) {
    std::memmove(buffer_.get(), buffer_.get() + drop, size_ - drop);
    size_ -= drop;
    base_ = keep;
  }
  while (end() < until && !complete_) {
    if (!readMore()) return false;
  }
  return true;
}

// Reads into the free room, growing the buffer when the kept bytes fill it.
bool StreamWindow::readMore() {
  if (size_ == capacity_) {
    auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
    std::memcpy(larger.get(), buffer_.get(), size_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  char* const room = buffer_.get() + size_;
  in_.read(room, static_cast<std::streamsize>(capacity_ - size_));
  const auto got = static_cast<std::size_t>(in_.gcount());
  if (in_.bad()) {
    failed_ = true;
    return false;
  }
  if (got == 0) {
    complete_ = true;
    return true;
  }
  // The end-of-text byte ends the text; what follows it is never looked at.
  const void* endOfText = std::memchr(room, endOfText_, got);
  const std::size_t kept =
      endOfText ? static_cast<std::size_t>(static_cast<const char*>(endOfText) - room) : got;
  if (kept > 0) lastByte_ = room[kept - 1];
  size_ += kept;
  complete_ = endOfText != nullptr;
  return true;
}

}  // namespace qorl
