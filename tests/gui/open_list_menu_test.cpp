// SPDX-License-Identifier: MIT
// The Open List menu: entries from the lists folder, the default item and shortcuts, the radio
// check mark, the open dialog, and Update Topic Titles.

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/list/list_controller.h"
#include "gui/support/fake_dialogs.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/window/command_actions.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;

class OpenListMenuTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ViewerFixture> fixture_;
  test::FakeFileDialogs dialogs_;

  // Starts the viewer with folder as the lists folder.
  TFormMain& start(const QString& folder, bool displayAllLists = false) {
    fixture_ = std::make_unique<test::ViewerFixture>();
    ConfigRecord config;
    config.DefStartupDir = folder.toStdString();
    config.DisplayAllLists = displayAllLists;
    fixture_->store(config);
    TFormMain& w = fixture_->start();
    w.setFileDialogs(&dialogs_);
    return w;
  }
  static QString write(const QString& folder, const QString& name) {
    return test::WriteList(folder, name, test::MixedTopics(1));
  }
  static QStringList captions(OpenListMenu& menu) {
    QStringList out;
    for (QAction* a : menu.entries()) out.append(a->text());
    return out;
  }
  // The object names of every list entry that still exists in the window.
  static QStringList entryNames(TFormMain& w) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QAction* a : w.findChildren<QAction*>()) {
      if (a->objectName().startsWith("ListListFile")) names.append(a->objectName());
    }
    names.sort();
    return names;
  }
  static QAction* checkedItem(OpenListMenu& menu) {
    for (QAction* a : menu.entries())
      if (a->isChecked()) return a;
    return menu.other()->isChecked() ? menu.other() : nullptr;
  }

 private slots:
  void cleanup() {
    fixture_.reset();
    dialogs_ = {};
  }

  void twoEntriesThenFourWithDisplayAllLists() {
    QTemporaryDir folder;
    for (const char* name : {"PORTS.LST", "INTERRUP.LST", "86BUGS.LST", "GLOSSARY.LST"})
      write(folder.path(), name);
    TFormMain& w = start(folder.path());
    OpenListMenu& menu = w.listMenu();
    QCOMPARE(captions(menu), QStringList({"Interrup.lst", "Ports.lst"}));
    QAction* interrup = menu.entries()[0];
    QCOMPARE(interrup->objectName(), QString("ListListFile0"));
    QCOMPARE(interrup->statusTip(), QString("Open Interrup.lst"));
    QCOMPARE(interrup->shortcut(), QKeySequence("Shift+I"));
    QVERIFY(interrup->font().bold());
    QCOMPARE(menu.entries()[1]->shortcut(), QKeySequence("Shift+P"));
    QVERIFY(!menu.entries()[1]->font().bold());
    auto* subMenu = w.findChild<QMenu*>("ListMenu");
    QVERIFY(subMenu);
    QCOMPARE(subMenu->defaultAction(), interrup);
    // Entries, the separator, then Other..., which opens any file with Ctrl+O.
    const QList<QAction*> items = subMenu->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[2]->objectName(), QString("ListMenuSeparator1"));
    QVERIFY(items[2]->isSeparator() && items[2]->isVisible());
    QCOMPARE(items[3], menu.other());
    QCOMPARE(menu.other()->objectName(), QString("ListOther"));
    QCOMPARE(menu.other()->text(), QString("&Other..."));
    QCOMPARE(menu.other()->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(menu.other()->statusTip(), QString("Open a list"));

    // The rebuild clears the earlier entries.
    w.config().DisplayAllLists = true;
    w.buildListMenu();
    QCOMPARE(captions(menu),
             QStringList({"86bugs.lst", "Glossary.lst", "Interrup.lst", "Ports.lst"}));
    QCOMPARE(entryNames(w),
             QStringList({"ListListFile0", "ListListFile1", "ListListFile2", "ListListFile3"}));
    QCOMPARE(subMenu->actions().size(), 6);
    QCOMPARE(subMenu->defaultAction(), menu.entries()[2]);
    QCOMPARE(menu.entries()[3]->shortcut(), QKeySequence("Shift+P"));
  }

  void onlyTheFirstTwentyFilesInSortedOrder() {
    QTemporaryDir folder;
    QStringList expected;
    for (int i = 0; i < 25; ++i) {
      const QString name = QString("list%1.lst").arg(i, 2, 10, QChar('0'));
      write(folder.path(), i % 2 ? name.toUpper() : name);
      if (i < 20) expected.append(QString("List%1.lst").arg(i, 2, 10, QChar('0')));
    }
    TFormMain& w = start(folder.path());
    QCOMPARE(captions(w.listMenu()), expected);
    QCOMPARE(entryNames(w).size(), 20);
  }

  void lowerCaseFileGetsItsShortcutAndOpensByItsRealName() {
    QTemporaryDir folder;
    const QString real = write(folder.path(), "ports.lst");
    TFormMain& w = start(folder.path());
    QCOMPARE(captions(w.listMenu()), QStringList({"Ports.lst"}));
    QAction* ports = w.listMenu().entries()[0];
    QCOMPARE(ports->shortcut(), QKeySequence("Shift+P"));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_P, Qt::ShiftModifier);
    QVERIFY(w.browseState().session.isOpen());
    QCOMPARE(test::ComparablePath(w.browseState().listPath), test::ComparablePath(real));
    QVERIFY(ports->isChecked());
    QVERIFY(fixture_->messages.entries.empty());
  }

  void emptyFolderOffersOnlyOpen() {
    QTemporaryDir folder;
    TFormMain& w = start(folder.path());
    OpenListMenu& menu = w.listMenu();
    QVERIFY(menu.entries().empty());
    QVERIFY(!menu.separator()->isVisible());
    QCOMPARE(menu.other()->text(), QString("&Open..."));
    QCOMPARE(menu.other()->shortcut(), QKeySequence("Ctrl+O"));
    // A list opened from elsewhere does not check the lone item, and opening the sub-menu
    // clears a mark it carries.
    QTemporaryDir elsewhere;
    dialogs_.openAnswer = write(elsewhere.path(), "OTHER.LST");
    menu.other()->trigger();
    QVERIFY(w.browseState().session.isOpen());
    QVERIFY(!menu.other()->isChecked());
    menu.other()->setChecked(true);
    emit w.findChild<QMenu*>("ListMenu")->aboutToShow();
    QVERIFY(!menu.other()->isChecked());
  }

  void otherChecksOtherAndCloseListUnchecksAll() {
    QTemporaryDir folder;
    const QString interrup = write(folder.path(), "INTERRUP.LST");
    write(folder.path(), "PORTS.LST");
    QTemporaryDir elsewhere;
    const QString other = write(elsewhere.path(), "PORTS.LST");
    TFormMain& w = start(folder.path());
    OpenListMenu& menu = w.listMenu();
    QCOMPARE(checkedItem(menu), nullptr);

    // A list of another folder: Other... is checked. The dialog starts in the lists folder.
    dialogs_.openAnswer = other;
    menu.other()->trigger();
    QCOMPARE(dialogs_.openFolders.size(), 1);
    QCOMPARE(test::ComparablePath(dialogs_.openFolders[0]),
             test::ComparablePath(folder.path() + "/"));
    QCOMPARE(QString::fromStdString(w.browseState().listPath), other);
    QCOMPARE(checkedItem(menu), menu.other());

    // A list of the lists folder chosen through the dialog checks its entry.
    dialogs_.openAnswer = interrup;
    menu.other()->trigger();
    QCOMPARE(checkedItem(menu), menu.entries()[0]);

    // A cancelled dialog changes nothing, the click's own toggling included.
    dialogs_.openAnswer.clear();
    menu.other()->trigger();
    QCOMPARE(checkedItem(menu), menu.entries()[0]);
    QCOMPARE(QString::fromStdString(w.browseState().listPath), interrup);

    // A rebuild keeps the open list's mark; closing the list clears every mark.
    w.buildListMenu();
    QCOMPARE(checkedItem(menu), menu.entries()[0]);
    w.updateCommands();
    w.action(Command::FileClose)->trigger();
    QCOMPARE(checkedItem(menu), nullptr);
  }

  void entryWhoseFileHasGoneIsCheckedAndReported() {
    QTemporaryDir folder;
    const QString ports = write(folder.path(), "PORTS.LST");
    TFormMain& w = start(folder.path());
    QFile::remove(ports);
    w.listMenu().entries()[0]->trigger();
    QVERIFY(w.listMenu().entries()[0]->isChecked());
    QCOMPARE(fixture_->messages.entries.size(), size_t(1));
    QVERIFY(!w.browseState().session.isOpen());
  }

  void toolBarButtonClearsTheHintAndOpensTheDialog() {
    QTemporaryDir folder;
    TFormMain& w = start(folder.path());
    w.statusPanels()->setPanelText(StatusBarPanels::kHintPanel, "Open a list");
    w.actions().openListMenu->trigger();
    QCOMPARE(dialogs_.openFolders.size(), 1);
    QVERIFY(w.statusPanels()->panelText(StatusBarPanels::kHintPanel).isEmpty());
  }

  void toolBarArrowShowsTheListEntriesThemselves() {
    QTemporaryDir folder;
    write(folder.path(), "PORTS.LST");
    TFormMain& w = start(folder.path());
    auto* button = w.findChild<QToolButton*>("OpenListButton");
    QVERIFY(button);
    QString shownName;
    QStringList shownCaptions;
    QTimer::singleShot(0, [&] {
      if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        shownName = shown->objectName();
        for (QAction* a : shown->actions()) shownCaptions.append(a->text());
        shown->close();
      }
    });
    button->showMenu();
    QCOMPARE(shownName, QString("ListMenu"));
    QVERIFY(shownCaptions.contains("Ports.lst"));
    // The button's face still acts as "&Other...".
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    QCOMPARE(dialogs_.openFolders.size(), 1);
  }

  void updateTopicTitlesRescansAndRewritesTheIndex() {
    struct Case {
      IndexPolicy policy;
      bool indexRewritten;
    };
    // Use and update; use but never write; never use.
    for (const Case c :
         {Case{{false, false}, true}, Case{{true, false}, false}, Case{{false, true}, false}}) {
      QTemporaryDir folder;
      const QString list = write(folder.path(), "SAMPLE.LST");
      TFormMain& w = start(folder.path());
      // Written under the first policy by the first opening.
      w.listController().openList(list.toStdString());
      const std::string index = w.browseState().session.indexPath();
      QVERIFY(std::filesystem::exists(index));
      // An index that is current but holds another title: the next opening reads it.
      QFile file(QString::fromStdString(index));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QByteArray bytes = file.readAll();
      file.close();
      QVERIFY(bytes.contains("Title D0"));
      bytes.replace("Title D0", "Stale D0");
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(bytes);
      file.close();
      std::filesystem::last_write_time(index, std::filesystem::last_write_time(list.toStdString()));
      w.browseState().options.policy = c.policy;
      w.listController().openList(list.toStdString());
      if (c.policy.readsIndex()) {
        QCOMPARE(w.browseState().session.source(), TopicSource::Index);
        QCOMPARE(w.browseState().topics().title(1), std::string_view("Stale D0"));
      }

      w.updateCommands();
      w.action(Command::OptionsUpdateTopicTitles)->trigger();
      QCOMPARE(w.browseState().session.source(), TopicSource::Scan);
      QCOMPARE(w.browseState().topics().title(1), std::string_view("Title D0"));
      QVERIFY(w.listMenu().entries()[0]->isChecked());
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll().contains("Title D0"), c.indexRewritten);
      file.close();
      fixture_.reset();
    }
  }
};

QTEST_MAIN(OpenListMenuTest)
#include "open_list_menu_test.moc"
