// SPDX-License-Identifier: MIT
#pragma once
// The tool's command line as UTF-8 words, and its standard streams as plain bytes, on every
// platform: on Windows the words come from the UTF-16 command line (argv holds them in the
// ANSI code page) and the streams would otherwise turn "\n" into "\r\n".

#include "cli/cli_command.h"

namespace qorl::cli {

// The words after the program name.
Arguments ProgramArguments(int argc, char** argv);

// Makes stdout and stderr pass bytes unchanged.
void UseBinaryStreams();

}  // namespace qorl::cli
