#include "core/list/line_reader.h"

#include <algorithm>
#include <cstring>

namespace qorl {

LineReader::LineReader(std::istream& in, std::size_t chunkSize)
    : in_(in), buffer_(std::max<std::size_t>(chunkSize, 16)) {}

std::size_t LineReader::find(char byte, std::size_t& cached) {
  if (cached == kUnknown || (cached != kNone && cached < begin_)) {
    const void* hit = std::memchr(buffer_.data() + begin_, byte, end_ - begin_);
    cached = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - buffer_.data()) : kNone;
  }
  return cached;
}

// Moves the unread tail to the front, grows the buffer when one line fills it, and reads more.
bool LineReader::refill() {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
  const auto got = static_cast<std::size_t>(in_.gcount());
  if (in_.bad()) {
    failed_ = true;
    return false;
  }
  if (got == 0) atEnd_ = true;
  end_ += got;
  nextCr_ = nextLf_ = nextEof_ = kUnknown;
  return true;
}

bool LineReader::next(std::string_view& line, int& endBytes) {
  while (!finished_ && !failed_) {
    const std::size_t cr = find('\r', nextCr_);
    const std::size_t lf = find('\n', nextLf_);
    const std::size_t eof = find('\x1A', nextEof_);
    const std::size_t stop = std::min({cr, lf, eof});  // kNone is larger than any position
    const char* start = buffer_.data() + begin_;
    if (stop == kNone) {
      if (!atEnd_) {
        if (!refill()) return false;
        continue;
      }
      finished_ = true;
      if (begin_ == end_) return false;
      line = std::string_view(start, end_ - begin_);
      endBytes = 2;
      begin_ = end_;
      return true;
    }
    if (stop == eof) {
      finished_ = true;
      if (stop == begin_) return false;
      line = std::string_view(start, stop - begin_);
      endBytes = 2;
      return true;
    }
    if (stop == lf) {
      line = std::string_view(start, stop - begin_);
      endBytes = 1;
      begin_ = stop + 1;
      return true;
    }
    // A CR: see whether an LF follows, reading on when the CR is the last byte in the buffer.
    if (stop + 1 == end_ && !atEnd_) {
      if (!refill()) return false;
      continue;
    }
    line = std::string_view(start, stop - begin_);
    if (stop + 1 < end_ && buffer_[stop + 1] == '\n') {
      endBytes = 2;
      begin_ = stop + 2;
    } else {
      endBytes = 1;
      begin_ = stop + 1;
    }
    return true;
  }
  return false;
}

}  // namespace qorl
