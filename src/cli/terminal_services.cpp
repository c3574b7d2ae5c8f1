// SPDX-License-Identifier: MIT
#include "cli/terminal_services.h"

#include <cstdio>
#include <utility>

namespace qorl::cli {
namespace {

void PrintLine(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace

void TerminalMessages::warning(const std::string& text) {
  ++count_;
  PrintLine(text);
}

void TerminalMessages::information(const std::string& text) {
  ++count_;
  PrintLine(text);
}

void TerminalMessages::error(const std::string& text) {
  ++count_;
  PrintLine(text);
}

bool TerminalMessages::confirm(const std::string& text) {
  PrintLine(text + " (answered No)");
  return false;
}

bool OpenForCommand(ListSession& session, const std::string& path, const IndexPolicy& policy,
                    TerminalMessages& messages, IndexReadStop stop) {
  NullBusyIndicator busy;
  OpenOptions options;
  options.policy = policy;
  options.stopReading = std::move(stop);
  return session.open(path, options, busy, messages) == OpenOutcome::Opened;
}

bool WriteOut(std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

bool FlushOut() {
  return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

}  // namespace qorl::cli
