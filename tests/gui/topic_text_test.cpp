// SPDX-License-Identifier: MIT
// The topic view with its formatting, the See-also menu and button, links and cross-references,
// and the loading rules (hourglass, failed read).

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include "core/support/list_builder.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/reference_controller.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/settings/config_dialog.h"
#include "gui/support/list_files.h"
#include "gui/support/window_test.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::ListBuilder;

namespace {

constexpr const char* kSeeAlso = "SeeAlso: #0123,INT 2F/AX=1607h,AH=4Ch,INT 99,BOGUS";

// Topic 0 is the list-info preface; 1 to 4 are INT 21, INT 21/AH=4Ch, INT 2F/AX=1607h, INT 10.
std::string InterruptList() {
  return ListBuilder()
      .line("Preface: the list's own words")
      .topic('D', "21", "INT 21 - DOS 2+ - FUNCTION CALLS")
      .line("Return: CF clear")
      .line("AH = 4Ch: terminate")
      .line("!Note: not a label")
      .line(kSeeAlso)
      .topic('D', "214C", "INT 21/AH=4Ch - TERMINATE WITH RETURN CODE", "Desc: ends the program")
      .topic('W', "2F1607", "INT 2F/AX=1607h - WINDOWS DEVICE CALLOUT", "SeeAlso: INT 21/AH=4Ch")
      .topic('V', "10", "INT 10 - VIDEO", "Desc: video services")
      .str();
}

}  // namespace

class TopicTextTest : public test::WindowTest {
  Q_OBJECT

 private:
  TopicTextView* view() { return window().currentTopic(); }
  QAbstractButton* seeAlsoButton() {
    return window().findChild<QAbstractButton*>("SpeedButtonSeeAlsoMenu");
  }
  QMenu* seeAlsoMenu() { return window().findChild<QMenu*>("PopupMenuSeeAlso"); }

  void open(const QString& name, const std::string& bytes) {
    QVERIFY(writeList(name, bytes));
    openList(name);
  }
  // The character format of the character at position p of the view.
  QTextCharFormat formatAt(int p) {
    QTextCursor cursor(view()->document());
    cursor.setPosition(p + 1);
    return cursor.charFormat();
  }
  int positionOf(const char* text) { return static_cast<int>(view()->topicText().find(text)); }
  QColor highlight() { return view()->palette().color(QPalette::Active, QPalette::Highlight); }
  QStringList menuCaptions() {
    QStringList captions;
    for (QAction* a : seeAlsoMenu()->actions()) captions << a->text();
    return captions;
  }
  QPoint pointOf(int position) {
    QTextCursor cursor(view()->document());
    cursor.setPosition(position + 1);
    return view()->cursorRect(cursor).center();
  }
  void triggerSeeAlso(const QString& caption) {
    for (QAction* a : seeAlsoMenu()->actions())
      if (a->text() == caption) return a->trigger();
    QFAIL("no such See-also entry");
  }

 private slots:
  void init() { QVERIFY(startShownViewer()); }
  void cleanup() { stopViewer(); }

