// Interim stand-in for the list library's ListSession until that library lands: scans the list
// on every opening (no index file) so that the viewer can be built and exercised.

#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/list/list_session.h"

namespace qorl {

struct ListSession::HeldFile {
  std::FILE* file = nullptr;
  ~HeldFile() {
    if (file) std::fclose(file);
  }
};

namespace {

std::string BaseName(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

int KindOf(const std::string& path) {
  static const char* kNames[] = {"INTERRUP.LST", "PORTS.LST",  "MEMORY.LST", "CMOS.LST",
                                 "FARCALL.LST",  "MSR.LST",    "I2C.LST",    "OPCODES.LST",
                                 "SMM.LST",      "TABLES.LST", "BIBLIO.LST"};
  const std::string name = Upper(BaseName(path));
  if (name.empty()) return -1;
  for (int i = 0; i < 11; ++i)
    if (name == kNames[i]) return i + 1;
  return 0;
}

bool IsSeparator(std::string_view line) {
  if (line.size() <= 35 || line.size() >= 75) return false;
  for (int i = 0; i < 8; ++i)
    if (line[static_cast<std::size_t>(i)] != '-') return false;
  return line[9] == '-';
}

std::string Trimmed(std::string s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

void Scan(const std::string& bytes, bool parse, const std::string& path, TopicTable& table) {
  struct Pending {
    std::string id, title;
    unsigned char cat = 0;
    std::int32_t offset = 0;
    bool titleTaken = false;
  };
  Pending cur;
  bool inTopic = false;
  std::size_t pos = 0;
  std::int64_t counted = 0;
  const std::size_t end =
      bytes.find('\x1a') == std::string::npos ? bytes.size() : bytes.find('\x1a');
  auto emit = [&](std::int64_t stop) {
    const std::int64_t len = stop - cur.offset;
    table.append(cur.id, cur.cat, cur.offset, static_cast<std::int32_t>(len), cur.title);
  };
  if (parse) {
    while (pos < end) {
      std::size_t cr = bytes.find('\r', pos);
      if (cr == std::string::npos || cr > end) cr = end;
      const std::string_view line(bytes.data() + pos, cr - pos);
      const std::int64_t lineStart = counted;
      counted += static_cast<std::int64_t>(line.size()) + 2;
      pos = cr + 1;
      if (pos < end && bytes[pos] == '\n') ++pos;
      if (IsSeparator(line)) {
        if (inTopic) {
          emit(lineStart);
        } else if (lineStart > 2) {
          table.append("[List Info]", '!', 0, static_cast<std::int32_t>(lineStart), "");
        }
        std::string id(line.substr(10, line.size() - 11));
        for (char& c : id)
          if (c == '-') c = ' ';
        cur = Pending{Trimmed(id), "", static_cast<unsigned char>(line[8]),
                      static_cast<std::int32_t>(counted), false};
        inTopic = true;
      } else if (inTopic && !cur.titleTaken) {
        cur.titleTaken = true;
        if (cur.cat != '!') {
          cur.title = std::string(line);
          for (char& c : cur.title)
            if (c == '\t') c = ' ';
        }
      }
    }
    if (inTopic) emit(counted);
  }
  if (!inTopic) {
    table.clear();
    table.append(Upper(BaseName(path)), '-', 0, static_cast<std::int32_t>(bytes.size()) - 2, "");
  }
}

}  // namespace

ListSession::ListSession() = default;
ListSession::~ListSession() = default;

OpenOutcome ListSession::open(const std::string& path, const OpenOptions& options,
                              BusyIndicator& busy, MessageService& messages) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    messages.information(UnableToFindMessage(path));
    return OpenOutcome::NotFound;
  }
  close();
  listPath_ = path;
  const std::string name = Upper(BaseName(path));
  const std::size_t dot = name.rfind('.');
  parseTopics_ = !options.onlyParseLst || (dot != std::string::npos && name.substr(dot) == ".LST");
  {
    BusyScope scope(busy, "Loading topics...");
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Scan(bytes, parseTopics_, path, topics_);
  }
  source_ = TopicSource::Scan;
  held_ = std::make_unique<HeldFile>();
  held_->file = std::fopen(path.c_str(), "rb");
  if (!held_->file) {
    messages.information(UnableToOpenMessage(path));
    return OpenOutcome::HeldFileFailed;
  }
  listKind_ = KindOf(path);
  return OpenOutcome::Opened;
}

void ListSession::close() {
  listPath_.clear();
  indexPath_.clear();
  listKind_ = -1;
  source_ = TopicSource::None;
  topics_.clear();
  held_.reset();
}

ReadTopicResult ListSession::readTopic(TopicNumber n, std::string& out) const {
  out.clear();
  if (!held_ || !held_->file || !topics_.isValid(n)) return ReadTopicResult::Failed;
  const TopicRecord& r = topics_.record(n);
  if (std::fseek(held_->file, r.offset, SEEK_SET) != 0) return ReadTopicResult::Failed;
  out.resize(static_cast<std::size_t>(r.length > 0 ? r.length : 0));
  out.resize(std::fread(out.data(), 1, out.size(), held_->file));
  return ReadTopicResult::Ok;
}

std::string UnableToFindMessage(const std::string& path) {
  return "Unable to find \"" + BaseName(path) + "\" !";
}

std::string UnableToOpenMessage(const std::string& path) {
  return "Unable to open \"" + path + "\" !";
}

}  // namespace qorl
