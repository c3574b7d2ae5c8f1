// SPDX-License-Identifier: MIT
#include "core/app/save_topic.h"

#include <cstdint>

namespace qorl {
namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

bool CannotBeInFileName(char c) {
  if (IsSeparator(c) || static_cast<unsigned char>(c) < 32) return true;
#ifdef _WIN32
  for (char bad : std::string_view(":*?\"<>|")) {
    if (c == bad) return true;
  }
#endif
  return false;
}

}  // namespace

std::string DefaultSaveName(std::string_view identifier, TopicNumber topicNumber) {
  if (identifier.empty()) {
    return "Topic" + std::to_string(static_cast<std::int64_t>(topicNumber) + 1) + ".txt";
  }
  std::string name(identifier);
  for (char& c : name) {
    if (CannotBeInFileName(c)) c = '_';
  }
  return name + ".txt";
}

SaveFormat SaveFormatFor(std::string_view fileName) {
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < fileName.size(); ++i) {
    if (IsSeparator(fileName[i])) nameStart = i + 1;
  }
  const std::string_view name = fileName.substr(nameStart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return SaveFormat::Rtf;
  const std::string_view extension = name.substr(dot + 1);
  if (extension.size() != 3) return SaveFormat::Rtf;
  const char* txt = "txt";
  for (std::size_t i = 0; i < 3; ++i) {
    char c = extension[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != txt[i]) return SaveFormat::Rtf;
  }
  return SaveFormat::PlainText;
}

std::string PlainTextOf(std::string_view displayText) {
  std::string bytes;
  bytes.reserve(displayText.size() + displayText.size() / 32 + 2);
  for (char c : displayText) {
    if (c == '\n') {
      bytes += "\r\n";
    } else {
      bytes += c;
    }
  }
  return bytes;
}

}  // namespace qorl
