// SPDX-License-Identifier: MIT
// The Tools sub-menu and the Run Combine.com / Run Intprint.com dialogs: which items show, the
// exact command lines handed to the process runner, which list is closed first, the messages for
// a missing interpreter or an unusable folder, the Open List menu rebuilt after Combine, and the
// window taking no input while a tool runs.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "core/list/busy.h"
#include "core/tools/dos_runner.h"
#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/list/list_controller.h"
#include "gui/support/list_files.h"
#include "gui/support/recording_messages.h"
#include "gui/support/window_fixture.h"
#include "gui/tools/input_blocker.h"
#include "gui/tools/run_combine_dialog.h"
#include "gui/tools/run_intprint_dialog.h"
#include "gui/tools/tools_menu.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::RecordingMessages;

namespace {

constexpr const char* kFakeDosbox = "/fake/dosbox";

// Records what would be started instead of starting it.
struct FakeRunner final : ToolProcessRunner {
  struct Call {
    ProcessInvocation run;
    std::string folder;
  };
  std::string interpreterPath = kFakeDosbox;
  int result = 0;
  std::vector<Call> waited;
  std::vector<Call> detached;
  std::function<void()> whileRunning;  // runs inside the wait, between two polls
  int polls = 0;

  std::string interpreter() override { return interpreterPath; }
  int runAndWait(const ProcessInvocation& run, const std::string& folder,
                 const WaitPollCallback& poll) override {
    waited.push_back({run, folder});
    if (poll && poll()) ++polls;
    if (whileRunning) whileRunning();
    if (poll && poll()) ++polls;
    return result;
  }
  int startDetached(const ProcessInvocation& run, const std::string& folder) override {
    detached.push_back({run, folder});
    return result;
  }
};

void WriteFile(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("\xCD\x20");
}

ProcessInvocation Expected(const std::string& dosLine, const std::string& folder) {
  return *DosInvocation(dosLine, folder, kFakeDosbox);
}

}  // namespace

class ToolsTest : public QObject {
  Q_OBJECT

 private:
  // A Tools menu over a folder of its own, with counters in place of the main window.
  struct Bench {
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    int listKind = -1;
    int closed = 0;
    int rebuilt = 0;
    RecordingMessages messages;
    NullBusyIndicator busy;
    FakeRunner runner;
    QMenu menu;
    std::unique_ptr<ToolsMenu> tools;

    Bench() {
      ToolsEnvironment env;
      env.folder = [this] { return folder; };
      env.listKind = [this] { return listKind; };
      env.closeList = [this] {
        ++closed;
        listKind = -1;
      };
      env.rebuildListMenu = [this] { ++rebuilt; };
      tools = std::make_unique<ToolsMenu>(&menu, env, messages, busy, nullptr);
      tools->setRunner(&runner);
    }
    TFormRunCombinecom& combine() { return tools->combineDialog(); }
    TFormRunIntprintcom& intprint() { return tools->intprintDialog(); }
    void setCombine(bool ports, bool del) {
      (ports ? combine().portsButton() : combine().interrupButton())->setChecked(true);
      combine().deleteBox()->setChecked(del);
    }
  };

  QTemporaryDir lists_;

  // The viewer with DefStartupDir set to the test's lists folder.
  static TFormMain& startIn(test::ViewerFixture& f, const QString& folder) {
    ConfigRecord config;
    config.DefStartupDir = folder.toStdString();
    f.store(config);
    return f.start();
  }

 private slots:
  void menuShowsTheToolsFoundInTheFolder() {
    Bench b;
    QCOMPARE(b.menu.menuAction()->objectName(), QString("OptionsTools"));
    const QStringList names = {"OptionsToolsExploreListLocation", "OptionsToolsSeperator",
                               "OptionsToolsRunCombinecom", "OptionsToolsRunIntprintcom"};
    QStringList order;
    for (QAction* a : b.menu.actions()) order << a->objectName();
    QCOMPARE(order, names);

    auto shown = [&b] {
      emit b.menu.aboutToShow();
      return QList<bool>{b.tools->exploreAction()->isVisible(), b.tools->separator()->isVisible(),
                         b.tools->combineAction()->isVisible(),
                         b.tools->intprintAction()->isVisible()};
    };
    // Neither tool: only Explore.
    QCOMPARE(shown(), (QList<bool>{true, false, false, false}));
    // COMBINE.COM only: Explore, the separator and Combine; looked for again at each opening.
    WriteFile(b.dir.filePath("COMBINE.COM"));
    QCOMPARE(shown(), (QList<bool>{true, true, true, false}));
    // Both, in any case.
    QVERIFY(QFile::rename(b.dir.filePath("COMBINE.COM"), b.dir.filePath("combine.com")));
    WriteFile(b.dir.filePath("IntPrint.Com"));
    QCOMPARE(shown(), (QList<bool>{true, true, true, true}));
    // INTPRINT.COM only.
    QVERIFY(QFile::remove(b.dir.filePath("combine.com")));
    QCOMPARE(shown(), (QList<bool>{true, true, false, true}));
  }

