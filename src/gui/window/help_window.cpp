// SPDX-License-Identifier: MIT
#include "gui/window/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qorl::gui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName("HelpWindow");
  setWindowTitle("Qorl Viewer Help");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(false);
  resize(640, 520);
}

void HelpWindow::showContext(const QString& path, int context) {
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(QString::number(context));
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

}  // namespace qorl::gui
