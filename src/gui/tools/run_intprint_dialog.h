// SPDX-License-Identifier: MIT
#pragma once
// The Run Intprint.com dialog: free parameters for INTPRINT.COM and whether the DOS prompt stays
// open afterwards. Run closes the open list and starts the tool without waiting for it. The
// choices stay for the rest of the run.

#include <string>

#include "gui/tools/run_tool_dialog.h"

class QLineEdit;

namespace qorl::gui {

class TFormRunIntprintcom : public RunToolDialog {
  Q_OBJECT
 public:
  TFormRunIntprintcom(ToolsEnvironment environment, DosToolLauncher& launcher,
                      QWidget* parent = nullptr);

  // The parameters of COMMAND.COM the controls give ("/k intprint.com abc").
  std::string parameters() const;
  // Closes the open list too before the tool starts.
  void runClicked() override;

  QLineEdit* paramEdit() const { return paramEdit_; }
  QCheckBox* keepPromptBox() const { return keepPromptBox_; }

 private:
  QLineEdit* paramEdit_ = nullptr;
  QCheckBox* keepPromptBox_ = nullptr;
};

}  // namespace qorl::gui
