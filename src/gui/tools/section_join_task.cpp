// SPDX-License-Identifier: MIT
#include "gui/tools/section_join_task.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/list/busy.h"
#include "core/list/message_service.h"
#include "gui/tools/input_blocker.h"

namespace qorl::gui {

bool RunSectionJoin(const std::string& folder, const SectionJoinOptions& options,
                    const WindowServices& services) {
  SectionJoinResult result;
  std::atomic<int> percent{0};
  std::atomic<bool> done{false};
  std::atomic<bool> cancel{false};
  {
    BusyOptions busyOptions;
    busyOptions.disableWindow = false;
    busyOptions.showProgress = true;
    BusyScope scope(services.busy, "Combining the sections...", busyOptions);
    InputBlocker blocker(services.window);
    std::thread worker([&] {
      result = JoinSections(
          folder, options, [&](int value) { percent = value; }, &cancel);
      done = true;
    });
    while (!done) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      scope.setProgress(percent);
      // A quitting program stops the join; the old list and the sections stay as they were.
      if (QCoreApplication::closingDown()) cancel = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    worker.join();
  }
  if (const std::string message = SectionJoinMessage(result); !message.empty()) {
    services.messages.information(message);
  }
  return result.outcome == SectionJoinOutcome::kJoined;
}

}  // namespace qorl::gui
