// SPDX-License-Identifier: MIT
#include "gui/app/main_window.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/layout_arithmetic.h"
#include "core/app/list_menu.h"
#include "core/browse/status_panels.h"
#include "core/list/message_service.h"
#include "core/tools/tool_commands.h"
#include "gui/app/config_connection.h"
#include "gui/app/open_list_menu.h"
#include "gui/bookmarks/bookmarks_controller.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/category_controller.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/navigation_controller.h"
#include "gui/browse/reference_controller.h"
#include "gui/browse/referenced_by_controller.h"
#include "gui/browse/referenced_by_panel.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topics_grid_delegate.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/commands/topic_commands.h"
#include "gui/list/list_controller.h"
#include "gui/lookup/lookup_controller.h"
#include "gui/search/find_controller.h"
#include "gui/search/full_text_controller.h"
#include "gui/search/full_text_panel.h"
#include "gui/settings/config_dialog.h"
#include "gui/tools/about_dialog.h"
#include "gui/tools/tools_menu.h"
#include "gui/window/busy_indicator.h"
#include "gui/window/dock_extent.h"
#include "gui/window/help_window.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"
#include "gui/window/theme_follower.h"
#include "gui/window/zoom_switch.h"

namespace qorl::gui {

TFormMain::TFormMain(MessageService& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
  setObjectName("FormMain");
  setWindowTitle(kProgramTitle);
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);
  // No menu of the window's own: the tool bars are shown or hidden by the stored layout only.
  setContextMenuPolicy(Qt::NoContextMenu);
  actions_ = CreateCommandActions(this);

  buildToolBars();
  buildPanels();
  statusBar_ = new StatusBarPanels(this);
  setStatusBar(statusBar_);
  buildMenus();

