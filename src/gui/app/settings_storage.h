#pragma once
// Where the viewer's settings are kept between runs. The start-up reads through it and the
// shutdown writes through it; tests give it a folder of their own.

#include "gui/app/viewer_settings.h"

namespace qorl::gui {

class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;
  // Deletes every stored value of this program version.
  virtual void clear() = 0;
  // The stored placement, fitted to a screen of that size; defaults when nothing is stored.
  virtual WindowPlacementValues loadPlacement(int screenWidth, int screenHeight) = 0;
  // Overwrites the members of settings that are stored.
  virtual void load(ViewerSettings& settings) = 0;
  // Writes every value; the rectangle only when the window is not maximized.
  virtual void save(const ViewerSettings& settings, const WindowPlacementValues& placement) = 0;
};

// The default placement: 50 pixels in from each screen edge, maximized.
inline WindowPlacementValues DefaultPlacement(int screenWidth, int screenHeight) {
  return WindowPlacementValues{50, 50, screenWidth - 50, screenHeight - 50, true};
}

// Keeps the settings in memory only (one run).
class MemorySettingsStorage final : public SettingsStorage {
 public:
  void clear() override { stored_ = false; }
  WindowPlacementValues loadPlacement(int screenWidth, int screenHeight) override {
    return stored_ ? placement_ : DefaultPlacement(screenWidth, screenHeight);
  }
  void load(ViewerSettings& settings) override {
    if (stored_) settings = settings_;
  }
  void save(const ViewerSettings& settings, const WindowPlacementValues& placement) override {
    settings_ = settings;
    if (!placement.maximized || !stored_) placement_ = placement;
    placement_.maximized = placement.maximized;
    stored_ = true;
    ++saves_;
  }
  bool stored() const { return stored_; }
  int saves() const { return saves_; }

 private:
  bool stored_ = false;
  int saves_ = 0;
  ViewerSettings settings_;
  WindowPlacementValues placement_;
};

}  // namespace qorl::gui
