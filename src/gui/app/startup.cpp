#include "gui/app/startup.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/browse/categories.h"
#include "core/browse/status_panels.h"
#include "core/list/message_service.h"
#include "gui/app/main_window.h"
#include "gui/app/settings_storage.h"
#include "gui/browse/browse_state.h"
#include "gui/list/list_controller.h"

namespace qorl::gui {
namespace {

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// The list kind a file name gives (-1 for an empty name).
int KindOfName(const std::string& path) {
  static const char* kNames[] = {"INTERRUP.LST", "PORTS.LST",  "MEMORY.LST", "CMOS.LST",
                                 "FARCALL.LST",  "MSR.LST",    "I2C.LST",    "OPCODES.LST",
                                 "SMM.LST",      "TABLES.LST", "BIBLIO.LST"};
  const std::size_t cut = path.find_last_of("/\\:");
  const std::string name = Upper(cut == std::string::npos ? path : path.substr(cut + 1));
  if (name.empty()) return -1;
  for (int i = 0; i < 11; ++i)
    if (name == kNames[i]) return i + 1;
  return 0;
}

// The command-line words: "-" or "/" and a word of the table; anything else after a prefix is
// error 10, which stops the parsing. Arguments without a prefix are ignored.
void ApplyCommandLine(const StartupEnvironment& env, ViewerSettings& settings, RunFlags& flags) {
  for (const std::string& argument : env.arguments) {
    if (argument.empty()) continue;
    const std::string s = Upper(argument);
    if (s[0] != '-' && s[0] != '/') continue;
    const std::string word = s.substr(1);
    if (word == "INDEXUSE") {
      settings.dontUseIndexFile = false;
      settings.loadTopicsDirect = false;
    } else if (word == "INDEXNOUPDATE") {
      settings.dontUseIndexFile = true;
      settings.loadTopicsDirect = false;
    } else if (word == "INDEXNOUSE" || word == "NOINDEX") {
      settings.dontUseIndexFile = false;
      settings.loadTopicsDirect = true;
    } else if (word == "CONFIGNOSAVE" || word == "NOREGISTRY") {
      flags.noSave = true;
    } else if (word == "CONFIGCLEAR") {
      env.storage->clear();
    } else if (word == "QUIT") {
      flags.quitRequested = true;
    } else {
      env.messages->warning("Unknown commandline parameter(s) !");
      return;
    }
  }
}

void LoadCategoryDescriptions(const std::string& path, BrowseState& state) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return;
  state.descriptions = ParseCategoryDescriptions(bytes);
}

// DefStartupDir becomes the current directory when it is a folder, else it is cleared; the
// lists folder is the current directory with a trailing '/'.
std::string FixListsFolder(ViewerSettings& settings) {
  if (!settings.defStartupDir.empty()) {
    std::error_code error;
    if (std::filesystem::is_directory(settings.defStartupDir, error)) {
      std::filesystem::current_path(settings.defStartupDir, error);
    } else {
      settings.defStartupDir.clear();
    }
  }
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

void Shutdown(TFormMain& window, SettingsStorage& storage, const RunFlags& flags) {
  BrowseState& state = window.browseState();
  state.session.close();
  ViewerSettings settings = window.currentSettings();
  if (settings.reloadLastOpenList) settings.defStartupList = state.listPath;
  window.settings() = settings;
  if (flags.noSave) return;
  WindowPlacementValues placement;
  const QRect normal =
      window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  placement.left = normal.left();
  placement.top = normal.top();
  placement.right = normal.left() + normal.width();
  placement.bottom = normal.top() + normal.height();
  placement.maximized = window.isMaximized();
  storage.save(settings, placement);
}

}  // namespace

std::unique_ptr<TFormMain> StartViewer(const StartupEnvironment& env, RunFlags& flags) {
  // Phase A: command line (error 10 before the window appears), then the placement.
  ViewerSettings settings;
  ApplyCommandLine(env, settings, flags);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  WindowPlacementValues placement =
      env.storage->loadPlacement(screenRect.width(), screenRect.height());
  if (placement.left > screenRect.width()) placement.left = screenRect.width() - 50;
  if (placement.top > screenRect.height()) placement.top = screenRect.height() - 50;

  auto window = std::make_unique<TFormMain>(*env.messages);
  window->setGeometry(placement.left, placement.top, placement.right - placement.left,
                      placement.bottom - placement.top);
  if (placement.maximized) window->setWindowState(Qt::WindowMaximized);

  // Phase B.
  const double dpi = env.dpi > 0 ? env.dpi : (screen ? screen->logicalDotsPerInch() : 96.0);
  window->applyScale(dpi);
  env.storage->load(settings);
  window->applySettings(settings);
  window->setWindowTitle(QString::fromUtf8(kProgramTitle));
  window->setHelpFile(QString::fromStdString(env.programDir + kHelpFileName));
  flags.helpAvailable = window->helpAvailable();
  window->applyMinimumSize();
  LoadCategoryDescriptions(env.programDir + kCategoryFileName, window->browseState());
  window->applyColumnWidths();
  flags.listsFolder = FixListsFolder(window->settings());
  BrowseState& state = window->browseState();
  state.listPath = window->settings().defStartupList;
  state.listKind = KindOfName(state.listPath);

  SettingsStorage* storage = env.storage;
  RunFlags* runFlags = &flags;
  window->setShutdownHandler(
      [storage, runFlags](TFormMain& w) { Shutdown(w, *storage, *runFlags); });

  window->show();
  window->setWindowShown(true);
  flags.windowShown = true;
  window->repaint();

  std::error_code error;
  const std::string& startupList = window->settings().defStartupList;
  if (!startupList.empty() && std::filesystem::is_regular_file(startupList, error))
    window->listController().openList(startupList);
  return window;
}

}  // namespace qorl::gui
