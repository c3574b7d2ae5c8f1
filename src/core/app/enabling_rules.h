// SPDX-License-Identifier: MIT
#pragma once
// The enabling rules of the main window's commands, as one pure function of the window's state.

#include <array>
#include <cstddef>

#include "core/list/topic_table.h"

namespace qorl {

enum class Command {
  FileClose,
  FileSave,
  FilePrint,
  FileExit,
  EditCopy,
  EditSelectAll,
  EditCopyTopic,
  SearchFind,
  SearchSearchAgain,
  SearchAllTopics,
  SearchGoToTopic,
  OptionsZoomTopic,
  OptionsUnzoomTopic,
  OptionsUpdateTopicTitles,
  OptionsConfiguration,
  HelpHelpIndex,
  HelpAbout,
  ViewPrev,
  ViewNext,
  HeaderTopicsHeaderDefWidth,
  ViewBack,
  ViewForward,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::ViewForward) + 1;

// The action's object name, e.g. "FileCloseCmd".
const char* CommandName(Command command);

struct WindowState {
  int listKind = -1;              // -1: no list named
  TopicNumber topicCount = 0;     // topics of the open list
  TopicNumber currentTopic = -1;  // topic on view, -1 none
  int selectionLength = 0;        // characters selected in the topic view
  int textLength = 0;             // text length of the topic view, each line break counting two
  int lineCount = 0;              // lines in the topic view
  int gridRow = 0;                // the grid's selected row
  int rowCount = 1;               // the grid's rows (never fewer than one)
  bool zoomed = false;
  bool helpAvailable = false;
  bool canGoBack = false;  // the history has an entry before the one on view
  bool canGoForward = false;
};

struct CommandState {
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  bool operator==(const CommandState&) const = default;
};

using CommandStates = std::array<CommandState, kCommandCount>;

CommandStates EvaluateCommands(const WindowState& state);

inline const CommandState& StateOf(const CommandStates& states, Command command) {
  return states[static_cast<std::size_t>(command)];
}

}  // namespace qorl