  void formattingMarksTitleLabelsAndSeeAlsoItems() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    // The topic's last line end is part of its text.
    QCOMPARE(view()->toPlainText().split('\n').size(), 6);
    const QTextCharFormat title = formatAt(3);
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.foreground().color(), highlight());
    const int ret = positionOf("Return");
    QVERIFY(formatAt(ret).fontUnderline());
    QCOMPARE(formatAt(ret).foreground().color(), highlight());
    QVERIFY(!formatAt(ret + 6).fontUnderline());  // the colon is not part of the label
    QVERIFY(!formatAt(positionOf("AH = 4Ch")).fontUnderline());
    QVERIFY(!formatAt(positionOf("Note")).fontUnderline());
    QVERIFY(formatAt(positionOf("SeeAlso")).fontUnderline());

    const QTextCharFormat link = formatAt(positionOf("INT 2F"));
    QVERIFY(link.isAnchor());
    QCOMPARE(link.foreground().color(), QColor(0, 128, 0));
    QVERIFY(!link.fontUnderline());
    const QTextCharFormat other = formatAt(positionOf("#0123"));
    QVERIFY(!other.isAnchor());
    QCOMPARE(other.foreground().color(), QColor(0, 128, 128));
    QCOMPARE(formatAt(positionOf("CF clear")).fontWeight(), int(QFont::Normal));

    QCOMPARE(menuCaptions(), QStringList({"INT 2F/AX=1607h", "AH=4Ch", "INT 99", "BOGUS"}));
    QVERIFY(seeAlsoButton()->isEnabled());
    QCOMPARE(window().findChild<QLabel*>("LabelCurrentTopicID")->text(), QString("21"));
    QCOMPARE(window().statusPanels()->panelText(2), QString("Cur: 2"));
    QCOMPARE(window().statusPanels()->panelText(StatusBarPanels::kHintPanel), QString(" "));
  }

  void listInfoTopicIsShownUnformatted() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    load(0);
    QCOMPARE(view()->toPlainText(), QString("Preface: the list's own words\n"));
    QCOMPARE(formatAt(0).fontWeight(), int(QFont::Normal));
    QVERIFY(!formatAt(0).fontUnderline());
    QVERIFY(seeAlsoMenu()->isEmpty());
    QVERIFY(!seeAlsoButton()->isEnabled());
  }

  void settingsSwitchFormattingAndLinksOff() {
    ConfigRecord config = window().config();
    config.TopicFormatting = false;
    window().applyConfig(config);
    open("INTERRUP.LST", InterruptList());
    load(1);
    QCOMPARE(formatAt(3).fontWeight(), int(QFont::Normal));
    QVERIFY(!formatAt(positionOf("Return")).fontUnderline());
    const QTextCharFormat link = formatAt(positionOf("INT 2F"));
    QVERIFY(link.isAnchor());
    QVERIFY(!link.hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(seeAlsoMenu()->actions().size(), 4);

    config.EnabledSeeAlsoMenu = false;
    window().applyConfig(config);
    load(1);
    QVERIFY(!formatAt(positionOf("INT 2F")).isAnchor());
    QVERIFY(seeAlsoMenu()->isEmpty());
    QVERIFY(!seeAlsoButton()->isEnabled());
  }

  void configurationDialogReloadsTheTopicWithoutFormatting() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    TFormConfig& dialog = *window().configDialog();
    dialog.prepareShowing();
    dialog.findChild<QCheckBox*>("Config_TopicFormatting")->setChecked(false);
    dialog.applyDialogControls();
    QCOMPARE(state().currentTopic, 1);
    QCOMPARE(formatAt(3).fontWeight(), int(QFont::Normal));
    QVERIFY(formatAt(positionOf("INT 2F")).isAnchor());
    QVERIFY(!window().currentConfig().TopicFormatting);
  }

  void viewTextIsCodePage437WithTabStops() {
    open("INTERRUP.LST",
         ListBuilder().line("x").topic('D', "21", "INT 21 - \x82t\xE1", "a\tb\xB3").str());
    load(1);
    QCOMPARE(view()->toPlainText(), QString::fromUtf8("INT 21 - \u00e9t\u00df\na\tb\u2502\n"));
    QCOMPARE(view()->topicText(), std::string("INT 21 - \x82t\xE1\na\tb\xB3\n"));
    QCOMPARE(view()->tabStopDistance(), QFontMetricsF(view()->font()).averageCharWidth() * 8);
    QCOMPARE(view()->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(view()->isReadOnly());
    // A larger topic font widens the tab stops of the topic on view and of the next one.
    const qreal before = view()->tabStopDistance();
    ConfigRecord config = window().config();
    config.topicFontSize = 20;
    window().applyConfig(config);
    QVERIFY(view()->tabStopDistance() > before);
    load(1);
    QCOMPARE(view()->tabStopDistance(), QFontMetricsF(view()->font()).averageCharWidth() * 8);
  }

  void contextMenuHoldsTheTopicCommands() {
    QMenu* menu = window().findChild<QMenu*>("PopupMenuCurrentTopic");
    QVERIFY(menu);
    QStringList names;
    for (QAction* a : menu->actions()) names << (a->isSeparator() ? "-" : a->objectName());
    QCOMPARE(names,
             QStringList({"EditCopyCmd", "EditSelectAllCmd", "-", "FileSaveCmd", "FilePrintCmd"}));
  }

  void linkClickLocatesTheTopic() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    const QPoint at = pointOf(positionOf("INT 2F"));
    QCOMPARE(view()->linkAt(at), std::string("INT 2F/AX=1607h"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(state().currentTopic, 3);
    QCOMPARE(window().grid()->currentRow(), 3);
    QVERIFY(messages().empty());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().grid()));

    // The right button follows a link too.
    load(3);
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, pointOf(positionOf("INT 21/")));
    QCOMPARE(state().currentTopic, 2);
  }

  void pressAndReleaseMustBeOnTheSameLink() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, pointOf(positionOf("INT 2F")));
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, pointOf(positionOf("INT 99")));
    QCOMPARE(state().currentTopic, 1);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, pointOf(positionOf("#0123")));
    QCOMPARE(state().currentTopic, 1);
    QVERIFY(messages().empty());
  }

  void relativeReferenceTakesTheInterruptOnView() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    triggerSeeAlso("AH=4Ch");
    QCOMPARE(state().currentTopic, 2);
    QCOMPARE(window().findChild<QLabel*>("LabelCurrentTopicID")->text(), QString("214C"));
  }

  void unresolvedReferencesSayWhy() {
    open("INTERRUP.LST", InterruptList());
    window().grid()->setCurrentRow(1);
    load(1);
    triggerSeeAlso("INT 99");
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(messages()[0].kind, std::string("information"));
    QCOMPARE(messages()[0].text, std::string("Unable to locate topic in current list"));
    QCOMPARE(state().currentTopic, 1);
    triggerSeeAlso("BOGUS");
    QCOMPARE(messages().size(), size_t(2));
    QCOMPARE(messages()[1].text, std::string("Topic is not located in current list"));
    QCOMPARE(state().currentTopic, 1);
    QCOMPARE(window().grid()->currentRow(), 1);
  }

  void locatingSwitchesToAllCategories() {
    open("INTERRUP.LST", InterruptList());
    CategoryComboBox* combo = window().categoryCombo();
    for (int i = 0; i < combo->count(); ++i)
      if (combo->entryBytes(i)[0] == 'W') combo->setCurrentIndex(i);
    QCOMPARE(state().view.categoryChar, static_cast<unsigned char>('W'));
    QCOMPARE(state().currentTopic, 3);
    triggerSeeAlso("INT 21/AH=4Ch");
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(state().view.showsAll());
    QCOMPARE(state().currentTopic, 2);
    QCOMPARE(window().grid()->currentRow(), 2);
  }

  void seeAlsoButtonFollowsTheListKind() {
    open("TABLES.LST",
         ListBuilder().line("x").topic('T', "01", "Table 01", "SeeAlso: Table 02,Table 03").str());
    load(1);
    QCOMPARE(menuCaptions(), QStringList({"Table 02", "Table 03"}));
    QVERIFY(!seeAlsoButton()->isEnabled());
    QVERIFY(!formatAt(positionOf("SeeAlso")).fontUnderline());
    // Ctrl + Menu key opens the menu although the button is disabled.
    QTest::keyClick(window().grid(), Qt::Key_Menu, Qt::ControlModifier);
    QVERIFY(seeAlsoMenu()->isVisible());
    seeAlsoMenu()->hide();
    // Entries of a list without references do nothing and say nothing.
    triggerSeeAlso("Table 02");
    QCOMPARE(state().currentTopic, 1);
    QVERIFY(messages().empty());
  }

  void ctrlMenuKeyWithAnEmptyMenuShowsNothing() {
    open("INTERRUP.LST", InterruptList());
    load(0);
    QTest::keyClick(window().grid(), Qt::Key_Menu, Qt::ControlModifier);
    QVERIFY(!seeAlsoMenu()->isVisible());
    load(1);
    seeAlsoButton()->click();
    QVERIFY(seeAlsoMenu()->isVisible());
    seeAlsoMenu()->hide();
    // From the keyboard the first entry is highlighted: one Return chooses it.
    QTest::keyClick(window().grid(), Qt::Key_Menu, Qt::ControlModifier);
    QVERIFY(seeAlsoMenu()->isVisible());
    QCOMPARE(seeAlsoMenu()->activeAction(), seeAlsoMenu()->actions().value(0));
    QSignalSpy chosen(seeAlsoMenu()->actions().value(0), &QAction::triggered);
    QTest::keyClick(seeAlsoMenu(), Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
  }

  void ctrlMenuKeyOpensOnlyTheSeeAlsoMenu() {
    // X11 sends the Menu key also as a keyboard context-menu event, to the focused control or,
    // with no focus, to the window; with Ctrl only the See-also menu may open.
    open("INTERRUP.LST", InterruptList());
    load(1);
    for (QWidget* target : {static_cast<QWidget*>(window().grid()), static_cast<QWidget*>(view()),
                            static_cast<QWidget*>(&window())}) {
      QWidget* opened = nullptr;
      // A control's own menu may run modally; the timer notes and closes it.
      QTimer closer;
      connect(&closer, &QTimer::timeout, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
          opened = popup;
          popup->close();
        }
      });
      closer.start(20);
      QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                target->mapToGlobal(QPoint(4, 4)), Qt::ControlModifier);
      QApplication::sendEvent(target, &menuKey);
      closer.stop();
      if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = popup;
        popup->close();
      }
      QVERIFY2(!opened, qPrintable(target->objectName()));
      QTest::keyClick(target, Qt::Key_Menu, Qt::ControlModifier);
      QVERIFY(seeAlsoMenu()->isVisible());
      seeAlsoMenu()->hide();
    }
  }

  // Following every reference, each reference is listed once: the list's own first, tables and
  // other lists in a submenu each; a menu taller than the screen scrolls in one column.
  void seeAlsoMenuListsEachReferenceOnceInGroupsAndScrolls() {
    state().options.followAllReferences = true;
    std::string tables;
    for (int i = 1; i <= 300; ++i) tables += ",#0" + std::to_string(1000 + i);
    open("INTERRUP.LST", ListBuilder()
                             .topic('D', "21", "INT 21 - DOS",
                                    "SeeAlso: AH=4Ch,#01378,PORT 0060h,#01378,AH=4Ch,#01379,"
                                    "MEM 0040h:0017h,PORT 0060h,INT 10")
                             .topic('D', "2A", "INT 2A - MANY TABLES", "SeeAlso: INT 21" + tables)
                             .str());
    load(0);
    QCOMPARE(menuCaptions(), (QStringList{"AH=4Ch", "INT 10", "Tables", "Other lists"}));
    const auto captions = [this](const char* name) {
      QStringList out;
      for (QAction* a : window().findChild<QMenu*>(name)->actions()) out << a->text();
      return out;
    };
    QCOMPARE(captions("PopupMenuSeeAlsoTables"), (QStringList{"#01378", "#01379"}));
    QCOMPARE(captions("PopupMenuSeeAlsoOtherLists"),
             (QStringList{"PORT 0060h", "MEM 0040h:0017h"}));

    load(1);
    QCOMPARE(menuCaptions(), (QStringList{"INT 21", "Tables"}));
    QMenu* many = QMenu::menuInAction(seeAlsoMenu()->actions().last());
    QCOMPARE(many->actions().size(), 300);
    const QRect screen = many->screen()->availableGeometry();
    many->popup(screen.topLeft());
    QVERIFY(QTest::qWaitForWindowExposed(many));
    QVERIFY(many->geometry().height() <= screen.height());
    QVERIFY(many->geometry().width() < screen.width() / 2);
    QTest::keyClick(many, Qt::Key_End);
    QCOMPARE(many->activeAction(), many->actions().last());
    many->hide();
  }

  void closingTheListEmptiesTheSeeAlsoMenu() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    window().listController().closeList();
    QVERIFY(seeAlsoMenu()->isEmpty());
    QTest::keyClick(window().grid(), Qt::Key_Menu, Qt::ControlModifier);
    QVERIFY(!seeAlsoMenu()->isVisible());
  }

  void hourglassOnlyAbove5000Bytes() {
    // Topics 1 and 2 are 5000 and 5001 bytes long.
    auto build = [](int fill) {
      return ListBuilder()
          .line("x")
          .topic('D', "01", "Title A", std::string(static_cast<std::size_t>(fill), 'a'))
          .topic('D', "02", "Title B", std::string(static_cast<std::size_t>(fill + 1), 'b'))
          .str();
    };
    open("PROBE.LST", build(4900));
    const int fill = 4900 + 5000 - state().topics().record(1).length;
    open("SIZES.LST", build(fill));
    QCOMPARE(state().topics().record(1).length, 5000);
    QCOMPARE(state().topics().record(2).length, 5001);

    bool hourglass = false;
    QString hint;
    window().topicLoader().setTopicReader([&](TopicNumber n, std::string& out) {
      hourglass = QApplication::overrideCursor() != nullptr;
      hint = window().statusPanels()->panelText(StatusBarPanels::kHintPanel);
      return state().session.readTopic(n, out);
    });
    load(1);
    QVERIFY(!hourglass);
    QCOMPARE(hint, QString("Loading topic..."));
    load(2);
    QVERIFY(hourglass);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(window().isEnabled());

    // Each topic is shown from its start, wherever the last one was scrolled to.
    view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum());
    QVERIFY(view()->horizontalScrollBar()->value() > 0);
    load(1);
    QCOMPARE(view()->horizontalScrollBar()->value(), 0);
  }

  void failedReadChangesNothingOnView() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    window().topicLoader().setTopicReader(
        [](TopicNumber, std::string&) { return ReadTopicResult::Failed; });
    load(2);
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(messages()[0].kind, std::string("warning"));
    QCOMPARE(messages()[0].text, std::string("Unable to load topic from list !"));
    QCOMPARE(state().currentTopic, 1);
    QVERIFY(view()->toPlainText().startsWith("INT 21 - DOS"));
    QCOMPARE(seeAlsoMenu()->actions().size(), 4);
    QCOMPARE(window().statusPanels()->panelText(2), QString("Cur: 2"));
    QCOMPARE(window().statusPanels()->panelText(StatusBarPanels::kHintPanel), QString(" "));
  }

  void invalidTopicNumberChangesNothing() {
    open("INTERRUP.LST", InterruptList());
    load(1);
    load(-1);
    load(99);
    QCOMPARE(state().currentTopic, 1);
    QVERIFY(messages().empty());
  }

  void identifierIsShownAsText() {
    open("INTERRUP.LST", ListBuilder().topic('D', "<b>21</b>", "LOOKS LIKE MARKUP").str());
    load(1);
    auto* label = window().findChild<QLabel*>("LabelCurrentTopicID");
    QCOMPARE(label->text(), QString("<b>21</b>"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
  }
};

QTEST_MAIN(TopicTextTest)
#include "topic_text_test.moc"