  void combineRunsTheFourCommandLinesInTheToolsFolder() {
    Bench b;
    const struct {
      bool ports, del;
      const char* line;
    } cases[] = {{false, false, "command.com /c combine.com ."},
                 {true, false, "command.com /c combine.com -p ."},
                 {false, true, "command.com /c combine.com -d ."},
                 {true, true, "command.com /c combine.com -p -d ."}};
    for (const auto& c : cases) {
      b.setCombine(c.ports, c.del);
      QCOMPARE(b.combine().commandLine(), std::string(c.line));
      b.combine().runClicked();
      QCOMPARE(b.runner.waited.back().run, Expected(c.line, b.folder));
      QCOMPARE(b.runner.waited.back().folder, b.folder);
    }
    QCOMPARE(b.runner.waited.size(), size_t(4));
    QVERIFY(b.runner.polls > 0);
    QCOMPARE(b.rebuilt, 4);  // the Open List menu after every run
    QVERIFY(b.messages.entries.empty());
    QVERIFY(b.runner.detached.empty());
    // The choices stay for the next use.
    QVERIFY(b.combine().portsButton()->isChecked());
    QVERIFY(b.combine().deleteBox()->isChecked());
  }

  void intprintStartsCommandComWithTheParametersAsTyped() {
    Bench b;
    b.intprint().keepPromptBox()->setChecked(true);
    b.intprint().paramEdit()->setText("abc");
    QCOMPARE(b.intprint().parameters(), std::string("/k intprint.com abc"));
    b.intprint().runClicked();
    QCOMPARE(b.runner.detached.size(), size_t(1));
    QCOMPARE(b.runner.detached[0].run, Expected("COMMAND.COM /k intprint.com abc", b.folder));
    QCOMPARE(b.runner.detached[0].folder, b.folder);
    QVERIFY(b.runner.waited.empty());
    QCOMPARE(b.rebuilt, 0);  // nothing is refreshed after Intprint
    QCOMPARE(b.intprint().paramEdit()->text(), QString("abc"));

    b.intprint().keepPromptBox()->setChecked(false);
    b.intprint().paramEdit()->clear();
    QCOMPARE(b.intprint().parameters(), std::string("/c intprint.com "));
    // A letter of code page 437 reaches DOS as its byte.
    b.intprint().paramEdit()->setText(QString::fromUtf8("\xC3\xA9"));
    QCOMPARE(b.intprint().parameters(), std::string("/c intprint.com \x82"));
  }

  void listClosingInTheViewer() {
    const QString interrup = test::WriteList(lists_.path(), "INTERRUP.LST", test::MixedTopics(2));
    test::ViewerFixture f;
    TFormMain& w = startIn(f, lists_.path());
    FakeRunner runner;
    w.toolsMenu().setRunner(&runner);
    bool openWhileRunning = false;
    runner.whileRunning = [&] { openWhileRunning = w.browseState().session.isOpen(); };

    // Ports chosen with INTERRUP.LST open: it stays open, also while the tool runs.
    w.listController().openList(interrup.toStdString());
    QVERIFY(w.browseState().session.isOpen());
    w.toolsMenu().combineDialog().portsButton()->setChecked(true);
    w.toolsMenu().combineDialog().runClicked();
    QVERIFY(openWhileRunning);
    QVERIFY(w.browseState().session.isOpen());
    QCOMPARE(test::ComparablePath(runner.waited.back().folder),
             test::ComparablePath(lists_.path()));

    // Interrup chosen: closed before the tool starts, and not reopened.
    w.toolsMenu().combineDialog().interrupButton()->setChecked(true);
    w.toolsMenu().combineDialog().runClicked();
    QVERIFY(!openWhileRunning);
    QVERIFY(!w.browseState().session.isOpen());
    QVERIFY(w.browseState().listPath.empty());

    // Intprint closes whatever list is open.
    w.listController().openList(interrup.toStdString());
    QVERIFY(w.browseState().session.isOpen());
    w.toolsMenu().intprintDialog().runClicked();
    QVERIFY(!w.browseState().session.isOpen());
    QCOMPARE(runner.detached.size(), size_t(1));
    QVERIFY(f.messages.entries.empty());
    QFile::remove(interrup);
  }

