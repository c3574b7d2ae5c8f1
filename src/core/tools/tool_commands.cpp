// SPDX-License-Identifier: MIT
#include "core/tools/tool_commands.h"

#include <filesystem>
#include <system_error>

#include "core/list/ascii.h"
#include "core/list/file_path.h"

namespace qorl {
namespace {

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

}  // namespace

std::string CombineCommandLine(bool portsChosen, bool deleteSections) {
  std::string line = "command.com /c combine.com";
  if (portsChosen) line += " -p";
  if (deleteSections) line += " -d";
  line += " .";
  return line;
}

std::string IntprintParameters(bool keepPrompt, std::string_view paramText) {
  std::string parameters = keepPrompt ? "/k" : "/c";
  parameters += " intprint.com ";
  parameters += paramText;
  return parameters;
}

ToolsVisibility ToolsMenuVisibility(const std::vector<std::string>& fileNames) {
  ToolsVisibility visibility;
  for (const std::string& name : fileNames) {
    const std::string upper = AsciiUpper(name);
    if (upper == "COMBINE.COM") visibility.combineVisible = true;
    if (upper == "INTPRINT.COM") visibility.intprintVisible = true;
  }
  visibility.separatorVisible = visibility.combineVisible || visibility.intprintVisible;
  return visibility;
}

ToolsVisibility ToolsMenuVisibility(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  if (!folder.empty()) {
    std::error_code ec;
    fs::directory_iterator it(FilePath(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      std::error_code typeError;
      if (it->is_regular_file(typeError)) names.push_back(Utf8Path(it->path().filename()));
    }
  }
  return ToolsMenuVisibility(names);
}

std::string ToolsFolder(const std::string& defStartupDir, const std::string& listsFolder) {
  if (!defStartupDir.empty()) return defStartupDir;
  std::string folder = listsFolder;
  while (folder.size() > 1 && IsSeparator(folder.back())) {
#ifdef _WIN32
    if (folder.size() == 3 && folder[1] == ':') break;  // "C:\" keeps its separator
#endif
    folder.pop_back();
  }
  return folder;
}

}  // namespace qorl
