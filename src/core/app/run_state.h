// SPDX-License-Identifier: MIT
#pragma once
// State of one run of the program; never stored.

#include <string>

namespace qorl {

struct RunState {
  bool noSave = false;         // nothing is written to the settings store at exit
  bool quitRequested = false;  // end as soon as start-up is complete, without the exit steps
  bool helpAvailable = false;  // the help file exists
  bool windowShown = false;    // the main window has been shown once
  std::string startFolder;     // the current directory when the viewer started
  std::string listsFolder;     // absolute folder of the lists, ending in a separator
  std::string gotoReference;   // GOTO's word: the topic to show once started (UTF-8)
};

}  // namespace qorl
