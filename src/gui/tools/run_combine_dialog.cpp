// SPDX-License-Identifier: MIT
#include "gui/tools/run_combine_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "core/tools/tool_commands.h"
#include "gui/tools/dos_tool_launcher.h"

namespace qorl::gui {

TFormRunCombinecom::TFormRunCombinecom(ToolsEnvironment environment, DosToolLauncher& launcher,
                                       QWidget* parent)
    : RunToolDialog(std::move(environment), launcher, "FormRunCombinecom", "Run Combine.com",
                    QSize(277, 105), 194, parent) {
  auto* group = new QGroupBox("Combine", this);
  group->setGeometry(8, 4, 177, 68);
  radioIL_ = new QRadioButton("Sections of Interrup.lst", group);
  radioIL_->setObjectName("RadioButtonIL");
  radioIL_->setGeometry(10, 20, 160, 18);
  radioIL_->setChecked(true);
  radioPL_ = new QRadioButton("Sections of Ports.lst", group);
  radioPL_->setObjectName("RadioButtonPL");
  radioPL_->setGeometry(10, 42, 160, 18);

  deleteBox_ = addOptionBox("Delete sections after combining", "CheckBoxDelete", 80);
}

std::string TFormRunCombinecom::commandLine() const {
  return CombineCommandLine(radioPL_->isChecked(), deleteBox_->isChecked());
}

void TFormRunCombinecom::runClicked() {
  // The modal run ends once this returns; the dialog is gone while the tool runs.
  accept();
  const bool ports = radioPL_->isChecked();
  // The list file about to be rebuilt must not be held open.
  if (environment_.listKind && environment_.closeList &&
      CombineClosesList(environment_.listKind(), ports))
    environment_.closeList();
  const std::optional<std::string> folder = toolFolder();
  if (!folder) return;
  if (launcher_.interpreterAvailable()) {
    launcher_.runAndWait(commandLine(), *folder, "COMBINE.COM");
  } else {
    // No DOS here (64-bit Windows, no DOSBox): the viewer joins the sections itself.
    launcher_.joinSections(*folder, {ports, deleteBox_->isChecked()});
  }
  // A new list file may exist now; the closed list is not reopened.
  if (environment_.rebuildListMenu) environment_.rebuildListMenu();
}

}  // namespace qorl::gui
