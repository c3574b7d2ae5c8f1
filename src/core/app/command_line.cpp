// SPDX-License-Identifier: MIT
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

bool IsKnownWord(const std::string& word) {
  static constexpr const char* kWords[] = {"INDEXUSE",    "INDEXNOUPDATE", "INDEXNOUSE",
                                           "NOINDEX",     "CONFIGNOSAVE",  "NOREGISTRY",
                                           "CONFIGCLEAR", "QUIT",          "GOTO"};
  for (const char* known : kWords) {
    if (word == known) return true;
  }
  return false;
}

}  // namespace

std::string GotoReferenceOf(const std::vector<std::string>& args) {
  std::string reference;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string s = AsciiUpper(args[i]);
    if (IsFileName(s)) continue;
    const std::string word = s.substr(1);
    if (!IsKnownWord(word)) return {};
    if (word == "GOTO") {
      if (i + 1 == args.size() || args[i + 1].empty()) return {};
      reference = args[++i];
    }
  }
  return reference;
}

CommandLineResult ParseCommandLine(const std::vector<std::string>& args, ConfigRecord& config,
                                   RunState& run, SettingsHive& hive, std::int32_t major,
                                   MessageService& messages) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string s = AsciiUpper(args[i]);
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
    } else if (word == "GOTO") {
      // The reference is the next argument, however it reads ("21/4C" is no file name).
      if (i + 1 == args.size() || args[i + 1].empty())
        return CommandLineResult{kUnknownParameterError};
      run.gotoReference = args[++i];
    } else {
      return CommandLineResult{kUnknownParameterError};
    }
  }
  return {};
}

}  // namespace qorl
