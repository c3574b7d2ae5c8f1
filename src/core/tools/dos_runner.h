// SPDX-License-Identifier: MIT
#pragma once
// Running the list's DOS tools. Their command lines are DOS command lines for COMMAND.COM
// ("command.com /c combine.com -p ." or COMMAND.COM with "/k intprint.com abc"). On Windows they
// are handed to the system unchanged. Elsewhere they run inside DOSBox: the tools folder is
// mounted as drive C:, made current, and the command after the /c or /k switch is run there; /c
// ends the DOSBox session when the tool ends, /k leaves its DOS prompt open.
//
// Typical use by the viewer:
//   const std::string folder = ToolsFolder(defStartupDir, listsFolder);
//   if (auto run = DosInvocation(CombineCommandLine(ports, del), folder)) {
//     RunAndWait(run->program, run->arguments, folder, [] { pumpEvents(); return true; });
//   } else {
//     messages.information(DosInterpreterMissingMessage("COMBINE.COM"));
//   }

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorl {

struct ProcessInvocation {
  std::string program;  // a path, or a name looked up on PATH
  std::vector<std::string> arguments;
  bool operator==(const ProcessInvocation&) const = default;
};

// A DOS command line taken apart.
struct DosCommand {
  bool keepPrompt = false;  // "/k": the interpreter stays after the command
  std::string command;      // what follows the switch, e.g. "combine.com -p ." (trailing text
                            // exactly as given)
  bool operator==(const DosCommand&) const = default;
};

// Accepts the full form ("command.com /c combine.com -p .") and the parameter form
// ("/k intprint.com abc"); the interpreter's name and the switch are matched in any case. Without
// a /c or /k switch the whole text is the command and the session ends after it.
DosCommand ParseDosCommandLine(std::string_view commandLine);

// The DOSBox run of a DOS command line in folder: -noautoexec, mount the folder as C: (quoted
// when it holds blanks), C:, the command, and "exit" unless the prompt is to stay open.
ProcessInvocation DosboxInvocation(std::string_view commandLine, const std::string& folder,
                                   const std::string& dosbox = "dosbox");

// The path of "dosbox" on PATH, or empty when there is none. On Windows: the path of
// COMMAND.COM on PATH, or empty (64-bit Windows has no COMMAND.COM).
std::string FindDosInterpreter();

// How to run the DOS command line in folder with the given interpreter (FindDosInterpreter's
// result); nothing when the interpreter is empty, i.e. missing. On Windows the command line is
// run unchanged (its first word is the program, the rest one argument passed as it is).
std::optional<ProcessInvocation> DosInvocation(std::string_view commandLine,
                                               const std::string& folder,
                                               const std::string& interpreter);
// The same with FindDosInterpreter().
std::optional<ProcessInvocation> DosInvocation(std::string_view commandLine,
                                               const std::string& folder);

// The information text when no DOS interpreter can be started for the tool (e.g. "COMBINE.COM").
std::string DosInterpreterMissingMessage(std::string_view toolName);
// The information text when the interpreter was found but could not be started (errorCode as
// returned by RunAndWait or StartDetached).
std::string DosStartFailedMessage(std::string_view toolName, int errorCode);

// The first executable file called name in the folders of pathVariable (PATH's format), or empty.
std::string FindOnPath(std::string_view name, std::string_view pathVariable);

// Called while RunAndWait waits, about every 10 ms: the viewer processes its pending events
// (painting) there. Returning false stops the wait at once (the program is quitting); the process
// is then left running.
using WaitPollCallback = std::function<bool()>;

// Starts program (looked up on PATH when it holds no separator) with the arguments in workingDir
// (the current directory when empty) and waits until it ends, calling poll meanwhile.
// Returns 0 once the process has ended (or the wait was stopped), or the system error code
// (errno; on Windows GetLastError) when it could not be started: ENOENT for a missing program;
// ENOENT, ENOTDIR or EACCES for a working folder that cannot be entered (the tools folder is not
// usable). exitStatus, when given, receives the exit code (128 + signal when killed; -1 when not
// known).
int RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDir, const WaitPollCallback& poll,
               int* exitStatus = nullptr);

// Starts program like RunAndWait but does not wait: the process runs on its own and is never a
// zombie of this program. Returns 0, or the system error code when it could not be started.
int StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& workingDir);

}  // namespace qorl
