// SPDX-License-Identifier: MIT
#include "gui/window/tool_bar_bands.h"

#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace qorl::gui {

void PlaceToolBarBands(QMainWindow& window, const ToolBarBands& bands, int firstBand,
                       bool secondBreak) {
  QToolBar* first = firstBand == 1 ? bands.commands : bands.categories;
  QToolBar* second = firstBand == 1 ? bands.categories : bands.commands;
  const bool toolBarShown = bands.commands->isVisibleTo(&window) || !bands.commands->parentWidget();
  window.removeToolBar(bands.categories);
  window.removeToolBar(bands.commands);
  window.addToolBar(Qt::TopToolBarArea, first);
  if (secondBreak) window.addToolBarBreak(Qt::TopToolBarArea);
  window.addToolBar(Qt::TopToolBarArea, second);
  // The tool bars are bands of the area above the panels: they may be dragged and re-ordered
  // there, never floated out as windows of their own.
  for (QToolBar* bar : {bands.categories, bands.commands}) {
    bar->setFloatable(false);
    bar->setAllowedAreas(Qt::TopToolBarArea);
    // The button Qt adds when a narrow window hides some of the buttons.
    if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button"))
      more->setAccessibleName("More tool-bar buttons");
  }
  bands.categories->show();
  bands.commands->setVisible(toolBarShown);
}

bool ReadToolBarBands(const QMainWindow& window, const ToolBarBands& bands, int& firstBand,
                      bool& secondBreak) {
  const QToolBar* commands = bands.commands;
  const QToolBar* categories = bands.categories;
  if (!commands->isVisible() || !categories->isVisible()) return false;
  const bool commandsFirst = commands->y() < categories->y() ||
                             (commands->y() == categories->y() && commands->x() < categories->x());
  firstBand = commandsFirst ? 1 : 0;
  secondBreak = window.toolBarBreak(commandsFirst ? bands.categories : bands.commands);
  return true;
}

}  // namespace qorl::gui
