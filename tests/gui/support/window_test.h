// SPDX-License-Identifier: MIT
#pragma once
// The base of the tests that drive the main window: the viewer started afresh for each test with a
// list folder of its own (a list rewritten within the same two seconds would keep its old index),
// and the ways the tests drive it, commands run as their buttons and keys would run them.

#include <QAction>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/app/enabling_rules.h"
#include "gui/browse/grid_controller.h"
#include "gui/list/list_controller.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"

namespace qorl::test {

class WindowTest : public QObject {
 protected:
  std::unique_ptr<ViewerFixture> fixture_;
  std::unique_ptr<QTemporaryDir> lists_;

  gui::TFormMain& window() { return *fixture_->window; }
  gui::BrowseState& state() { return window().browseState(); }
  std::vector<RecordingMessages::Entry>& messages() { return fixture_->messages.entries; }

  // A new list folder, and the viewer started without arguments.
  void startViewer() {
    lists_ = std::make_unique<QTemporaryDir>();
    fixture_ = std::make_unique<ViewerFixture>();
    fixture_->start();
  }
  // The viewer started at the size the window tests use; false when it is not exposed in time.
  bool startShownViewer() {
    startViewer();
    window().resize(900, 700);
    window().show();
    return QTest::qWaitForWindowExposed(&window());
  }
  void stopViewer() {
    fixture_.reset();
    lists_.reset();
  }

  QString listPath(const QString& name) const { return lists_->filePath(name); }
  // Writes the bytes as the list file name in the list folder; false when that fails.
  bool writeList(const QString& name, const std::string& bytes) {
    return WriteBytes(listPath(name), bytes);
  }
  void openList(const QString& name) {
    window().listController().openList(listPath(name).toStdString());
  }
  void load(TopicNumber n) { window().gridController().loadTopic(n); }

  // Commands are enabled at the idle moment; tests ask and run them after one.
  bool enabled(Command c) {
    window().updateCommands();
    return window().action(c)->isEnabled();
  }
  // Runs the command as its button or key would, enabled or not.
  void run(Command c) {
    window().updateCommands();
    window().action(c)->trigger();
  }
  // Runs the command, which must be enabled.
  void trigger(Command c) {
    QVERIFY2(enabled(c), CommandName(c));
    window().action(c)->trigger();
  }
};

}  // namespace qorl::test
