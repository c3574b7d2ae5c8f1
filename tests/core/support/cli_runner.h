// SPDX-License-Identifier: MIT
#pragma once
// Runs the built qorl tool as a program from a test: each word is one argument, standard output
// and standard error are captured as bytes, and the exit status is returned.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include "core/list/file_path.h"
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <string>
#include <string_view>

#include "core/support/temp_dir.h"

namespace qorl::test {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Fixture for tests of the qorl tool; skips when the tool was not built.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(QORL_CLI_PATH).empty() || !std::filesystem::exists(QORL_CLI_PATH)) {
      GTEST_SKIP() << "the qorl tool is not built";
    }
  }

  CliRun run(std::initializer_list<std::string> words) {
    const std::string out = dir.file("stdout");
    const std::string err = dir.file("stderr");
    const int status = Execute(words, out, err);
    return CliRun{status, ReadBytes(out), ReadBytes(err)};
  }

#ifdef _WIN32
  // Starts the tool directly (no shell) with its UTF-16 command line, the words quoted as the C
  // runtime splits them, and the two streams written to the files.
  static int Execute(std::initializer_list<std::string> words, const std::string& out,
                     const std::string& err) {
    const std::wstring program = WideFromUtf8(QORL_CLI_PATH);
    std::wstring line = Quote(program);
    for (const std::string& word : words) line.append(L" ").append(Quote(WideFromUtf8(word)));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto create = [&](const std::string& path) {
      return CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE outFile = create(out);
    if (outFile == INVALID_HANDLE_VALUE) ADD_FAILURE() << "cannot create " << out << SystemError();
    HANDLE errFile = create(err);
    if (errFile == INVALID_HANDLE_VALUE) ADD_FAILURE() << "cannot create " << err << SystemError();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    DWORD code = static_cast<DWORD>(-1);
    // On a loaded machine a start can fail for want of resources: one more try after a pause,
    // and the system's reason in the failure when that fails too.
    bool started = false;
    for (int attempt = 1; attempt <= 2 && !started; ++attempt) {
      std::wstring buffer = line;  // CreateProcessW may write into the command line
      started = CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &process) != 0;
      if (started) break;
      const std::string reason = SystemError();
      if (attempt == 2) {
        ADD_FAILURE() << "CreateProcessW failed twice for " << QORL_CLI_PATH << reason;
      } else {
        std::cerr << "CreateProcessW failed for " << QORL_CLI_PATH << reason << "; trying again\n";
        Sleep(1000);
      }
    }
    if (started) {
      WaitForSingleObject(process.hProcess, INFINITE);
      GetExitCodeProcess(process.hProcess, &code);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(outFile);
    CloseHandle(errFile);
    return static_cast<int>(code);
  }

  // ": system error N (text)" for the calling thread's last error.
  static std::string SystemError() {
    const DWORD error = GetLastError();
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof text, nullptr);
    std::string message = ": system error " + std::to_string(error);
    std::string_view described(text);
    while (!described.empty() && (described.back() == '\n' || described.back() == '\r')) {
      described.remove_suffix(1);
    }
    if (!described.empty()) message.append(" (").append(described).append(")");
    return message;
  }

  // One argument holding exactly the given text, as CommandLineToArgvW reads it back.
  static std::wstring Quote(const std::wstring& word) {
    std::wstring quoted(1, L'"');
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
      if (c == L'\\') {
        ++backslashes;
        continue;
      }
      // Backslashes before a quote are doubled and the quote escaped; elsewhere they stand.
      quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
      quoted.push_back(c);
      backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
  }
#else
  static int Execute(std::initializer_list<std::string> words, const std::string& out,
                     const std::string& err) {
    std::string command = Quote(QORL_CLI_PATH);
    for (const std::string& word : words) command.append(" ").append(Quote(word));
    command.append(" >").append(Quote(out)).append(" 2>").append(Quote(err));
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  // One shell word holding exactly the given bytes.
  static std::string Quote(const std::string& word) {
    std::string quoted(1, '\'');
    for (const char c : word) {
      if (c == '\'') {
        quoted.append("'\\''");
      } else {
        quoted.push_back(c);
      }
    }
    quoted.push_back('\'');
    return quoted;
  }
#endif

  std::string file(const std::string& name) {
    return dir.file(name);
  }

  TempDir dir;
};

}  // namespace qorl::test