  busy_ = std::make_unique<WindowBusyIndicator>(this, statusBar_);
  zoom_ = std::make_unique<ZoomSwitch>(mainPanel_, actions_[Command::OptionsZoomTopic],
                                       currentTopic_, gridView_);
  BrowseWidgets widgets;
  widgets.window = this;
  widgets.grid = gridView_;
  widgets.model = model_;
  widgets.combo = combo_;
  widgets.categoryButton = categoryButton_;
  widgets.currentTopic = currentTopic_;
  widgets.currentTopicLabel = currentTopicLabel_;
  widgets.seeAlsoButton = seeAlsoButton_;
  widgets.statusBar = statusBar_;
  widgets.mainPanel = mainPanel_;
  widgets.zoom = zoom_.get();
  grid_ = new GridController(state_, widgets, messages_, this);
  categories_ = new CategoryController(state_, widgets, *busy_, *grid_, this);
  list_ = new ListController(state_, widgets, *busy_, messages_, *categories_, *grid_, this);
  loader_ = new TopicLoader(state_, widgets, currentTopic_, *busy_, messages_, this);
  grid_->setTopicLoader(loader_);
  find_ = new FindController(state_, widgets, currentTopic_, *busy_, messages_, *grid_,
                             *categories_, this);
  references_ = new ReferenceController(state_, widgets, loader_->seeAlsoMenu(), *busy_, messages_,
                                        *find_, this);
  references_->setListAccess(list_, currentTopic_);
  navigation_ =
      new NavigationController(state_, widgets, currentTopic_, *loader_, *list_, *find_, messages_,
                               actions_[Command::ViewBack], actions_[Command::ViewForward], this);
  listMenu_ =
      new OpenListMenu(openListMenu_, actions_.openOther, *list_, state_, this, statusBar_, [this] {
        return ListMenuSource{listsFolder_, config_.DisplayAllLists};
      });
  FullTextEnvironment fullText;
  fullText.listsFolder = [this] { return listsFolder_; };
  fullText.openList = [this](const std::string& path) {
    list_->openList(path);
    listMenu_->checkListInMenu(path);
  };
  fullText_ =
      new FullTextController(this, state_, currentTopic_, *busy_, *find_, std::move(fullText));
  const auto openAndCheck = [this](const std::string& path) {
    list_->openList(path);
    listMenu_->checkListInMenu(path);
  };
  searchPanelExtent_ = new DockExtent(this, fullText_->panel());
  LookupEnvironment lookup;
  lookup.listsFolder = [this] { return listsFolder_; };
  lookup.displayAllLists = [this] { return config_.DisplayAllLists; };
  lookup.openList = openAndCheck;
  lookup_ = new LookupController(this, state_, *find_, messages_, std::move(lookup));
  connect(actions_[Command::SearchGoToTopic], &QAction::triggered, lookup_,
          &LookupController::showPopup);
  bookmarks_ =
      new BookmarksController(this, bookmarksMenu_, state_, *find_, messages_, openAndCheck);
  referencedBy_ =
      new ReferencedByController(this, state_, currentTopic_, *find_,
                                 {[this] {
                                    std::vector<std::string> lists;
                                    if (listsFolder_.empty()) return lists;
                                    for (const std::string& name : ListFileNames(listsFolder_))
                                      lists.push_back(listsFolder_ + name);
                                    return lists;
                                  },
                                  openAndCheck});
  searchMenu_->insertAction(searchSeparator_, referencedBy_->toggleAction());
  toolBar_->insertAction(actions_[Command::OptionsZoomTopic], bookmarks_->toggleAction());
  toolBar_->insertSeparator(actions_[Command::OptionsZoomTopic]);
  const auto topicChanged = [this] {
    bookmarks_->updateState();
    referencedBy_->refresh();
  };
  connect(loader_, &TopicLoader::topicLoaded, bookmarks_, topicChanged);
  connect(list_, &ListController::listClosed, bookmarks_, topicChanged);
  topicCommands_ = new TopicCommands(state_, config_, this, currentTopic_, statusBar_, messages_,
                                     actions_, this);
  connectCommands();
  help_ = new HelpWindow(this);
  new ThemeFollower(this);
  connect(actions_[Command::OptionsConfiguration], &QAction::triggered, this,
          [this] { configDialog()->showModal(); });
  ToolsEnvironment tools;
  tools.folder = [this] { return ToolsFolder(config_.DefStartupDir, listsFolder_); };
  tools.listKind = [this] { return state_.listKind; };
  tools.closeList = [this] { list_->closeList(); };
  tools.rebuildListMenu = [this] { buildListMenu(); };
  tools_ = new ToolsMenu(toolsMenu_, std::move(tools), messages_, *busy_, this);
  connect(actions_[Command::HelpAbout], &QAction::triggered, this, [this] { aboutBox().exec(); });
  applyConfig(config_);

  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TFormMain::updateCommands);
  updateCommands();
}

TFormMain::~TFormMain() {
  // A running search reads the open list's table, which goes with the browse state.
  fullText_->stopSearch();
  referencedBy_->stop();
  // The grid and its model read the browse state, which goes before the child widgets would.
  delete mainPanel_;
  delete model_;
}

