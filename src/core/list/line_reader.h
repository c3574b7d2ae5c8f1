#pragma once
// Reads a list file line by line in large chunks. A line ends at CR LF, at a lone CR or at a lone
// LF; a Ctrl-Z ends the file. Each line reports the bytes its line end took, and a line ended by
// Ctrl-Z or by the end of the file counts as if it ended with CR LF.

#include <cstddef>
#include <istream>
#include <string_view>
#include <vector>

namespace qorl {

class LineReader {
 public:
  explicit LineReader(std::istream& in, std::size_t chunkSize = std::size_t{1} << 20);

  // The next line (valid until the next call) and its line-end byte count; false at the end of
  // the file or when reading failed (see failed()).
  bool next(std::string_view& line, int& endBytes);
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
  static constexpr std::size_t kNone = static_cast<std::size_t>(-2);

  std::size_t find(char byte, std::size_t& cached);
  bool refill();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // end of the bytes read into the buffer
  // Cached positions of the next CR, LF and Ctrl-Z at or after begin_.
  std::size_t nextCr_ = kUnknown;
  std::size_t nextLf_ = kUnknown;
  std::size_t nextEof_ = kUnknown;
  bool atEnd_ = false;     // the stream has no more bytes
  bool finished_ = false;  // a Ctrl-Z was reached or the last line was handed out
  bool failed_ = false;
};

}  // namespace qorl
