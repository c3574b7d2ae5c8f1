// SPDX-License-Identifier: MIT
#pragma once
// The Run Combine.com dialog: which list's sections COMBINE.COM joins and whether it deletes them
// afterwards. Run closes the list about to be rebuilt, runs the tool in the tools folder, waits
// for it and rebuilds the Open List menu; where no DOS interpreter exists the viewer joins the
// sections itself instead of running the tool. The choices stay for the rest of the run.

#include <QDialog>
#include <string>

#include "gui/tools/tools_environment.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace qorl::gui {

class DosToolLauncher;

class TFormRunCombinecom : public QDialog {
  Q_OBJECT
 public:
  TFormRunCombinecom(ToolsEnvironment environment, DosToolLauncher& launcher,
                     QWidget* parent = nullptr);

  // The DOS command line the controls give.
  std::string commandLine() const;
  // The Run button: closes the dialog and runs the tool.
  void runClicked();

  QRadioButton* interrupButton() const { return radioIL_; }
  QRadioButton* portsButton() const { return radioPL_; }
  QCheckBox* deleteBox() const { return deleteBox_; }
  QPushButton* runButton() const { return runButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ToolsEnvironment environment_;
  DosToolLauncher& launcher_;
  QRadioButton* radioIL_ = nullptr;
  QRadioButton* radioPL_ = nullptr;
  QCheckBox* deleteBox_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace qorl::gui
