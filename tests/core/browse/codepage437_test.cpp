#include "core/browse/codepage437.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qorl {
namespace {

TEST(Codepage437, DecodesControlsLettersAndSymbols) {
  EXPECT_EQ(Cp437ToUnicode(0x00), u'\0');
  EXPECT_EQ(Cp437ToUnicode(0x09), u'\t');
  EXPECT_EQ(Cp437ToUnicode(0x0A), u'\n');
  EXPECT_EQ(Cp437ToUnicode(0x0D), u'\r');
  EXPECT_EQ(Cp437ToUnicode(0x01), u'\u263A');
  EXPECT_EQ(Cp437ToUnicode(0x1F), u'\u25BC');
  EXPECT_EQ(Cp437ToUnicode(0x7F), u'\u2302');
  EXPECT_EQ(Cp437ToUnicode('A'), u'A');
  EXPECT_EQ(Cp437ToUnicode(0x82), u'\u00E9');  // é
  EXPECT_EQ(Cp437ToUnicode(0x90), u'\u00C9');  // É
  EXPECT_EQ(Cp437ToUnicode(0xB3), u'\u2502');  // │
  EXPECT_EQ(Cp437ToUnicode(0xE1), u'\u00DF');  // ß
  EXPECT_EQ(Cp437ToUnicode(0xFF), u'\u00A0');
}

TEST(Codepage437, EveryByteHasItsOwnCharacterAndRoundTrips) {
  std::set<char16_t> seen;
  for (int b = 0; b < 256; ++b) seen.insert(Cp437ToUnicode(static_cast<unsigned char>(b)));
  EXPECT_EQ(seen.size(), 256u);

  for (int b = 0x01; b <= 0xFF; ++b) {
    const char16_t c = Cp437ToUnicode(static_cast<unsigned char>(b));
    std::string out;
    ASSERT_TRUE(EncodeCp437(std::u16string(1, c), out)) << b;
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(out[0]), b);
  }
}

TEST(Codepage437, EncodesFindTextAndRefusesForeignCharacters) {
  std::string out;
  EXPECT_TRUE(EncodeCp437(u"caf\u00E9 \u2502\t", out));
  EXPECT_EQ(out, "caf\x82 \xB3\t");
  EXPECT_TRUE(EncodeCp437(u"\u03B2\u03BC", out));  // beta and mu stand for ß and µ
  EXPECT_EQ(out, "\xE1\xE6");
  EXPECT_FALSE(EncodeCp437(u"\u20AC", out));       // euro sign
  EXPECT_FALSE(EncodeCp437(u"a\U0001F600", out));  // beyond the basic plane
  EXPECT_FALSE(EncodeCp437(u"\u25CB", out));       // the tab's glyph: tabs show as tabs

  EXPECT_TRUE(EncodeCp437FromUtf8("INT 21 \xC3\xA9\xE2\x94\x82", out));
  EXPECT_EQ(out, "INT 21 \x82\xB3");
  EXPECT_FALSE(EncodeCp437FromUtf8("\xE2\x82\xAC", out));  // euro sign
  EXPECT_FALSE(EncodeCp437FromUtf8("\xC3", out));          // cut short
  EXPECT_FALSE(EncodeCp437FromUtf8("\xC3(", out));         // bad continuation
  EXPECT_FALSE(EncodeCp437FromUtf8("\xC1\x81", out));      // overlong 'A'
  EXPECT_FALSE(EncodeCp437FromUtf8("\xFF", out));
  EXPECT_TRUE(EncodeCp437FromUtf8("", out));
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace qorl