void TFormMain::buildToolBars() {
  toolBarCategories_ = new QToolBar("Categories", this);
  toolBarCategories_->setObjectName("ToolBarCategories");
  categoryButton_ = new QToolButton(toolBarCategories_);
  categoryButton_->setObjectName("CategorySpeedButton");
  categoryButton_->setText("Category");
  categoryButton_->setStatusTip("Click to show All categories");
  categoryButton_->setToolTip("Click to show All categories");
  categoryButton_->setMinimumSize(48, 21);
  categoryButton_->setEnabled(false);
  combo_ = new CategoryComboBox(toolBarCategories_);
  combo_->setEnabled(false);
  combo_->setMinimumWidth(275);
  toolBarCategories_->addWidget(categoryButton_);
  toolBarCategories_->addWidget(combo_);
  toolBarCategories_->setMinimumSize(kBandMinWidth, kBandMinHeight);

  toolBar_ = new QToolBar("Commands", this);
  toolBar_->setObjectName("ToolBar");
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setMinimumHeight(26);
  openListMenu_ = new QMenu("&Open List", this);
  openListMenu_->setObjectName("ListMenu");
  actions_.openListMenu->setMenu(openListMenu_);
  openListButton_ = new QToolButton(toolBar_);
  openListButton_->setObjectName("OpenListButton");
  openListButton_->setPopupMode(QToolButton::MenuButtonPopup);
  // The action carries the sub-menu, so the arrow shows it. Setting the same menu on the button
  // again would re-add the action and make the button forget both its action and its menu.
  openListButton_->setDefaultAction(actions_.openListMenu);
  toolBar_->addWidget(openListButton_);
  toolBar_->addAction(actions_[Command::FileSave]);
  toolBar_->addAction(actions_[Command::FilePrint]);
  toolBar_->addSeparator();
  toolBar_->addAction(actions_[Command::EditCopy]);
  toolBar_->addAction(actions_[Command::EditSelectAll]);
  toolBar_->addSeparator();
  toolBar_->addAction(actions_[Command::SearchFind]);
  toolBar_->addAction(actions_[Command::SearchSearchAgain]);
  toolBar_->addAction(actions_[Command::SearchAllTopics]);
  toolBar_->addAction(actions_[Command::SearchGoToTopic]);
  toolBar_->addSeparator();
  toolBar_->addAction(actions_[Command::OptionsZoomTopic]);
  toolBar_->addSeparator();
  toolBar_->addAction(actions_[Command::ViewPrev]);
  toolBar_->addAction(actions_[Command::ViewNext]);
  toolBar_->addAction(actions_[Command::ViewBack]);
  toolBar_->addAction(actions_[Command::ViewForward]);
  placeToolBars(0, false);
}

void TFormMain::placeToolBars(int firstBand, bool secondBreak) {
  QToolBar* first = firstBand == 1 ? toolBar_ : toolBarCategories_;
  QToolBar* second = firstBand == 1 ? toolBarCategories_ : toolBar_;
  const bool toolBarShown = toolBar_->isVisibleTo(this) || !toolBar_->parentWidget();
  removeToolBar(toolBarCategories_);
  removeToolBar(toolBar_);
  addToolBar(Qt::TopToolBarArea, first);
  if (secondBreak) addToolBarBreak(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, second);
  // The tool bars are bands of the area above the panels: they may be dragged and re-ordered
  // there, never floated out as windows of their own.
  for (QToolBar* bar : {toolBarCategories_, toolBar_}) {
    bar->setFloatable(false);
    bar->setAllowedAreas(Qt::TopToolBarArea);
    // The button Qt adds when a narrow window hides some of the buttons.
    if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button"))
      more->setAccessibleName("More tool-bar buttons");
  }
  toolBarCategories_->show();
  toolBar_->setVisible(toolBarShown);
}

