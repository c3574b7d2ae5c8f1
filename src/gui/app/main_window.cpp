// SPDX-License-Identifier: MIT
#include "gui/app/main_window.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include "core/app/layout_arithmetic.h"
#include "core/app/list_menu.h"
#include "core/browse/status_panels.h"
#include "core/list/message_service.h"
#include "core/tools/tool_commands.h"
#include "gui/app/browse_options_config.h"
#include "gui/app/config_connection.h"
#include "gui/app/grid_columns.h"
#include "gui/app/help_command.h"
#include "gui/app/open_list_menu.h"
#include "gui/bookmarks/bookmarks_controller.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/category_controller.h"
#include "gui/browse/category_tool_bar.h"
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
#include "gui/window/command_menus.h"
#include "gui/window/command_tool_bar.h"
#include "gui/window/dock_extent.h"
#include "gui/window/dock_placement.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"
#include "gui/window/theme_follower.h"
#include "gui/window/tool_bar_bands.h"
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

  categoryBar_ = BuildCategoryToolBar(this);
  commandBar_ = BuildCommandToolBar(this, actions_);
  PlaceToolBarBands(*this, bands(), 0, false);
  mainPanel_ = new MainPanel(this);
  setCentralWidget(mainPanel_);
  panels_ = BuildBrowsePanels(this, mainPanel_, state_, actions_);
  statusBar_ = new StatusBarPanels(this);
  setStatusBar(statusBar_);
  menus_ = BuildCommandMenus(menuBar(), actions_);

  busy_ = std::make_unique<WindowBusyIndicator>(this, statusBar_);
  zoom_ = std::make_unique<ZoomSwitch>(mainPanel_, actions_[Command::OptionsZoomTopic],
                                       panels_.view, panels_.grid);
  BrowseWidgets widgets;
  widgets.window = this;
  widgets.grid = panels_.grid;
  widgets.model = panels_.model;
  widgets.combo = categoryBar_.combo;
  widgets.categoryButton = categoryBar_.button;
  widgets.currentTopic = panels_.view;
  widgets.currentTopicLabel = panels_.currentTopicLabel;
  widgets.seeAlsoButton = panels_.seeAlsoButton;
  widgets.statusBar = statusBar_;
  widgets.mainPanel = mainPanel_;
  widgets.zoom = zoom_.get();
  grid_ = new GridController(state_, widgets, messages_, this);
  categories_ = new CategoryController(state_, widgets, *busy_, *grid_, this);
  list_ = new ListController(state_, widgets, *busy_, messages_, *categories_, *grid_, this);
  loader_ = new TopicLoader(state_, widgets, panels_.view, *busy_, messages_, this);
  grid_->setTopicLoader(loader_);
  find_ = new FindController(state_, widgets, panels_.view, *busy_, messages_, *grid_, *categories_,
                             this);
  references_ = new ReferenceController(state_, widgets, loader_->seeAlsoMenu(), *busy_, messages_,
                                        *find_, this);
  references_->setListAccess(list_, panels_.view);
  connect(list_, &ListController::listClosed, references_, &ReferenceController::forgetTables);
  navigation_ =
      new NavigationController(state_, widgets, panels_.view, *loader_, *list_, *find_, messages_,
                               actions_[Command::ViewBack], actions_[Command::ViewForward], this);
  connect(list_, &ListController::aboutToClose, navigation_, &NavigationController::keepScroll);
  listMenu_ = new OpenListMenu(commandBar_.openListMenu, actions_.openOther, *list_, state_, this,
                               statusBar_, [this] {
                                 return ListMenuSource{listsFolder_, config_.DisplayAllLists};
                               });
  FullTextEnvironment fullText;
  fullText.listsFolder = [this] { return listsFolder_; };
  fullText.openList = [this](const std::string& path) {
    list_->openList(path);
    listMenu_->checkListInMenu(path);
  };
  fullText_ =
      new FullTextController(this, state_, panels_.view, *busy_, *find_, std::move(fullText));
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
      new BookmarksController(this, menus_.bookmarks, state_, *find_, messages_, openAndCheck);
  referencedBy_ =
      new ReferencedByController(this, state_, panels_.view, *find_,
                                 {[this] {
                                    std::vector<std::string> lists;
                                    if (listsFolder_.empty()) return lists;
                                    for (const std::string& name : ListFileNames(listsFolder_))
                                      lists.push_back(listsFolder_ + name);
                                    return lists;
                                  },
                                  openAndCheck});
  menus_.search->insertAction(menus_.searchSeparator, referencedBy_->toggleAction());
  commandBar_.bar->insertAction(actions_[Command::OptionsZoomTopic], bookmarks_->toggleAction());
  commandBar_.bar->insertSeparator(actions_[Command::OptionsZoomTopic]);
  const auto topicChanged = [this] {
    bookmarks_->updateState();
    referencedBy_->refresh();
  };
  connect(loader_, &TopicLoader::topicLoaded, bookmarks_, topicChanged);
  connect(list_, &ListController::listClosed, bookmarks_, topicChanged);
  topicCommands_ =
      new TopicCommands(state_, config_, this, panels_.view, statusBar_, messages_, actions_, this);
  connectCommands();
  help_ = new HelpCommand(this, actions_[Command::HelpHelpIndex], menus_.helpSeparator);
  new ThemeFollower(this);
  connect(actions_[Command::OptionsConfiguration], &QAction::triggered, this,
          [this] { configDialog()->showModal(); });
  ToolsEnvironment tools;
  tools.folder = [this] { return ToolsFolder(config_.DefStartupDir, listsFolder_); };
  tools.listKind = [this] { return state_.listKind; };
  tools.closeList = [this] { list_->closeList(); };
  tools.rebuildListMenu = [this] { buildListMenu(); };
  tools_ = new ToolsMenu(menus_.tools, std::move(tools), messages_, *busy_, this);
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
  delete panels_.model;
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
  connect(panels_.view, &TopicTextView::linkClicked, references_,
          &ReferenceController::resolveReference);
  connect(panels_.seeAlsoButton, &QToolButton::clicked, references_,
          &ReferenceController::showSeeAlsoMenu);
  // The Open List tool-bar button's face.
  connect(actions_.openListMenu, &QAction::triggered, listMenu_, &OpenListMenu::openFromButton);

  connect(panels_.grid, &TopicsGridView::rowSelected, grid_, &GridController::onRowSelected);
  connect(panels_.grid, &TopicsGridView::clickReaction, grid_, &GridController::onClickReaction);
  connect(panels_.grid, &TopicsGridView::topicActivated, grid_, &GridController::onTopicActivated);
  connect(categoryBar_.combo, &QComboBox::currentIndexChanged, categories_,
          &CategoryController::onSelectorChanged);
  connect(categoryBar_.button, &QToolButton::clicked, categories_,
          &CategoryController::onSpeedButton);
  columns_ = new GridColumns(panels_.grid, mainPanel_, this);
}

