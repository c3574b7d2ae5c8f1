// SPDX-License-Identifier: MIT
#include "core/app/span_slice.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/app/rich_text_writer.h"

namespace qorl {
namespace {

FormatSpan Span(std::int32_t start, std::int32_t length, bool bold = false) {
  FormatSpan s;
  s.start = start;
  s.length = length;
  s.bold = bold;
  return s;
}

TEST(SliceSpans, CutsMovesAndDropsRangesOutsideTheSlice) {
  const std::vector<FormatSpan> spans = {Span(0, 10, true), Span(3, 2), Span(12, 4), Span(20, 3)};
  const auto sliced = SliceSpans(spans, 4, 10);  // positions 4..13
  ASSERT_EQ(sliced.size(), 3u);
  EXPECT_EQ(sliced[0].start, 0);
  EXPECT_EQ(sliced[0].length, 6);
  EXPECT_TRUE(sliced[0].bold);
  EXPECT_EQ(sliced[1].start, 0);
  EXPECT_EQ(sliced[1].length, 1);
  EXPECT_EQ(sliced[2].start, 8);
  EXPECT_EQ(sliced[2].length, 2);
}

TEST(SliceSpans, EmptyOrNegativeRangesAndHugeEndsGiveSoundResults) {
  const std::vector<FormatSpan> spans = {Span(0, 5), Span(INT_MAX - 2, 2), Span(3, 0)};
  EXPECT_TRUE(SliceSpans(spans, 2, 0).empty());
  EXPECT_TRUE(SliceSpans(spans, -1, 4).empty());
  EXPECT_TRUE(SliceSpans(spans, 5, 3).empty());  // touches the first range's end only
  const auto tail = SliceSpans(spans, INT_MAX - 3, INT_MAX);
  ASSERT_EQ(tail.size(), 1u);
  EXPECT_EQ(tail[0].start, 1);
  EXPECT_EQ(tail[0].length, 2);
}

TEST(SliceSpans, SlicedHtmlHasTheSelectionsFormatting) {
  // The title line bold, then a body line: a selection from inside the title into the body
  // keeps bold for the title part only.
  const std::u16string text = u"TITLE\nbody";
  const std::vector<FormatSpan> spans = {Span(0, 5, true)};
  const std::string across = WriteHtml(text.substr(3, 4), SliceSpans(spans, 3, 4), {});
  EXPECT_NE(across.find("<span style=\"font-weight:bold;\">LE</span>\nb"), std::string::npos)
      << across;
  const std::string bodyOnly = WriteHtml(text.substr(6), SliceSpans(spans, 6, 4), {});
  EXPECT_EQ(bodyOnly.find("font-weight"), std::string::npos) << bodyOnly;
}

}  // namespace
}  // namespace qorl
