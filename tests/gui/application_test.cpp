// A command that fails unexpectedly is reported in an error box and the program goes on.

#include <QAction>
#include <QTest>
#include <stdexcept>

#include "gui/app/viewer_application.h"
#include "gui/support/recording_messages.h"

class ApplicationTest : public QObject {
  Q_OBJECT

 public:
  explicit ApplicationTest(qorl::test::RecordingMessages& messages) : messages_(messages) {}

 private slots:
  void failingCommandIsReportedAndTheProgramGoesOn() {
    QAction failing;
    connect(&failing, &QAction::triggered, [] { throw std::runtime_error("disk on fire"); });
    QWidget window;
    QAction* later = new QAction(&window);
    bool ran = false;
    connect(later, &QAction::triggered, [&ran] { ran = true; });
    // Deliver through the event loop, as a menu click or shortcut would.
    QMetaObject::invokeMethod(&failing, &QAction::trigger, Qt::QueuedConnection);
    QMetaObject::invokeMethod(later, &QAction::trigger, Qt::QueuedConnection);
    QTRY_VERIFY(ran);
    QCOMPARE(messages_.entries.size(), size_t(1));
    QCOMPARE(messages_.entries[0].kind, std::string("error"));
    QCOMPARE(messages_.entries[0].text, std::string("disk on fire"));
  }

 private:
  qorl::test::RecordingMessages& messages_;
};

int main(int argc, char** argv) {
  qorl::gui::ViewerApplication app(argc, argv);
  qorl::test::RecordingMessages messages;
  app.setMessages(&messages);
  ApplicationTest test(messages);
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
