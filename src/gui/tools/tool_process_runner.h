// SPDX-License-Identifier: MIT
#pragma once
// How the viewer starts the list's DOS tools, behind an interface so that tests see the exact
// invocations without starting DOSBox.

#include <string>

#include "core/tools/dos_runner.h"

namespace qorl::gui {

class ToolProcessRunner {
 public:
  virtual ~ToolProcessRunner() = default;
  // The DOS interpreter to run the tools with; empty when there is none.
  virtual std::string interpreter() = 0;
  // Starts the process in folder and waits until it ends, calling poll meanwhile; 0 or the
  // system error code when it cannot be started.
  virtual int runAndWait(const ProcessInvocation& run, const std::string& folder,
                         const WaitPollCallback& poll) = 0;
  // Starts the process in folder without waiting; 0 or the system error code.
  virtual int startDetached(const ProcessInvocation& run, const std::string& folder) = 0;
};

// The real processes, through the core's runner.
class SystemToolProcessRunner final : public ToolProcessRunner {
 public:
  std::string interpreter() override { return FindDosInterpreter(); }
  int runAndWait(const ProcessInvocation& run, const std::string& folder,
                 const WaitPollCallback& poll) override {
    return RunAndWait(run.program, run.arguments, folder, poll);
  }
  int startDetached(const ProcessInvocation& run, const std::string& folder) override {
    return StartDetached(run.program, run.arguments, folder);
  }
};

}  // namespace qorl::gui
