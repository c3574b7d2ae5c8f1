// SPDX-License-Identifier: MIT
#include "core/settings/hive_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qorl {
namespace {

HiveTree SampleTree() {
  HiveTree tree;
  HiveKeyNode& config = tree.create("Software\\Halvex\\Qorl Viewer\\2\\Config");
  config.set("DefStartupDir", HiveValue::string("C:\\Lists\\\"quoted\" folder"));
  config.set("Plain", HiveValue::string("/home/me/lists"));
  config.set("Empty", HiveValue::string(""));
  config.set("AskExit", HiveValue::dword(0));
  config.set("Big", HiveValue::dword(0xFFFFFFFEu));
  config.set("Expand", HiveValue::expandString("%HOME%\\\xC3\x9F"));
  config.set("TwoLines", HiveValue::string("first\nsecond\r\n"));
  config.set("Stray bytes", HiveValue::string(std::string("a\xFF\xC3(\n", 5)));
  config.set("Zero inside", HiveValue::string(std::string("a\0b\0", 4)));
  std::string bytes;
  for (int i = 0; i < 60; ++i) bytes.push_back(static_cast<char>(i * 7));
  tree.create("Software\\Halvex\\Qorl Viewer\\2\\Layout")
      .set("BoundsRect", HiveValue::binary(bytes));
  HiveKeyNode& other = tree.create("Software\\Other");
  other.set("", HiveValue::string("default value"));
  other.set("Multi", HiveValue{static_cast<HiveValueType>(7), std::string("a\0\0\0\0\0", 6)});
  other.set("NoBytes", HiveValue::binary(""));
  tree.create("Software\\Empty key");
  return tree;
}

TEST(HiveText, RoundTripKeepsEveryKeyValueAndType) {
  const HiveTree tree = SampleTree();
  const std::string text = FormatHiveText(tree);
  std::string error;
  const auto back = ParseHiveText(text, &error);
  ASSERT_TRUE(back) << error << "\n" << text;
  ASSERT_EQ(back->keys().size(), tree.keys().size());
  for (const HiveKeyNode* node : tree.keys()) {
    const HiveKeyNode* read = back->find(node->path());
    ASSERT_NE(read, nullptr) << node->path();
    EXPECT_EQ(read->path(), node->path());
    ASSERT_EQ(read->values.size(), node->values.size()) << node->path();
    for (std::size_t i = 0; i < node->values.size(); ++i) {
      EXPECT_EQ(read->values[i].first, node->values[i].first);
      EXPECT_EQ(read->values[i].second, node->values[i].second) << node->values[i].first;
    }
  }
  // Formatting what was read gives the same text again.
  EXPECT_EQ(FormatHiveText(*back), text);
}

TEST(HiveText, WritesTheRegistryExportForms) {
  const std::string text = FormatHiveText(SampleTree());
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Config]\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"DefStartupDir\"=\"C:\\\\Lists\\\\\\\"quoted\\\" folder\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"AskExit\"=dword:00000000\n"), std::string::npos);
  EXPECT_NE(text.find("\"Big\"=dword:fffffffe\n"), std::string::npos);
  // REG_EXPAND_SZ as UTF-16LE with its terminating zero.
  EXPECT_NE(text.find("\"Expand\"=hex(2):25,00,48,00"), std::string::npos);
  EXPECT_NE(text.find("df,00,00,00\n"), std::string::npos);
  EXPECT_NE(text.find("\"TwoLines\"=hex(1):"), std::string::npos);
  EXPECT_NE(text.find("\"BoundsRect\"=hex:00,07,0e,"), std::string::npos);
  EXPECT_NE(text.find(",\\\n  "), std::string::npos);  // long lists continue on the next line
  EXPECT_NE(text.find("@=\"default value\"\n"), std::string::npos);
  EXPECT_NE(text.find("\"Multi\"=hex(7):61,00,"), std::string::npos);
  EXPECT_NE(text.find("\"NoBytes\"=hex:\n"), std::string::npos);
}

