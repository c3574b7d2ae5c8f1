// SPDX-License-Identifier: MIT
// Find and Search Again in the window: the dialog's Find and Cancel, the history, the three
// scopes, the not-found message and where the next search starts.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "core/support/list_builder.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/find_controller.h"
#include "gui/search/find_dialog.h"
#include "gui/support/window_test.h"
#include "gui/window/message_box_service.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::ListBuilder;

namespace {

// Topic 0 is the preface; 1 to 4 in categories D, V, D, V.
std::string SampleList() {
  return ListBuilder()
      .line("Preface")
      .topic('D', "21", "INT 21 - DOS KERNEL", "one line, a line and a_line")
      .topic('V', "10", "INT 10 - VIDEO BIOS caf\x82", "video line")
      .topic('D', "2101", "INT 21/AH=01h - DOSKEY - DOS MODE", "last line")
      .topic('V', "1000", "INT 10/AH=00h - SET VIDEO MODE", "mode line")
      .str();
}

struct DialogInput {
  QString text;
  int scope = 0;
  bool caseSensitive = false;
  bool wholeWords = false;
  bool cancel = false;
};

}  // namespace

class FindTest : public test::WindowTest {
  Q_OBJECT

 private:
  int dialogShown_ = 0;
  DialogInput input_;

  FindController& find() { return window().findController(); }
  TFormFind& dialog() { return *find().dialog(); }

  // Find from the dialog with the given values.
  void findWith(const DialogInput& input) {
    input_ = input;
    trigger(Command::SearchFind);
  }
  void searchAgain() { trigger(Command::SearchSearchAgain); }
  std::string lastMessage() { return messages().empty() ? std::string() : messages().back().text; }
  QStringList history() {
    QStringList items;
    for (int i = 0; i < dialog().textEdit()->count(); ++i)
      items << dialog().textEdit()->itemText(i);
    return items;
  }

 private slots:
  void init() {
    QVERIFY(startShownViewer());
    QVERIFY(writeList("INTERRUP.LST", SampleList()));
    openList("INTERRUP.LST");
    dialogShown_ = 0;
    // The dialog is answered here instead of being run modally.
    find().setDialogRunner([this](TFormFind& d) {
      ++dialogShown_;
      d.setResult(QDialog::Rejected);
      d.textEdit()->setEditText(input_.text);
      d.scopeButton(input_.scope)->setChecked(true);
      d.matchCase()->setChecked(input_.caseSensitive);
      d.wholeWords()->setChecked(input_.wholeWords);
      if (input_.cancel)
        d.reject();
      else
        d.findClicked();
      return d.result() == QDialog::Accepted;
    });
  }
  void cleanup() { stopViewer(); }

  void dialogHasItsControls() {
    QCOMPARE(dialog().windowTitle(), QString("Find"));
    QVERIFY(dialog().windowFlags() & Qt::WindowStaysOnTopHint);
    for (const char* name : {"FindTextEdit", "FindMatchCase", "FindWholeWords", "SearchInRadio",
                             "FindButton", "CloseButton"})
      QVERIFY2(dialog().findChild<QWidget*>(name), name);
    QCOMPARE(dialog().findChild<QPushButton*>("CloseButton")->text(), QString("Cancel"));
    QVERIFY(dialog().findChild<QPushButton*>("FindButton")->isDefault());
    // No scope until the first showing, which picks the first.
    QVERIFY(!dialog().scopeButton(0)->isChecked());
    dialog().prepareShow();
    QVERIFY(dialog().scopeButton(0)->isChecked());
  }

  void emptyTextDoesNothingAndKeepsTheDialog() {
    dialog().prepareShow();
    dialog().setResult(QDialog::Rejected);
    dialog().findClicked();
    QCOMPARE(dialog().result(), int(QDialog::Rejected));
    QVERIFY(find().findState().history().entries().empty());
    QVERIFY(messages().empty());
  }

  void enterInTheTextBoxPressesFind() {
    dialog().prepareShow();
    dialog().show();
    QTest::keyClicks(dialog().textEdit()->lineEdit(), "VIDEO");
    QTest::keyClick(dialog().textEdit()->lineEdit(), Qt::Key_Return);
    QCOMPARE(dialog().result(), int(QDialog::Accepted));
    QVERIFY(!dialog().isVisible());
    QCOMPARE(history(), QStringList({"VIDEO"}));
  }

