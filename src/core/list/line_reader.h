// SPDX-License-Identifier: MIT
#pragma once
// Reads a text line by line, from a stream in large chunks or from bytes already in memory. A
// line ends at CR LF, at a lone CR or at a lone LF; an end-of-text byte (Ctrl-Z in a list, byte 0
// in an index) ends the text. Each line reports the bytes its line end took, and a line ended by
// the end-of-text byte or by the end of the text counts as if it ended with CR LF.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string_view>

namespace qorl {

class LineReader {
 public:
  // Small enough to stay in the processor's cache, large enough that reads are few.
  static constexpr std::size_t kChunkSize = std::size_t{256} << 10;

  explicit LineReader(std::istream& in, std::size_t chunkSize = kChunkSize,
                      char endOfText = '\x1A');
  LineReader(std::string_view text, char endOfText);

  // The next line (valid until the next call) and its line-end byte count; false at the end of
  // the text or when reading failed (see failed()).
  bool next(std::string_view& line, int& endBytes);
  bool failed() const { return failed_; }

  // From the next line on, a line longer than limit need not be held whole: one that does not
  // fit in the buffer is handed out cut to its first limit bytes. 0 holds every line whole.
  void setCutLimit(std::size_t limit) { cutLimit_ = limit; }
  // The full length of the line last handed out, cut or not.
  std::int64_t lineLength() const { return lineLength_; }
  // The bytes the buffer holds room for (it grows only for a line held whole).
  std::size_t bufferSize() const { return bufferSize_; }

 private:
  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
  static constexpr std::size_t kNone = static_cast<std::size_t>(-2);

  std::size_t find(char byte, std::size_t& cached) const;
  bool refill();
  void cutLine();
  void noteNewBytes();
  bool handOut(std::string_view& line, std::size_t stop, std::size_t next);

  std::istream* in_ = nullptr;      // null when reading bytes in memory
  std::unique_ptr<char[]> buffer_;  // not cleared: only bytes read are looked at
  std::size_t bufferSize_ = 0;
  const char* data_ = nullptr;  // the buffer or the bytes in memory
  std::size_t begin_ = 0;       // first unread byte
  std::size_t end_ = 0;         // end of the bytes read
  char endOfText_;
  // Cached positions of the next CR, LF and end-of-text byte at or after begin_.
  mutable std::size_t nextCr_ = kUnknown;
  mutable std::size_t nextLf_ = kUnknown;
  mutable std::size_t nextEnd_ = kUnknown;
  // Some LF in the unread bytes follows no CR; without one, only CRs end lines and one search
  // per line finds them.
  bool loneLf_ = true;
  std::size_t cutLimit_ = 0;
  std::int64_t cutBytes_ = 0;  // bytes of the current line dropped from the buffer
  std::int64_t lineLength_ = 0;
  bool atEnd_ = false;     // the stream has no more bytes
  bool finished_ = false;  // the end-of-text byte was reached or the last line was handed out
  bool failed_ = false;
};

}  // namespace qorl
