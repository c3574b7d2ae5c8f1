// SPDX-License-Identifier: MIT
// A command that fails unexpectedly is reported in an error box and the program goes on; Qt's
// own command-line options do not act, and every argument reaches the program's word check; the
// application carries its icon and names its desktop entry.

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/settings/hive_file.h"
#include "gui/app/application_identity.h"
#include "gui/app/viewer_application.h"
#include "gui/support/recording_messages.h"

class ApplicationTest : public QObject {
  Q_OBJECT

 public:
  static inline const std::vector<std::string> kQtOptions = {"-reverse", "-style=windows",
                                                             "-qwindowtitle", "x"};
  static constexpr std::size_t kFileNames = 300;

  ApplicationTest(qorl::test::RecordingMessages& messages, const qorl::gui::ViewerApplication& app)
      : messages_(messages), app_(app) {}

 private slots:
  void qtOptionsDoNotActAndEveryArgumentIsAWord() {
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);  // not -reverse
    QVERIFY(QApplication::style()->name().compare("windows", Qt::CaseInsensitive) != 0);
    const std::vector<std::string>& args = app_.programArguments();
    QCOMPARE(args.size(), kQtOptions.size() + kFileNames + 1);
    QCOMPARE(args.front(), std::string("-reverse"));
    // The options are unknown words, and so is one given after 300 file names.
    for (const std::vector<std::string>& words :
         {std::vector<std::string>(args.begin(), args.begin() + 1),
          std::vector<std::string>(args.begin() + kQtOptions.size(), args.end())}) {
      qorl::ConfigRecord config;
      qorl::RunState run;
      qorl::HiveFile hive("");
      QCOMPARE(qorl::ParseCommandLine(words, config, run, hive, 2, messages_).errorCode,
               qorl::kUnknownParameterError);
    }
  }

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

  void identityNamesTheDesktopEntryAndCarriesTheIcon() {
    qorl::gui::SetApplicationIdentity();
    QCOMPARE(QGuiApplication::desktopFileName(), QString("com.halvex.QorlViewer"));
    const QIcon icon = QGuiApplication::windowIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
      QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
               qPrintable(QString::number(size)));
    // The 16-pixel icon is drawn for its size, not the large one scaled down.
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    const QImage scaled = icon.pixmap(QSize(256, 256))
                              .toImage()
                              .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(small.size(), QSize(16, 16));
    QVERIFY(small.convertToFormat(QImage::Format_ARGB32) !=
            scaled.convertToFormat(QImage::Format_ARGB32));
    // Dialogs inherit it.
    QWidget dialog;
    QCOMPARE(dialog.windowIcon().cacheKey(), icon.cacheKey());
  }

 private:
  qorl::test::RecordingMessages& messages_;
  const qorl::gui::ViewerApplication& app_;
};

int main(int argc, char** argv) {
  // The viewer's command line: Qt's own options, 300 file names and an unknown word.
  std::vector<std::string> words = {"qorlview"};
  words.insert(words.end(), ApplicationTest::kQtOptions.begin(), ApplicationTest::kQtOptions.end());
  words.insert(words.end(), ApplicationTest::kFileNames, "LIST.LST");
  words.push_back("-BOGUS");
  std::vector<char*> viewerArgv;
  for (std::string& word : words) viewerArgv.push_back(word.data());
  viewerArgv.push_back(nullptr);
  qorl::gui::ViewerApplication app(static_cast<int>(words.size()), viewerArgv.data());
  qorl::test::RecordingMessages messages;
  app.setMessages(&messages);
  ApplicationTest test(messages, app);
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
