// SPDX-License-Identifier: MIT
#include "gui/tools/run_tool_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "gui/tools/centre_on_screen.h"
#include "gui/tools/dos_tool_launcher.h"

namespace qorl::gui {

RunToolDialog::RunToolDialog(ToolsEnvironment environment, DosToolLauncher& launcher,
                             const char* name, const char* title, QSize size, int buttonsLeft,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      environment_(std::move(environment)),
      launcher_(launcher) {
  setObjectName(name);
  setWindowTitle(title);
  setFixedSize(size);

  runButton_ = new QPushButton("Run", this);
  runButton_->setObjectName("ButtonRun");
  runButton_->setGeometry(buttonsLeft, 10, 75, 25);
  runButton_->setDefault(true);
  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("ButtonCancel");
  cancelButton_->setGeometry(buttonsLeft, 42, 75, 25);

  connect(runButton_, &QPushButton::clicked, this, [this] { runClicked(); });
  // Esc and the close box end the dialog through reject() as well.
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* RunToolDialog::addOptionBox(const char* text, const char* name, int y) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(name);
  box->setGeometry(8, y, width() - 16, 18);
  return box;
}

std::optional<std::string> RunToolDialog::toolFolder() {
  const std::string folder = environment_.folder ? environment_.folder() : std::string();
  if (!launcher_.checkFolder(folder)) return std::nullopt;
  return folder;
}

void RunToolDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

}  // namespace qorl::gui
