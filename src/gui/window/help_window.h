// SPDX-License-Identifier: MIT
#pragma once
// The help window: the HTML manual beside the program, opened at a help context (an anchor).

#include <QDialog>

class QTextBrowser;

namespace qorl::gui {

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the manual at path, scrolled to the anchor of the help context.
  void showContext(const QString& path, int context);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace qorl::gui
