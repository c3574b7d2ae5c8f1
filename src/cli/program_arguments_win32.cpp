// SPDX-License-Identifier: MIT
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "cli/program_arguments.h"
#include "core/list/file_path.h"

namespace qorl::cli {

Arguments ProgramArguments(int, char**) {
  Arguments words;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return words;
  for (int i = 1; i < count; ++i) words.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return words;
}

void UseBinaryStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace qorl::cli