  void newListAppearsInTheOpenListMenuAfterCombine() {
    QTemporaryDir dir;
    WriteFile(dir.filePath("COMBINE.COM"));
    test::WriteList(dir.path(), "MEMORY.LST", test::MixedTopics(1));
    test::ViewerFixture f;
    TFormMain& w = startIn(f, dir.path());
    FakeRunner runner;
    runner.whileRunning = [&] {
      test::WriteList(dir.path(), "INTERRUP.LST", test::MixedTopics(1));
    };
    w.toolsMenu().setRunner(&runner);
    auto captions = [&w] {
      QStringList list;
      for (QAction* a : w.listMenu().entries()) list << a->text().remove('&').toUpper();
      return list;
    };
    QVERIFY(!captions().contains("INTERRUP.LST"));
    w.toolsMenu().combineDialog().runClicked();
    QCOMPARE(runner.waited.size(), size_t(1));
    QVERIFY2(captions().contains("INTERRUP.LST"), qPrintable(captions().join(", ")));
    QVERIFY(captions().contains("MEMORY.LST"));
  }

  void withoutInterpreterCombineJoinsItselfAndIntprintIsReported() {
    Bench b;
    b.runner.interpreterPath.clear();
    // No sections: said so, the menu is rebuilt all the same.
    b.combine().runClicked();
    QVERIFY(b.runner.waited.empty());
    QCOMPARE(b.messages.entries.size(), size_t(1));
    QCOMPARE(b.messages.entries[0].kind, std::string("information"));
    QVERIFY(b.messages.entries[0].text.find("No sections of INTERRUP.LST") != std::string::npos);
    QCOMPARE(b.rebuilt, 1);

    // The ports' sections, deleted afterwards: the open PORTS.LST is closed first.
    QFile a(b.dir.filePath("PORTS.A")), c(b.dir.filePath("ports.c"));
    QVERIFY(a.open(QIODevice::WriteOnly) && c.open(QIODevice::WriteOnly));
    a.write("Ports List\r\n");
    c.write("Ports List, part 3 of 3\r\n");
    a.close();
    c.close();
    b.listKind = 2;
    b.setCombine(true, true);
    b.combine().runClicked();
    QVERIFY(b.runner.waited.empty());
    QCOMPARE(b.messages.entries.size(), size_t(1));
    QCOMPARE(b.closed, 1);
    QCOMPARE(b.rebuilt, 2);
    QFile list(b.dir.filePath("PORTS.LST"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), QByteArray("Ports List\r\nPorts List, part 3 of 3\r\n"));
    QVERIFY(!QFile::exists(b.dir.filePath("PORTS.A")) && !QFile::exists(b.dir.filePath("ports.c")));

    b.intprint().runClicked();
    QVERIFY(b.runner.detached.empty());
    QCOMPARE(b.messages.entries.size(), size_t(2));
    QCOMPARE(b.messages.entries[1].text, DosInterpreterMissingMessage("INTPRINT.COM"));
    QCOMPARE(b.closed, 2);  // Intprint closed the list before finding out
  }

  void interpreterThatCannotStartIsReported() {
    Bench b;
    b.runner.result = ENOENT;
    b.combine().runClicked();
    b.intprint().runClicked();
    QCOMPARE(b.messages.entries.size(), size_t(2));
    QCOMPARE(b.messages.entries[0].text, DosStartFailedMessage("COMBINE.COM", ENOENT));
    QCOMPARE(b.messages.entries[1].text, DosStartFailedMessage("INTPRINT.COM", ENOENT));
  }

  void unusableFolderStartsNoTool() {
    Bench b;
    b.listKind = 1;
    b.folder = b.dir.filePath("no such folder").toStdString();
    b.combine().runClicked();
    QVERIFY(b.runner.waited.empty());
    QCOMPARE(b.closed, 1);  // closed in the first step, and stays closed
    QCOMPARE(b.rebuilt, 0);
    QCOMPARE(b.messages.entries.size(), size_t(1));
    QCOMPARE(b.messages.entries[0].kind, std::string("error"));
    QVERIFY(b.messages.entries[0].text.find(b.folder) != std::string::npos);

    WriteFile(b.dir.filePath("plain file"));
    b.folder = b.dir.filePath("plain file").toStdString();
    b.intprint().runClicked();
    QVERIFY(b.runner.detached.empty());
    QCOMPARE(b.messages.entries.size(), size_t(2));
    QCOMPARE(b.messages.entries[1].kind, std::string("error"));

    b.folder.clear();
    b.combine().runClicked();
    QVERIFY(b.runner.waited.empty());
    QCOMPARE(b.messages.entries.size(), size_t(3));
  }

