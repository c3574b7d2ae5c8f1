// SPDX-License-Identifier: MIT
#pragma once
// The configuration dialog's decisions, free of any window: which control states a
// configuration record gives, and what the controls make of the record when Ok is pressed,
// together with the immediate effects that change needs (Open List menu rebuilt, topics grid
// repainted, shown topic reloaded).

#include <cstdint>
#include <functional>
#include <string>

#include "core/settings/settings_store.h"

namespace qorl {

// The topic font "Use default font" stands for.
inline constexpr const char* kDefaultTopicFontName = "Courier New";
inline constexpr std::int32_t kDefaultTopicFontSize = 8;
// The sizes the font selection accepts, in points.
inline constexpr std::int32_t kMinTopicFontSize = 5;
inline constexpr std::int32_t kMaxTopicFontSize = 20;

inline bool TopicFontSizeAllowed(std::int32_t points) {
  return points >= kMinTopicFontSize && points <= kMaxTopicFontSize;
}

enum class StartupListChoice { None, LastOpened, Custom };
enum class IndexChoice { UseAndUpdate, UseExisting, DontUse };

// The state of the dialog's controls plus its pending font.
struct ConfigDialogValues {
  std::string defStartupDir;  // "Location of lists" edit box
  StartupListChoice startupList = StartupListChoice::None;
  std::string customList;  // custom start-up list edit box
  bool askExit = false;
  bool showPrintDialog = true;
  bool displayAllLists = false;
  bool singleClickView = true;
  bool doubleClickZoom = false;
  bool enableSeeAlsoMenu = true;
  bool followAllReferences = false;
  bool topicFormatting = true;
  bool showCategoryChar = true;
  bool useDefaultFont = false;
  bool wysiwygPrint = false;
  IndexChoice index = IndexChoice::UseAndUpdate;
  bool onlyParseLst = true;
  std::string fontName;  // pending font
  std::int32_t fontSize = 0;

  bool operator==(const ConfigDialogValues&) const = default;
};

// What has to happen at once after Ok; everything else takes effect when next used.
struct ConfigEffects {
  bool rebuildListMenu = false;
  bool repaintGrid = false;
  bool reloadTopic = false;

  bool operator==(const ConfigEffects&) const = default;
};

// The file system as the dialog sees it; tests replace it.
struct DirectoryAccess {
  std::function<bool(const std::string&)> isFolder;
  std::function<bool(const std::string&)> isFile;
  std::function<bool(const std::string&)> changeCurrent;  // false when it could not
  std::function<std::string()> current;                   // the current directory's full path
};

// The real file system and current directory.
DirectoryAccess SystemDirectories();

struct ConfigApplyResult {
  ConfigRecord config;  // the new record; topicFontName/Size are the view's new font
  ConfigEffects effects;
  std::string listsFolder;  // the current directory with a trailing separator
};

// The controls as a record (with the topic view's font in topicFontName/Size) sets them.
ConfigDialogValues DialogValuesFrom(const ConfigRecord& config);

// The lists location and the lists folder, one rule for start-up and Ok: a location naming a
// folder that can be entered becomes the current directory and is kept as the system reports it
// (absolute); an empty or missing one is emptied and the folder the viewer was started in
// (startFolder) becomes current again. Returns the lists folder: the current directory with a
// trailing separator.
std::string SettleListsFolder(std::string& defStartupDir, const std::string& startFolder,
                              const DirectoryAccess& fs);

// Stores the controls into a copy of old (whose topic font is the view's current font), settles
// the lists folder (SettleListsFolder) and says which effects the change needs.
ConfigApplyResult ApplyDialogValues(const ConfigDialogValues& values, const ConfigRecord& old,
                                    const std::string& startFolder, const DirectoryAccess& fs);

// folder with a trailing separator ('/', or '\' on Windows) unless it ends in one.
std::string WithTrailingSeparator(std::string folder);

}  // namespace qorl
