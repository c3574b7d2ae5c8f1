// SPDX-License-Identifier: MIT
#include "core/settings/settings_store.h"

#include <bit>
#include <cmath>
#include <memory>

namespace qorl {

namespace {

constexpr std::size_t kRealBytes = 8;
constexpr std::size_t kRectBytes = 16;

std::string LittleEndian(std::uint64_t value, std::size_t bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

std::uint64_t FromLittleEndian(const std::string& data, std::size_t at, std::size_t bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes; i > 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(data[at + i - 1]);
  }
  return value;
}

// Reads typed values from one key; a value of the wrong type is reported and read as absent.
class ValueReader {
 public:
  ValueReader(const HiveKey* key, MessageService& messages) : key_(key), messages_(messages) {}

  std::optional<std::int32_t> integer(const std::string& name) {
    auto value = query(name);
    if (!value) return std::nullopt;
    if (!value->isDword()) return invalid(name);
    return static_cast<std::int32_t>(value->dwordValue());
  }

  std::optional<bool> boolean(const std::string& name) {
    auto value = query(name);
    if (!value) return std::nullopt;
    if (!value->isDword()) return invalid(name);
    return value->dwordValue() != 0;
  }

  // REG_SZ or REG_EXPAND_SZ, without expansion, up to its first zero as the system's own
  // string readers take it (the stored value keeps what follows).
  std::optional<std::string> string(const std::string& name) {
    auto value = query(name);
    if (!value) return std::nullopt;
    if (value->type != HiveValueType::String && value->type != HiveValueType::ExpandString) {
      return invalid(name);
    }
    return value->data.substr(0, value->data.find('\0'));
  }

  // Exactly 8 bytes of REG_BINARY holding a finite double (a NaN or infinity would break the
  // layout arithmetic that uses it).
  std::optional<double> real(const std::string& name) {
    auto value = query(name);
    if (!value) return std::nullopt;
    if (value->type != HiveValueType::Binary || value->data.size() != kRealBytes) {
      return invalid(name);
    }
    const double d = std::bit_cast<double>(FromLittleEndian(value->data, 0, kRealBytes));
    if (!std::isfinite(d)) return invalid(name);
    return d;
  }

  // Exactly 16 bytes of REG_BINARY: left, top, right, bottom.
  std::optional<WindowRect> rect(const std::string& name) {
    auto value = query(name);
    if (!value) return std::nullopt;
    if (value->type != HiveValueType::Binary || value->data.size() != kRectBytes) {
      return invalid(name);
    }
    auto at = [&](std::size_t i) {
      return static_cast<std::int32_t>(
          static_cast<std::uint32_t>(FromLittleEndian(value->data, 4 * i, 4)));
    };
    return WindowRect{at(0), at(1), at(2), at(3)};
  }

 private:
  std::optional<HiveValue> query(const std::string& name) const {
    if (!key_) return std::nullopt;
    return key_->queryValue(name);
  }

  std::nullopt_t invalid(const std::string& name) {
    messages_.error(InvalidDataTypeMessage(name));
    return std::nullopt;
  }

  const HiveKey* key_;
  MessageService& messages_;
};

// Writes typed values to one key. The first value that cannot be written is reported; the
// others are still attempted.
class ValueWriter {
 public:
  ValueWriter(HiveKey* key, MessageService& messages, bool& failureShown)
      : key_(key), messages_(messages), failureShown_(failureShown) {}

  void integer(const std::string& name, std::int32_t v) {
    put(name, HiveValue::dword(static_cast<std::uint32_t>(v)));
  }
  void boolean(const std::string& name, bool v) { put(name, HiveValue::dword(v ? 1 : 0)); }
  void string(const std::string& name, const std::string& v) { put(name, HiveValue::string(v)); }
  void real(const std::string& name, double v) {
    put(name, HiveValue::binary(LittleEndian(std::bit_cast<std::uint64_t>(v), kRealBytes)));
  }
  void rect(const std::string& name, const WindowRect& r) {
    std::string bytes;
    for (std::int32_t edge : {r.left, r.top, r.right, r.bottom}) {
      bytes += LittleEndian(static_cast<std::uint32_t>(edge), 4);
    }
    put(name, HiveValue::binary(std::move(bytes)));
  }

 private:
  void put(const std::string& name, const HiveValue& value) {
    if (key_ && key_->setValue(name, value)) return;
    if (failureShown_) return;
    failureShown_ = true;
    messages_.error(FailedToSetDataMessage(name));
  }

