// SPDX-License-Identifier: MIT
#include "gui/tools/run_intprint_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/browse/codepage437.h"
#include "core/tools/tool_commands.h"
#include "gui/tools/centre_on_screen.h"
#include "gui/tools/dos_tool_launcher.h"

namespace qorl::gui {

TFormRunIntprintcom::TFormRunIntprintcom(ToolsEnvironment environment, DosToolLauncher& launcher,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      environment_(std::move(environment)),
      launcher_(launcher) {
  setObjectName("FormRunIntprintcom");
  setWindowTitle("Run Intprint.com");
  setFixedSize(290, 88);

  auto* group = new QGroupBox("Commandline Parameters", this);
  group->setGeometry(8, 4, 190, 52);
  paramEdit_ = new QLineEdit(group);
  paramEdit_->setObjectName("EditParam");
  paramEdit_->setGeometry(10, 22, 170, 21);

  runButton_ = new QPushButton("Run", this);
  runButton_->setObjectName("ButtonRun");
  runButton_->setGeometry(207, 10, 75, 25);
  runButton_->setDefault(true);
  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("ButtonCancel");
  cancelButton_->setGeometry(207, 42, 75, 25);

  keepPromptBox_ = new QCheckBox("Keep DOS Prompt active after run", this);
  keepPromptBox_->setObjectName("CheckBoxKeepPrompt");
  keepPromptBox_->setGeometry(8, 63, 274, 18);

  connect(runButton_, &QPushButton::clicked, this, &TFormRunIntprintcom::runClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TFormRunIntprintcom::parameters() const {
  // DOS reads its command line in code page 437; text that has no such form goes as UTF-8.
  const std::string typed = paramEdit_->text().toStdString();
  std::string dosText;
  if (!EncodeCp437FromUtf8(typed, dosText)) dosText = typed;
  return IntprintParameters(keepPromptBox_->isChecked(), dosText);
}

void TFormRunIntprintcom::runClicked() {
  if (environment_.closeList) environment_.closeList();
  accept();
  const std::string folder = environment_.folder ? environment_.folder() : std::string();
  if (!launcher_.checkFolder(folder)) return;
  // The tool runs on its own; nothing is refreshed afterwards.
  launcher_.startDetached(std::string(kIntprintProgram) + " " + parameters(), folder,
                          "INTPRINT.COM");
}

void TFormRunIntprintcom::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

}  // namespace qorl::gui
