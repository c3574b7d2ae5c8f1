// SPDX-License-Identifier: MIT
#pragma once
// Starts a DOS tool for the dialogs: checks that the tools folder can be used, finds the DOS
// interpreter (a missing one is reported instead of silently doing nothing), and either waits for
// the tool with the window painted but taking no input, or lets it run on its own.

#include <optional>
#include <string>

#include "core/tools/section_join.h"
#include "gui/tools/tool_process_runner.h"
#include "gui/window/window_services.h"

namespace qorl::gui {

class DosToolLauncher {
 public:
  explicit DosToolLauncher(WindowServices services) : services_(std::move(services)) {}

  // Replaces the process runner (tests); nullptr goes back to the real processes.
  void setRunner(ToolProcessRunner* runner) { runner_ = runner ? runner : &system_; }
  ToolProcessRunner& runner() { return *runner_; }

  // Whether a DOS interpreter can run the tools here.
  bool interpreterAvailable() { return !runner_->interpreter().empty(); }
  // Joins the list's sections in folder without COMBINE.COM, the window painted but taking no
  // input meanwhile; a failure is shown. True when the list was written.
  bool joinSections(const std::string& folder, const SectionJoinOptions& options);
  // Whether folder can be the tool's current folder; an error box says why not.
  bool checkFolder(const std::string& folder);
  // Runs the DOS command line in folder and waits for it. toolName names the tool in messages.
  // True when the tool ran.
  bool runAndWait(const std::string& commandLine, const std::string& folder,
                  const std::string& toolName);
  // Starts the DOS command line in folder and returns at once. True when the tool was started.
  bool startDetached(const std::string& commandLine, const std::string& folder,
                     const std::string& toolName);

 private:
  std::optional<ProcessInvocation> invocation(const std::string& commandLine,
                                              const std::string& folder,
                                              const std::string& toolName);

  WindowServices services_;
  SystemToolProcessRunner system_;
  ToolProcessRunner* runner_ = &system_;
};

}  // namespace qorl::gui
