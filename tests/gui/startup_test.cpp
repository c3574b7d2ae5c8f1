// SPDX-License-Identifier: MIT
// The start-up order's effects: command-line words, placement, settings, help file, category
// descriptions, scaling, the start-up list, and what the shutdown writes.

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>

#include <QLabel>
#include "core/app/list_menu.h"
#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::RecordingMessages;

class StartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir lists_;

  static void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static ConfigRecord storedConfig() {
    ConfigRecord c;
    c.AskExit = true;
    c.TopicsColWidth = 200;
    c.SingleClickView = false;
    return c;
  }
  static WindowPlacement normalPlacement(int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.rect = {left, top, right, bottom};
    p.state = kWindowNormal;
    return p;
  }

 private slots:
  void configClearStartsFromDefaultsMaximized() {
    test::ViewerFixture f;
    f.store(storedConfig(), normalPlacement(10, 10, 400, 300));
    TFormMain& w = f.start({"/CONFIGCLEAR"});
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QVERIFY(!w.config().AskExit);
    QCOMPARE(w.config().TopicsColWidth, 140);
    QCOMPARE(w.grid()->columnWidth(0), 140);
    QVERIFY(w.browseState().options.singleClickView);
    // Written again at exit, with the defaults.
    w.close();
    QVERIFY(!f.storedConfig().AskExit);
    QCOMPARE(f.storedConfig().TopicsColWidth, 140);
  }

  void storedSettingsAndPlacementApply() {
    test::ViewerFixture f;
    f.store(storedConfig(), normalPlacement(10, 20, 410, 320));
    TFormMain& w = f.start();
    QVERIFY(!(w.windowState() & Qt::WindowMaximized));
    QCOMPARE(w.geometry().width(), 400);
    QCOMPARE(w.grid()->columnWidth(0), 200);
    QVERIFY(!w.browseState().options.singleClickView);
    QVERIFY(w.config().AskExit);
  }

  void layoutValuesRoundTrip() {
    for (bool toolBarVisible : {true, false}) {
      test::ViewerFixture f;
      LayoutState layout;
      layout.firstBandId = 1;
      layout.secondBandBreak = true;
      layout.toolBarCategoriesWidth = 300;
      layout.toolBarWidth = 250;
      layout.toolBarVisible = toolBarVisible;
      layout.statusBarVisible = false;
      ConfigRecord config;
      config.TopicsHeightPerc = 0.25;
      f.store(config, normalPlacement(10, 10, 700, 500), layout);
      TFormMain& w = f.start();
      QVERIFY(w.statusPanels()->isHidden());
      QCOMPARE(w.mainPanel()->topicsShare(), 0.25);
      QCOMPARE(w.currentLayout(), layout);
      w.close();
      RecordingMessages ignored;
      LayoutValues values;
      ConfigRecord read;
      LoadSettings(f.hive, 2, values, read, ignored);
      QCOMPARE(WithStoredValues(LayoutState{}, values), layout);
      QCOMPARE(read.TopicsHeightPerc, 0.25);
    }
  }

  void quitEndsWithoutWritingAndNeedsAPrefix() {
    for (const char* word : {"/quit", "-Quit", "/QUIT"}) {
      test::ViewerFixture f;
      f.start({word});
      QVERIFY(f.run.quitRequested);
      f.window.reset();  // the program ends without closing the window
      QCOMPARE(f.hive.writeCount(), std::size_t(0));
      QVERIFY(!QFile::exists(f.configDir.filePath("Qorl Viewer.reg")));
    }
    test::ViewerFixture f;
    f.start({"QUIT", "SOMEFILE.LST"});
    QVERIFY(!f.run.quitRequested);
    QVERIFY(f.messages.entries.empty());
  }

  void unknownWordIsError10AndStopsTheParsing() {
    test::ViewerFixture f;
    TFormMain& w = f.start({"/INDEXNOUSE", "/BOGUS", "/CONFIGNOSAVE"});
    QCOMPARE(f.messages.entries.size(), size_t(1));
    QCOMPARE(f.messages.entries[0].kind, std::string("warning"));
    QCOMPARE(f.messages.entries[0].text, std::string("Unknown commandline parameter(s) !"));
    QVERIFY(w.browseState().options.policy.loadTopicsDirect);
    QVERIFY(!f.run.noSave);
    w.close();
    QVERIFY(f.storedConfig().LoadTopicsDirect);  // settings written at exit

    for (const char* word : {"-", "/", "/INDEXNOUSE=1"}) {
      test::ViewerFixture g;
      g.start({word});
      QCOMPARE(g.messages.entries.size(), size_t(1));
    }
  }

  void error10IsShownBeforeTheWindowAppears() {
    test::ViewerFixture f;
    int windowsShownAtMessage = -1;
    f.messages.onMessage = [&windowsShownAtMessage] {
      windowsShownAtMessage = 0;
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<TFormMain*>(widget) && widget->isVisible()) ++windowsShownAtMessage;
    };
    f.start({"/NOSUCHWORD"});
    QCOMPARE(windowsShownAtMessage, 0);
    QVERIFY(f.window->isVisible());
  }

  void noSaveAndExitQuestion() {
    test::ViewerFixture f;
    TFormMain& w = f.start({"/NOREGISTRY"});
    w.close();
    QCOMPARE(f.hive.writeCount(), std::size_t(0));

    test::ViewerFixture g;
    g.store(storedConfig(), normalPlacement(10, 10, 400, 300));
    TFormMain& asking = g.start();
    g.messages.confirmReply = false;
    QVERIFY(!asking.close());
    QCOMPARE(g.messages.entries.back().text, std::string("Exit Qorl Viewer ?"));
    const std::size_t writes = g.hive.writeCount();  // only those made by the test
    asking.config().DefStartupDir = "/";
    g.messages.confirmReply = true;
    QVERIFY(asking.close());
    QVERIFY(g.hive.writeCount() > writes);
    QCOMPARE(g.storedConfig().DefStartupDir, std::string("/"));
  }

  void startupListOpensAndIsRemembered() {
    const QString list = test::WriteList(lists_.path(), "PORTS.LST", test::MixedTopics(2));
    test::ViewerFixture f;
    ConfigRecord s;
    s.DefStartupList = list.toStdString();
    s.ReloadLastOpenList = true;
    f.store(s);
    TFormMain& w = f.start();
    QCOMPARE(w.windowTitle(), QString("Qorl Viewer - PORTS.LST"));
    QCOMPARE(w.browseState().listKind, 2);
    w.close();
    QCOMPARE(f.storedConfig().DefStartupList, list.toStdString());

    // With no list open at exit the start-up list is forgotten.
    test::ViewerFixture g;
    g.store(s);
    TFormMain& other = g.start();
    other.updateCommands();
    other.action(Command::FileClose)->trigger();
    other.close();
    QCOMPARE(g.storedConfig().DefStartupList, std::string());
  }

  void missingStartupListKeepsItsName() {
    test::ViewerFixture f;
    ConfigRecord s;
    s.DefStartupList = (lists_.path() + "/INTERRUP.LST").toStdString();
    f.store(s);
    TFormMain& w = f.start();
    QVERIFY(f.messages.entries.empty());
    QCOMPARE(w.windowTitle(), QString("Qorl Viewer"));
    w.updateCommands();
    QVERIFY(w.action(Command::SearchFind)->isEnabled());
    QVERIFY(w.action(Command::OptionsUpdateTopicTitles)->isEnabled());
    QVERIFY(!w.action(Command::FileClose)->isEnabled());
  }

  void listsFolderFillsTheOpenListMenu() {
    QTemporaryDir folder;
    test::WriteList(folder.path(), "PORTS.LST", test::MixedTopics(1));
    test::WriteList(folder.path(), "INTERRUP.LST", test::MixedTopics(1));
    test::WriteList(folder.path(), "NOTES.TXT", test::MixedTopics(1));
    test::ViewerFixture f;
    ConfigRecord config;
    config.DefStartupDir = folder.path().toStdString();
    config.DefStartupList = folder.filePath("PORTS.LST").toStdString();
    f.store(config);
    TFormMain& w = f.start();
    QCOMPARE(test::ComparablePath(f.run.listsFolder), test::ComparablePath(folder.path() + "/"));
    const auto& entries = w.listMenu().entries();
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0]->text(), QString("Interrup.lst"));
    QCOMPARE(entries[1]->text(), QString("Ports.lst"));
    QVERIFY(entries[1]->isChecked());
    entries[0]->trigger();
    // The list opens by the name the menu shows, which is the file's where case does not matter.
    QCOMPARE(test::ComparablePath(w.windowTitle()),
             test::ComparablePath(QString("Qorl Viewer - INTERRUP.LST")));
    QVERIFY(entries[0]->isChecked());
    QVERIFY(!entries[1]->isChecked());
    w.updateCommands();
    w.action(Command::FileClose)->trigger();
    QVERIFY(!entries[0]->isChecked());
  }

  void helpFileDecidesTheHelpCommand() {
    test::ViewerFixture absent;
    TFormMain& w = absent.start();
    QVERIFY(!absent.run.helpAvailable);
    QVERIFY(!w.action(Command::HelpHelpIndex)->isVisible());
    QMenu* help = w.findChild<QMenu*>("MenuHelp");
    QVERIFY(help);
    int visible = 0;
    for (QAction* a : help->actions()) visible += a->isVisible() ? 1 : 0;
    QCOMPARE(visible, 1);  // only "&About..."

    test::ViewerFixture present;
    writeFile(present.programDir.filePath("QORLVIEW.html"),
              "<html><body><a name=\"1000\"></a>Contents</body></html>");
    TFormMain& v = present.start();
    QVERIFY(present.run.helpAvailable);
    QVERIFY(v.action(Command::HelpHelpIndex)->isVisible());
    QVERIFY(v.action(Command::HelpHelpIndex)->isEnabled());
    v.action(Command::HelpHelpIndex)->trigger();
    QVERIFY(v.findChild<QWidget*>("HelpWindow")->isVisible());
  }

  void manualListsEveryKey() {
    QFile file(QORL_HELP_FILE);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(file.readAll());
    const qsizetype begin = manual.indexOf("<a name=\"keys\">");
    QVERIFY(begin >= 0);
    const QString keys = manual.mid(begin, manual.indexOf("</table>", begin) - begin);
    test::ViewerFixture f;
    TFormMain& w = f.start();
    QStringList wanted{"Ctrl+Applications", w.actions().openOther->shortcut().toString()};
    for (Command c :
         {Command::FileSave, Command::FilePrint, Command::EditCopy, Command::EditSelectAll,
          Command::EditCopyTopic, Command::SearchFind, Command::SearchSearchAgain,
          Command::OptionsZoomTopic, Command::OptionsUnzoomTopic, Command::HelpHelpIndex,
          Command::ViewPrev, Command::ViewNext})
      wanted << w.action(c)->shortcut().toString();
    for (const char* list :
         {"INTERRUP.LST", "PORTS.LST", "MEMORY.LST", "CMOS.LST", "FARCALL.LST", "OPCODES.LST"})
      wanted << QString("Shift+") + QChar(ListEntryShortcutKey(list));
    for (const QString& key : wanted) {
      // A key on its own, not as the end of a longer one (Shift+C in Ctrl+Shift+C).
      const QRegularExpression alone("(?<![\\w+])" + QRegularExpression::escape(key) + "(?!\\w)");
      QVERIFY2(keys.contains(alone), qPrintable(key));
    }
  }

  void categoryFileBesideTheProgramReplacesDescriptions() {
    test::ViewerFixture f;
    writeFile(f.programDir.filePath("CATDESC.INI"), "#68=Kernel\r\n#065=Apps\r\n");
    const QString list = test::WriteList(lists_.path(), "CAT.LST", test::MixedTopics(1));
    TFormMain& w = f.start();
    w.listController().openList(list.toStdString());
    CategoryComboBox* combo = w.categoryCombo();
    QCOMPARE(combo->entryBytes(4), std::string("D Kernel"));
    QCOMPARE(combo->entryBytes(2), std::string("A Unknown"));
  }

  void absurdStoredValuesStartAndCloseSafely() {
    test::ViewerFixture f;
    ConfigRecord config;
    config.topicFontSize = 2000000000;
    config.TopicsColWidth = -100;
    config.TopicsHeightPerc = 1e300;
    config.DefStartupList =
        test::WriteList(lists_.path(), "HUGE.LST", test::MixedTopics(3)).toStdString();
    LayoutState layout;
    layout.toolBarCategoriesWidth = -5;
    layout.firstBandId = 7;
    f.store(config, normalPlacement(-2000000000, 0, 2000000000, 2000000000), layout);
    TFormMain& w = f.start();
    // The window is no larger than the desktop, however large the stored rectangle.
    const QSize desktop = w.screen()->virtualSize();
    QVERIFY(w.width() <= desktop.width());
    QVERIFY(w.height() <= desktop.height());
    QVERIFY(w.browseState().session.topics().count() > 0);
    QVERIFY(w.close());
    QCOMPARE(f.storedConfig().topicFontSize, 2000000000);
  }

  void scalingAt120PixelsPerInch() {
    test::ViewerFixture f;
    TFormMain& w = f.start({}, 120);
    StatusBarPanels* bar = w.statusPanels();
    QCOMPARE(bar->panel(0)->width(), 212);
    QCOMPARE(bar->panel(1)->width(), 75);
    QCOMPARE(bar->panel(3)->width(), 250);
    QCOMPARE(bar->progressBar()->width(), 362);
    QCOMPARE(w.minimumWidth(), 133);
    QCOMPARE(w.minimumHeight(), 180);
    QCOMPARE(w.grid()->verticalHeader()->defaultSectionSize(), 19);  // 8 points at 120: 10 + 9

    test::ViewerFixture g;
    TFormMain& plain = g.start({}, 96);
    QCOMPARE(plain.statusPanels()->panel(0)->width(), 170);
    QCOMPARE(plain.minimumWidth(), 111);
    QCOMPARE(plain.grid()->verticalHeader()->defaultSectionSize(), 17);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
