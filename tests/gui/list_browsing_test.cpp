// SPDX-License-Identifier: MIT
// Opening and closing a list in the window, the category selector, and the grid's selection,
// click and key rules.

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "core/browse/categories.h"
#include "core/list/file_stamp.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topics_grid_delegate.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/find_controller.h"
#include "gui/support/list_files.h"
#include "gui/support/window_test.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"
#include "gui/window/zoom_switch.h"

using namespace qorl;
using namespace qorl::gui;
using qorl::test::MixedTopics;
using qorl::test::WriteList;

class ListBrowsingTest : public test::WindowTest {
  Q_OBJECT

 private:
  QString sample_;  // 21 topics: [List Info] then D, a, A, ! five times

  QString panel(int i) { return window().statusPanels()->panelText(i); }
  void clickRow(int row) {
    TopicsGridView* grid = window().grid();
    const QRect rect = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
  }

 private slots:
  void init() {
    startViewer();
    window().resize(800, 600);
    sample_ = WriteList(lists_->path(), "SAMPLE.LST", MixedTopics(5));
  }
  void cleanup() { stopViewer(); }

  void openingFillsCaptionPanelsAndCommands() {
    QVERIFY(!enabled(Command::FileClose));
    window().listController().openList(sample_.toStdString());
    QCOMPARE(window().windowTitle(), QString("Qorl Viewer - SAMPLE.LST"));
    QCOMPARE(panel(0), QString("21 topics (21 in category)"));
    QCOMPARE(panel(1), QString("Sel: 1"));
    // SingleClickView is on by default: topic 0 is loaded.
    QCOMPARE(panel(2), QString("Cur: 1"));
    QCOMPARE(window().browseState().currentTopic, 0);
    QVERIFY(window().currentTopic()->isEnabled());
    QVERIFY(window().currentTopic()->toPlainText().startsWith("Preface text"));
    QCOMPARE(window().findChild<QLabel*>("LabelCurrentTopicID")->text(), QString("[List Info]"));
    QCOMPARE(window().grid()->model()->rowCount(), 21);
    QVERIFY(window().grid()->model()->index(0, 0).data(TopicsGridModel::BoldRole).toBool());
    QVERIFY(window().categoryCombo()->isEnabled());
    QVERIFY(enabled(Command::FileClose));
    QVERIFY(enabled(Command::SearchFind));
    QVERIFY(enabled(Command::OptionsZoomTopic));
    QVERIFY(enabled(Command::FileSave));
    QVERIFY(!enabled(Command::ViewPrev));
    QVERIFY(enabled(Command::ViewNext));
    QVERIFY(messages().empty());
  }

  void closingEmptiesEveryView() {
    window().listController().openList(sample_.toStdString());
    run(Command::FileClose);
    QCOMPARE(window().windowTitle(), QString("Qorl Viewer"));
    for (int i = 0; i < 3; ++i) QVERIFY(panel(i).isEmpty());
    QCOMPARE(window().categoryCombo()->count(), 0);
    QVERIFY(!window().categoryCombo()->isEnabled());
    QVERIFY(!window().findChild<QToolButton*>("CategorySpeedButton")->isEnabled());
    QVERIFY(!window().currentTopic()->isEnabled());
    QCOMPARE(window().grid()->model()->rowCount(), 1);
    QCOMPARE(window().browseState().currentTopic, -1);
    QCOMPARE(window().browseState().listKind, -1);
    for (Command c : {Command::FileClose, Command::SearchFind, Command::SearchSearchAgain,
                      Command::OptionsUpdateTopicTitles, Command::ViewPrev, Command::ViewNext})
      QVERIFY2(!enabled(c), CommandName(c));
  }

  void missingFileLeavesTheOpenListAlone() {
    window().listController().openList(sample_.toStdString());
    window().listController().openList((lists_->path() + "/NOPE.LST").toStdString());
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(messages()[0].kind, std::string("information"));
    QCOMPARE(messages()[0].text, std::string("Unable to find \"NOPE.LST\" !"));
    QCOMPARE(window().windowTitle(), QString("Qorl Viewer - SAMPLE.LST"));
    QCOMPARE(window().grid()->model()->rowCount(), 21);
  }

  void emptyCurrentIndexEndsWithUnableToOpen() {
    // An index without lines that carries the list's stamp gives no category to select.
    const std::string list =
        WriteList(lists_->path(), "EMPTYIDX.LST", MixedTopics(1)).toStdString();
    const std::string index = (lists_->path() + "/EMPTYIDX.qorlv").toStdString();
    QFile(QString::fromStdString(index)).open(QIODevice::WriteOnly);
    QVERIFY(ApplyFileStamp(index, *ReadFileStamp(list)));
    window().listController().openList(list);
    QCOMPARE(messages().size(), size_t(1));
    QCOMPARE(messages()[0].kind, std::string("information"));
    QCOMPARE(messages()[0].text, "Unable to open \"" + list + "\" !");
    QCOMPARE(window().categoryCombo()->count(), 0);
    QVERIFY(!window().categoryCombo()->isEnabled());
    QCOMPARE(window().grid()->model()->rowCount(), 1);
    QVERIFY(panel(0).isEmpty());
    QVERIFY(!enabled(Command::FileClose));
    QVERIFY(enabled(Command::SearchFind));
    QVERIFY(!enabled(Command::ViewNext));
    clickRow(0);
    QTest::keyClick(window().grid(), Qt::Key_Return);
    QCOMPARE(window().browseState().currentTopic, -1);
  }

