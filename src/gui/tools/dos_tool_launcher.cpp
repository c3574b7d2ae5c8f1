// SPDX-License-Identifier: MIT
#include "gui/tools/dos_tool_launcher.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/list/busy.h"
#include "core/list/message_service.h"
#include "gui/tools/input_blocker.h"
#include "gui/tools/section_join_task.h"

namespace qorl::gui {

bool DosToolLauncher::checkFolder(const std::string& folder) {
  const QFileInfo info(QString::fromStdString(folder));
  if (!folder.empty() && info.isDir() && info.isExecutable()) return true;
  services_.messages.error("Unable to change to the lists location \"" + folder +
                           "\" !\nThe folder does not exist or cannot be entered.");
  return false;
}

std::optional<ProcessInvocation> DosToolLauncher::invocation(const std::string& commandLine,
                                                             const std::string& folder,
                                                             const std::string& toolName) {
  auto run = DosInvocation(commandLine, folder, runner_->interpreter());
  if (!run) services_.messages.information(DosInterpreterMissingMessage(toolName));
  return run;
}

bool DosToolLauncher::runAndWait(const std::string& commandLine, const std::string& folder,
                                 const std::string& toolName) {
  const auto run = invocation(commandLine, folder, toolName);
  if (!run) return false;
  int result = 0;
  {
    // The window goes on painting while the tool runs, but takes no input meanwhile.
    BusyOptions options;
    options.disableWindow = false;
    BusyScope busy(services_.busy, "Running " + toolName + "...", options);
    InputBlocker blocker(services_.window);
    result = runner_->runAndWait(*run, folder, [] {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      return true;
    });
  }
  if (result != 0) services_.messages.information(DosStartFailedMessage(toolName, result));
  return result == 0;
}

bool DosToolLauncher::joinSections(const std::string& folder, const SectionJoinOptions& options) {
  return RunSectionJoin(folder, options, services_);
}

bool DosToolLauncher::startDetached(const std::string& commandLine, const std::string& folder,
                                    const std::string& toolName) {
  const auto run = invocation(commandLine, folder, toolName);
  if (!run) return false;
  const int result = runner_->startDetached(*run, folder);
  if (result != 0) services_.messages.information(DosStartFailedMessage(toolName, result));
  return result == 0;
}

}  // namespace qorl::gui
