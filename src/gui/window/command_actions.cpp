// SPDX-License-Identifier: MIT
#include "gui/window/command_actions.h"

#include <QWidget>

#include "gui/window/action_icons.h"

namespace qorl::gui {
namespace {

struct CommandRow {
  Command command;
  const char* caption;
  QKeySequence shortcut;
  const char* hint;
  int icon;
};

QAction* MakeAction(QWidget* window, const char* name, const char* caption,
                    const QKeySequence& shortcut, const char* hint, int icon) {
  auto* action = new QAction(QString::fromUtf8(caption), window);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  if (hint && *hint) {
    action->setStatusTip(QString::fromUtf8(hint));
    action->setToolTip(QString::fromUtf8(hint));
  }
  if (icon >= 0) SetActionIcon(*action, icon, window->palette());
  window->addAction(action);
  return action;
}

}  // namespace

CommandActions CreateCommandActions(QWidget* window) {
  const CommandRow kCommandRows[] = {
      {Command::FileClose, "&Close List", {}, "Close current list", -1},
      {Command::FileSave, "&Save Topic...", QKeySequence("Ctrl+S"), "Save current topic", 1},
      {Command::FilePrint, "&Print Topic...", QKeySequence("Ctrl+P"), "Print current topic", 2},
      {Command::FileExit, "E&xit", {}, "Exit the program", -1},
      {Command::EditCopy, "&Copy", QKeySequence("Ctrl+C"), "Copy text to clipboard", 3},
      {Command::EditSelectAll, "Select &All", QKeySequence("Ctrl+A"), "Select all text", 4},
      {Command::EditCopyTopic, "Copy &Topic", QKeySequence("Ctrl+Shift+C"),
       "Copy whole topic to clipboard", -1},
      {Command::SearchFind, "&Find...", QKeySequence("Ctrl+F"), "Find text", 5},
      {Command::SearchSearchAgain, "&Search Again", QKeySequence("F3"), "Repeat last search", 6},
      {Command::SearchAllTopics, "Search All &Topics...", QKeySequence("Ctrl+Shift+F"),
       "Search the text of every topic", 14},
      {Command::SearchGoToTopic, "&Go To Topic...", QKeySequence("Ctrl+K"),
       "Go to a topic of any list by reference or title words", 15},
      {Command::OptionsZoomTopic, "&Zoom Topic", QKeySequence("F5"), "Zoom topic", 7},
      {Command::OptionsUnzoomTopic, "&Unzoom Topic", QKeySequence("Esc"), "", -1},
      {Command::OptionsUpdateTopicTitles,
       "&Update Topic Titles",
       {},
       "Update topic titles of current list",
       -1},
      {Command::OptionsConfiguration, "&Configuration...", {}, "Configure the program", 8},
      {Command::HelpHelpIndex, "&Help Topics...", QKeySequence("F1"), "Show help topics", -1},
      {Command::HelpAbout, "&About...", {}, "About this program", -1},
      {Command::ViewPrev, "&Previous Topic", QKeySequence("Ctrl+Up"), "Previous topic", 9},
      {Command::ViewNext, "&Next Topic", QKeySequence("Ctrl+Down"), "Next topic", 10},
      {Command::HeaderTopicsHeaderDefWidth, "&Default Column Width", {}, "", -1},
      {Command::ViewBack, "&Back", QKeySequence("Backspace"), "Back to previous selected topic",
       12},
      {Command::ViewForward, "&Forward", QKeySequence("Shift+Backspace"),
       "Forward to the next topic", 13},
  };
  CommandActions actions;
  for (const CommandRow& row : kCommandRows) {
    QAction* action =
        MakeAction(window, CommandName(row.command), row.caption, row.shortcut, row.hint, row.icon);
    actions.commands[static_cast<std::size_t>(row.command)] = action;
  }
  actions[Command::EditSelectAll]->setCheckable(true);
  actions[Command::OptionsZoomTopic]->setCheckable(true);
  // Alt+Left and Alt+Right go back and forward too, as in a browser. Unzoom is on no menu or bar
  // but keeps its shortcut.
  actions[Command::ViewBack]->setShortcuts({QKeySequence("Backspace"), QKeySequence("Alt+Left")});
  actions[Command::ViewForward]->setShortcuts(
      {QKeySequence("Shift+Backspace"), QKeySequence("Alt+Right")});

  actions.openListMenu = MakeAction(window, "FileOpenListItem", "&Open List", {}, "Open a list", 0);
  actions.openOther =
      MakeAction(window, "ListOther", "&Other...", QKeySequence("Ctrl+O"), "Open a list", -1);
  return actions;
}

}  // namespace qorl::gui
