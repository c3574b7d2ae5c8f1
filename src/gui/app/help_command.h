// SPDX-License-Identifier: MIT
#pragma once
// Help Topics (`HelpHelpIndexCmd`): the manual beside the program, shown in the help window at
// its contents; the command and the separator above About are there only while the file exists.

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace qorl::gui {

class HelpWindow;

class HelpCommand : public QObject {
  Q_OBJECT
 public:
  HelpCommand(QWidget* window, QAction* helpIndex, QAction* separator);

  void setFile(const QString& path);
  const QString& file() const { return file_; }
  bool available() const { return available_; }
  HelpWindow* window() const { return window_; }
  void show();
  // The separator above About follows the manual's presence.
  void updateSeparator();

 private:
  HelpWindow* window_;
  QAction* separator_;
  QString file_;
  bool available_ = false;
};

}  // namespace qorl::gui
