// SPDX-License-Identifier: MIT
#include "core/tools/tool_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qorl {
namespace {

namespace fs = std::filesystem;

TEST(ToolCommands, FourCombineCommandLines) {
  EXPECT_EQ(CombineCommandLine(false, false), "command.com /c combine.com .");
  EXPECT_EQ(CombineCommandLine(true, false), "command.com /c combine.com -p .");
  EXPECT_EQ(CombineCommandLine(false, true), "command.com /c combine.com -d .");
  EXPECT_EQ(CombineCommandLine(true, true), "command.com /c combine.com -p -d .");
}

TEST(ToolCommands, IntprintParametersKeepTheTextAsTyped) {
  EXPECT_EQ(IntprintParameters(true, "abc"), "/k intprint.com abc");
  EXPECT_EQ(IntprintParameters(false, ""), "/c intprint.com ");
  EXPECT_EQ(IntprintParameters(false, "  -b  \"x y\" "), "/c intprint.com   -b  \"x y\" ");
}

TEST(ToolCommands, MenuVisibilityFromFileNames) {
  EXPECT_EQ(ToolsMenuVisibility(std::vector<std::string>{"COMBINE.COM", "INTERRUP.LST"}),
            (ToolsVisibility{true, false, true}));
  EXPECT_EQ(ToolsMenuVisibility(std::vector<std::string>{"intprint.com"}),
            (ToolsVisibility{false, true, true}));
  EXPECT_EQ(ToolsMenuVisibility(std::vector<std::string>{"COMBINE.EXE", "INTPRINT.COM.BAK"}),
            (ToolsVisibility{false, false, false}));
}

TEST(ToolCommands, MenuVisibilityFromAFolderCountsFilesOnly) {
  const fs::path folder = fs::temp_directory_path() / "qorl_tools_visibility";
  fs::remove_all(folder);
  fs::create_directories(folder / "INTPRINT.COM");  // a folder is not the tool
  std::ofstream(folder / "combine.com") << "x";
  EXPECT_EQ(ToolsMenuVisibility(folder.string()), (ToolsVisibility{true, false, true}));
  fs::remove_all(folder);
  EXPECT_EQ(ToolsMenuVisibility(folder.string()), ToolsVisibility{});
  EXPECT_EQ(ToolsMenuVisibility(std::string()), ToolsVisibility{});
}

TEST(ToolCommands, ToolsFolderFallsBackToTheListsFolder) {
  EXPECT_EQ(ToolsFolder("/data/lists", "/home/me/"), "/data/lists");
  EXPECT_EQ(ToolsFolder("", "/home/me/"), "/home/me");
  EXPECT_EQ(ToolsFolder("", "/"), "/");
  EXPECT_EQ(ToolsFolder("", ""), "");
}

TEST(ToolCommands, CombineClosesOnlyTheListItRebuilds) {
  EXPECT_TRUE(CombineClosesList(1, false));  // INTERRUP.LST open, its sections chosen
  EXPECT_FALSE(CombineClosesList(1, true));  // Ports chosen: INTERRUP.LST stays open
  EXPECT_TRUE(CombineClosesList(2, true));
  EXPECT_FALSE(CombineClosesList(3, false));
}

}  // namespace
}  // namespace qorl
