#pragma once
// The application object: an unexpected failure while handling an event (a command that throws)
// is shown in an error box, the command ends and the program goes on.

#include <QApplication>

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class ViewerApplication : public QApplication {
  Q_OBJECT
 public:
  ViewerApplication(int& argc, char** argv);
  void setMessages(MessageService* messages) { messages_ = messages; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageService* messages_ = nullptr;
};

}  // namespace qorl::gui
