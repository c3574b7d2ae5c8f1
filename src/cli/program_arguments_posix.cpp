// SPDX-License-Identifier: MIT
#include "cli/program_arguments.h"

namespace qorl::cli {

Arguments ProgramArguments(int argc, char** argv) {
  return Arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseBinaryStreams() {}

}  // namespace qorl::cli
