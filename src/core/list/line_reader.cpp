// SPDX-License-Identifier: MIT
#include "core/list/line_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace qorl {
namespace {

// True when some LF in the bytes follows no CR (the first byte starts a line, so an LF there
// follows none). Blocks of fixed size let the compiler test many bytes at once.
bool HasLoneLf(const char* bytes, std::size_t size) {
  if (size == 0) return false;
  if (bytes[0] == '\n') return true;
  constexpr std::size_t kBlock = 64;
  std::size_t i = 1;
  for (; i + kBlock <= size; i += kBlock) {
    unsigned found = 0;
    for (std::size_t k = 0; k < kBlock; ++k) {
      found |= static_cast<unsigned>(bytes[i + k] == '\n') &
               static_cast<unsigned>(bytes[i + k - 1] != '\r');
    }
    if (found != 0) return true;
  }
  for (; i < size; ++i) {
    if (bytes[i] == '\n' && bytes[i - 1] != '\r') return true;
  }
  return false;
}

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t chunkSize, char endOfText)
    : in_(&in),
      buffer_(std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(chunkSize, 16))),
      bufferSize_(std::max<std::size_t>(chunkSize, 16)),
      data_(buffer_.get()),
      endOfText_(endOfText) {}

LineReader::LineReader(std::string_view text, char endOfText)
    : data_(text.data()), end_(text.size()), endOfText_(endOfText), atEnd_(true) {
  noteNewBytes();
}

std::size_t LineReader::find(char byte, std::size_t& cached) const {
  if (cached == kUnknown || (cached != kNone && cached < begin_)) {
    const void* hit = std::memchr(data_ + begin_, byte, end_ - begin_);
    cached = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data_) : kNone;
  }
  return cached;
}

void LineReader::noteNewBytes() {
  nextCr_ = nextLf_ = nextEnd_ = kUnknown;
  loneLf_ = HasLoneLf(data_ + begin_, end_ - begin_);
}

// Keeps only the first cutLimit_ bytes of a line that fills the buffer.
void LineReader::cutLine() {
  const std::size_t keep = begin_ + cutLimit_;
  cutBytes_ += static_cast<std::int64_t>(end_ - keep);
  end_ = keep;
}

// Moves the unread tail to the front, grows the buffer when one line fills it, and reads more.
bool LineReader::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == bufferSize_) {
    auto larger = std::make_unique_for_overwrite<char[]>(bufferSize_ * 2);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    bufferSize_ *= 2;
    data_ = buffer_.get();
  }
  in_->read(buffer_.get() + end_, static_cast<std::streamsize>(bufferSize_ - end_));
  const auto got = static_cast<std::size_t>(in_->gcount());
  if (in_->bad()) {
    failed_ = true;
    return false;
  }
  if (got == 0) atEnd_ = true;
  end_ += got;
  noteNewBytes();
  return true;
}

bool LineReader::handOut(std::string_view& line, std::size_t stop, std::size_t next) {
  line = std::string_view(data_ + begin_, stop - begin_);
  lineLength_ = static_cast<std::int64_t>(line.size()) + cutBytes_;
  if (cutBytes_ > 0) line = line.substr(0, cutLimit_);
  cutBytes_ = 0;
  begin_ = next;
  return true;
}

bool LineReader::next(std::string_view& line, int& endBytes) {
  while (!finished_ && !failed_) {
    const std::size_t cr = find('\r', nextCr_);
    const std::size_t eot = find(endOfText_, nextEnd_);
    // Without lone LFs every LF follows a CR, so the first CR or end of text ends the line.
    const std::size_t lf = loneLf_ ? find('\n', nextLf_) : kNone;
    const std::size_t stop = std::min({cr, lf, eot});  // kNone is larger than any position
    if (stop == kNone) {
      if (!atEnd_) {
        if (cutLimit_ > 0 && end_ - begin_ > cutLimit_ && end_ == bufferSize_) cutLine();
        if (!refill()) return false;
        continue;
      }
      finished_ = true;
      if (begin_ == end_ && cutBytes_ == 0) return false;
      endBytes = 2;
      return handOut(line, end_, end_);
    }
    if (stop == eot) {
      finished_ = true;
      if (stop == begin_ && cutBytes_ == 0) return false;
      endBytes = 2;
      return handOut(line, stop, stop);
    }
    if (stop == lf) {
      endBytes = 1;
      return handOut(line, stop, stop + 1);
    }
    // A CR: see whether an LF follows, reading on when the CR is the last byte read.
    if (stop + 1 == end_ && !atEnd_) {
      if (!refill()) return false;
      continue;
    }
    endBytes = stop + 1 < end_ && data_[stop + 1] == '\n' ? 2 : 1;
    return handOut(line, stop, stop + endBytes);
  }
  return false;
}

}  // namespace qorl