TEST(HiveText, ReadsHandWrittenFilesWithCommentsCrLfAndMixedCase) {
  const std::string text =
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "\r\n"
      "; a comment\r\n"
      "[hkey_current_user\\Software\\A]\r\n"
      "\"Number\" = DWORD:0000002a\r\n"
      "\"Bytes\"=hex:01,02,\\\r\n"
      "    03\r\n"
      "\"Short\"=dword:5\r\n"
      "[HKEY_CURRENT_USER\\SOFTWARE\\a\\B]\r\n";
  std::string error;
  auto tree = ParseHiveText(text, &error);
  ASSERT_TRUE(tree) << error;
  const HiveKeyNode* a = tree->find("software\\a");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(a->find("NUMBER"), nullptr);
  EXPECT_EQ(a->find("number")->dwordValue(), 42u);
  EXPECT_EQ(a->find("Short")->dwordValue(), 5u);
  EXPECT_EQ(*a->find("Bytes"), HiveValue::binary("\x01\x02\x03"));
  EXPECT_EQ(tree->subKeyNames("Software\\A"), std::vector<std::string>{"B"});
  EXPECT_EQ(tree->subKeyNames("Software"), std::vector<std::string>{"A"});
}

TEST(HiveText, ReadsTheRegistryEditorsOwnExports) {
  // As exported on Windows: UTF-16LE with a byte-order mark and CR LF.
  const std::u16string unicode =
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\Software\\Halvex\\Qorl Viewer\\2\\Config]\r\n"
      u"\"DefStartupDir\"=\"C:\\\\Listen \u00e4\U0001F600\"\r\n"
      u"\"AskExit\"=dword:00000001\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : unicode) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  std::string error;
  auto tree = ParseHiveText(bytes, &error);
  ASSERT_TRUE(tree) << error;
  const HiveKeyNode* config = tree->find("Software\\Halvex\\Qorl Viewer\\2\\Config");
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(*config->find("DefStartupDir"),
            HiveValue::string("C:\\Listen \xC3\xA4\xF0\x9F\x98\x80"));
  EXPECT_EQ(config->find("AskExit")->dwordValue(), 1u);

  // The older form: texts are single bytes of code page 1252, hex(2) ones too.
  const std::string ansi =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n"
      "\"Name\"=\"Caf\xE9 \x80\"\r\n"
      "\"Path\"=hex(2):25,48,4f,4d,45,25,e9,00\r\n";
  tree = ParseHiveText(ansi, &error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(*tree->find("A")->find("Name"), HiveValue::string("Caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_EQ(*tree->find("A")->find("Path"), HiveValue::expandString("%HOME%\xC3\xA9"));
  // Written by hand in UTF-8, it stays UTF-8.
  tree = ParseHiveText("REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"Name\"=\"Caf\xC3\xA9\"\n", &error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(*tree->find("A")->find("Name"), HiveValue::string("Caf\xC3\xA9"));
  // Hex texts are code page 1252 in an all-ASCII file too, unless valid UTF-8 on their own.
  tree = ParseHiveText(
      "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n"
      "\"Dir\"=hex(2):43,3a,5c,4c,69,73,74,e9,00\n\"Utf8\"=hex(1):c3,a9,00\n",
      &error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(*tree->find("A")->find("Dir"), HiveValue::expandString("C:\\List\xC3\xA9"));
  EXPECT_EQ(*tree->find("A")->find("Utf8"), HiveValue::string("\xC3\xA9"));
}

TEST(HiveText, RejectsTextOutsideTheFormat) {
  const std::string header = "Windows Registry Editor Version 5.00\n";
  const char* bad[] = {
      "",
      "REGEDIT5\n[HKEY_CURRENT_USER\\A]\n",
      "\xFF\xFEW\0i\0n\0",  // UTF-16LE cut inside a unit
      "garbage\n",
      "Windows Registry Editor Version 5.00 and more\n",
  };
  for (const char* text : bad) EXPECT_FALSE(ParseHiveText(text)) << text;
  const char* badBodies[] = {
      "\"Value\"=dword:00000001\n",        // value before any key
      "[HKEY_LOCAL_MACHINE\\Software]\n",  // another root
      "[HKEY_CURRENT_USERX\\Software]\n",
      "[HKEY_CURRENT_USER\\Software\n",  // unterminated
      "[HKEY_CURRENT_USER\\A\\\\B]\n",   // empty key name
      "[-HKEY_CURRENT_USER\\A]\n",       // deletions are not supported
      "[HKEY_CURRENT_USER\\A]\n\"V\"=-\n",
      "[HKEY_CURRENT_USER\\A]\n\"V\"=dword:123456789\n",  // nine digits
      "[HKEY_CURRENT_USER\\A]\n\"V\"=dword:xyz\n",
      "[HKEY_CURRENT_USER\\A]\n\"V\"=hex:1,2\n",
      "[HKEY_CURRENT_USER\\A]\n\"V\"=hex:01,02,\\\n",  // continuation at the end
      "[HKEY_CURRENT_USER\\A]\n\"V\"=hex(1):41\n",     // odd UTF-16 length
      "[HKEY_CURRENT_USER\\A]\n\"V\"=\"unterminated\n",
      "[HKEY_CURRENT_USER\\A]\n\"V\"=\"a\\tb\"\n",  // unknown escape
      "[HKEY_CURRENT_USER\\A]\n\"V\"=\"a\" trailing\n",
      "[HKEY_CURRENT_USER\\A]\n\"V\" \"a\"\n",
      "[HKEY_CURRENT_USER\\A]\njunk\n",
  };
  for (const char* body : badBodies) {
    std::string error;
    EXPECT_FALSE(ParseHiveText(header + body, &error)) << body;
    EXPECT_FALSE(error.empty()) << body;
  }
}

TEST(HiveText, RemovingAKeyRemovesEverythingBelowItOnly) {
  HiveTree tree;
  tree.create("S\\Q\\2\\Layout");
  tree.create("S\\Q\\2\\Config\\Deeper");
  tree.create("S\\Q\\1\\Config");
  tree.create("S\\Q\\20");
  EXPECT_TRUE(tree.removeTree("s\\q\\2"));
  EXPECT_EQ(tree.find("S\\Q\\2"), nullptr);
  EXPECT_EQ(tree.find("S\\Q\\2\\Config\\Deeper"), nullptr);
  EXPECT_NE(tree.find("S\\Q\\1\\Config"), nullptr);
  EXPECT_NE(tree.find("S\\Q\\20"), nullptr);
  EXPECT_NE(tree.find("S\\Q"), nullptr);
  EXPECT_FALSE(tree.removeTree("S\\Q\\2"));
}

// Memory and text grow with the file, not with how deep its keys nest: a key 512 levels deep
// (as deep as the registry allows) is read and written back at the size it came in; one level
// more is refused.
TEST(HiveText, DeepKeysTakeSpaceInProportionToTheirText) {
  std::string path = "A";
  for (std::size_t depth = 1; depth < kMaxHiveKeyDepth; ++depth) path += "\\A";
  const std::string deepest = "[HKEY_CURRENT_USER\\" + path + "]\n";
  const std::string text = "Windows Registry Editor Version 5.00\n\n" + deepest +
                           "\"V\"=dword:00000001\n\n[HKEY_CURRENT_USER\\A\\B]\n";
  std::string error;
  const auto tree = ParseHiveText(text, &error);
  ASSERT_TRUE(tree) << error;
  EXPECT_EQ(tree->keys().size(), kMaxHiveKeyDepth + 1);
  ASSERT_NE(tree->find(path), nullptr);
  EXPECT_EQ(tree->find(path)->path(), path);
  EXPECT_EQ(tree->find(path)->find("V")->dwordValue(), 1u);
  const std::string written = FormatHiveText(*tree);
  EXPECT_LT(written.size(), 2 * text.size());
  EXPECT_NE(written.find(deepest), std::string::npos);
  const auto back = ParseHiveText(written);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->keys().size(), tree->keys().size());
  EXPECT_NE(back->find("A\\B"), nullptr);

  EXPECT_FALSE(ParseHiveText(
      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\\" + path + "]\n", &error));
  EXPECT_NE(error.find("too deep"), std::string::npos) << error;
  EXPECT_FALSE(IsValidHiveKeyPath("A\\" + path));
  EXPECT_TRUE(IsValidHiveKeyPath(path));
}

TEST(HiveText, Utf16ConversionKeepsAnyBytes) {
  const std::string samples[] = {"plain", "\xC3\x9F\xE2\x82\xAC\xF0\x9F\x98\x80",
                                 std::string("\x80\xFF\xC0\xAF\xED\xA0\x80", 7), "\xF4\x90\x80\x80",
                                 "end\xE2\x82"};
  for (const std::string& s : samples) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), std::u16string(u"\U0001F600"));
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace qorl
