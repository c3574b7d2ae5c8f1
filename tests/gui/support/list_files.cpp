// SPDX-License-Identifier: MIT
#include "gui/support/list_files.h"

namespace qorl::test {

bool WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
}

QString WriteList(const QString& dir, const QString& name, const std::vector<SampleTopic>& topics,
                  const std::string& preface) {
  std::string bytes = preface;
  for (const SampleTopic& t : topics) {
    bytes += SeparatorLine(t.category, t.identifier) + "\r\n";
    if (t.category != '!') bytes += t.title + "\r\n";
    bytes += t.body + "\r\n";
  }
  const QString path = QDir(dir).filePath(name);
  WriteBytes(path, bytes);
  return path;
}

}  // namespace qorl::test
