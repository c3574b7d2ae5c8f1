// SPDX-License-Identifier: MIT
#include <windows.h>

#include <cstdlib>

#include "core/list/file_path.h"
#include "core/tools/dos_runner.h"

namespace qorl {
namespace {

// The command line as given: program, then the arguments, separated by blanks. The DOS command
// lines of the tools are passed on exactly as built.
std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = program;
  for (const std::string& argument : arguments) line += " " + argument;
  return line;
}

std::string PathVariable() {
  const wchar_t* path = _wgetenv(L"PATH");
  return path != nullptr ? Utf8FromWide(path) : std::string();
}

int Start(const std::string& program, const std::vector<std::string>& arguments,
          const std::string& workingDir, PROCESS_INFORMATION& process) {
  std::wstring line = WideFromUtf8(CommandLineOf(program, arguments));
  const std::wstring folder = WideFromUtf8(workingDir);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
  startup.wShowWindow = SW_SHOW;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return static_cast<int>(GetLastError());
  }
  return 0;
}

}  // namespace

std::string FindDosInterpreter() {
  return FindOnPath("COMMAND.COM", PathVariable());
}

int RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDir, const WaitPollCallback& poll, int* exitStatus) {
  if (exitStatus != nullptr) *exitStatus = -1;
  PROCESS_INFORMATION process{};
  const int error = Start(program, arguments, workingDir, process);
  if (error != 0) return error;
  while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT) {
    if (poll && !poll()) break;
  }
  DWORD code = 0;
  if (exitStatus != nullptr && GetExitCodeProcess(process.hProcess, &code) &&
      code != STILL_ACTIVE) {
    *exitStatus = static_cast<int>(code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

int StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& workingDir) {
  PROCESS_INFORMATION process{};
  const int error = Start(program, arguments, workingDir, process);
  if (error != 0) return error;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace qorl