void TFormMain::buildPanels() {
  mainPanel_ = new MainPanel(this);
  setCentralWidget(mainPanel_);

  panelTopics_ = new QFrame;
  panelTopics_->setObjectName("PanelTopics");
  panelTopics_->setFrameStyle(QFrame::Box | QFrame::Plain);
  panelTopics_->setMinimumHeight(kSplitMinimum);
  auto* topicsLayout = new QVBoxLayout(panelTopics_);
  topicsLayout->setContentsMargins(1, 1, 1, 1);
  model_ = new TopicsGridModel(state_.session.topics(), state_.view, this);
  gridView_ = new TopicsGridView(panelTopics_);
  gridView_->setModel(model_);
  gridView_->horizontalHeader()->setFixedHeight(19);
  topicsLayout->addWidget(gridView_);

  panelCurrentTopic_ = new QFrame;
  panelCurrentTopic_->setObjectName("PanelCurrentTopic");
  panelCurrentTopic_->setFrameStyle(QFrame::Box | QFrame::Plain);
  panelCurrentTopic_->setAutoFillBackground(true);
  panelCurrentTopic_->setBackgroundRole(QPalette::Base);
  auto* topicLayout = new QVBoxLayout(panelCurrentTopic_);
  topicLayout->setContentsMargins(1, 1, 1, 1);
  topicLayout->setSpacing(0);
  panelCurrentTopicHeader_ = new QWidget(panelCurrentTopic_);
  panelCurrentTopicHeader_->setObjectName("PanelCurrentTopicHeader");
  panelCurrentTopicHeader_->setFixedHeight(19);
  auto* headerLayout = new QHBoxLayout(panelCurrentTopicHeader_);
  headerLayout->setContentsMargins(0, 0, 0, 0);
  seeAlsoButton_ = new QToolButton(panelCurrentTopicHeader_);
  seeAlsoButton_->setObjectName("SpeedButtonSeeAlsoMenu");
  seeAlsoButton_->setText("See also");
  seeAlsoButton_->setStatusTip("See also");
  seeAlsoButton_->setToolTip("See also");
  seeAlsoButton_->setEnabled(false);
  auto* topicCaption = new QLabel("Topic:", panelCurrentTopicHeader_);
  currentTopicLabel_ = new QLabel(panelCurrentTopicHeader_);
  currentTopicLabel_->setObjectName("LabelCurrentTopicID");
  // An identifier is the list's text, never markup.
  currentTopicLabel_->setTextFormat(Qt::PlainText);
  currentTopicLabel_->setStatusTip("Current topic");
  currentTopicLabel_->setToolTip("Current topic");
  headerLayout->addWidget(seeAlsoButton_);
  headerLayout->addWidget(topicCaption);
  headerLayout->addWidget(currentTopicLabel_, 1);
  currentTopic_ = new TopicTextView(panelCurrentTopic_);
  currentTopic_->setFrameStyle(QFrame::NoFrame);
  currentTopic_->setEnabled(false);
  currentTopic_->hide();
  QMenu* topicMenu = currentTopic_->contextMenu();
  topicMenu->addAction(actions_[Command::EditCopy]);
  topicMenu->addAction(actions_[Command::EditSelectAll]);
  topicMenu->addSeparator();
  topicMenu->addAction(actions_[Command::FileSave]);
  topicMenu->addAction(actions_[Command::FilePrint]);
  topicLayout->addWidget(panelCurrentTopicHeader_);
  topicLayout->addWidget(currentTopic_, 1);
  // Keeps the header line at the top while no topic is on view.
  topicLayout->addStretch(0);

  mainPanel_->setPanels(panelTopics_, panelCurrentTopic_);
  // The grid and its header share one context menu.
  auto* topicsMenu = new QMenu(this);
  topicsMenu->setObjectName("PopupMenuTopics");
  topicsMenu->addAction(actions_[Command::HeaderTopicsHeaderDefWidth]);
  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(gridView_),
                                  static_cast<QAbstractItemView*>(gridView_->horizontalHeader())}) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, topicsMenu,
            [topicsMenu, view](const QPoint& at) {
              topicsMenu->popup(view->viewport()->mapToGlobal(at));
            });
  }
}

