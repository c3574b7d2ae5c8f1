// SPDX-License-Identifier: MIT
// Search All Topics in the window on a copy of INTERRUP.LST: the panel finds, shows, opens,
// highlights and steps through hits with F3 and Shift+F3; Esc, a new search and closing the list
// stop a running search; nothing to search in is said so.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "core/search/full_text_search.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/topic_text_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/full_text_controller.h"
#include "gui/search/full_text_results_model.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"

using namespace qorl;
using namespace qorl::gui;

class FullTextTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ViewerFixture> fixture_;
  QTemporaryDir lists_;
  QString list_;

  TFormMain& window() { return *fixture_->window; }
  BrowseState& state() { return window().browseState(); }
  FullTextController& search() { return window().fullTextController(); }
  FullTextPanel& panel() { return *search().panel(); }
  FullTextResultsModel& results() { return *search().model(); }

  // Types the text into the panel and presses Enter there.
  void searchFor(const QString& text, bool allLists = false) {
    window().updateCommands();
    QVERIFY(window().action(Command::SearchAllTopics)->isEnabled());
    window().action(Command::SearchAllTopics)->trigger();
    FullTextPanelValues values;
    values.text = text.toStdString();
    values.allLists = allLists;
    panel().setValues(values);
    QTest::keyClick(panel().textBox()->lineEdit(), Qt::Key_Return);
  }
  void waitForTheEnd() { QTRY_VERIFY_WITH_TIMEOUT(!search().searching(), 20000); }
  void pressF3(bool back = false) {
    QTest::keyClick(&window(), Qt::Key_F3, back ? Qt::ShiftModifier : Qt::NoModifier);
  }
  QString selectedText() const {
    return fixture_->window->currentTopic()->textCursor().selectedText();
  }

 private slots:
  void init() {
    const QString source = QString(QORL_LISTS_DIR) + "/INTERRUP.LST";
    if (!QFile::exists(source)) QSKIP("INTERRUP.LST not found in QORL_LISTS_DIR");
    list_ = lists_.filePath("INTERRUP.LST");
    if (!QFile::exists(list_)) QVERIFY(test::CopyWritable(source, list_));
    fixture_ = std::make_unique<test::ViewerFixture>();
    fixture_->start();
    window().setListsFolder(lists_.path().toStdString() + "/");
    window().show();
    window().listController().openList(list_.toStdString());
    QVERIFY(state().session.isOpen());
  }
  void cleanup() { fixture_.reset(); }

  void findsOpensHighlightsAndSteps() {
    // A category that holds none of the results: choosing one switches to All categories.
    CategoryComboBox* combo = window().categoryCombo();
    for (int i = 0; i < combo->count(); ++i)
      if (combo->entryBytes(i)[0] == '!') combo->setCurrentIndex(i);
    QVERIFY(combo->currentIndex() > 0);

    searchFor("keyboard controller");
    waitForTheEnd();
    QVERIFY(results().rowCount() > 3);
    QCOMPARE(panel().countLabel()->text(), QString("%1 topics").arg(results().rowCount()));
    // The rows agree with the core's search of the list's text.
    std::vector<TopicMatch> expected;
    SearchListFileText(
        list_.toStdString(), state().topics(), {"keyboard controller"}, nullptr,
        [&](std::vector<TopicMatch>& b) { expected.insert(expected.end(), b.begin(), b.end()); });
    QCOMPARE(static_cast<std::size_t>(results().rowCount()), expected.size());
    int many = -1;  // a result with more than one hit
    for (int r = 0; r < results().rowCount(); ++r) {
      QCOMPARE(results().row(r).match, expected[static_cast<std::size_t>(r)]);
      if (many < 0 && results().row(r).match.hits > 1 && r + 1 < results().rowCount()) many = r;
    }
    QVERIFY(many >= 0);

    const QModelIndex first = results().index(many, FullTextResultsModel::TopicColumn);
    panel().results()->setCurrentIndex(first);
    QTest::keyClick(panel().results(), Qt::Key_Return);
    const TopicMatch& match = results().row(many).match;
    QCOMPARE(state().currentTopic, match.topic);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(static_cast<int>(search().hits().size()), match.hits);
    QCOMPARE(window().currentTopic()->extraSelections().size(), match.hits);
    QCOMPARE(selectedText().toLower(), QString("keyboard controller"));
    QCOMPARE(window().currentTopic()->textCursor().selectionStart(), search().hits()[0]);

    // F3 through the hits, then on to the next result; Shift+F3 back to the last hit.
    for (int i = 1; i < match.hits; ++i) {
      pressF3();
      QCOMPARE(search().currentHit(), i);
    }
    pressF3();
    QCOMPARE(state().currentTopic, results().row(many + 1).match.topic);
    QCOMPARE(search().currentHit(), 0);
    pressF3(true);
    QCOMPARE(state().currentTopic, match.topic);
    QCOMPARE(search().currentHit(), match.hits - 1);

    // Another topic shown: the marks go and F3 is Find's Search Again again.
    window().action(Command::ViewNext)->trigger();
    QVERIFY(window().currentTopic()->extraSelections().isEmpty());
    QVERIFY(!search().stepHit(1));
    QVERIFY(window().currentLayout().searchPanelVisible);
  }

  void allListsAndTextsTheCodePageCannotHold() {
    QVERIFY(
        test::CopyWritable(QString(QORL_LISTS_DIR) + "/PORTS.LST", lists_.filePath("PORTS.LST")));
    searchFor("8042", true);
    waitForTheEnd();
    QVERIFY(!panel().results()->isColumnHidden(FullTextResultsModel::ListColumn));
    int ports = -1;
    for (int r = 0; r < results().rowCount() && ports < 0; ++r)
      if (results().data(results().index(r, 0), Qt::DisplayRole) == "PORTS.LST") ports = r;
    QVERIFY(ports >= 0);
    // Choosing a result of another list opens that list.
    emit panel().resultChosen(ports);
    QVERIFY(state().listPath.ends_with("PORTS.LST"));
    QCOMPARE(state().currentTopic, results().row(ports).match.topic);

    searchFor("\u20AC");
    QVERIFY(panel().countLabel()->text().contains("code page 437"));
    QCOMPARE(results().rowCount(), 0);
    window().listController().closeList();  // Windows removes no file that is open
    QVERIFY(QFile::remove(lists_.filePath("PORTS.LST")));
  }

  void escNewSearchAndClosingStopASearch() {
    searchFor("e", true);
    QVERIFY(search().searching());
    QTest::keyClick(panel().textBox()->lineEdit(), Qt::Key_Escape);
    QVERIFY(!search().searching());
    QVERIFY(panel().countLabel()->text().contains("stopped"));

    searchFor("e");
    searchFor("int");  // replaces the running search
    QVERIFY(search().searching());
    window().listController().closeList();
    QVERIFY(!search().searching());
    QTest::qWait(50);  // nothing of the stopped searches arrives any more
    const int rows = results().rowCount();
    QTest::qWait(50);
    QCOMPARE(results().rowCount(), rows);
    QVERIFY(panel().countLabel()->text().contains("stopped"));
  }

  // Nothing to search in is said as such, never as "not found"; an empty text clears the results.
  void nothingToSearchInAndAnEmptyText() {
    searchFor("8042");
    waitForTheEnd();
    QVERIFY(results().rowCount() > 0);
    searchFor("");
    QCOMPARE(results().rowCount(), 0);
    QCOMPARE(panel().countLabel()->text(), QString());

    QTemporaryDir empty;
    const std::string folder = empty.path().toStdString() + "/";
    window().setListsFolder(folder);
    searchFor("8042", true);
    QCOMPARE(panel().countLabel()->text().toStdString(), "No list files in " + folder);
    // The panel stays in use with the list closed.
    window().listController().closeList();
    FullTextPanelValues values;
    values.text = "8042";
    panel().setValues(values);
    QTest::keyClick(panel().textBox()->lineEdit(), Qt::Key_Return);
    QCOMPARE(panel().countLabel()->text(), QString("No list is open"));
  }
};

QTEST_MAIN(FullTextTest)
#include "full_text_test.moc"
