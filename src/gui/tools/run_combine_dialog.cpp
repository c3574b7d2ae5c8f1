// SPDX-License-Identifier: MIT
#include "gui/tools/run_combine_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/tools/tool_commands.h"
#include "gui/tools/centre_on_screen.h"
#include "gui/tools/dos_tool_launcher.h"

namespace qorl::gui {

TFormRunCombinecom::TFormRunCombinecom(ToolsEnvironment environment, DosToolLauncher& launcher,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      environment_(std::move(environment)),
      launcher_(launcher) {
  setObjectName("FormRunCombinecom");
  setWindowTitle("Run Combine.com");
  setFixedSize(277, 105);

  auto* group = new QGroupBox("Combine", this);
  group->setGeometry(8, 4, 177, 68);
  radioIL_ = new QRadioButton("Sections of Interrup.lst", group);
  radioIL_->setObjectName("RadioButtonIL");
  radioIL_->setGeometry(10, 20, 160, 18);
  radioIL_->setChecked(true);
  radioPL_ = new QRadioButton("Sections of Ports.lst", group);
  radioPL_->setObjectName("RadioButtonPL");
  radioPL_->setGeometry(10, 42, 160, 18);

  runButton_ = new QPushButton("Run", this);
  runButton_->setObjectName("ButtonRun");
  runButton_->setGeometry(194, 10, 75, 25);
  runButton_->setDefault(true);
  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("ButtonCancel");
  cancelButton_->setGeometry(194, 42, 75, 25);

  deleteBox_ = new QCheckBox("Delete sections after combining", this);
  deleteBox_->setObjectName("CheckBoxDelete");
  deleteBox_->setGeometry(8, 80, 261, 18);

  connect(runButton_, &QPushButton::clicked, this, &TFormRunCombinecom::runClicked);
  // Esc and the close box end the dialog through reject() as well.
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
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
  const std::string folder = environment_.folder ? environment_.folder() : std::string();
  if (!launcher_.checkFolder(folder)) return;
  if (launcher_.interpreterAvailable()) {
    launcher_.runAndWait(commandLine(), folder, "COMBINE.COM");
  } else {
    // No DOS here (64-bit Windows, no DOSBox): the viewer joins the sections itself.
    launcher_.joinSections(folder, {ports, deleteBox_->isChecked()});
  }
  // A new list file may exist now; the closed list is not reopened.
  if (environment_.rebuildListMenu) environment_.rebuildListMenu();
}

void TFormRunCombinecom::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

}  // namespace qorl::gui
