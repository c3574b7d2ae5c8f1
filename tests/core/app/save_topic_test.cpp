// SPDX-License-Identifier: MIT
#include "core/app/save_topic.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/app/select_all.h"

namespace qorl {
namespace {

TEST(SaveTopic, DefaultNameFromIdentifierOrTopicNumber) {
  EXPECT_EQ(DefaultSaveName("INT 21", 5), "INT 21.txt");
  EXPECT_EQ(DefaultSaveName("", 0), "Topic1.txt");
  EXPECT_EQ(DefaultSaveName("", 12), "Topic13.txt");
  EXPECT_EQ(DefaultSaveName("", INT32_MAX), "Topic2147483648.txt");
  // The list's own bytes stay as they are.
  EXPECT_EQ(DefaultSaveName("[List Info]", 0), "[List Info].txt");
  EXPECT_EQ(DefaultSaveName("\x84\x94", 0), "\x84\x94.txt");
}

TEST(SaveTopic, DefaultNameNeverPointsIntoAnotherFolder) {
  EXPECT_EQ(DefaultSaveName("21/4C", 0), "21_4C.txt");
  EXPECT_EQ(DefaultSaveName("..\\x", 0), ".._x.txt");
  EXPECT_EQ(DefaultSaveName(std::string("A\tB\0C", 5), 0), "A_B_C.txt");
}

TEST(SaveTopic, FormatFollowsTheLastExtension) {
  EXPECT_EQ(SaveFormatFor("notes.TXT"), SaveFormat::PlainText);
  EXPECT_EQ(SaveFormatFor("INT 21.tXt"), SaveFormat::PlainText);
  EXPECT_EQ(SaveFormatFor("notes.rtf"), SaveFormat::Rtf);
  EXPECT_EQ(SaveFormatFor("notes"), SaveFormat::Rtf);
  EXPECT_EQ(SaveFormatFor("notes.txt.rtf"), SaveFormat::Rtf);
  EXPECT_EQ(SaveFormatFor("notes."), SaveFormat::Rtf);
  // A dot in a folder name is not the file's extension.
  EXPECT_EQ(SaveFormatFor("/home/a.txt/notes"), SaveFormat::Rtf);
  EXPECT_EQ(SaveFormatFor(".txt"), SaveFormat::PlainText);
}

TEST(SaveTopic, PlainTextEndsEveryLineBreakWithCrLf) {
  EXPECT_EQ(PlainTextOf(""), "");
  EXPECT_EQ(PlainTextOf("one"), "one");
  EXPECT_EQ(PlainTextOf("one\ntwo\n"), "one\r\ntwo\r\n");
  EXPECT_EQ(PlainTextOf("a\tb\x81\n"), "a\tb\x81\r\n");
}

// The display text of a CR LF file: each CR LF becomes one '\n'.
std::string DisplayOfCrLfBytes(const std::string& bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i];
  }
  return text;
}

TEST(SaveTopicRealList, TopicsWithCodePageCharactersSaveBackByteForByte) {
  const std::filesystem::path path = std::filesystem::path(QORL_LISTS_DIR) / "INTERRUP.LST";
  std::ifstream file(path, std::ios::binary);
  if (!file) GTEST_SKIP() << "no list file at " << path;
  const std::string list((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

  int checked = 0;
  std::size_t searchFrom = 0;
  for (;;) {
    std::size_t high = searchFrom;
    while (high < list.size() && static_cast<unsigned char>(list[high]) < 0x80) ++high;
    if (high >= list.size()) break;
    // The topic runs from the line after the previous separator line to the next one.
    const std::size_t separator = list.rfind("\r\n--------", high);
    const std::size_t start =
        separator == std::string::npos ? 0 : list.find("\r\n", separator + 2) + 2;
    std::size_t end = list.find("\r\n--------", high);
    end = end == std::string::npos ? list.size() : end + 2;
    const std::string topic = list.substr(start, end - start);
    EXPECT_EQ(PlainTextOf(DisplayOfCrLfBytes(topic)), topic);
    ++checked;
    searchFrom = end;
  }
  EXPECT_GT(checked, 0);
}

TEST(SelectAll, CheckedOnceTheWholeTextIsSelected) {
  // 3 lines, 20 characters of text with its two CR LF line breaks.
  EXPECT_FALSE(SelectAllStateFor(20, 17, 3).checked);
  EXPECT_TRUE(SelectAllStateFor(20, 17, 3).enabled);
  EXPECT_TRUE(SelectAllStateFor(20, 18, 3).checked);
  EXPECT_TRUE(SelectAllStateFor(20, 19, 3).checked);
  // Empty text: disabled and never checked.
  EXPECT_FALSE(SelectAllStateFor(0, 0, 1).enabled);
  EXPECT_FALSE(SelectAllStateFor(0, 0, 1).checked);
}

}  // namespace
}  // namespace qorl
