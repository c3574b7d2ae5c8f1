// SPDX-License-Identifier: MIT
#pragma once
// Small list files written for a test: separator lines carrying category and identifier, a title
// line and a body, CR LF line ends.

#include <QDir>
#include <QFile>
#include <QString>
#include <string>
#include <vector>

namespace qorl::test {

struct SampleTopic {
  char category;
  std::string identifier;
  std::string title;
  std::string body = "body line";
};

// A separator line of 48 characters for category c and identifier id.
inline std::string SeparatorLine(char c, const std::string& id) {
  std::string line = std::string(8, '-') + c + "-" + id;
  line.resize(48, '-');
  return line;
}

// A path as the file system compares it: the viewer gives native paths ('\\' on Windows) where a
// test builds them with '/', and Windows does not tell letter cases apart.
inline QString ComparablePath(const QString& path) {
  const QString slashed = QDir::fromNativeSeparators(path);
#ifdef Q_OS_WIN
  return slashed.toLower();
#else
  return slashed;
#endif
}
inline QString ComparablePath(const std::string& path) {
  return ComparablePath(QString::fromStdString(path));
}

// Whether a path ends with a file name, as the file system compares names (the viewer opens a
// list by the name its menu shows, "Interrup.lst", where case does not matter).
inline bool EndsWithName(const std::string& path, const QString& name) {
  return ComparablePath(path).endsWith(ComparablePath(name));
}

// Copies a file and makes the copy writable: the real lists may be read-only, and Windows removes
// no read-only file.
inline bool CopyWritable(const QString& from, const QString& to) {
  return QFile::copy(from, to) &&
         QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
}

// Writes bytes to the file at path, replacing it; false when that fails.
bool WriteBytes(const QString& path, const std::string& bytes);

// Writes the topics (after the preface text) to dir/name and returns the file's path.
QString WriteList(const QString& dir, const QString& name, const std::vector<SampleTopic>& topics,
                  const std::string& preface = "Preface text of the list\r\n");

// Topics in categories D, a, A and !, in that file order, with a list-info preface.
inline std::vector<SampleTopic> MixedTopics(int perCategory) {
  std::vector<SampleTopic> topics;
  const char categories[] = {'D', 'a', 'A', '!'};
  for (int i = 0; i < perCategory; ++i) {
    for (char c : categories) {
      topics.push_back({c, std::string(1, c) + std::to_string(100 + i),
                        std::string("Title ") + c + std::to_string(i)});
    }
  }
  return topics;
}

}  // namespace qorl::test
