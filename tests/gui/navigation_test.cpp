// SPDX-License-Identifier: MIT
// Back and Forward over every way a topic comes on view, across lists, after lists changed or
// went, in a category and after Close List; and, with FollowAllReferences on, table references
// and references into another list.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "core/list/list_kind.h"
#include "core/support/list_builder.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/navigation_controller.h"
#include "gui/browse/reference_controller.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/find_controller.h"
#include "gui/search/find_dialog.h"
#include "gui/support/list_files.h"
#include "gui/support/window_test.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::ListBuilder;

namespace {

// Topic 1 holds a table far down its text; topic 2 is INT 21/AH=4Ch.
std::string InterruptList() {
  ListBuilder list;
  list.line("Preface")
      .topic('D', "2126", "INT 21 - DOS 1+ - CREATE NEW PROGRAM SEGMENT PREFIX")
      .line("\tDX = segment at which to create PSP (see #01378)")
      .line("SeeAlso: AH=4Ch,PORT 0060h,PORT 0099h,MEM 0040h:0017h");
  for (int i = 0; i < 120; ++i) list.line("\tfiller line " + std::to_string(i));
  list.line("Format of Program Segment Prefix (PSP):")
      .line("Offset\tSize\tDescription\t(Table 01378)")
      .line(" 00h  2 BYTEs\tINT 20 instruction")
      .topic('D', "214C", "INT 21 - DOS 2+ - EXIT - TERMINATE WITH RETURN CODE")
      .topic('V', "10", "INT 10 - VIDEO")
      .topic('V', "1000", "INT 10 - VIDEO - SET VIDEO MODE");
  return list.str();
}

std::string PortsList() {
  return ListBuilder()
      .line("Preface")
      .topic('P', "P0040", "PORT 0040 - TIMER")
      .topic('K', "P0060", "PORT 0060 - KEYBOARD DATA", "SeeAlso: INT 21/AH=4Ch")
      .str();
}

}  // namespace

class NavigationTest : public test::WindowTest {
  Q_OBJECT