void TFormMain::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("MenuFile");
  file->addAction(actions_.openListMenu);
  file->addAction(actions_[Command::FileClose]);
  file->addSeparator();
  file->addAction(actions_[Command::FileSave]);
  file->addAction(actions_[Command::FilePrint]);
  file->addSeparator();
  file->addAction(actions_[Command::FileExit]);

  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("MenuEdit");
  edit->addAction(actions_[Command::EditCopy]);
  edit->addAction(actions_[Command::EditSelectAll]);

  QMenu* search = menuBar()->addMenu("&Search");
  search->setObjectName("MenuSearch");
  search->addAction(actions_[Command::SearchFind]);
  search->addAction(actions_[Command::SearchSearchAgain]);
  search->addAction(actions_[Command::SearchAllTopics]);
  search->addAction(actions_[Command::SearchGoToTopic]);
  searchSeparator_ = search->addSeparator();
  searchMenu_ = search;
  search->addAction(actions_[Command::ViewBack]);
  search->addAction(actions_[Command::ViewForward]);

  bookmarksMenu_ = menuBar()->addMenu("&Bookmarks");
  bookmarksMenu_->setObjectName("MenuBookmarks");

  QMenu* options = menuBar()->addMenu("&Options");
  options->setObjectName("MenuOptions");
  options->addAction(actions_[Command::OptionsZoomTopic]);
  options->addAction(actions_[Command::OptionsUpdateTopicTitles]);
  toolsMenu_ = options->addMenu("&Tools");  // filled by the ToolsMenu
  toolsMenu_->setObjectName("MenuTools");
  options->addSeparator();
  options->addAction(actions_[Command::OptionsConfiguration]);

  helpMenu_ = menuBar()->addMenu("&Help");
  helpMenu_->setObjectName("MenuHelp");
  helpMenu_->addAction(actions_[Command::HelpHelpIndex]);
  helpSeparator_ = helpMenu_->addSeparator();
  helpMenu_->addAction(actions_[Command::HelpAbout]);
}

void TFormMain::connectCommands() {
  connect(actions_[Command::FileClose], &QAction::triggered, this, [this] { list_->closeList(); });
  connect(actions_[Command::FileExit], &QAction::triggered, this, &QWidget::close);
  connect(actions_[Command::OptionsZoomTopic], &QAction::triggered, this, [this] {
    // The action flipped its own check mark; the switch sets it from the zoom state.
    zoom_->toggle();
  });
  connect(actions_[Command::OptionsUnzoomTopic], &QAction::triggered, this,
          [this] { zoom_->leave(); });
  connect(actions_[Command::OptionsUpdateTopicTitles], &QAction::triggered, listMenu_,
          &OpenListMenu::updateTopicTitles);
  connect(actions_[Command::ViewPrev], &QAction::triggered, this,
          [this] { grid_->previousTopic(); });
  connect(actions_[Command::ViewNext], &QAction::triggered, this, [this] { grid_->nextTopic(); });
  connect(actions_[Command::HeaderTopicsHeaderDefWidth], &QAction::triggered, this,
          &TFormMain::defaultColumnWidth);
  connect(actions_[Command::HelpHelpIndex], &QAction::triggered, this, &TFormMain::showHelp);
  connect(actions_[Command::SearchFind], &QAction::triggered, find_,
          &FindController::showFindDialog);
  // F3 steps through the hits of a chosen search result while its topic is on view.
  connect(actions_[Command::SearchSearchAgain], &QAction::triggered, this, [this] {
    if (!fullText_->stepHit(1)) find_->searchAgain();
  });
  connect(actions_[Command::SearchAllTopics], &QAction::triggered, fullText_,
          &FullTextController::showPanel);
  connect(list_, &ListController::aboutToClose, fullText_, &FullTextController::onListClosing);
  connect(loader_, &TopicLoader::topicLoaded, fullText_, &FullTextController::onTopicLoaded);
  connect(list_, &ListController::listClosed, find_, &FindController::onListClosed);
  connect(list_, &ListController::listClosed, loader_, &TopicLoader::clearSeeAlso);
  connect(loader_, &TopicLoader::topicLoaded, find_, &FindController::onTopicLoaded);
  connect(loader_, &TopicLoader::seeAlsoChosen, references_,
          &ReferenceController::resolveReference);
  connect(currentTopic_, &TopicTextView::linkClicked, references_,
          &ReferenceController::resolveReference);
  connect(seeAlsoButton_, &QToolButton::clicked, references_,
          &ReferenceController::showSeeAlsoMenu);
  // The Open List tool-bar button's face.
  connect(actions_.openListMenu, &QAction::triggered, listMenu_, &OpenListMenu::openFromButton);

  connect(gridView_, &TopicsGridView::rowSelected, grid_, &GridController::onRowSelected);
  connect(gridView_, &TopicsGridView::clickReaction, grid_, &GridController::onClickReaction);
  connect(gridView_, &TopicsGridView::topicActivated, grid_, &GridController::onTopicActivated);
  connect(combo_, &QComboBox::currentIndexChanged, categories_,
          &CategoryController::onSelectorChanged);
  connect(categoryButton_, &QToolButton::clicked, categories_, &CategoryController::onSpeedButton);
  connect(gridView_->horizontalHeader(), &QHeaderView::sectionResized, this,
          &TFormMain::onHeaderSectionResized);
  connect(mainPanel_, &MainPanel::laidOut, this, &TFormMain::fitColumns);
  // The grid fills the topics panel: when the panel changes size, column 1 takes the rest.
  connect(gridView_, &TopicsGridView::resized, this, &TFormMain::fitColumns);
}