  void categoriesAreSortedWithAllCategoriesOnTop() {
    window().listController().openList(sample_.toStdString());
    CategoryComboBox* combo = window().categoryCombo();
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->entryBytes(0), AllCategoriesEntry());
    QCOMPARE(combo->entryBytes(1), std::string("! Information"));
    QCOMPARE(combo->entryBytes(2), std::string("A Applications"));
    QCOMPARE(combo->entryBytes(3), std::string("a Access software (screen readers, etc)"));
    QCOMPARE(combo->entryBytes(4), std::string("D DOS kernel"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(window().browseState().view.categoryChar, static_cast<unsigned char>(255));
  }

  void selectorDropsDown21Entries() {
    CategoryComboBox combo;
    std::vector<std::string> entries;
    for (char c = 'A'; c <= 'Z'; ++c) entries.push_back(std::string(1, c) + " upper");
    for (char c = 'a'; c <= 'z'; ++c) entries.push_back(std::string(1, c) + " lower");
    combo.setEntries(entries);
    combo.show();
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    QTRY_VERIFY(list->isVisible());
    const int row = list->sizeHintForRow(0);
    QVERIFY(row > 0);
    const int rows = (list->viewport()->height() + row / 2) / row;
    QVERIFY2(rows == 21, qPrintable(QString::number(rows)));
    combo.hidePopup();
  }

  void narrowingLoadsTheFirstTopicOfTheCategory() {
    window().listController().openList(sample_.toStdString());
    clickRow(6);
    QCOMPARE(window().browseState().currentTopic, 6);
    window().grid()->setCurrentRow(0);
    window().categoryCombo()->setCurrentIndex(4);  // D
    const BrowseState& state = window().browseState();
    QCOMPARE(state.view.count(), 5);
    QCOMPARE(panel(0), QString("21 topics (5 in category)"));
    QCOMPARE(state.view.categoryChar, static_cast<unsigned char>('D'));
    QCOMPARE(state.currentTopic, 1);  // first D topic, not the topic row 0 showed before
    QCOMPARE(panel(1), QString("Sel: 2"));
    QCOMPARE(panel(2), QString("Cur: 2"));
    QVERIFY(!window().grid()->model()->index(0, 0).data(TopicsGridModel::BoldRole).toBool());
    QVERIFY(!window().browseState().view.showsAll());

    // The speed button goes back to all categories.
    window().findChild<QToolButton*>("CategorySpeedButton")->click();
    QCOMPARE(window().categoryCombo()->currentIndex(), 0);
    QCOMPARE(state.view.count(), 21);
    QCOMPARE(panel(0), QString("21 topics (21 in category)"));
  }

  void badgesOnlyUnderAllCategories() {
    window().listController().openList(sample_.toStdString());
    TopicsGridView* grid = window().grid();
    auto badgeShown = [grid](int row) {
      const QRect cell = grid->visualRect(grid->model()->index(row, 0));
      const QImage image = grid->viewport()->grab().toImage();
      return image.pixelColor(cell.left() + 3, cell.top() + 3) == QColor(0, 128, 128);
    };
    QVERIFY(badgeShown(1));
    window().categoryCombo()->setCurrentIndex(4);  // D
    QVERIFY(!badgeShown(1));
    window().findChild<QToolButton*>("CategorySpeedButton")->click();
    QVERIFY(badgeShown(1));
    grid->gridDelegate()->setShowCategoryChar(false);
    QVERIFY(!badgeShown(1));
  }

  void singleCategoryListHasNoAllCategoriesEntry() {
    const QString notes = WriteList(lists_->path(), "NOTES.TXT", MixedTopics(2));
    window().listController().openList(notes.toStdString());
    QCOMPARE(window().categoryCombo()->count(), 1);
    QCOMPARE(window().categoryCombo()->entryBytes(0), std::string("- Uncategorized"));
    QCOMPARE(window().browseState().view.categoryChar, static_cast<unsigned char>('-'));
    QCOMPARE(window().browseState().listKind, 0);
    window().findChild<QToolButton*>("CategorySpeedButton")->click();  // does nothing
    QCOMPARE(window().grid()->model()->rowCount(), 1);
    QCOMPARE(panel(0), QString("1 topics (1 in category)"));
  }

  void singleClickLoadsOnceAndDoubleClickRulesApplyWithoutIt() {
    window().listController().openList(sample_.toStdString());
    clickRow(3);
    QCOMPARE(window().browseState().currentTopic, 3);
    window().currentTopic()->setPlainText("marker");
    clickRow(3);  // the topic on view is not reloaded
    QCOMPARE(window().currentTopic()->toPlainText(), QString("marker"));

    window().browseState().options.singleClickView = false;
    clickRow(5);
    QCOMPARE(window().browseState().selectedTopic, 5);
    QCOMPARE(window().browseState().currentTopic, 3);
    QTest::keyClick(window().grid(), Qt::Key_Return);
    QCOMPARE(window().browseState().currentTopic, 5);
    QVERIFY(!window().mainPanel()->zoomed());

    window().browseState().options.doubleClickZoom = true;
    clickRow(7);
    const QRect rect = window().grid()->visualRect(window().grid()->model()->index(7, 1));
    QTest::mouseDClick(window().grid()->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(window().browseState().currentTopic, 7);
    QVERIFY(window().mainPanel()->zoomed());
  }

  void navigationKeysFollowTheirArithmetic() {
    const QString big = WriteList(lists_->path(), "BIG.LST", MixedTopics(30));
    window().listController().openList(big.toStdString());
    TopicsGridView* grid = window().grid();
    grid->setFocus();
    const int v = grid->visibleRows();
    QVERIFY(v >= 2);
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(grid->currentRow(), v - 1);
    QCOMPARE(window().browseState().currentTopic, v - 1);  // one key, one load
    grid->setCurrentRow(20);
    QTest::keyClick(grid, Qt::Key_PageUp);
    QCOMPARE(grid->currentRow(), std::max(20 - v - 1, 0));
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(grid->currentRow(), 120);
    QCOMPARE(panel(1), QString("Sel: 121"));
    QVERIFY(!enabled(Command::ViewNext));
    QVERIFY(enabled(Command::ViewPrev));
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 120);
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(grid->currentRow(), 0);
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(grid->currentRow(), 0);
    QVERIFY(!enabled(Command::ViewPrev));
    // Letters do not jump to a row whose identifier starts with them.
    const QString id = grid->model()->index(5, 0).data().toString();
    QVERIFY(!id.isEmpty());
    QTest::keyClicks(grid, id);
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(window().browseState().currentTopic, 0);
  }

  void onlyTheLeftButtonChoosesARow() {
    window().listController().openList(sample_.toStdString());
    clickRow(3);
    TopicsGridView* grid = window().grid();
    auto rowCentre = [grid](int row) {
      return grid->visualRect(grid->model()->index(row, 1)).center();
    };
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, rowCentre(6));
    QTest::mouseDClick(grid->viewport(), Qt::RightButton, {}, rowCentre(6));
    QCOMPARE(grid->currentRow(), 3);
    QCOMPARE(panel(1), QString("Sel: 4"));
    QCOMPARE(panel(2), QString("Cur: 4"));
    // A drag over rows chooses the row where it ends, as a click does.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, rowCentre(3));
    QTest::mouseMove(grid->viewport(), rowCentre(5));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, rowCentre(5));
    QCOMPARE(grid->currentRow(), 5);
    QCOMPARE(panel(2), QString("Cur: 6"));
  }

  void everySelectedRowIsShownWhole() {
    const QString tall = WriteList(lists_->path(), "TALL.LST", MixedTopics(100));
    window().listController().openList(tall.toStdString());
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    TopicsGridView* grid = window().grid();
    auto shownWhole = [grid] {
      const QRect row = grid->visualRect(grid->model()->index(grid->currentRow(), 0));
      return row.top() >= 0 && row.bottom() < grid->viewport()->height();
    };
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End);
    QVERIFY(shownWhole());
    // End on the last row shows it again after the grid shrank.
    window().resize(800, 450);
    QApplication::processEvents();
    QTest::keyClick(grid, Qt::Key_End);
    QVERIFY(shownWhole());
    // Category D holds 100 rows; a locate switches to all categories at row 400.
    window().categoryCombo()->setCurrentIndex(4);
    QTest::keyClick(grid, Qt::Key_End);
    QVERIFY(shownWhole());
    QVERIFY(window().findController().locateTopic("!199", ""));
    QCOMPARE(grid->currentRow(), 400);
    QVERIFY(shownWhole());
  }

  void previousAndNextAlwaysShowTheTopic() {
    window().listController().openList(sample_.toStdString());
    window().browseState().options.singleClickView = false;
    run(Command::ViewNext);
    QCOMPARE(window().grid()->currentRow(), 1);
    QCOMPARE(window().browseState().currentTopic, 1);
    run(Command::ViewPrev);
    QCOMPARE(window().browseState().currentTopic, 0);
  }

  void singleClickOffOpensWithHiddenEmptyView() {
    window().browseState().options.singleClickView = false;
    window().listController().openList(sample_.toStdString());
    QCOMPARE(window().grid()->currentRow(), 0);
    QCOMPARE(window().browseState().currentTopic, -1);
    QVERIFY(window().currentTopic()->isHidden());
    QVERIFY(window().currentTopic()->toPlainText().isEmpty());
    QVERIFY(!enabled(Command::OptionsZoomTopic));
  }
};

QTEST_MAIN(ListBrowsingTest)
#include "list_browsing_test.moc"
