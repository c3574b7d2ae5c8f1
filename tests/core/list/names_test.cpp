// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/list/ascii.h"
#include "core/list/error_codes.h"
#include "core/list/index_path.h"
#include "core/list/list_kind.h"
#include "core/support/recording_messages.h"

namespace qorl {
namespace {

TEST(IndexPath, CutsAtTheLastDotOfTheFileName) {
  EXPECT_EQ(IndexPathOf("C:\\LISTS\\INTERRUP.LST"), "C:\\LISTS\\INTERRUP.qorlv");
  EXPECT_EQ(IndexPathOf("/lists/ports.lst"), "/lists/ports.qorlv");
  // A dot in a folder name is not cut at: the index stays beside the list.
  EXPECT_EQ(IndexPathOf("C:\\A.B\\LIST"), "C:\\A.B\\LIST.qorlv");
  EXPECT_EQ(IndexPathOf("a.b/NOTES"), "a.b/NOTES.qorlv");
  EXPECT_EQ(IndexPathOf("./NOTES"), "./NOTES.qorlv");
  EXPECT_EQ(IndexPathOf("../x.y/.NOTES"), "../x.y/.qorlv");
  EXPECT_EQ(IndexPathOf("/a/LIST"), "/a/LIST.qorlv");
  EXPECT_EQ(IndexPathOf("list.tar.gz"), "list.tar.qorlv");
  EXPECT_EQ(IndexPathOf(""), ".qorlv");
}

TEST(ListKind, FromTheFileNameOnly) {
  EXPECT_EQ(ListKindOf(""), -1);
  EXPECT_EQ(ListKindOf("C:\\LISTS\\"), -1);
  EXPECT_EQ(ListKindOf("C:\\any\\interrup.lst"), 1);
  EXPECT_EQ(ListKindOf("/x/y/Interrup.Lst"), ListKind::Interrup);
  EXPECT_EQ(ListKindOf("D:PORTS.LST"), 2);
  EXPECT_EQ(ListKindOf("I2C.LST"), 7);
  EXPECT_EQ(ListKindOf("biblio.lst"), ListKind::Biblio);
  EXPECT_EQ(ListKindOf("INTERRUP.TXT"), 0);
  EXPECT_EQ(ListKindOf("INTERRUP.LST.BAK"), 0);
  EXPECT_EQ(ListKindOf("INTERRUP.LST\\"), -1);
}

TEST(ErrorCodes, MessagesAndWarningBoxes) {
  EXPECT_EQ(ErrorMessage(1), "Unable to load list !");
  EXPECT_EQ(ErrorMessage(2), "Unable to create indexfile !");
  EXPECT_EQ(ErrorMessage(3), "Unable to load topic from list !");
  EXPECT_EQ(ErrorMessage(10), "Unknown commandline parameter(s) !");
  EXPECT_EQ(ErrorMessage(0), "Undefined error no. 0");
  EXPECT_EQ(ErrorMessage(7), "Undefined error no. 7");
  EXPECT_EQ(ErrorMessage(255), "Undefined error no. 255");

  test::RecordingMessages messages;
  ShowError(messages, 3);
  ShowError(messages, 7);
  EXPECT_EQ(messages.warnings, (std::vector<std::string>{"Unable to load topic from list !",
                                                         "Undefined error no. 7"}));
  EXPECT_TRUE(messages.informations.empty());
}

TEST(Ascii, ReplaceCharAndTrim) {
  EXPECT_EQ(ReplaceChar("AB-12-", '-'), "AB 12 ");
  EXPECT_EQ(TrimControls("\t\x01 a b\x1F "), "a b");
  EXPECT_EQ(TrimControls(" \t "), "");
}

}  // namespace
}  // namespace qorl
