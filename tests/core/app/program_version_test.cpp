// SPDX-License-Identifier: MIT
#include "core/app/program_version.h"

#include <gtest/gtest.h>

namespace qorl {
namespace {

ProgramVersion Version(int major, int minor, int release, int build) {
  return ProgramVersion{major, minor, release, build, false};
}

TEST(ProgramVersion, SplitsTheVersionTextFromTheLeft) {
  EXPECT_EQ(ParseVersionText("2.1.1.1"), Version(2, 1, 1, 1));
  EXPECT_EQ(ParseVersionText("2.1"), Version(2, 1, 0, 0));
  EXPECT_EQ(ParseVersionText("3"), Version(3, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("4.5.6.7.8.9"), Version(4, 5, 6, 7));  // text after a fourth number
  EXPECT_EQ(ParseVersionText("4.5.6.7.garbage"), Version(4, 5, 6, 7));
  EXPECT_EQ(ParseVersionText("10.20.300.4000"), Version(10, 20, 300, 4000));
  EXPECT_EQ(ParseVersionText("-1.+2"), Version(-1, 2, 0, 0));
}

TEST(ProgramVersion, APartThatIsNoNumberEndsTheReading) {
  EXPECT_EQ(ParseVersionText("2.x.3"), Version(2, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("7.1.1.1 beta"), Version(7, 1, 1, 0));
  EXPECT_EQ(ParseVersionText(""), Version(2, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("x.5"), Version(2, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("3..4"), Version(3, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("3.1."), Version(3, 1, 0, 0));
  EXPECT_EQ(ParseVersionText(" 3.1"), Version(2, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("2, 1, 1, 1"), Version(2, 0, 0, 0));
  EXPECT_EQ(ParseVersionText("5.99999999999"), Version(5, 0, 0, 0));  // out of range
  EXPECT_EQ(ParseVersionText("5.+"), Version(5, 0, 0, 0));
}

TEST(ProgramVersion, ReadsTheBuiltVersion) {
  const ProgramVersion version = ReadVersion();
  EXPECT_EQ(version, ParseVersionText(QORL_VERSION_STRING));
  EXPECT_EQ(version.major, QORL_VERSION_MAJOR);
  EXPECT_FALSE(version.debugBuild);
}

TEST(ProgramVersion, AboutTextFollowsTheRelease) {
  EXPECT_EQ(AboutVersionText(Version(2, 1, 1, 1)), "Version: 2.1");
  EXPECT_EQ(AboutVersionText(Version(2, 1, 0, 7)),
            "Version: 2.1\xC3\x9F"
            "7");
  EXPECT_EQ(AboutVersionText(Version(2, 1, 2, 0)), "Version: 2.1a");
  EXPECT_EQ(AboutVersionText(Version(3, 0, 3, 5)), "Version: 3.0b");
  EXPECT_EQ(AboutVersionText(Version(2, 1, 27, 0)), "Version: 2.1z");
  EXPECT_EQ(AboutVersionText(ParseVersionText("not readable")),
            "Version: 2.0\xC3\x9F"
            "0");
  EXPECT_EQ(AboutVersionText(Version(2, 1, -4, 0)), "Version: 2.1");
  // Letters beyond "z" are code page 1252 characters, given as UTF-8.
  EXPECT_EQ(AboutVersionText(Version(2, 1, 33, 0)), "Version: 2.1\xE2\x82\xAC");  // 0x80: euro
  EXPECT_EQ(AboutVersionText(Version(2, 1, 160, 0)), "Version: 2.1\xC3\xBF");     // 0xFF
  EXPECT_EQ(AboutVersionText(Version(2, 1, 161, 0)), "Version: 2.1.161");
  ProgramVersion debug = Version(2, 1, 1, 1);
  debug.debugBuild = true;
  EXPECT_EQ(AboutVersionText(debug), "Version: 2.1  (Debug Build)");
}

}  // namespace
}  // namespace qorl
