// SPDX-License-Identifier: MIT
#pragma once
// The command-line words, each given after "-" or "/", whole and in any case:
//   INDEXUSE, INDEXNOUPDATE, INDEXNOUSE, NOINDEX  set the index policy in the record
//   CONFIGNOSAVE, NOREGISTRY                      nothing is written at exit
//   CONFIGCLEAR                                   clears the stored settings at once
//   QUIT                                          end as soon as start-up is complete
//   GOTO REFERENCE                                show the topic Go to Topic's first row names;
//                                                 the next argument is the reference, whatever
//                                                 it looks like
// Arguments without a prefix (list file names, say) and empty arguments are ignored; outside
// Windows so is an absolute path such as "/home/me/lists/INTERRUP.LST" (a "/" after the first).

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/run_state.h"
#include "core/list/message_service.h"
#include "core/settings/settings_hive.h"
#include "core/settings/settings_store.h"

namespace qorl {

// Error code of an unknown word: "Unknown commandline parameter(s) !".
inline constexpr int kUnknownParameterError = 10;

struct CommandLineResult {
  int errorCode = 0;  // kUnknownParameterError when a word was not known; the caller shows it
  bool operator==(const CommandLineResult&) const = default;
};

// Applies the words of args (the program name not included) in order. The first argument with
// a prefix that is not a word stops the parsing with kUnknownParameterError; the words before
// it keep their effect. Every argument is examined, however many there are. CONFIGCLEAR runs
// ClearSettings on hive for that major version at once.
CommandLineResult ParseCommandLine(const std::vector<std::string>& args, ConfigRecord& config,
                                   RunState& run, SettingsHive& hive, std::int32_t major,
                                   MessageService& messages);

// GOTO's reference when args hold one and every other word is known, without applying anything;
// empty otherwise. Decides whether a running viewer may take the request instead.
std::string GotoReferenceOf(const std::vector<std::string>& args);

}  // namespace qorl
