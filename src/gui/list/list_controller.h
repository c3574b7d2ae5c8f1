// SPDX-License-Identifier: MIT
#pragma once
// Opening and closing the list as the window sees it: the list session does the file side, this
// empties and refills every view of the list around it.

#include <QObject>
#include <string>

#include "gui/browse/browse_state.h"
#include "gui/browse/list_opener.h"

namespace qorl {
class BusyIndicator;
class MessageService;
}  // namespace qorl

namespace qorl::gui {

class CategorySteps;
class GridSteps;

class ListController : public QObject, public ListOpener {
  Q_OBJECT
 public:
  ListController(BrowseState& state, const BrowseWidgets& widgets, BusyIndicator& busy,
                 MessageService& messages, CategorySteps& categories, GridSteps& grid,
                 QObject* parent = nullptr);

  // Makes the file at path the open list. Every failure is reported inside.
  void openList(const std::string& path, bool rescan = false) override;
  // Forgets the open list and empties every view of it; harmless when none is open.
  void closeList();

 signals:
  // The open list is about to be closed, also before another is opened over it: nothing of it
  // is forgotten yet (work that reads its table stops here).
  void aboutToClose();
  void listClosed();
  void listOpened(const QString& path);

 private:
  void setUpOpenedList();

  BrowseState& state_;
  BrowseWidgets widgets_;
  BusyIndicator& busy_;
  MessageService& messages_;
  CategorySteps& categories_;
  GridSteps& grid_;
};

}  // namespace qorl::gui
