// SPDX-License-Identifier: MIT
#pragma once
// A BusyIndicator for tests: records the hints, the progress positions and whether every begin
// was paired with an end.

#include <string>
#include <vector>

#include "core/list/busy.h"

namespace qorl::test {

class RecordingBusy : public BusyIndicator {
 public:
  void beginBusy(const std::string& hint, const BusyOptions& options) override {
    hints.push_back(hint);
    lastOptions = options;
    ++depth;
  }
  void showProgress() override { progressShown = true; }
  void setProgress(int percent) override { progress.push_back(percent); }
  void endBusy() override { --depth; }

  std::vector<std::string> hints;
  std::vector<int> progress;
  BusyOptions lastOptions;
  bool progressShown = false;
  int depth = 0;  // 0 when every beginBusy had its endBusy
};

}  // namespace qorl::test