  void windowTakesNoInputWhileCombineRuns() {
    QTemporaryDir dir;
    test::ViewerFixture f;
    TFormMain& w = startIn(f, dir.path());
    FakeRunner runner;
    w.toolsMenu().setRunner(&runner);
    bool closed = true;
    QString hint;
    runner.whileRunning = [&] {
      closed = w.close();
      hint = w.statusPanels()->panelText(StatusBarPanels::kHintPanel);
    };
    w.toolsMenu().combineDialog().runClicked();
    QVERIFY(!closed);
    QVERIFY(w.isVisible());
    QCOMPARE(hint, QString("Running COMBINE.COM..."));
    QVERIFY(w.isEnabled());  // it keeps painting as it was
  }

  void inputBlockerSwallowsInputOnlyWhileItLives() {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* action = new QAction(&window);
    action->setShortcut(QKeySequence("F5"));
    window.addAction(action);
    int triggered = 0;
    connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    {
      InputBlocker blocker(&window);
      QTest::keyClicks(edit, "ab");
      QTest::keyClick(edit, Qt::Key_F5);
      QVERIFY(edit->text().isEmpty());
      QCOMPARE(triggered, 0);
    }
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_F5);
    QCOMPARE(edit->text(), QString("ab"));
    QCOMPARE(triggered, 1);
  }

  void exploreOpensTheToolsFolder() {
    Bench b;
    QList<QUrl> opened;
    bool succeed = true;
    b.tools->setUrlOpener([&](const QUrl& url) {
      opened << url;
      return succeed;
    });
    b.tools->exploreAction()->trigger();
    QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(b.dir.path())}));
    QVERIFY(b.messages.entries.empty());
    succeed = false;  // no file manager
    b.tools->exploreAction()->trigger();
    QCOMPARE(b.messages.entries.size(), size_t(1));
    QCOMPARE(b.messages.entries[0].kind, std::string("information"));
  }

  void toolsFolderFallsBackToTheListsFolder() {
    // Without DefStartupDir the lists folder is the folder the viewer started in.
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    test::ViewerFixture f;
    TFormMain& w = f.start();
    QVERIFY(w.config().DefStartupDir.empty());
    FakeRunner runner;
    w.toolsMenu().setRunner(&runner);
    w.toolsMenu().combineDialog().runClicked();
    QCOMPARE(runner.waited.size(), size_t(1));
    QCOMPARE(test::ComparablePath(runner.waited[0].folder),
             test::ComparablePath(QDir::current().absolutePath()));
  }

  void dialogsStartClearedAndAreCentred() {
    Bench b;
    TFormRunCombinecom& c = b.combine();
    QCOMPARE(c.size(), QSize(277, 105));
    QCOMPARE(c.minimumSize(), c.maximumSize());
    QVERIFY(c.interrupButton()->isChecked() && !c.portsButton()->isChecked());
    QVERIFY(!c.deleteBox()->isChecked());
    QVERIFY(c.runButton()->isDefault());
    TFormRunIntprintcom& i = b.intprint();
    QCOMPARE(i.size(), QSize(290, 88));
    QCOMPARE(i.minimumSize(), i.maximumSize());
    QVERIFY(i.paramEdit()->text().isEmpty() && !i.keepPromptBox()->isChecked());
    QVERIFY(i.runButton()->isDefault());

    for (QDialog* dialog : {static_cast<QDialog*>(&c), static_cast<QDialog*>(&i)}) {
      dialog->move(0, 0);
      dialog->show();
      const QRect screen = dialog->screen()->geometry();
      const QRect frame = dialog->frameGeometry();
      QCOMPARE(frame.x(), screen.width() / 2 - frame.width() / 2);
      QCOMPARE(frame.y(), screen.height() / 2 - frame.height() / 2);
      // Cancel closes it and runs nothing.
      QTest::mouseClick(dialog == &c ? c.cancelButton() : i.cancelButton(), Qt::LeftButton);
      QVERIFY(!dialog->isVisible());
      QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
    QVERIFY(b.runner.waited.empty() && b.runner.detached.empty());
    QCOMPARE(b.closed, 0);
  }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