void TFormMain::applyScale(double dpi) {
  dpi_ = dpi > 0 ? dpi : 96.0;
  if (dpi_ == 96.0) return;
  categoryBar_.bar->setMinimumSize(ScaleForScreen(kBandMinWidth, dpi_),
                                   ScaleForScreen(kBandMinHeight, dpi_));
  statusBar_->applyScale(dpi_);
  categoryBar_.combo->setItemHeight(CategoryItemHeight(dpi_));
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
  PlaceToolBarBands(*this, bands(), layout_.firstBandId == 1 ? 1 : 0, layout_.secondBandBreak);
  commandBar_.bar->setVisible(layout_.toolBarVisible);
  panels_.grid->horizontalHeader()->setVisible(layout_.topicsHeaderVisible);
  panels_.currentTopicHeader->setVisible(layout_.panelCurrentTopicHeaderVisible);
  statusBar_->setVisible(layout_.statusBarVisible);
  PlaceDock(*this, fullText_->panel(), layout_.searchPanelArea, layout_.searchPanelVisible);
  searchPanelExtent_->apply(layout_.searchPanelSize);
  PlaceDock(*this, referencedBy_->panel(), layout_.referencedByArea, layout_.referencedByVisible);
}

void TFormMain::applyConfig(const ConfigRecord& config) {
  config_ = config;
  mainPanel_->setTopicsShare(config.TopicsHeightPerc);
  QFont topicFont(QString::fromStdString(config.topicFontName));
  topicFont.setPointSize(config.topicFontSize > 0 ? config.topicFontSize : 8);
  panels_.view->setFont(topicFont);
  panels_.grid->applyFont(topicFont, dpi_);
  panels_.grid->gridDelegate()->setShowCategoryChar(config.ShowCategoryChar);

  ApplyBrowseOptions(config, state_.options);
  mainPanel_->relayout();
}

