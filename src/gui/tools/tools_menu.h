// SPDX-License-Identifier: MIT
#pragma once
// The Tools sub-menu of Options: Explore Lists Location, and the list's DOS tools COMBINE.COM and
// INTPRINT.COM where they lie in the tools folder (looked for each time the menu opens). Owns the
// two run dialogs, created once so that they keep their choices.

#include <QObject>
#include <QUrl>
#include <functional>

#include "gui/tools/dos_tool_launcher.h"
#include "gui/tools/tools_environment.h"

class QAction;
class QMenu;

namespace qorl::gui {

class TFormRunCombinecom;
class TFormRunIntprintcom;

class ToolsMenu : public QObject {
  Q_OBJECT
 public:
  // menu: the (empty) Tools sub-menu to fill; window: the main window.
  ToolsMenu(QMenu* menu, ToolsEnvironment environment, MessageService& messages,
            BusyIndicator& busy, QWidget* window);

  // Shows the tool items whose program lies in the tools folder, and the separator with them.
  void updateVisibility();
  // Opens the tools folder in the desktop's file manager.
  void exploreListsLocation();

  // Seams for tests: how a folder is opened, and how the tools' processes are started.
  void setUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
  void setRunner(ToolProcessRunner* runner) { launcher_.setRunner(runner); }

  QMenu* menu() const { return menu_; }
  QAction* exploreAction() const { return explore_; }
  QAction* separator() const { return separator_; }
  QAction* combineAction() const { return combine_; }
  QAction* intprintAction() const { return intprint_; }
  TFormRunCombinecom& combineDialog() { return *combineDialog_; }
  TFormRunIntprintcom& intprintDialog() { return *intprintDialog_; }

 private:
  QMenu* menu_;
  ToolsEnvironment environment_;
  MessageService& messages_;
  DosToolLauncher launcher_;
  std::function<bool(const QUrl&)> openUrl_;
  QAction* explore_ = nullptr;
  QAction* separator_ = nullptr;
  QAction* combine_ = nullptr;
  QAction* intprint_ = nullptr;
  TFormRunCombinecom* combineDialog_ = nullptr;
  TFormRunIntprintcom* intprintDialog_ = nullptr;
};

}  // namespace qorl::gui