 private:
  void open(const char* name) {
    openList(name);
    settle();
  }
  // Control back in the event loop: a list's first topic settles in the history.
  void settle() { QTest::qWait(1); }
  void back() { run(Command::ViewBack); }
  void forward() { run(Command::ViewForward); }
  // Tables and other lists' references stand in submenus of their own.
  void chooseSeeAlso(const QString& caption) {
    QList<QAction*> actions = window().topicLoader().seeAlsoMenu()->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      if (QMenu* submenu = actions[i]->menu()) actions += submenu->actions();
      if (actions[i]->text() == caption) return actions[i]->trigger();
    }
    QFAIL(qPrintable("no See-also entry " + caption));
  }
  std::string shown() {
    return std::string(FileNameOf(state().listPath)) + ":" + std::to_string(state().currentTopic);
  }

 private slots:
  void init() {
    QVERIFY(startShownViewer());
    QVERIFY(writeList("INTERRUP.LST", InterruptList()));
    QVERIFY(writeList("ports.lst", PortsList()));  // names are matched in any case
  }
  void cleanup() { stopViewer(); }

  void backAndForwardOverGridFindLinksAndPreviousNext() {
    QVERIFY(window().action(Command::ViewBack)->isVisible());
    QVERIFY(!enabled(Command::ViewBack));
    open("INTERRUP.LST");
    load(1);
    chooseSeeAlso("AH=4Ch");  // a link
    QCOMPARE(state().currentTopic, 2);
    run(Command::ViewNext);
    QCOMPARE(state().currentTopic, 3);
    window().findController().locateTopic("1000", "");  // as Find locates
    QCOMPARE(state().currentTopic, 4);
    QCOMPARE(shown(), std::string("INTERRUP.LST:4"));

    for (TopicNumber expected : {3, 2, 1, 0}) {
      QVERIFY(enabled(Command::ViewBack));
      back();
      QCOMPARE(state().currentTopic, expected);
    }
    QVERIFY(!enabled(Command::ViewBack));
    forward();
    forward();
    QCOMPARE(state().currentTopic, 2);
    // A new visit clears Forward.
    load(4);
    QVERIFY(!enabled(Command::ViewForward));
    back();
    QCOMPARE(state().currentTopic, 2);

    // Arrow steps in the grid keep one entry: Back goes to where the run began.
    window().grid()->setFocus();
    QTest::keyClick(window().grid(), Qt::Key_Down);
    QTest::keyClick(window().grid(), Qt::Key_Down);
    QCOMPARE(state().currentTopic, 4);
    back();
    QCOMPARE(state().currentTopic, 2);
    // Backspace and Alt+Right are keys of the two commands.
    window().updateCommands();
    QTest::keyClick(window().grid(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(state().currentTopic, 4);
    window().updateCommands();
    QTest::keyClick(window().grid(), Qt::Key_Backspace);
    QCOMPARE(state().currentTopic, 2);
  }

  // The lists changed before Back and Forward: an entry's topic is found again by identifier and
  // title; topics that are gone are named once and skipped; a list that cannot be opened says so
  // once and takes all its entries with it.
  void entriesOfChangedAndVanishedLists() {
    open("INTERRUP.LST");
    load(1);  // 2126
    load(2);  // 214C
    load(3);  // 10
    open("ports.lst");
    load(1);
    load(2);
    // One topic more before 2126; 214C and 10 removed.
    std::string edited = InterruptList();
    const std::size_t from = edited.find(test::Separator('D', "214C"));
    edited.erase(from, edited.find(test::Separator('V', "1000")) - from);
    edited.insert(edited.find(test::Separator('D', "2126")),
                  test::Separator('D', "2125C3") + test::Line("INT 21 - DOS 1+ - SET PSP"));
    QVERIFY(writeList("INTERRUP.LST", edited));
    back();
    back();
    QCOMPARE(shown(), std::string("ports.lst:0"));
    messages().clear();
    back();
    QCOMPARE(shown(), std::string("INTERRUP.LST:2"));
    QVERIFY(state().topics().identifier(2) == "2126");
    QCOMPARE(messages().size(), std::size_t(1));
    QCOMPARE(messages()[0].text,
             std::string("Topic 10 is no longer in INTERRUP.LST; Back and Forward skip it"));

    QVERIFY(QFile::rename(listPath("ports.lst"), listPath("ports.old")));
    messages().clear();
    forward();
    QCOMPARE(messages().size(), std::size_t(1));
    QCOMPARE(shown(), std::string("INTERRUP.LST:2"));
    QVERIFY(!enabled(Command::ViewForward));
    for (const HistoryEntry& entry : window().navigation().history().entries())
      QVERIFY(entry.listPath.ends_with("INTERRUP.LST"));
  }

  // Back keeps the category shown when it holds the topic; right after Close List it shows
  // the topic that was on view before going further.
  void backKeepsTheCategoryAndReturnsToTheClosedListsTopic() {
    open("INTERRUP.LST");
    CategoryComboBox* combo = window().categoryCombo();
    int video = -1;
    for (int i = 0; i < combo->count(); ++i)
      if (combo->entryBytes(i).starts_with('V')) video = i;
    QVERIFY(video > 0);
    combo->setCurrentIndex(video);
    load(3);
    load(4);
    back();
    QCOMPARE(state().currentTopic, 3);
    QCOMPARE(combo->currentIndex(), video);

    forward();
    window().listController().closeList();
    QVERIFY(enabled(Command::ViewBack));
    back();
    QCOMPARE(shown(), std::string("INTERRUP.LST:4"));
    back();
    QCOMPARE(shown(), std::string("INTERRUP.LST:3"));
  }

  void tableReferencesAndAnotherListWithTheSettingOn() {
    state().options.followAllReferences = true;
    open("INTERRUP.LST");
    load(1);
    TopicTextView* view = window().currentTopic();
    QCOMPARE(view->linkAt(QPoint(-1, -1)), std::string());
    // The table is defined in the topic on view: its line comes to the top, selected.
    window().referenceController().resolveReference("#01378");
    QCOMPARE(state().currentTopic, 1);
    QCOMPARE(view->textCursor().selectedText(),
             QString("Offset\tSize\tDescription\t(Table 01378)"));
    const int scroll = view->scrollPosition();
    QVERIFY(scroll > 0);

    chooseSeeAlso("PORT 0060h");
    QCOMPARE(test::ComparablePath(shown()), test::ComparablePath(std::string("ports.lst:2")));
    QVERIFY(messages().empty());
    back();
    QCOMPARE(shown(), std::string("INTERRUP.LST:1"));
    QCOMPARE(view->scrollPosition(), scroll);
    forward();
    QCOMPARE(test::ComparablePath(shown()), test::ComparablePath(std::string("ports.lst:2")));
    back();

    // Nothing there, or no such list beside this one: the message names the list, and nothing
    // on view changes.
    chooseSeeAlso("PORT 0099h");
    chooseSeeAlso("MEM 0040h:0017h");
    QCOMPARE(shown(), std::string("INTERRUP.LST:1"));
    QCOMPARE(messages().size(), std::size_t{2});
    QCOMPARE(messages()[0].text,
             std::string("Unable to locate topic in current list (searched PORTS.LST)"));
    QCOMPARE(messages()[1].text,
             std::string("Unable to locate topic in current list (MEMORY.LST not found)"));

    // A list that has gone since: Forward says so as opening it would, and skips it.
    QVERIFY(QFile::remove(listPath("ports.lst")));
    forward();
    QCOMPARE(shown(), std::string("INTERRUP.LST:1"));
    QCOMPARE(messages().size(), std::size_t{3});
    QVERIFY(messages()[2].text.find("Unable to find") == 0);
    QVERIFY(!enabled(Command::ViewForward));
  }

  void withTheSettingOffTableReferencesStayText() {
    open("INTERRUP.LST");
    load(1);
    QCOMPARE(window().topicLoader().seeAlsoMenu()->actions().size(), 1);  // AH=4Ch only
    window().referenceController().resolveReference("PORT 0060h");
    QCOMPARE(shown(), std::string("INTERRUP.LST:1"));
    QCOMPARE(messages().back().text, std::string("Topic is not located in current list"));
  }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
