// SPDX-License-Identifier: MIT
#include "core/tools/dos_runner.h"

#include <filesystem>
#include <system_error>

#include "core/list/ascii.h"
#include "core/list/file_path.h"

namespace qorl {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The first word (up to a blank) and what follows it.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  return {text.substr(0, end), text.substr(end)};
}

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

bool IsExecutableFile(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::is_regular_file(status)) return false;
#ifdef _WIN32
  return true;
#else
  using std::filesystem::perms;
  return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
         perms::none;
#endif
}

}  // namespace

DosCommand ParseDosCommandLine(std::string_view commandLine) {
  std::string_view rest = SkipBlanks(commandLine);
  auto [first, afterFirst] = SplitWord(rest);
  const std::string interpreter = AsciiUpper(first);
  if (interpreter == "COMMAND.COM" || interpreter == "COMMAND") {
    rest = SkipBlanks(afterFirst);
  }
  DosCommand parsed;
  auto [option, afterOption] = SplitWord(rest);
  const std::string upperOption = AsciiUpper(option);
  if (upperOption == "/C" || upperOption == "/K") {
    parsed.keepPrompt = upperOption == "/K";
    rest = SkipBlanks(afterOption);
  }
  parsed.command = std::string(rest);
  return parsed;
}

ProcessInvocation DosboxInvocation(std::string_view commandLine, const std::string& folder,
                                   const std::string& dosbox) {
  const DosCommand dos = ParseDosCommandLine(commandLine);
  const bool needsQuotes = folder.find_first_of(" \t") != std::string::npos;
  const std::string mountedFolder = needsQuotes ? "\"" + folder + "\"" : folder;
  ProcessInvocation run{dosbox, {"-noautoexec", "-c", "mount c " + mountedFolder, "-c", "c:"}};
  if (!dos.command.empty()) {
    run.arguments.push_back("-c");
    run.arguments.push_back(dos.command);
  }
  if (!dos.keepPrompt) {
    run.arguments.push_back("-c");
    run.arguments.push_back("exit");
  }
  return run;
}

std::optional<ProcessInvocation> DosInvocation(std::string_view commandLine,
                                               const std::string& folder,
                                               const std::string& interpreter) {
  if (interpreter.empty()) return std::nullopt;
#ifdef _WIN32
  (void)folder;
  const std::string_view line = SkipBlanks(commandLine);
  auto [program, rest] = SplitWord(line);
  ProcessInvocation run{std::string(program), {}};
  rest = SkipBlanks(rest);
  if (!rest.empty()) run.arguments.emplace_back(rest);
  return run;
#else
  return DosboxInvocation(commandLine, folder, interpreter);
#endif
}

std::optional<ProcessInvocation> DosInvocation(std::string_view commandLine,
                                               const std::string& folder) {
  return DosInvocation(commandLine, folder, FindDosInterpreter());
}

std::string DosInterpreterMissingMessage(std::string_view toolName) {
#ifdef _WIN32
  return "Unable to run " + std::string(toolName) +
         " !\nIt is a DOS program and needs the DOS command interpreter COMMAND.COM, which was "
         "not found (64-bit Windows has none).";
#else
  return "Unable to run " + std::string(toolName) +
         " !\nIt is a DOS program and needs DOSBox (the program \"dosbox\"), which was not found. "
         "Install DOSBox to run the list's tools.";
#endif
}

std::string DosStartFailedMessage(std::string_view toolName, int errorCode) {
#ifdef _WIN32
  const std::error_category& category = std::system_category();  // GetLastError codes
#else
  const std::error_category& category = std::generic_category();  // errno values
#endif
  return "Unable to run " + std::string(toolName) + " !\n" + category.message(errorCode);
}

std::string FindOnPath(std::string_view name, std::string_view pathVariable) {
  if (name.empty()) return {};
  while (true) {
    const std::size_t end = pathVariable.find(kPathListSeparator);
    std::string_view folder = pathVariable.substr(0, end);
    if (folder.empty()) folder = ".";  // an empty PATH element means the current directory
    const std::filesystem::path candidate = FilePath(folder) / FilePath(name);
    if (IsExecutableFile(candidate)) return Utf8Path(candidate);
    if (end == std::string_view::npos) break;
    pathVariable.remove_prefix(end + 1);
  }
  return {};
}

}  // namespace qorl
