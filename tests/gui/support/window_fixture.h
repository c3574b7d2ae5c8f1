// SPDX-License-Identifier: MIT
#pragma once
// Starts the viewer as the program does, with a recording message service, a settings hive file
// in a temporary folder and a program folder of the test's own.

#include <QTemporaryDir>
#include <memory>

#include "core/app/run_state.h"
#include "core/settings/hive_file.h"
#include "core/settings/settings_store.h"
#include "gui/app/main_window.h"
#include "gui/app/startup.h"
#include "gui/support/recording_messages.h"

namespace qorl::test {

struct ViewerFixture {
  static constexpr std::int32_t kMajor = 2;

  QTemporaryDir programDir;
  QTemporaryDir configDir;
  RecordingMessages messages;
  HiveFile hive{configDir.filePath("Qorl Viewer.reg").toStdString()};
  RunState run;
  std::unique_ptr<gui::TFormMain> window;

  std::string programFolder() const { return programDir.path().toStdString() + "/"; }

  // Stores settings as an earlier run would have left them.
  void store(const ConfigRecord& config, const WindowPlacement& placement = {},
             const LayoutState& layout = {}) {
    RecordingMessages ignored;
    SaveSettings(hive, kMajor, placement, layout, config, ignored);
  }
  // The configuration as stored now (defaults where nothing is).
  ConfigRecord storedConfig() {
    RecordingMessages ignored;
    LayoutValues layout;
    ConfigRecord config;
    LoadSettings(hive, kMajor, layout, config, ignored);
    return config;
  }

  gui::TFormMain& start(std::vector<std::string> arguments = {}, double dpi = 96) {
    gui::StartupEnvironment env;
    env.arguments = std::move(arguments);
    env.programDir = programFolder();
    env.messages = &messages;
    env.hive = &hive;
    env.dpi = dpi;
    run = {};
    window = gui::StartViewer(env, run);
    return *window;
  }
};

}  // namespace qorl::test
