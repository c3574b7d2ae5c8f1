// SPDX-License-Identifier: MIT
// The split between grid and topic view, zoom, the grid's column widths, the search panel's size,
// status hints and the busy pattern.

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "gui/browse/grid_controller.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/full_text_controller.h"
#include "gui/search/full_text_panel.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/window/busy_indicator.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"
#include "gui/window/zoom_switch.h"

using namespace qorl;
using namespace qorl::gui;

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir lists_;

  static MainPanel* standalonePanel(double share, int height) {
    auto* panel = new MainPanel;
    panel->setPanels(new QWidget, new QWidget);
    panel->setTopicsShare(share);
    panel->resize(400, height);
    panel->relayout();
    return panel;
  }

 private slots:
  void splitFollowsTheShareWithinBounds() {
    const struct {
      double share;
      int height;
    } cases[] = {{0.5, 150}, {0.05, 40}, {0.95, 257}};
    for (const auto& c : cases) {
      std::unique_ptr<MainPanel> panel(standalonePanel(c.share, 300));
      QCOMPARE(panel->topicsPanel()->height(), c.height);
      QCOMPARE(panel->splitter()->y(), c.height);
      QCOMPARE(panel->currentTopicPanel()->y(), c.height + 3);
      QCOMPARE(panel->currentTopicPanel()->height(), 300 - c.height - 3);
    }
  }

  void splitterDragsSetTheShareOnlyOnceShown() {
    std::unique_ptr<MainPanel> panel(standalonePanel(0.5, 300));
    panel->dragSplitTo(100);
    QCOMPARE(panel->topicsShare(), 0.5);  // before the window is shown
    QCOMPARE(panel->topicsPanel()->height(), 150);
    panel->setWindowShown(true);
    panel->dragSplitTo(100);
    QCOMPARE(panel->topicsShare(), 100.0 / 300.0);
    QCOMPARE(panel->topicsPanel()->height(), 100);
    panel->dragSplitTo(5);
    QCOMPARE(panel->topicsPanel()->height(), 40);
    QCOMPARE(panel->minimumHeight(), 83);
  }

  void barsChangingSizeKeepTheTopicsHeight() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.setWindowState(Qt::WindowNoState);
    w.resize(800, 600);
    QApplication::processEvents();
    MainPanel* panel = w.mainPanel();
    const int topics = panel->topicsPanel()->height();
    const int before = panel->height();
    w.statusPanels()->hide();  // the window keeps its height, the panel grows
    QApplication::processEvents();
    QVERIFY(panel->height() > before);
    QCOMPARE(panel->topicsPanel()->height(), topics);
    QCOMPARE(panel->topicsShare(), static_cast<double>(topics) / panel->height());
  }

  void zoomAndEscape() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.resize(800, 600);
    const QString list = test::WriteList(lists_.path(), "Z.LST", test::MixedTopics(3));
    w.browseState().options.singleClickView = false;
    w.listController().openList(list.toStdString());
    w.updateCommands();
    w.action(Command::OptionsZoomTopic)->trigger();  // no topic on view: disabled
    QVERIFY(!w.mainPanel()->zoomed());
    w.action(Command::OptionsUnzoomTopic)->trigger();  // Esc never zooms in
    QVERIFY(!w.mainPanel()->zoomed());

    w.gridController().loadTopic(2);
    w.updateCommands();
    w.action(Command::OptionsZoomTopic)->trigger();
    QVERIFY(w.mainPanel()->zoomed());
    QVERIFY(w.action(Command::OptionsZoomTopic)->isChecked());
    QVERIFY(w.mainPanel()->topicsPanel()->isHidden());
    QVERIFY(w.mainPanel()->splitter()->isHidden());
    QCOMPARE(w.mainPanel()->currentTopicPanel()->geometry(), w.mainPanel()->rect());
    w.action(Command::OptionsUnzoomTopic)->trigger();
    QVERIFY(!w.mainPanel()->zoomed());
    QVERIFY(!w.action(Command::OptionsZoomTopic)->isChecked());
    QVERIFY(!w.mainPanel()->topicsPanel()->isHidden());

    // The same through the keys.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.updateCommands();
    QTest::keyClick(w.grid(), Qt::Key_F5);
    QVERIFY(w.mainPanel()->zoomed());
    QTest::keyClick(w.currentTopic(), Qt::Key_Escape);
    QVERIFY(!w.mainPanel()->zoomed());
    QTest::keyClick(w.grid(), Qt::Key_Escape);  // Esc never zooms in
    QVERIFY(!w.mainPanel()->zoomed());

    // Opening a list leaves zoom.
    w.updateCommands();
    w.action(Command::OptionsZoomTopic)->trigger();
    QVERIFY(w.mainPanel()->zoomed());
    w.listController().openList(list.toStdString());
    QVERIFY(!w.mainPanel()->zoomed());
  }

  void columnOneTakesTheRestAfterTheLayoutSettles() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.resize(1000, 700);
    QApplication::processEvents();
    TopicsGridView* grid = w.grid();
    QVERIFY(grid->width() > 600);
    QCOMPARE(grid->columnWidth(1), grid->width() - grid->columnWidth(0) - 2);
    w.resize(700, 500);
    QApplication::processEvents();
    QCOMPARE(grid->columnWidth(1), grid->width() - grid->columnWidth(0) - 2);
  }

  void topicHeaderStaysAtTheTopWithoutATopic() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.resize(800, 600);
    QApplication::processEvents();
    auto* header = w.findChild<QWidget*>("PanelCurrentTopicHeader");
    QVERIFY(header != nullptr);
    QVERIFY(!w.currentTopic()->isVisible());
    QVERIFY(header->y() <= 2);
  }

  void columnWidths() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.resize(800, 600);
    TopicsGridView* grid = w.grid();
    grid->horizontalHeader()->resizeSection(0, 200);
    QCOMPARE(grid->columnWidth(0), 200);
    QCOMPARE(grid->columnWidth(1), grid->width() - 200 - 2);
    w.updateCommands();
    w.action(Command::HeaderTopicsHeaderDefWidth)->trigger();
    QCOMPARE(grid->columnWidth(0), 140);
    QCOMPARE(grid->columnWidth(1), grid->width() - 140 - 2);
    // The grid's and the header's context menu.
    auto* menu = w.findChild<QMenu*>("PopupMenuTopics");
    QVERIFY(menu);
    QCOMPARE(menu->actions(), QList<QAction*>{w.action(Command::HeaderTopicsHeaderDefWidth)});
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(grid),
                                    static_cast<QAbstractItemView*>(grid->horizontalHeader())}) {
      QCOMPARE(view->contextMenuPolicy(), Qt::CustomContextMenu);
      emit view->customContextMenuRequested(QPoint(5, 5));
      QTRY_VERIFY(menu->isVisible());
      menu->hide();
    }
    QCOMPARE(w.currentConfig().TopicsColWidth, 140);
    // The tool-bar area has no menu: the window's own one would show and hide the tool bars; and
    // the bars stay in it.
    for (const char* name : {"ToolBar", "ToolBarCategories"}) {
      auto* bar = w.findChild<QToolBar*>(name);
      QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(1, 1),
                              bar->mapToGlobal(QPoint(1, 1)));
      QApplication::sendEvent(bar, &click);
      QVERIFY2(!QApplication::activePopupWidget(), name);
      QVERIFY2(!bar->isFloatable() && bar->allowedAreas() == Qt::TopToolBarArea, name);
    }
  }

  // The search panel comes back at the size it was left, beside the side and the visibility.
  void searchPanelSizeIsKept() {
    for (const auto& [area, across] :
         {std::pair{Qt::BottomDockWidgetArea, 260}, std::pair{Qt::TopDockWidgetArea, 180}}) {
      test::ViewerFixture fixture;
      LayoutState stored;
      stored.searchPanelVisible = true;
      stored.searchPanelArea = area;
      fixture.store(ConfigRecord{}, WindowPlacement{WindowRect{0, 0, 1000, 800}, kWindowNormal},
                    stored);
      TFormMain& window = fixture.start();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      FullTextPanel* panel = window.fullTextController().panel();
      window.resizeDocks({panel}, {across}, Qt::Vertical);
      QTRY_COMPARE(panel->height(), across);
      QCOMPARE(window.currentLayout().searchPanelSize, across);
      stored = window.currentLayout();
      window.close();

      test::ViewerFixture again;
      again.store(ConfigRecord{}, WindowPlacement{WindowRect{0, 0, 1000, 800}, kWindowNormal},
                  stored);
      TFormMain& next = again.start();
      QVERIFY(QTest::qWaitForWindowExposed(&next));
      FullTextPanel* shown = next.fullTextController().panel();
      QCOMPARE(next.dockWidgetArea(shown), area);
      QTRY_COMPARE(shown->height(), across);
      QCOMPARE(next.currentLayout().searchPanelSize, across);
    }
  }

  void hintsReachTheLastPanelOnlyWhileActive() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStatusTipEvent tip("Short|Long part of the hint");
    QApplication::sendEvent(&w, &tip);
    QCOMPARE(w.statusPanels()->panelText(StatusBarPanels::kHintPanel),
             QString("Long part of the hint"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::sendEvent(&w, &tip);
    QVERIFY(w.statusPanels()->panelText(StatusBarPanels::kHintPanel).isEmpty());
    QCOMPARE(LongHint("Short|Long|x"), QString("Long|x"));
    QCOMPARE(LongHint("Whole hint"), QString("Whole hint"));
  }

  void busyPatternIsAlwaysUndone() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    StatusBarPanels* bar = w.statusPanels();
    {
      BusyOptions options;
      options.showProgress = true;
      BusyScope busy(w.busy(), "Working...", options);
      QVERIFY(!w.isEnabled());
      QVERIFY(QApplication::overrideCursor());
      QVERIFY(!bar->progressBar()->isHidden());
      QCOMPARE(bar->panelText(StatusBarPanels::kHintPanel), QString("Working..."));
      busy.setProgress(140);
      QCOMPARE(bar->progressBar()->value(), 100);
    }
    QVERIFY(w.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(bar->progressBar()->isHidden());
    QCOMPARE(bar->panelText(StatusBarPanels::kHintPanel), QString(" "));
  }
  void panelsShowTheirWholeText() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    StatusBarPanels* bar = w.statusPanels();
    QLabel* panel = bar->panel(0);
    const int layoutWidth = panel->minimumWidth();
    const QString counts("280897 topics (280897 in category)");
    bar->setPanelText(0, counts);
    QCOMPARE(panel->maximumWidth(), panel->minimumWidth());
    QVERIFY(panel->minimumWidth() - 2 * panel->frameWidth() >=
            panel->fontMetrics().horizontalAdvance(counts));
    // The progress bar still covers the first three panels.
    QVERIFY(bar->progressBar()->width() >=
            panel->minimumWidth() + bar->panel(1)->minimumWidth() + bar->panel(2)->minimumWidth());
    bar->setPanelText(0, "21 topics (21 in category)");
    QCOMPARE(panel->minimumWidth(), layoutWidth);
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