  void typedTextIsSearchedAsTyped() {
    // A text typed in the box is not completed from the history.
    findWith({"VIDEO MODE", 0});
    dialog().prepareShow();
    dialog().show();
    QTest::keyClicks(dialog().textEdit()->lineEdit(), "video");
    QTest::keyClick(dialog().textEdit()->lineEdit(), Qt::Key_Return);
    QCOMPARE(dialog().result(), int(QDialog::Accepted));
    QCOMPARE(history(), QStringList({"video", "VIDEO MODE"}));
  }

  void searchAgainWithoutTextShowsTheDialog() {
    input_ = {"", 0, false, false, true};
    searchAgain();
    QCOMPARE(dialogShown_, 1);
    QVERIFY(messages().empty());
  }

  void titleSearchSelectsAndShowsTheTopic() {
    findWith({"int 10", 0});
    QCOMPARE(state().currentTopic, 2);
    QCOMPARE(window().grid()->currentRow(), 2);
    QCOMPARE(find().findState().startPosition(), 3);
    searchAgain();
    QCOMPARE(state().currentTopic, 4);
    QVERIFY(window().isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(window().statusPanels()->panelText(StatusBarPanels::kHintPanel), QString(" "));
  }

  void theKeyboardFocusSurvivesTheBusyWindow() {
    // The busy window drops the focus; a title hit gives it to the grid, so that the next Down
    // moves the row and not the category selector.
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QWidget* grid = window().grid();
    window().currentTopic()->setFocus();
    findWith({"INT", 0});
    QCOMPARE(QApplication::focusWidget(), grid);
    searchAgain();
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(state().currentTopic, 2);
    findWith({"INT 21/AH", 1});
    QCOMPARE(QApplication::focusWidget(), grid);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(state().currentTopic, 4);
    QCOMPARE(window().categoryCombo()->currentIndex(), 0);
    // A locate that changes nothing of the focus leaves it where it was: in the zoomed topic.
    trigger(Command::OptionsZoomTopic);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().currentTopic()));
    QVERIFY(find().locateTopic("10", ""));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window().currentTopic()));
  }

  void caseAndWholeWordOptions() {
    findWith({"int 10", 0, true});
    QCOMPARE(lastMessage(), std::string("Search string 'int 10' not found"));
    QCOMPARE(messages().back().kind, std::string("information"));
    // Only the first occurrence counts: 'DOS' inside 'DOSKEY' skips topic 3.
    findWith({"DOS", 0, false, true});
    QCOMPARE(state().currentTopic, 1);
    searchAgain();
    QCOMPARE(lastMessage(), std::string("Search string 'DOS' not found"));
    QCOMPARE(state().currentTopic, 1);
  }

  void searchAgainAfterNotFoundStartsOver() {
    findWith({"VIDEO", 0});
    QCOMPARE(state().currentTopic, 2);
    searchAgain();
    QCOMPARE(state().currentTopic, 4);
    searchAgain();
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(find().findState().startPosition(), 0);
    searchAgain();
    QCOMPARE(state().currentTopic, 2);
  }

  void textOutsideTheCodePageMatchesNothing() {
    findWith({QString::fromUtf8("\u65e5\u672c"), 1});
    QCOMPARE(lastMessage(), std::string("Search string '\xe6\x97\xa5\xe6\x9c\xac' not found"));
    // A character of the code page is found by its byte.
    findWith({QString::fromUtf8("caf\u00e9"), 1});
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(state().currentTopic, 2);
  }

  void allCategoriesScopeSwitchesTheSelector() {
    CategoryComboBox* combo = window().categoryCombo();
    for (int i = 0; i < combo->count(); ++i)
      if (combo->entryBytes(i)[0] == 'V') combo->setCurrentIndex(i);
    QCOMPARE(state().view.count(), 2);
    findWith({"KERNEL", 0});
    QCOMPARE(lastMessage(), std::string("Search string 'KERNEL' not found"));
    findWith({"KERNEL", 1});
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(state().view.showsAll());
    QCOMPARE(state().currentTopic, 1);
    QCOMPARE(window().grid()->currentRow(), 1);
    QCOMPARE(find().findState().startPosition(), 2);
  }

  void currentTopicScopeSelectsTheHit() {
    window().gridController().loadTopic(1);
    findWith({"line", 2, false, true});
    TopicTextView* view = window().currentTopic();
    // "INT 21 - DOS KERNEL\none line, ...": the first whole word 'line' at 24.
    QCOMPARE(view->textCursor().selectionStart(), 24);
    QCOMPARE(view->textCursor().selectionEnd(), 28);
    QCOMPARE(find().findState().startPosition(), 25);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view));
    searchAgain();
    QCOMPARE(view->textCursor().selectionStart(), 32);
    searchAgain();  // 'a_line': the underscore separates words
    QCOMPARE(view->textCursor().selectionStart(), 43);
    searchAgain();
    QCOMPARE(lastMessage(), std::string("Search string 'line' not found"));
    QCOMPARE(view->textCursor().selectionStart(), 0);
    QCOMPARE(view->textCursor().selectionEnd(), 0);
  }

  void currentTopicScopeRestartsInEachShownTopic() {
    window().gridController().loadTopic(1);
    findWith({"line", 2});
    searchAgain();
    QVERIFY(find().findState().startPosition() > 30);
    window().gridController().loadTopic(3);
    QCOMPARE(find().findState().startPosition(), 0);
    searchAgain();
    TopicTextView* view = window().currentTopic();
    QCOMPARE(view->textCursor().selectedText(), QString("line"));
    QCOMPARE(view->textCursor().selectionStart(), 39);
  }

  void historyKeepsNineteenMostRecentFirst() {
    findWith({"VIDEO", 0});
    findWith({"VIDEO", 0});
    QCOMPARE(history(), QStringList({"VIDEO"}));
    findWith({"MODE", 0});
    findWith({"VIDEO", 0});
    QCOMPARE(history(), QStringList({"VIDEO", "MODE", "VIDEO"}));
    for (int i = 0; i < 20; ++i) findWith({QString("t%1").arg(i), 0});
    QCOMPARE(history().size(), 19);
    QCOMPARE(history().first(), QString("t19"));
    QCOMPARE(history().last(), QString("t1"));
  }

  void cancelPutsTheValuesBack() {
    findWith({"VIDEO", 1, true, false});
    input_ = {"changed", 2, false, true, true};
    trigger(Command::SearchFind);
    const FindValues& v = find().findState().values();
    QCOMPARE(v.text, std::string("VIDEO"));
    QCOMPARE(v.scope, FindScope::AllTitles);
    QVERIFY(v.caseSensitive);
    QVERIFY(!v.wholeWords);
    QCOMPARE(dialog().textEdit()->currentText(), QString("VIDEO"));
    QVERIFY(dialog().scopeButton(1)->isChecked());
  }

  void closingTheListResetsTheStart() {
    findWith({"VIDEO", 0});
    QVERIFY(find().findState().startPosition() > 0);
    window().listController().closeList();
    QCOMPARE(find().findState().startPosition(), 0);
    window().updateCommands();
    QVERIFY(!window().action(Command::SearchFind)->isEnabled());
    QVERIFY(!window().action(Command::SearchSearchAgain)->isEnabled());
  }

  void locateTopicNeverSelectsTopicZero() {
    QVERIFY(find().locateTopic("21", ""));
    QCOMPARE(state().currentTopic, 1);
    QVERIFY(find().locateTopic("", "set video"));
    QCOMPARE(state().currentTopic, 4);
    QVERIFY(!find().locateTopic("", ""));
    QVERIFY(find().findState().notFound());
    QCOMPARE(state().currentTopic, 4);
    QVERIFY(messages().empty());
  }

  void notFoundMessageShowsTheTextAsTyped() {
    // The message box of the running viewer, not the recording one: a search text that looks
    // like markup must be shown as typed.
    const std::string text = SearchNotFoundMessage("<b>INT</b>");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shown = box->text();
      format = box->textFormat();
      box->accept();
    });
    MessageBoxService(&window()).information(text);
    QCOMPARE(shown, QString::fromStdString(text));
    QCOMPARE(format, Qt::PlainText);
  }
};

QTEST_MAIN(FindTest)
#include "find_test.moc"
