// SPDX-License-Identifier: MIT
#pragma once
// The configuration record and the four moments the settings store is touched: the window
// placement while the main window is created, every other setting in its creation handler,
// everything written back at exit, and the whole settings key cleared on request.
//
// The settings live under HKEY_CURRENT_USER\Software\Halvex\Qorl Viewer\<major>, in the sub-keys
// "Layout" and "Config". Other major versions' keys are never read, written or cleared.
//
// A value stored with the wrong type is reported ("Invalid data type for '...'") and treated as
// absent; reading goes on with the next value. A value that cannot be written is reported
// ("Failed to set data for '...'", once per save) and the remaining values are still written.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/list/message_service.h"
#include "core/settings/settings_hive.h"

namespace qorl {

// Every persisted setting that is not a control property, with its default. Members carry the
// stored value names.
struct ConfigRecord {
  std::string DefStartupDir;   // folder of the lists; "" for the start folder
  std::string DefStartupList;  // list opened at start; "" for none
  bool AskExit = false;
  bool ShowPrintDialog = true;
  bool SingleClickView = true;
  bool DoubleClickZoom = false;
  bool DontUseIndexFile = false;
  bool ReloadLastOpenList = false;
  bool TopicFormatting = true;
  bool WYSIWYGPrint = false;
  bool EnabledSeeAlsoMenu = true;
  bool LoadTopicsDirect = false;
  bool DisplayAllLists = false;
  bool ShowCategoryChar = true;
  bool OnlyParseLST = true;
  // Table references and references into other lists are links too (off: only the see-also
  // items the list offers are).
  bool FollowAllReferences = false;
  std::string topicFontName = "MS Sans Serif";  // CurrentTopic.Font.Name
  std::int32_t topicFontSize = 8;               // CurrentTopic.Font.Size, points
  // Stored under Layout but kept in the record.
  double TopicsHeightPerc = 0.5;      // share of the main panel's height given to the topics
  std::int32_t TopicsColWidth = 140;  // width of the topics grid's identifier column, pixels

  bool operator==(const ConfigRecord&) const = default;
};

// The control properties under Layout as read: each member holds a value only when it was
// stored, so that the main window changes only what was stored.
struct LayoutValues {
  std::optional<std::int32_t> toolBarCategoriesWidth;  // ToolBarCategories.Width
  std::optional<std::int32_t> firstBandId;             // CoolBar.Bands[0].ID
  std::optional<bool> firstBandBreak;                  // CoolBar.Bands[0].Break
  std::optional<std::int32_t> toolBarWidth;            // ToolBar.Width
  std::optional<bool> secondBandBreak;                 // CoolBar.Bands[1].Break
  std::optional<bool> toolBarVisible;                  // ToolBar.Visible
  std::optional<bool> topicsHeaderVisible;             // TopicsHeader.Visible
  std::optional<bool> panelCurrentTopicHeaderVisible;  // PanelCurrentTopicHeader.Visible
  std::optional<bool> statusBarVisible;                // StatusBar.Visible
  std::optional<bool> searchPanelVisible;              // SearchPanel.Visible
  std::optional<std::int32_t> searchPanelArea;         // SearchPanel.Area
  std::optional<std::int32_t> searchPanelSize;         // SearchPanel.Size
  std::optional<bool> referencedByVisible;             // ReferencedByPanel.Visible
  std::optional<std::int32_t> referencedByArea;        // ReferencedByPanel.Area

  bool operator==(const LayoutValues&) const = default;
};

// The control properties under Layout as they stand, for writing; the defaults are the
// controls' designed values.
struct LayoutState {
  std::int32_t toolBarCategoriesWidth = 326;
  std::int32_t firstBandId = 0;  // band identifier of the band now first (0: categories)
  bool firstBandBreak = true;
  std::int32_t toolBarWidth = 320;
  bool secondBandBreak = false;
  bool toolBarVisible = true;
  bool topicsHeaderVisible = true;
  bool panelCurrentTopicHeaderVisible = true;
  bool statusBarVisible = true;
  // The panel of Search All Topics: shown or not, the window side it is docked to (1 left,
  // 2 right, 4 top, 8 bottom) and its extent across that side in pixels (0: its own size).
  bool searchPanelVisible = false;
  std::int32_t searchPanelArea = 8;
  std::int32_t searchPanelSize = 0;
  bool referencedByVisible = false;
  std::int32_t referencedByArea = 8;

  bool operator==(const LayoutState&) const = default;
};

// The state with every stored value of values put in.
LayoutState WithStoredValues(LayoutState state, const LayoutValues& values);

struct WindowRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  // Stored edges are taken as they are, so the difference is computed without overflow and
  // saturates at the 32-bit range.
  std::int32_t width() const { return Span(left, right); }
  std::int32_t height() const { return Span(top, bottom); }
  bool operator==(const WindowRect&) const = default;

 private:
  static std::int32_t Span(std::int32_t from, std::int32_t to) {
    const std::int64_t span = std::int64_t{to} - from;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        span, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  }
};

// Stored WindowState values.
enum WindowStateValue : std::int32_t {
  kWindowNormal = 0,
  kWindowMinimized = 1,
  kWindowMaximized = 2,
};

struct WindowPlacement {
  WindowRect rect;  // the window's normal (not maximized) rectangle
  std::int32_t state = kWindowMaximized;
  // Only a stored 2 maximizes; every other state, minimized included, gives a normal window.
  bool maximized() const { return state == kWindowMaximized; }
  bool operator==(const WindowPlacement&) const = default;
};

// The primary screen's size in pixels.
struct ScreenSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// "Software\Halvex\Qorl Viewer\" + major, below HKEY_CURRENT_USER.
std::string SettingsKeyPath(std::int32_t major);

// The placement to create the main window with: the stored rectangle with its left and top
// edges pulled back onto the screen, else 50 pixels in from every screen edge; the stored
// state, else maximized.
WindowPlacement LoadWindowPlacement(SettingsHive& hive, std::int32_t major, ScreenSize screen,
                                    MessageService& messages);

// Reads every other value: the Layout control properties into layout (present only where
// stored) and the rest into config, which keeps its current value wherever nothing is stored.
// Values are taken as stored, without range checks.
void LoadSettings(SettingsHive& hive, std::int32_t major, LayoutValues& layout,
                  ConfigRecord& config, MessageService& messages);

// Writes every value. window: the main window's current state and rectangle (the rectangle is
// written only when the window is not maximized). config.TopicsColWidth must hold the grid's
// current column width.
void SaveSettings(SettingsHive& hive, std::int32_t major, const WindowPlacement& window,
                  const LayoutState& layout, const ConfigRecord& config, MessageService& messages);

// Deletes this major version's settings key with everything below it. A missing key is fine.
void ClearSettings(SettingsHive& hive, std::int32_t major, MessageService& messages);

// Message texts.
std::string InvalidDataTypeMessage(const std::string& valueName);
std::string FailedToSetDataMessage(const std::string& valueName);

}  // namespace qorl
