// SPDX-License-Identifier: MIT
#include "gui/app/help_command.h"

#include <QAction>
#include <QFileInfo>

#include "gui/window/help_window.h"

namespace qorl::gui {

namespace {
constexpr int kContentsContext = 1000;
}

HelpCommand::HelpCommand(QWidget* window, QAction* helpIndex, QAction* separator)
    : QObject(window), window_(new HelpWindow(window)), separator_(separator) {
  connect(helpIndex, &QAction::triggered, this, &HelpCommand::show);
}

void HelpCommand::setFile(const QString& path) {
  file_ = path;
  available_ = QFileInfo(path).isFile();
}

void HelpCommand::show() {
  if (available_) window_->showContext(file_, kContentsContext);
}

void HelpCommand::updateSeparator() {
  if (separator_) separator_->setVisible(available_);
}

}  // namespace qorl::gui
