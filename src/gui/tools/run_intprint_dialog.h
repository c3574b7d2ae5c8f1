// SPDX-License-Identifier: MIT
#pragma once
// The Run Intprint.com dialog: free parameters for INTPRINT.COM and whether the DOS prompt stays
// open afterwards. Run closes the open list and starts the tool without waiting for it. The
// choices stay for the rest of the run.

#include <QDialog>
#include <string>

#include "gui/tools/tools_environment.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qorl::gui {

class DosToolLauncher;

class TFormRunIntprintcom : public QDialog {
  Q_OBJECT
 public:
  TFormRunIntprintcom(ToolsEnvironment environment, DosToolLauncher& launcher,
                      QWidget* parent = nullptr);

  // The parameters of COMMAND.COM the controls give ("/k intprint.com abc").
  std::string parameters() const;
  // The Run button: closes the open list and the dialog, and starts the tool.
  void runClicked();

  QLineEdit* paramEdit() const { return paramEdit_; }
  QCheckBox* keepPromptBox() const { return keepPromptBox_; }
  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ToolsEnvironment environment_;
  DosToolLauncher& launcher_;
  QLineEdit* paramEdit_ = nullptr;
  QCheckBox* keepPromptBox_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace qorl::gui
