// SPDX-License-Identifier: MIT
#include "gui/app/startup.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/app/command_line.h"
#include "core/app/program_files.h"
#include "core/app/program_version.h"
#include "core/browse/categories.h"
#include "core/browse/status_panels.h"
#include "core/list/error_codes.h"
#include "core/list/file_path.h"
#include "core/list/list_kind.h"
#include "core/list/message_service.h"
#include "core/settings/config_apply.h"
#include "core/settings/settings_store.h"
#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/browse/browse_state.h"
#include "gui/list/list_controller.h"
#include "gui/settings/config_dialog.h"

namespace qorl::gui {
namespace {

// The Windows font names stand as they are; where the desktop lacks them, these metric-alike
// faces come first so that texts fit the layout's fixed widths.
void InstallFontSubstitutes() {
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
  QFont::insertSubstitutions("Terminal", {"Liberation Mono", "Courier New"});
  QFont::insertSubstitutions("Courier New", {"Liberation Mono"});
  QFont::insertSubstitutions("Arial", {"Liberation Sans"});
}

void LoadCategoryDescriptions(const std::string& path, BrowseState& state) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(FilePath(path), error)) return;
  std::ifstream in(FilePath(path), std::ios::binary);
  if (!in) return;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return;
  state.descriptions = ParseCategoryDescriptions(bytes);
}

void Shutdown(TFormMain& window, SettingsHive& hive, std::int32_t major, const RunState& run,
              MessageService& messages) {
  BrowseState& state = window.browseState();
  state.session.close();
  ConfigRecord config = window.currentConfig();
  if (config.ReloadLastOpenList) config.DefStartupList = state.listPath;
  window.config() = config;
  if (run.noSave) return;
  SaveSettings(hive, major, window.currentPlacement(), window.currentLayout(), config, messages);
}

}  // namespace

std::unique_ptr<TFormMain> StartViewer(const StartupEnvironment& env, RunState& run) {
  MessageService& messages = *env.messages;
  SettingsHive& hive = *env.hive;
  // An empty lists location means this folder, at start-up and whenever it is confirmed later.
  run.startFolder = SystemDirectories().current();
  InstallFontSubstitutes();
  // Phase A: version, command line (error 10 before the window appears), placement.
  const std::int32_t major = ReadVersion().major;
  ConfigRecord config;
  if (ParseCommandLine(env.arguments, config, run, hive, major, messages).errorCode != 0)
    ShowError(messages, kErrorCommandLine);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  const WindowPlacement placement = LoadWindowPlacement(
      hive, major, ScreenSize{screenRect.width(), screenRect.height()}, messages);

  auto window = std::make_unique<TFormMain>(messages);
  // As the system does for any window, the size is kept within the desktop's, so that a stored
  // rectangle far larger than the screens still gives a window that can be shown and painted.
  const QSize desktop = screen ? screen->virtualSize() : screenRect.size();
  window->setGeometry(placement.rect.left, placement.rect.top,
                      std::min(placement.rect.width(), desktop.width()),
                      std::min(placement.rect.height(), desktop.height()));
  if (placement.maximized()) window->setWindowState(Qt::WindowMaximized);

  // Phase B.
  const double dpi = env.dpi > 0 ? env.dpi : (screen ? screen->logicalDotsPerInch() : 96.0);
  window->applyScale(dpi);
  LayoutValues layout;
  LoadSettings(hive, major, layout, config, messages);
  window->applyLayout(layout);
  window->setBookmarkStore(hive, major);
  window->applyConfig(config);
  window->setWindowTitle(QString::fromUtf8(kProgramTitle));
  window->setHelpFile(QString::fromStdString(ProgramFilePath(env.programDir, kHelpFileName)));
  run.helpAvailable = window->helpAvailable();
  window->setStartFolder(run.startFolder);
  window->applyMinimumSize();
  LoadCategoryDescriptions(ProgramFilePath(env.programDir, kCategoryFileName),
                           window->browseState());
  window->applyColumnWidths();
  run.listsFolder =
      SettleListsFolder(window->config().DefStartupDir, run.startFolder, SystemDirectories());
  window->setListsFolder(run.listsFolder);
  BrowseState& state = window->browseState();
  state.listPath = window->config().DefStartupList;
  state.listKind = ListKindOf(state.listPath);

  SettingsHive* hivePtr = env.hive;
  MessageService* messagesPtr = env.messages;
  RunState* runPtr = &run;
  window->setShutdownHandler([hivePtr, major, runPtr, messagesPtr](TFormMain& w) {
    Shutdown(w, *hivePtr, major, *runPtr, *messagesPtr);
  });

  window->show();
  window->buildListMenu();
  window->setWindowShown(true);
  run.windowShown = true;
  window->repaint();

  std::error_code error;
  const std::string startupList = window->config().DefStartupList;
  if (!startupList.empty() && std::filesystem::is_regular_file(FilePath(startupList), error)) {
    window->listController().openList(startupList);
    // The start-up list's entry is checked even when the list could not be opened, as a
    // clicked entry is.
    window->listMenu().checkListInMenu(startupList);
  }
  return window;
}

}  // namespace qorl::gui
