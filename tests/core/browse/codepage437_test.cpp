// SPDX-License-Identifier: MIT
#include "core/browse/codepage437.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qorl {
namespace {

TEST(Codepage437, DecodesEveryByteToItsOwnCharacter) {
  EXPECT_EQ(Cp437ToUnicode(0x00), u'\0');
  EXPECT_EQ(Cp437ToUnicode(0x09), u'\t');
  EXPECT_EQ(Cp437ToUnicode(0x0A), u'\n');
  EXPECT_EQ(Cp437ToUnicode(0x0D), u'\r');
  EXPECT_EQ(Cp437ToUnicode(0x01), u'\u263A');
  EXPECT_EQ(Cp437ToUnicode(0x7F), u'\u2302');
  EXPECT_EQ(Cp437ToUnicode(0x82), u'\u00E9');  // é
  EXPECT_EQ(Cp437ToUnicode(0xB3), u'\u2502');  // │
  EXPECT_EQ(Cp437ToUnicode(0xFF), u'\u00A0');
  std::set<char16_t> seen;
  std::string out;
  for (int b = 0; b < 256; ++b) {
    const char16_t c = Cp437ToUnicode(static_cast<unsigned char>(b));
    seen.insert(c);
    if (b < 0x20) continue;
    ASSERT_TRUE(EncodeCp437(std::u16string(1, c), out)) << b;
    EXPECT_EQ(out, std::string(1, static_cast<char>(b)));
  }
  EXPECT_EQ(seen.size(), 256u);
}

TEST(Codepage437, EncodesFindTextAndRefusesForeignCharacters) {
  std::string out;
  EXPECT_TRUE(EncodeCp437(u"caf\u00E9 \u2502\t\u263A", out));
  EXPECT_EQ(out, "caf\x82 \xB3\t\x01");
  EXPECT_TRUE(EncodeCp437(u"\u03B2\u03BC", out));  // beta and mu stand for ß and µ
  EXPECT_EQ(out, "\xE1\xE6");
  EXPECT_FALSE(EncodeCp437(u"\u20AC", out));       // euro sign
  EXPECT_FALSE(EncodeCp437(u"a\U0001F600", out));  // beyond the basic plane
  EXPECT_FALSE(EncodeCp437(u"\u25CB", out));       // the tab's glyph: tabs show as tabs
  EXPECT_TRUE(EncodeCp437FromUtf8("INT \xC3\xA9\xE2\x94\x82", out));
  EXPECT_EQ(out, "INT \x82\xB3");
  for (const char* bad : {"\xE2\x82\xAC", "\xC3", "\xC3(", "\xC1\x81", "\xFF"})
    EXPECT_FALSE(EncodeCp437FromUtf8(bad, out)) << bad;  // euro, cut, bad, overlong, invalid
}

}  // namespace
}  // namespace qorl
