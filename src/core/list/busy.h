// SPDX-License-Identifier: MIT
#pragma once
// The busy pattern as an interface: long operations announce themselves, report progress and
// always end, whatever way the work ends. The viewer disables its window, shows the wait cursor,
// the status-bar progress bar and the hint, and repaints the status bar at once; the command-line
// tool and the tests use other implementations.

#include <string>

namespace qorl {

struct BusyOptions {
  bool disableWindow = true;  // no input reaches the main window while busy
  bool waitCursor = true;     // hourglass cursor
  bool showProgress = false;  // progress bar shown (at 0) from the start
};

class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  // Start: hint text (UTF-8) in the status hint panel, progress at 0, status bar repainted at once.
  virtual void beginBusy(const std::string& hint, const BusyOptions& options) = 0;
  // Shows the progress bar later in the operation (an index read decides after counting lines).
  virtual void showProgress() = 0;
  // Progress position 0..100.
  virtual void setProgress(int percent) = 0;
  // End: hint becomes a single blank, progress bar hidden, status bar repainted, normal cursor,
  // window enabled.
  virtual void endBusy() = 0;
};

// Does nothing; for callers without a window.
class NullBusyIndicator final : public BusyIndicator {
 public:
  void beginBusy(const std::string&, const BusyOptions&) override {}
  void showProgress() override {}
  void setProgress(int) override {}
  void endBusy() override {}
};

// Pairs beginBusy with endBusy on every exit path.
class BusyScope {
 public:
  BusyScope(BusyIndicator& busy, const std::string& hint, const BusyOptions& options = {})
      : busy_(busy) {
    busy_.beginBusy(hint, options);
  }
  ~BusyScope() { busy_.endBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  void showProgress() { busy_.showProgress(); }
  void setProgress(int percent) { busy_.setProgress(percent); }

 private:
  BusyIndicator& busy_;
};

}  // namespace qorl