ConfigRecord TFormMain::currentConfig() const {
  ConfigRecord c = config_;
  c.TopicsHeightPerc = mainPanel_->topicsShare();
  c.TopicsColWidth = panels_.grid->columnWidth(0);
  c.topicFontName = panels_.view->font().family().toStdString();
  c.topicFontSize = panels_.view->font().pointSize();
  StoreBrowseOptions(state_.options, c);
  c.ShowCategoryChar = panels_.grid->gridDelegate()->showCategoryChar();
  return c;
}

LayoutState TFormMain::currentLayout() const {
  LayoutState l = layout_;
  // Qt's tool bars keep their width to their contents; the stored widths go back as read.
  // The band order and break as the user left them; before the bars are laid out, as applied.
  ReadToolBarBands(*this, bands(), l.firstBandId, l.secondBandBreak);
  l.toolBarVisible = !commandBar_.bar->isHidden();
  l.topicsHeaderVisible = !panels_.grid->horizontalHeader()->isHidden();
  l.panelCurrentTopicHeaderVisible = !panels_.currentTopicHeader->isHidden();
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
  help_->setFile(path);
  if (configDialog_) configDialog_->setHelpFile(path);
  updateCommands();
}

bool TFormMain::helpAvailable() const {
  return help_->available();
}

HelpWindow* TFormMain::helpWindow() const {
  return help_->window();
}

void TFormMain::setStartFolder(const std::string& folder) {
  startFolder_ = folder;
  if (configDialog_) configDialog_->setStartFolder(folder);
}

TFormConfig* TFormMain::configDialog() {
  if (!configDialog_) {
    configDialog_ = new TFormConfig(messages_, this);
    ConnectConfigDialog(*this, *configDialog_);
    configDialog_->setHelpFile(help_->file());
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
  columns_->apply(config_.TopicsColWidth);
}

void TFormMain::setWindowShown(bool shown) {
  mainPanel_->setWindowShown(shown);
}

void TFormMain::fitColumns() {
  columns_->fit();
}

void TFormMain::defaultColumnWidth() {
  columns_->defaultWidth();
}

void TFormMain::buildListMenu() {
  listMenu_->buildListMenu();
}

void TFormMain::setFileDialogs(FileDialogs* dialogs) {
  listMenu_->setFileDialogs(dialogs);
  topicCommands_->setFileDialogs(dialogs);
}

WindowState TFormMain::commandWindowState() const {
  WindowState s;
  s.listKind = state_.listKind;
  s.topicCount = state_.topicCount();
  s.currentTopic = state_.currentTopic;
  const QTextCursor cursor = panels_.view->textCursor();
  s.selectionLength = static_cast<int>(cursor.selectionEnd() - cursor.selectionStart());
  // Positions count a line break once; the text length counts it twice (CR LF).
  const int lines = panels_.view->document()->blockCount();
  const int positions = static_cast<int>(panels_.view->document()->characterCount() - 1);
  s.textLength = positions > 0 ? positions + lines - 1 : 0;
  s.lineCount = lines;
  s.gridRow = panels_.grid->currentRow();
  s.rowCount = panels_.grid->rowCount();
  s.zoomed = mainPanel_->zoomed();
  s.helpAvailable = help_->available();
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
  help_->updateSeparator();
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
