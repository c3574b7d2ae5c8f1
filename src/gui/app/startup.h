// SPDX-License-Identifier: MIT
#pragma once
// Bringing the viewer up in its fixed order (version, command line, placement, scaling,
// settings, caption, help, category descriptions, columns, lists folder, shown, painted,
// start-up list) and taking it down (start-up list remembered, settings written unless the
// command line forbade it).

#include <memory>
#include <string>
#include <vector>

#include "core/app/run_state.h"

namespace qorl {
class MessageService;
class SettingsHive;
}  // namespace qorl

namespace qorl::gui {

class TFormMain;

struct StartupEnvironment {
  std::vector<std::string> arguments;  // the command line without the program name
  std::string programDir;              // folder of the program file, ending in '/'
  MessageService* messages = nullptr;
  SettingsHive* hive = nullptr;  // the settings store
  double dpi = 0;                // logical pixels per inch; 0 takes the screen's
};

// Help file and category descriptions beside the program (installed: in its data folder).
inline constexpr const char* kHelpFileName = "QORLVIEW.html";
inline constexpr const char* kCategoryFileName = "CATDESC.INI";

// Runs the start-up and returns the shown main window; run holds the run's flags. With QUIT the
// caller ends the program right away instead of running the event loop: no shutdown steps run
// and nothing is written.
std::unique_ptr<TFormMain> StartViewer(const StartupEnvironment& environment, RunState& run);

}  // namespace qorl::gui
