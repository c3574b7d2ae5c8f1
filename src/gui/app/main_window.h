// SPDX-License-Identifier: MIT
#pragma once
// The main window `TFormMain`: tool bars with the category selector and the command buttons,
// the topics grid above the topic view, the status bar, the menus and every command. It builds
// and wires the parts; the controllers do the work.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "core/app/enabling_rules.h"
#include "core/settings/settings_store.h"
#include "gui/browse/browse_panels.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/category_tool_bar.h"
#include "gui/browse/topic_text_view.h"
#include "gui/window/command_actions.h"
#include "gui/window/command_menus.h"
#include "gui/window/command_tool_bar.h"
#include "gui/window/tool_bar_bands.h"

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class BookmarksController;
class CategoryComboBox;
class DockExtent;
class CategoryController;
class FileDialogs;
class FindController;
class FullTextController;
class GridColumns;
class GridController;
class HelpCommand;
class HelpWindow;
class ListController;
class LookupController;
class MainPanel;
class NavigationController;
class OpenListMenu;
class ReferenceController;
class ReferencedByController;
class StatusBarPanels;
class TFormAbout;
class TFormConfig;
class ToolsMenu;
class TopicCommands;
class TopicLoader;
class TopicsGridView;
class WindowBusyIndicator;
class ZoomSwitch;

class TFormMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormMain(MessageService& messages, QWidget* parent = nullptr);
  ~TFormMain() override;

  // Screen scaling for a logical resolution other than 96 pixels per inch.
  void applyScale(double dpi);
  double dpi() const { return dpi_; }
  // Settings read at start: the stored layout values of the bars and panels, then the
  // configuration record.
  void applyLayout(const LayoutValues& values);
  void applyConfig(const ConfigRecord& config);
  // The configuration record; the browsing options and the topic font are read back into it by
  // currentConfig().
  ConfigRecord& config() { return config_; }
  ConfigRecord currentConfig() const;
  LayoutState currentLayout() const;
  WindowPlacement currentPlacement() const;
  void setHelpFile(const QString& path);
  bool helpAvailable() const;
  // The least window size: band minimum width + 25 by 180.
  void applyMinimumSize();
  // Column widths from TopicsColWidth.
  void applyColumnWidths();
  void setWindowShown(bool shown);
  // The folder the Open List menu and its file dialog look in (ends in '/').
  void setListsFolder(const std::string& folder) { listsFolder_ = folder; }
  const std::string& listsFolder() const { return listsFolder_; }
  // Builds the Open List menu from the lists folder (when the window is first shown, and
  // whenever the lists folder or DisplayAllLists changes).
  void buildListMenu();
  OpenListMenu& listMenu() { return *listMenu_; }
  TopicCommands& topicCommands() { return *topicCommands_; }
  // Replaces the open and save dialogs (tests); nullptr goes back to the platform's.
  void setFileDialogs(FileDialogs* dialogs);

  // Evaluates every command's enabled, checked and visible state; runs whenever the event loop
  // is about to wait.
  void updateCommands();
  WindowState commandWindowState() const;

  // Called when the window closes (after the exit question), before it goes.
  void setShutdownHandler(std::function<void(TFormMain&)> handler) {
    shutdown_ = std::move(handler);
  }

  // Parts, for the start-up code and the tests.
  BrowseState& browseState() { return state_; }
  ListController& listController() { return *list_; }
  GridController& gridController() { return *grid_; }
  CategoryController& categoryController() { return *categories_; }
  TopicLoader& topicLoader() { return *loader_; }
  FindController& findController() { return *find_; }
  FullTextController& fullTextController() { return *fullText_; }
  LookupController& lookupController() { return *lookup_; }
  ReferenceController& referenceController() { return *references_; }
  BookmarksController& bookmarks() { return *bookmarks_; }
  ReferencedByController& referencedBy() { return *referencedBy_; }
  // Where the bookmarks are kept (read now, written at each change).
  void setBookmarkStore(SettingsHive& hive, std::int32_t major);
  NavigationController& navigation() { return *navigation_; }
  const CommandActions& actions() const { return actions_; }
  QAction* action(Command c) const { return actions_[c]; }
  TopicsGridView* grid() const { return panels_.grid; }
  CategoryComboBox* categoryCombo() const { return categoryBar_.combo; }
  StatusBarPanels* statusPanels() const { return statusBar_; }
  MainPanel* mainPanel() const { return mainPanel_; }
  TopicTextView* currentTopic() const { return panels_.view; }
  ZoomSwitch& zoom() { return *zoom_; }
  WindowBusyIndicator& busy() { return *busy_; }
  HelpWindow* helpWindow() const;
  // The Configuration dialog and the About box are built on first use.
  TFormConfig* configDialog();
  ToolsMenu& toolsMenu() { return *tools_; }
  TFormAbout& aboutBox();
  // The folder the viewer was started in: the lists folder of an empty lists location.
  void setStartFolder(const std::string& folder);

  // Grid column widths after a change of size: column 1 takes the rest.
  void fitColumns();
  void defaultColumnWidth();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectCommands();
  ToolBarBands bands() const { return {categoryBar_.bar, commandBar_.bar}; }

  MessageService& messages_;
  ConfigRecord config_;
  LayoutState layout_;
  BrowseState state_;
  CommandActions actions_;
  double dpi_ = 96.0;
  std::string startFolder_;
  std::string listsFolder_;
  std::function<void(TFormMain&)> shutdown_;

  CategoryToolBar categoryBar_;
  CommandToolBar commandBar_;
  CommandMenus menus_;
  BrowsePanels panels_;
  OpenListMenu* listMenu_ = nullptr;
  StatusBarPanels* statusBar_ = nullptr;
  MainPanel* mainPanel_ = nullptr;
  HelpCommand* help_ = nullptr;
  GridColumns* columns_ = nullptr;
  TFormConfig* configDialog_ = nullptr;
  TFormAbout* about_ = nullptr;

  std::unique_ptr<WindowBusyIndicator> busy_;
  std::unique_ptr<ZoomSwitch> zoom_;
  GridController* grid_ = nullptr;
  CategoryController* categories_ = nullptr;
  ListController* list_ = nullptr;
  ToolsMenu* tools_ = nullptr;
  TopicLoader* loader_ = nullptr;
  FindController* find_ = nullptr;
  FullTextController* fullText_ = nullptr;
  DockExtent* searchPanelExtent_ = nullptr;
  LookupController* lookup_ = nullptr;
  BookmarksController* bookmarks_ = nullptr;
  ReferencedByController* referencedBy_ = nullptr;
  ReferenceController* references_ = nullptr;
  NavigationController* navigation_ = nullptr;
  TopicCommands* topicCommands_ = nullptr;
};

}  // namespace qorl::gui
