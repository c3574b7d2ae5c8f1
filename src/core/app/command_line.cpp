#include "core/app/command_line.h"

#include "core/list/ascii.h"

namespace qorl {

namespace {

void SetIndexPolicy(ConfigRecord& config, bool dontUseIndexFile, bool loadTopicsDirect) {
  config.DontUseIndexFile = dontUseIndexFile;
  config.LoadTopicsDirect = loadTopicsDirect;
}

// Whether the argument is a file name, not a word. On Windows a word is anything after "-" or
// "/"; elsewhere an absolute path also starts with "/", and one with a further "/" in it is
// taken for the file name it is (file names are ignored).
bool IsFileName(const std::string& s) {
  if (s.empty() || (s.front() != '-' && s.front() != '/')) return true;
#ifndef _WIN32
  if (s.front() == '/' && s.find('/', 1) != std::string::npos) return true;
#endif
  return false;
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string>& args, ConfigRecord& config,
                                   RunState& run, SettingsHive& hive, std::int32_t major,
                                   MessageService& messages) {
  for (const std::string& arg : args) {
    const std::string s = AsciiUpper(arg);
    if (IsFileName(s)) continue;
    const std::string word = s.substr(1);
    if (word == "INDEXUSE") {
      SetIndexPolicy(config, false, false);
    } else if (word == "INDEXNOUPDATE") {
      SetIndexPolicy(config, true, false);
    } else if (word == "INDEXNOUSE" || word == "NOINDEX") {
      SetIndexPolicy(config, false, true);
    } else if (word == "CONFIGNOSAVE" || word == "NOREGISTRY") {
      run.noSave = true;
    } else if (word == "CONFIGCLEAR") {
      ClearSettings(hive, major, messages);
    } else if (word == "QUIT") {
      run.quitRequested = true;
    } else {
      return CommandLineResult{kUnknownParameterError};
    }
  }
  return {};
}

}  // namespace qorl