void TFormMain::applyScale(double dpi) {
  dpi_ = dpi > 0 ? dpi : 96.0;
  if (dpi_ == 96.0) return;
  toolBarCategories_->setMinimumSize(ScaleForScreen(kBandMinWidth, dpi_),
                                     ScaleForScreen(kBandMinHeight, dpi_));
  statusBar_->applyScale(dpi_);
  combo_->setItemHeight(CategoryItemHeight(dpi_));
  QFont font = statusBar_->font();
  font.setPointSize(8);
  font.setBold(false);
  statusBar_->setFont(font);
}

void TFormMain::setBookmarkStore(SettingsHive& hive, std::int32_t major) {
  bookmarks_->setStore({[&hive, major, this] { return LoadBookmarks(hive, major, messages_); },
                        [&hive, major, this](const std::vector<Bookmark>& bookmarks) {
                          SaveBookmarks(hive, major, bookmarks, messages_);
                        }});
}

void TFormMain::applyLayout(const LayoutValues& values) {
  layout_ = WithStoredValues(layout_, values);
  placeToolBars(layout_.firstBandId == 1 ? 1 : 0, layout_.secondBandBreak);
  toolBar_->setVisible(layout_.toolBarVisible);
  gridView_->horizontalHeader()->setVisible(layout_.topicsHeaderVisible);
  panelCurrentTopicHeader_->setVisible(layout_.panelCurrentTopicHeaderVisible);
  statusBar_->setVisible(layout_.statusBarVisible);
  const auto area = static_cast<Qt::DockWidgetArea>(layout_.searchPanelArea);
  if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ||
      area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
    addDockWidget(area, fullText_->panel());
  fullText_->panel()->setVisible(layout_.searchPanelVisible);
  searchPanelExtent_->apply(layout_.searchPanelSize);
  const auto referencesArea = static_cast<Qt::DockWidgetArea>(layout_.referencedByArea);
  if (referencesArea == Qt::LeftDockWidgetArea || referencesArea == Qt::RightDockWidgetArea ||
      referencesArea == Qt::TopDockWidgetArea || referencesArea == Qt::BottomDockWidgetArea)
    addDockWidget(referencesArea, referencedBy_->panel());
  referencedBy_->panel()->setVisible(layout_.referencedByVisible);
}

void TFormMain::applyConfig(const ConfigRecord& config) {
  config_ = config;
  mainPanel_->setTopicsShare(config.TopicsHeightPerc);
  QFont topicFont(QString::fromStdString(config.topicFontName));
  topicFont.setPointSize(config.topicFontSize > 0 ? config.topicFontSize : 8);
  currentTopic_->setFont(topicFont);
  gridView_->applyFont(topicFont, dpi_);
  gridView_->gridDelegate()->setShowCategoryChar(config.ShowCategoryChar);

  state_.options.singleClickView = config.SingleClickView;
  state_.options.doubleClickZoom = config.DoubleClickZoom;
  state_.options.onlyParseLst = config.OnlyParseLST;
  state_.options.topicFormatting = config.TopicFormatting;
  state_.options.enabledSeeAlsoMenu = config.EnabledSeeAlsoMenu;
  state_.options.followAllReferences = config.FollowAllReferences;
  state_.options.policy.dontUseIndexFile = config.DontUseIndexFile;
  state_.options.policy.loadTopicsDirect = config.LoadTopicsDirect;
  mainPanel_->relayout();
}