  HiveKey* key_;
  MessageService& messages_;
  bool& failureShown_;
};

std::string SubKeyPath(std::int32_t major, const char* name) {
  return SettingsKeyPath(major) + "\\" + name;
}

template <typename T>
void Assign(T& target, const std::optional<T>& value) {
  if (value) target = *value;
}

}  // namespace

LayoutState WithStoredValues(LayoutState state, const LayoutValues& values) {
  Assign(state.toolBarCategoriesWidth, values.toolBarCategoriesWidth);
  Assign(state.firstBandId, values.firstBandId);
  Assign(state.firstBandBreak, values.firstBandBreak);
  Assign(state.toolBarWidth, values.toolBarWidth);
  Assign(state.secondBandBreak, values.secondBandBreak);
  Assign(state.toolBarVisible, values.toolBarVisible);
  Assign(state.topicsHeaderVisible, values.topicsHeaderVisible);
  Assign(state.panelCurrentTopicHeaderVisible, values.panelCurrentTopicHeaderVisible);
  Assign(state.statusBarVisible, values.statusBarVisible);
  Assign(state.searchPanelVisible, values.searchPanelVisible);
  Assign(state.searchPanelArea, values.searchPanelArea);
  Assign(state.searchPanelSize, values.searchPanelSize);
  Assign(state.referencedByVisible, values.referencedByVisible);
  Assign(state.referencedByArea, values.referencedByArea);
  return state;
}

std::string SettingsKeyPath(std::int32_t major) {
  return "Software\\Halvex\\Qorl Viewer\\" + std::to_string(major);
}

std::string InvalidDataTypeMessage(const std::string& valueName) {
  return "Invalid data type for '" + valueName + "'";
}

std::string FailedToSetDataMessage(const std::string& valueName) {
  return "Failed to set data for '" + valueName + "'";
}

WindowPlacement LoadWindowPlacement(SettingsHive& hive, std::int32_t major, ScreenSize screen,
                                    MessageService& messages) {
  HiveOperation operation(hive, messages);
  const std::unique_ptr<HiveKey> key = hive.openKey(SubKeyPath(major, "Layout"));
  ValueReader read(key.get(), messages);

  WindowPlacement placement;
  if (auto stored = read.rect("BoundsRect")) {
    placement.rect = *stored;
    // Pull a window left on a larger screen back into view; right and bottom stay as stored.
    if (placement.rect.left > screen.width) placement.rect.left = screen.width - 50;
    if (placement.rect.top > screen.height) placement.rect.top = screen.height - 50;
  } else {
    placement.rect = WindowRect{50, 50, screen.width - 50, screen.height - 50};
  }
  placement.state = read.integer("WindowState").value_or(kWindowMaximized);
  return placement;
}

void LoadSettings(SettingsHive& hive, std::int32_t major, LayoutValues& layout,
                  ConfigRecord& config, MessageService& messages) {
  HiveOperation operation(hive, messages);
  {
    const std::unique_ptr<HiveKey> key = hive.openKey(SubKeyPath(major, "Layout"));
    ValueReader read(key.get(), messages);
    layout.toolBarCategoriesWidth = read.integer("ToolBarCategories.Width");
    layout.firstBandId = read.integer("CoolBar.Bands[0].ID");
    layout.firstBandBreak = read.boolean("CoolBar.Bands[0].Break");
    layout.toolBarWidth = read.integer("ToolBar.Width");
    layout.secondBandBreak = read.boolean("CoolBar.Bands[1].Break");
    layout.toolBarVisible = read.boolean("ToolBar.Visible");
    layout.topicsHeaderVisible = read.boolean("TopicsHeader.Visible");
    layout.panelCurrentTopicHeaderVisible = read.boolean("PanelCurrentTopicHeader.Visible");
    layout.statusBarVisible = read.boolean("StatusBar.Visible");
    layout.searchPanelVisible = read.boolean("SearchPanel.Visible");
    layout.searchPanelArea = read.integer("SearchPanel.Area");
    layout.searchPanelSize = read.integer("SearchPanel.Size");
    layout.referencedByVisible = read.boolean("ReferencedByPanel.Visible");
    layout.referencedByArea = read.integer("ReferencedByPanel.Area");
    Assign(config.TopicsHeightPerc, read.real("TopicsHeightPerc"));
    Assign(config.TopicsColWidth, read.integer("TopicsColWidth"));
  }
  const std::unique_ptr<HiveKey> key = hive.openKey(SubKeyPath(major, "Config"));
  ValueReader read(key.get(), messages);
  Assign(config.DefStartupDir, read.string("DefStartupDir"));
  Assign(config.DefStartupList, read.string("DefStartupList"));
  Assign(config.AskExit, read.boolean("AskExit"));
  Assign(config.ShowPrintDialog, read.boolean("ShowPrintDialog"));
  Assign(config.SingleClickView, read.boolean("SingleClickView"));
  Assign(config.DoubleClickZoom, read.boolean("DoubleClickZoom"));
  Assign(config.DontUseIndexFile, read.boolean("DontUseIndexFile"));
  Assign(config.ReloadLastOpenList, read.boolean("ReloadLastOpenList"));
  Assign(config.TopicFormatting, read.boolean("TopicFormatting"));
  Assign(config.WYSIWYGPrint, read.boolean("WYSIWYGPrint"));
  Assign(config.EnabledSeeAlsoMenu, read.boolean("EnabledSeeAlsoMenu"));
  Assign(config.LoadTopicsDirect, read.boolean("LoadTopicsDirect"));
  Assign(config.DisplayAllLists, read.boolean("DisplayAllLists"));
  Assign(config.ShowCategoryChar, read.boolean("ShowCategoryChar"));
  Assign(config.OnlyParseLST, read.boolean("OnlyParseLST"));
  Assign(config.topicFontName, read.string("CurrentTopic.Font.Name"));
  Assign(config.topicFontSize, read.integer("CurrentTopic.Font.Size"));
  Assign(config.FollowAllReferences, read.boolean("FollowAllReferences"));
}

void SaveSettings(SettingsHive& hive, std::int32_t major, const WindowPlacement& window,
                  const LayoutState& layout, const ConfigRecord& config, MessageService& messages) {
  HiveOperation operation(hive, messages);
  bool failureShown = false;
  {
    const std::unique_ptr<HiveKey> key = hive.createKey(SubKeyPath(major, "Layout"));
    ValueWriter write(key.get(), messages, failureShown);
    write.integer("WindowState", window.state);
    // A maximized window keeps the stored rectangle, so it restores to its last normal size.
    if (!window.maximized()) write.rect("BoundsRect", window.rect);
    write.integer("ToolBarCategories.Width", layout.toolBarCategoriesWidth);
    write.integer("CoolBar.Bands[0].ID", layout.firstBandId);
    write.boolean("CoolBar.Bands[0].Break", layout.firstBandBreak);
    write.integer("ToolBar.Width", layout.toolBarWidth);
    write.boolean("CoolBar.Bands[1].Break", layout.secondBandBreak);
    write.boolean("ToolBar.Visible", layout.toolBarVisible);
    write.boolean("TopicsHeader.Visible", layout.topicsHeaderVisible);
    write.boolean("PanelCurrentTopicHeader.Visible", layout.panelCurrentTopicHeaderVisible);
    write.boolean("StatusBar.Visible", layout.statusBarVisible);
    write.real("TopicsHeightPerc", config.TopicsHeightPerc);
    write.integer("TopicsColWidth", config.TopicsColWidth);
    write.boolean("SearchPanel.Visible", layout.searchPanelVisible);
    write.integer("SearchPanel.Area", layout.searchPanelArea);
    write.integer("SearchPanel.Size", layout.searchPanelSize);
    write.boolean("ReferencedByPanel.Visible", layout.referencedByVisible);
    write.integer("ReferencedByPanel.Area", layout.referencedByArea);
  }
  {
    const std::unique_ptr<HiveKey> key = hive.createKey(SubKeyPath(major, "Config"));
    ValueWriter write(key.get(), messages, failureShown);
    write.string("DefStartupDir", config.DefStartupDir);
    write.string("DefStartupList", config.DefStartupList);
    write.boolean("AskExit", config.AskExit);
    write.boolean("ShowPrintDialog", config.ShowPrintDialog);
    write.boolean("SingleClickView", config.SingleClickView);
    write.boolean("DoubleClickZoom", config.DoubleClickZoom);
    write.boolean("DontUseIndexFile", config.DontUseIndexFile);
    write.boolean("ReloadLastOpenList", config.ReloadLastOpenList);
    write.boolean("TopicFormatting", config.TopicFormatting);
    write.boolean("WYSIWYGPrint", config.WYSIWYGPrint);
    write.boolean("EnabledSeeAlsoMenu", config.EnabledSeeAlsoMenu);
    write.boolean("LoadTopicsDirect", config.LoadTopicsDirect);
    write.boolean("DisplayAllLists", config.DisplayAllLists);
    write.boolean("ShowCategoryChar", config.ShowCategoryChar);
    write.boolean("OnlyParseLST", config.OnlyParseLST);
    write.string("CurrentTopic.Font.Name", config.topicFontName);
    write.integer("CurrentTopic.Font.Size", config.topicFontSize);
    write.boolean("FollowAllReferences", config.FollowAllReferences);
  }
  if (failureShown) operation.failureShown();
  operation.finish();
}

void ClearSettings(SettingsHive& hive, std::int32_t major, MessageService& messages) {
  HiveOperation operation(hive, messages);
  // A missing key is no error; the outcome of the deletion itself is not reported.
  hive.deleteKeyTree(SettingsKeyPath(major));
}

}  // namespace qorl
