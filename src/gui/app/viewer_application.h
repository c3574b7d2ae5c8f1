// SPDX-License-Identifier: MIT
#pragma once
// The application object: an unexpected failure while handling an event (a command that throws)
// is shown in an error box, the command ends and the program goes on.
//
// Qt is handed the program name only, so that none of its own command-line options (-reverse,
// -style=..., -qwindowtitle, -display, ...) acts: every argument is the program's, checked by
// its word check like any other. Qt's settings by environment variable still apply.

#include <QApplication>
#include <string>
#include <vector>

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class ViewerApplication : public QApplication {
  Q_OBJECT
 public:
  ViewerApplication(int argc, char** argv);
  // Every argument after the program name, however many.
  const std::vector<std::string>& programArguments() const { return arguments_; }
  void setMessages(MessageService* messages) { messages_ = messages; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageService* messages_ = nullptr;
  std::vector<std::string> arguments_;
};

}  // namespace qorl::gui
