// SPDX-License-Identifier: MIT
#include "core/settings/config_apply.h"

#include <filesystem>
#include <system_error>

#include "core/list/file_path.h"

namespace qorl {

DirectoryAccess SystemDirectories() {
  DirectoryAccess fs;
  fs.isFolder = [](const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(FilePath(path), error);
  };
  fs.isFile = [](const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(FilePath(path), error);
  };
  fs.changeCurrent = [](const std::string& path) {
    std::error_code error;
    std::filesystem::current_path(FilePath(path), error);
    return !error;
  };
  fs.current = [] {
    std::error_code error;
    return Utf8Path(std::filesystem::current_path(error));
  };
  return fs;
}

std::string WithTrailingSeparator(std::string folder) {
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (folder.empty() || (folder.back() != separator && folder.back() != '/')) folder += separator;
  return folder;
}

ConfigDialogValues DialogValuesFrom(const ConfigRecord& config) {
  ConfigDialogValues v;
  v.defStartupDir = config.DefStartupDir;
  if (config.ReloadLastOpenList) {
    v.startupList = StartupListChoice::LastOpened;
  } else if (config.DefStartupList.empty()) {
    v.startupList = StartupListChoice::None;
  } else {
    v.startupList = StartupListChoice::Custom;
    v.customList = config.DefStartupList;
  }
  v.askExit = config.AskExit;
  v.showPrintDialog = config.ShowPrintDialog;
  v.displayAllLists = config.DisplayAllLists;
  v.singleClickView = config.SingleClickView;
  v.doubleClickZoom = config.DoubleClickZoom;
  v.enableSeeAlsoMenu = config.EnabledSeeAlsoMenu;
  v.followAllReferences = config.FollowAllReferences;
  v.topicFormatting = config.TopicFormatting;
  v.showCategoryChar = config.ShowCategoryChar;
  v.wysiwygPrint = config.WYSIWYGPrint;
  v.index = config.LoadTopicsDirect   ? IndexChoice::DontUse
            : config.DontUseIndexFile ? IndexChoice::UseExisting
                                      : IndexChoice::UseAndUpdate;
  v.onlyParseLst = config.OnlyParseLST;
  v.fontName = config.topicFontName;
  v.fontSize = config.topicFontSize;
  v.useDefaultFont = v.fontName == kDefaultTopicFontName && v.fontSize == kDefaultTopicFontSize;
  return v;
}

std::string SettleListsFolder(std::string& defStartupDir, const std::string& startFolder,
                              const DirectoryAccess& fs) {
  if (fs.isFolder(defStartupDir) && fs.changeCurrent(defStartupDir)) {
    defStartupDir = fs.current();
  } else {
    defStartupDir.clear();
    if (!startFolder.empty()) fs.changeCurrent(startFolder);
  }
  return WithTrailingSeparator(fs.current());
}

ConfigApplyResult ApplyDialogValues(const ConfigDialogValues& values, const ConfigRecord& old,
                                    const std::string& startFolder, const DirectoryAccess& fs) {
  ConfigApplyResult result;
  ConfigRecord& c = result.config;
  ConfigEffects& effects = result.effects;
  c = old;

  c.DefStartupDir = values.defStartupDir;
  result.listsFolder = SettleListsFolder(c.DefStartupDir, startFolder, fs);
  effects.rebuildListMenu = c.DefStartupDir != old.DefStartupDir;

  c.ReloadLastOpenList = false;
  c.DefStartupList.clear();
  if (values.startupList == StartupListChoice::LastOpened) {
    c.ReloadLastOpenList = true;
  } else if (values.startupList == StartupListChoice::Custom && fs.isFile(values.customList)) {
    c.DefStartupList = values.customList;
  }

  c.AskExit = values.askExit;
  c.ShowPrintDialog = values.showPrintDialog;
  c.SingleClickView = values.singleClickView;
  c.DoubleClickZoom = values.doubleClickZoom;
  c.EnabledSeeAlsoMenu = values.enableSeeAlsoMenu;
  c.FollowAllReferences = values.followAllReferences;
  c.TopicFormatting = values.topicFormatting;
  c.WYSIWYGPrint = values.wysiwygPrint;
  if (values.displayAllLists != old.DisplayAllLists) {
    c.DisplayAllLists = values.displayAllLists;
    effects.rebuildListMenu = true;
  }
  if (values.showCategoryChar != old.ShowCategoryChar) {
    c.ShowCategoryChar = values.showCategoryChar;
    effects.repaintGrid = true;
  }
  c.DontUseIndexFile = values.index == IndexChoice::UseExisting;
  c.LoadTopicsDirect = values.index == IndexChoice::DontUse;
  c.OnlyParseLST = values.onlyParseLst;

  std::string fontName = values.fontName;
  std::int32_t fontSize = values.fontSize;
  if (values.useDefaultFont) {
    fontName = kDefaultTopicFontName;
    fontSize = kDefaultTopicFontSize;
  }
  if (fontName != old.topicFontName || fontSize != old.topicFontSize) {
    c.topicFontName = fontName;
    c.topicFontSize = fontSize;
    effects.repaintGrid = true;
    effects.reloadTopic = true;
  }
  if (c.TopicFormatting != old.TopicFormatting || c.EnabledSeeAlsoMenu != old.EnabledSeeAlsoMenu ||
      c.FollowAllReferences != old.FollowAllReferences)
    effects.reloadTopic = true;
  return result;
}

}  // namespace qorl
