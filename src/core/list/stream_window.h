// SPDX-License-Identifier: MIT
#pragma once
// A window over the bytes of a stream up to its end-of-text byte, addressed by their offsets
// from the start of the stream. The window keeps the bytes from an offset it is given on, reads
// on in large chunks as far as it is asked, and grows only when the bytes it must keep fill it.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>

namespace qorl {

class StreamWindow {
 public:
  StreamWindow(std::istream& in, std::size_t chunkSize, char endOfText);

  // Drops the bytes before keep and reads until the window holds the bytes before until, or the
  // text has ended. Offsets only move forward: keep is taken as at least begin(). False when
  // reading failed.
  bool fill(std::int64_t keep, std::int64_t until);

  std::int64_t begin() const { return base_; }
  std::int64_t end() const { return base_ + static_cast<std::int64_t>(size_); }
  // The byte at offset, for begin() <= offset < end().
  const char* at(std::int64_t offset) const { return buffer_.get() + (offset - base_); }
  // True once end() is the end of the text: the end of the stream or its end-of-text byte.
  bool complete() const { return complete_; }
  bool failed() const { return failed_; }
  // The last byte of the text read so far (0 before any).
  char lastByte() const { return lastByte_; }

 private:
  bool readMore();

  std::istream& in_;
  std::unique_ptr<char[]> buffer_;  // not cleared: only bytes read are looked at
  std::size_t capacity_;
  std::size_t size_ = 0;
  std::int64_t base_ = 0;  // offset of buffer_[0]
  char endOfText_;
  char lastByte_ = 0;
  bool complete_ = false;
  bool failed_ = false;
};

}  // namespace qorl
