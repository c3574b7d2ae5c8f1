#pragma once
// Runs the built qorl tool as a program from a test: each word is one argument, standard output
// and standard error are captured as bytes, and the exit status is returned.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

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
    std::string command = Quote(QORL_CLI_PATH);
    for (const std::string& word : words) command.append(" ").append(Quote(word));
    command.append(" >").append(Quote(out)).append(" 2>").append(Quote(err));
    const int raw = std::system(command.c_str());
    return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
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

  std::string file(const std::string& name) { return dir.file(name); }

  TempDir dir;
};

}  // namespace qorl::test
