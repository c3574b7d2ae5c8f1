// SPDX-License-Identifier: MIT
#include "core/app/enabling_rules.h"

#include "core/app/select_all.h"

namespace qorl {

const char* CommandName(Command command) {
  static constexpr const char* kNames[kCommandCount] = {
      "FileCloseCmd",
      "FileSaveCmd",
      "FilePrintCmd",
      "FileExitCmd",
      "EditCopyCmd",
      "EditSelectAllCmd",
      "EditCopyTopicCmd",
      "SearchFindCmd",
      "SearchSearchAgainCmd",
      "SearchAllTopicsCmd",
      "SearchGoToTopicCmd",
      "OptionsZoomTopicCmd",
      "OptionsUnzoomTopicCmd",
      "OptionsUpdateTopicTitlesCmd",
      "OptionsConfigurationCmd",
      "HelpHelpIndexCmd",
      "HelpAboutCmd",
      "ViewPrevCmd",
      "ViewNextCmd",
      "HeaderTopicsHeaderDefWidthCmd",
      "ViewBackCmd",
      "ViewForwardCmd",
  };
  return kNames[static_cast<std::size_t>(command)];
}

CommandStates EvaluateCommands(const WindowState& state) {
  CommandStates states{};
  auto set = [&states](Command command, bool enabled, bool checked = false, bool visible = true) {
    states[static_cast<std::size_t>(command)] = CommandState{enabled, checked, visible};
  };
  const bool listNamed = state.listKind >= 0;
  const bool topicShown = state.currentTopic >= 0;
  const int lastRow = (state.rowCount > 0 ? state.rowCount : 1) - 1;

  set(Command::FileClose, listNamed && state.topicCount > 0);
  set(Command::FileSave, topicShown);
  set(Command::FilePrint, topicShown);
  set(Command::FileExit, true);
  set(Command::EditCopy, state.selectionLength > 0);
  const SelectAllState selectAll =
      SelectAllStateFor(state.textLength, state.selectionLength, state.lineCount);
  set(Command::EditSelectAll, selectAll.enabled, selectAll.checked);
  set(Command::EditCopyTopic, true);
  set(Command::SearchFind, listNamed);
  set(Command::SearchSearchAgain, listNamed);
  set(Command::SearchAllTopics, listNamed && state.topicCount > 0);
  set(Command::OptionsZoomTopic, topicShown, state.zoomed);
  set(Command::OptionsUnzoomTopic, true, false, false);
  set(Command::OptionsUpdateTopicTitles, listNamed);
  set(Command::OptionsConfiguration, true);
  set(Command::HelpHelpIndex, state.helpAvailable, false, state.helpAvailable);
  set(Command::HelpAbout, true);
  set(Command::ViewPrev, listNamed && state.gridRow > 0);
  set(Command::ViewNext, listNamed && state.gridRow < lastRow);
  set(Command::HeaderTopicsHeaderDefWidth, true);
  set(Command::ViewBack, state.canGoBack);
  set(Command::ViewForward, state.canGoForward);
  return states;
}

}  // namespace qorl
