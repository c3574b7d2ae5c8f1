// SPDX-License-Identifier: MIT
// The Open List menu over the real lists folder, and the topic commands on the real
// INTERRUP.LST (copied to a temporary folder, since opening it writes an index beside it).

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

#include "core/browse/topic_format.h"
#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/browse/grid_controller.h"
#include "gui/commands/topic_commands.h"
#include "gui/list/list_controller.h"
#include "gui/support/fake_dialogs.h"
#include "gui/support/window_fixture.h"

using namespace qorl;
using namespace qorl::gui;

class RealListCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void realListsFolderMenu() {
    if (!QFile::exists(QString(QORL_LISTS_DIR) + "/INTERRUP.LST"))
      QSKIP("INTERRUP.LST not found in QORL_LISTS_DIR");
    test::ViewerFixture f;
    ConfigRecord config;
    config.DefStartupDir = QORL_LISTS_DIR;
    f.store(config);
    TFormMain& w = f.start();
    QStringList captions;
    QStringList shortcuts;
    for (QAction* a : w.listMenu().entries()) {
      captions.append(a->text());
      if (!a->shortcut().isEmpty()) shortcuts.append(a->shortcut().toString());
    }
    QVERIFY(captions.contains("Interrup.lst") && captions.contains("Ports.lst"));
    QVERIFY(!captions.contains("86bugs.lst") && !captions.contains("Glossary.lst"));
    QVERIFY(captions.size() <= 20);
    for (const char* key : {"Shift+I", "Shift+P", "Shift+M", "Shift+C", "Shift+F", "Shift+O"})
      QVERIFY2(shortcuts.contains(key), key);
  }

  void savePrintAndCopyTheLargestTopic() {
    const QString source = QString(QORL_LISTS_DIR) + "/INTERRUP.LST";
    if (!QFile::exists(source)) QSKIP("INTERRUP.LST not found in QORL_LISTS_DIR");
    QTemporaryDir folder;
    const QString list = folder.filePath("INTERRUP.LST");
    QVERIFY(QFile::copy(source, list));
    QFile::setPermissions(list, QFile::ReadOwner | QFile::WriteOwner);
    test::ViewerFixture f;
    TFormMain& w = f.start();
    test::FakeFileDialogs dialogs;
    w.setFileDialogs(&dialogs);
    test::PdfPrintService printer(folder.filePath("topic.pdf"));
    w.topicCommands().setPrintService(&printer);
    w.listController().openList(list.toStdString());
    const TopicTable& topics = w.browseState().topics();
    QVERIFY(topics.count() > 1000);
    TopicNumber largest = 0;
    for (TopicNumber n = 1; n < topics.count(); ++n)
      if (topics.record(n).length > topics.record(largest).length) largest = n;
    w.gridController().loadTopic(largest);
    std::string bytes;
    QVERIFY(w.browseState().session.readTopic(largest, bytes) == ReadTopicResult::Ok);

    // Plain text: the list's bytes as they are.
    dialogs.saveAnswer = folder.filePath("topic.txt");
    w.updateCommands();
    w.action(Command::FileSave)->trigger();
    QFile saved(dialogs.saveAnswer);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray(bytes.data(), qsizetype(bytes.size())));

    dialogs.saveAnswer = folder.filePath("topic.rtf");
    w.action(Command::FileSave)->trigger();
    QFile rtf(dialogs.saveAnswer);
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    QVERIFY(rtf.readAll().startsWith("{\\rtf1"));
    QVERIFY(f.messages.entries.empty());

    // Printed over several pages, without the dialog.
    w.config().ShowPrintDialog = false;
    w.action(Command::FilePrint)->trigger();
    QVERIFY(f.messages.entries.empty());
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
      QSKIP("pdfinfo (poppler-utils) is not installed: page count not checked");
    QProcess info;
    info.start("pdfinfo", {folder.filePath("topic.pdf")});
    QVERIFY(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf("Pages:");
    QVERIFY(at >= 0);
    QVERIFY2(out.mid(at + 6).section('\n', 0, 0).trimmed().toInt() > 1, qPrintable(out));
  }
};

QTEST_MAIN(RealListCommandsTest)
#include "real_list_commands_test.moc"
