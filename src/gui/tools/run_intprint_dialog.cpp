// SPDX-License-Identifier: MIT
#include "gui/tools/run_intprint_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "core/browse/codepage437.h"
#include "core/tools/tool_commands.h"
#include "gui/tools/dos_tool_launcher.h"

namespace qorl::gui {

TFormRunIntprintcom::TFormRunIntprintcom(ToolsEnvironment environment, DosToolLauncher& launcher,
                                         QWidget* parent)
    : RunToolDialog(std::move(environment), launcher, "FormRunIntprintcom", "Run Intprint.com",
                    QSize(290, 88), 207, parent) {
  auto* group = new QGroupBox("Commandline Parameters", this);
  group->setGeometry(8, 4, 190, 52);
  paramEdit_ = new QLineEdit(group);
  paramEdit_->setObjectName("EditParam");
  paramEdit_->setGeometry(10, 22, 170, 21);

  keepPromptBox_ = addOptionBox("Keep DOS Prompt active after run", "CheckBoxKeepPrompt", 63);
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
  const std::optional<std::string> folder = toolFolder();
  if (!folder) return;
  // The tool runs on its own; nothing is refreshed afterwards.
  launcher_.startDetached(std::string(kIntprintProgram) + " " + parameters(), *folder,
                          "INTPRINT.COM");
}

}  // namespace qorl::gui