ConfigRecord TFormMain::currentConfig() const {
  ConfigRecord c = config_;
  c.TopicsHeightPerc = mainPanel_->topicsShare();
  c.TopicsColWidth = gridView_->columnWidth(0);
  c.topicFontName = currentTopic_->font().family().toStdString();
  c.topicFontSize = currentTopic_->font().pointSize();
  c.SingleClickView = state_.options.singleClickView;
  c.DoubleClickZoom = state_.options.doubleClickZoom;
  c.OnlyParseLST = state_.options.onlyParseLst;
  c.TopicFormatting = state_.options.topicFormatting;
  c.EnabledSeeAlsoMenu = state_.options.enabledSeeAlsoMenu;
  c.FollowAllReferences = state_.options.followAllReferences;
  c.DontUseIndexFile = state_.options.policy.dontUseIndexFile;
  c.LoadTopicsDirect = state_.options.policy.loadTopicsDirect;
  c.ShowCategoryChar = gridView_->gridDelegate()->showCategoryChar();
  return c;
}

LayoutState TFormMain::currentLayout() const {
  LayoutState l = layout_;
  // Qt's tool bars keep their width to their contents; the stored widths go back as read.
  // The band order and break as the user left them; before the bars are laid out, as applied.
  if (toolBar_->isVisible() && toolBarCategories_->isVisible()) {
    const bool toolBarFirst =
        toolBar_->y() < toolBarCategories_->y() ||
        (toolBar_->y() == toolBarCategories_->y() && toolBar_->x() < toolBarCategories_->x());
    l.firstBandId = toolBarFirst ? 1 : 0;
    l.secondBandBreak = toolBarBreak(toolBarFirst ? toolBarCategories_ : toolBar_);
  }
  l.toolBarVisible = !toolBar_->isHidden();
  l.topicsHeaderVisible = !gridView_->horizontalHeader()->isHidden();
  l.panelCurrentTopicHeaderVisible = !panelCurrentTopicHeader_->isHidden();
  l.statusBarVisible = !statusBar_->isHidden();
  l.searchPanelVisible = !fullText_->panel()->isHidden();
  l.searchPanelArea = static_cast<std::int32_t>(dockWidgetArea(fullText_->panel()));
  l.searchPanelSize = searchPanelExtent_->extent();
  l.referencedByVisible = !referencedBy_->panel()->isHidden();
  l.referencedByArea = static_cast<std::int32_t>(dockWidgetArea(referencedBy_->panel()));
  return l;
}

WindowPlacement TFormMain::currentPlacement() const {
  WindowPlacement placement;
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  placement.rect = {normal.left(), normal.top(), normal.left() + normal.width(),
                    normal.top() + normal.height()};
  placement.state = isMaximized()   ? kWindowMaximized
                    : isMinimized() ? kWindowMinimized
                                    : kWindowNormal;
  return placement;
}

void TFormMain::setHelpFile(const QString& path) {
  helpFile_ = path;
  helpAvailable_ = QFileInfo(path).isFile();
  if (configDialog_) configDialog_->setHelpFile(path);
  updateCommands();
}

void TFormMain::setStartFolder(const std::string& folder) {
  startFolder_ = folder;
  if (configDialog_) configDialog_->setStartFolder(folder);
}

TFormConfig* TFormMain::configDialog() {
  if (!configDialog_) {
    configDialog_ = new TFormConfig(messages_, this);
    ConnectConfigDialog(*this, *configDialog_);
    configDialog_->setHelpFile(helpFile_);
    configDialog_->setStartFolder(startFolder_);
  }
  return configDialog_;
}

