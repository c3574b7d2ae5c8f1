#pragma once
// Starts the viewer as the program does, with a recording message service, settings kept in
// memory and a program folder of the test's own.

#include <QTemporaryDir>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/app/settings_storage.h"
#include "gui/app/startup.h"
#include "gui/support/recording_messages.h"

namespace qorl::test {

struct ViewerFixture {
  QTemporaryDir programDir;
  RecordingMessages messages;
  gui::MemorySettingsStorage storage;
  gui::RunFlags flags;
  std::unique_ptr<gui::TFormMain> window;

  std::string programFolder() const { return programDir.path().toStdString() + "/"; }

  gui::TFormMain& start(std::vector<std::string> arguments = {}, double dpi = 96) {
    gui::StartupEnvironment env;
    env.arguments = std::move(arguments);
    env.programDir = programFolder();
    env.messages = &messages;
    env.storage = &storage;
    env.dpi = dpi;
    flags = {};
    window = gui::StartViewer(env, flags);
    return *window;
  }
};

}  // namespace qorl::test
