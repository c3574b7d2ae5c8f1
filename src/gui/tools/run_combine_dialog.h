// SPDX-License-Identifier: MIT
#pragma once
// The Run Combine.com dialog: which list's sections COMBINE.COM joins and whether it deletes them
// afterwards. Run closes the list about to be rebuilt, runs the tool in the tools folder, waits
// for it and rebuilds the Open List menu; where no DOS interpreter exists the viewer joins the
// sections itself instead of running the tool. The choices stay for the rest of the run.

#include <string>

#include "gui/tools/run_tool_dialog.h"

class QRadioButton;

namespace qorl::gui {

class TFormRunCombinecom : public RunToolDialog {
  Q_OBJECT
 public:
  TFormRunCombinecom(ToolsEnvironment environment, DosToolLauncher& launcher,
                     QWidget* parent = nullptr);

  // The DOS command line the controls give.
  std::string commandLine() const;
  void runClicked() override;

  QRadioButton* interrupButton() const { return radioIL_; }
  QRadioButton* portsButton() const { return radioPL_; }
  QCheckBox* deleteBox() const { return deleteBox_; }

 private:
  QRadioButton* radioIL_ = nullptr;
  QRadioButton* radioPL_ = nullptr;
  QCheckBox* deleteBox_ = nullptr;
};

}  // namespace qorl::gui
