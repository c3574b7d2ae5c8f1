// SPDX-License-Identifier: MIT
#pragma once
// What the dialogs that run a DOS tool have in common: a fixed-size dialog centred on the screen,
// Run (the default button) and Cancel stacked at the right, an option box along the bottom, and
// the tools folder, checked before the tool runs. Run calls runClicked(); Cancel, Esc and the
// close box reject the dialog.

#include <QDialog>
#include <QSize>
#include <optional>
#include <string>

#include "gui/tools/tools_environment.h"

class QCheckBox;
class QPushButton;

namespace qorl::gui {

class DosToolLauncher;

class RunToolDialog : public QDialog {
  Q_OBJECT
 public:
  // The Run button: closes the dialog and runs the tool.
  virtual void runClicked() = 0;

  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

 protected:
  // name and title of the dialog, its fixed size, and the left edge of the buttons.
  RunToolDialog(ToolsEnvironment environment, DosToolLauncher& launcher, const char* name,
                const char* title, QSize size, int buttonsLeft, QWidget* parent);

  // An option check box across the dialog's width at height y.
  QCheckBox* addOptionBox(const char* text, const char* name, int y);
  // The folder the tool runs in; none when it cannot be, and an error box has said why.
  std::optional<std::string> toolFolder();

  void showEvent(QShowEvent* event) override;

  ToolsEnvironment environment_;
  DosToolLauncher& launcher_;

 private:
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace qorl::gui
