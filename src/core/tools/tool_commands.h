// SPDX-License-Identifier: MIT
#pragma once
// The list's DOS tools as data: which Tools items are shown, the folder they run in, the exact
// command lines of COMBINE.COM and INTPRINT.COM, and whether the open list is closed first.

#include <string>
#include <string_view>
#include <vector>

namespace qorl {

// Item texts of the Tools sub-menu.
inline constexpr const char* kToolsMenuCaption = "&Tools";
inline constexpr const char* kToolsMenuHint = "Special functions and tools";
inline constexpr const char* kExploreListsCaption = "&Explore Lists Location...";
inline constexpr const char* kExploreListsHint = "Open Windows Explorer in lists folder";
inline constexpr const char* kRunCombineCaption = "Run &Combine.com...";
inline constexpr const char* kRunCombineHint = "Run external program Combine.com";
inline constexpr const char* kRunIntprintCaption = "Run &Intprint.com...";
inline constexpr const char* kRunIntprintHint = "Run external program Intprint.com";

// "command.com /c combine.com", then " -p" when the sections of PORTS.LST are chosen, " -d" when
// the sections are to be deleted, and finally " .": four possible command lines.
std::string CombineCommandLine(bool portsChosen, bool deleteSections);

// The parameters of COMMAND.COM for INTPRINT.COM: "/k" or "/c", " intprint.com " and the text
// exactly as typed ("/c intprint.com " for an empty text).
std::string IntprintParameters(bool keepPrompt, std::string_view paramText);

// The program that takes IntprintParameters.
inline constexpr const char* kIntprintProgram = "COMMAND.COM";

struct ToolsVisibility {
  bool combineVisible = false;    // OptionsToolsRunCombinecom
  bool intprintVisible = false;   // OptionsToolsRunIntprintcom
  bool separatorVisible = false;  // OptionsToolsSeperator: when either tool is shown
  bool operator==(const ToolsVisibility&) const = default;
};

// From the names of a folder's files: COMBINE.COM and INTPRINT.COM in any case.
ToolsVisibility ToolsMenuVisibility(const std::vector<std::string>& fileNames);
// Looks in the folder itself; only regular files (or links to them) count.
ToolsVisibility ToolsMenuVisibility(const std::string& folder);

// The folder the tools run in and the Explore item opens: DefStartupDir, or the lists folder
// (without its trailing separator, unless it is the root) when DefStartupDir is empty.
std::string ToolsFolder(const std::string& defStartupDir, const std::string& listsFolder);

// Whether running COMBINE.COM closes the open list first: it rebuilds INTERRUP.LST (list kind 1)
// or PORTS.LST (list kind 2), which must not be held open meanwhile. Any other list stays open.
constexpr bool CombineClosesList(int listKind, bool portsChosen) {
  return (listKind == 1 && !portsChosen) || (listKind == 2 && portsChosen);
}

// Running INTPRINT.COM always closes the open list first.
inline constexpr bool kIntprintClosesList = true;

}  // namespace qorl