TFormAbout& TFormMain::aboutBox() {
  if (!about_) about_ = new TFormAbout(this);
  return *about_;
}

void TFormMain::applyMinimumSize() {
  setMinimumSize(MinimumWindowWidth(dpi_), kMinWindowHeight);
}

void TFormMain::applyColumnWidths() {
  gridView_->setColumnWidth(0, config_.TopicsColWidth);
  fitColumns();
}

void TFormMain::setWindowShown(bool shown) {
  mainPanel_->setWindowShown(shown);
}

void TFormMain::fitColumns() {
  if (fittingColumns_) return;
  fittingColumns_ = true;
  gridView_->setColumnWidth(
      1, std::max(GridColumn1Width(gridView_->width(), gridView_->columnWidth(0)), 1));
  fittingColumns_ = false;
}

void TFormMain::onHeaderSectionResized(int section, int, int) {
  // The header is the grid's own: its section is the column, so only column 1 is refitted.
  if (section == 0) mainPanel_->relayout();
}

void TFormMain::defaultColumnWidth() {
  gridView_->setColumnWidth(0, kDefaultColumnWidth);
  mainPanel_->relayout();
}

void TFormMain::buildListMenu() {
  listMenu_->buildListMenu();
}

void TFormMain::setFileDialogs(FileDialogs* dialogs) {
  listMenu_->setFileDialogs(dialogs);
  topicCommands_->setFileDialogs(dialogs);
}

void TFormMain::showHelp() {
  if (helpAvailable_) help_->showContext(helpFile_, 1000);
}

WindowState TFormMain::commandWindowState() const {
  WindowState s;
  s.listKind = state_.listKind;
  s.topicCount = state_.topicCount();
  s.currentTopic = state_.currentTopic;
  const QTextCursor cursor = currentTopic_->textCursor();
  s.selectionLength = static_cast<int>(cursor.selectionEnd() - cursor.selectionStart());
  // Positions count a line break once; the text length counts it twice (CR LF).
  const int lines = currentTopic_->document()->blockCount();
  const int positions = static_cast<int>(currentTopic_->document()->characterCount() - 1);
  s.textLength = positions > 0 ? positions + lines - 1 : 0;
  s.lineCount = lines;
  s.gridRow = gridView_->currentRow();
  s.rowCount = gridView_->rowCount();
  s.zoomed = mainPanel_->zoomed();
  s.helpAvailable = helpAvailable_;
  s.canGoBack = navigation_->canGoBack();
  s.canGoForward = navigation_->history().canGoForward();
  return s;
}

void TFormMain::updateCommands() {
  const CommandStates states = EvaluateCommands(commandWindowState());
  for (std::size_t i = 0; i < kCommandCount; ++i) {
    const auto command = static_cast<Command>(i);
    QAction* action = actions_.commands[i];
    const CommandState& s = states[i];
    if (action->isEnabled() != s.enabled) action->setEnabled(s.enabled);
    if (action->isCheckable() && action->isChecked() != s.checked) action->setChecked(s.checked);
    // Unzoom has no menu item or button but keeps its shortcut, which needs a visible action.
    if (command != Command::OptionsUnzoomTopic && action->isVisible() != s.visible)
      action->setVisible(s.visible);
  }
  if (helpSeparator_) helpSeparator_->setVisible(helpAvailable_);
}

bool TFormMain::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    const auto* tip = static_cast<QStatusTipEvent*>(event);
    statusBar_->setPanelText(StatusBarPanels::kHintPanel,
                             isActiveWindow() ? LongHint(tip->tip()) : QString());
    statusBar_->repaint();
    return true;
  }
  return QMainWindow::event(event);
}

void TFormMain::closeEvent(QCloseEvent* event) {
  if (config_.AskExit && !messages_.confirm(std::string("Exit ") + kProgramTitle + " ?")) {
    event->ignore();
    return;
  }
  if (shutdown_) shutdown_(*this);
  event->accept();
}

}  // namespace qorl::gui
