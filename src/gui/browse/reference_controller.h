// SPDX-License-Identifier: MIT
#pragma once
// Cross-references: a clicked link or a chosen See-also menu entry is resolved to a topic key,
// looked up and shown (or one of the two information messages says why not), and the See-also
// menu is opened from its button or by Ctrl + Menu key anywhere in the main window.
//
// With FollowAllReferences, references are routed (RouteReference): a table reference shows the
// topic that defines the table with its "(Table ...)" line at the top and selected, and a
// reference of another list kind is looked up in the list of that kind beside the open one,
// which is then opened (through the list opener) only when the topic is there. The table map
// of the open list is built at its first table reference and kept until the list is closed.

#include <QObject>
#include <optional>
#include <string>

#include "core/browse/reference_route.h"
#include "core/browse/table_map.h"
#include "gui/browse/browse_state.h"

class QMenu;

namespace qorl {
class BusyIndicator;
class MessageService;
}  // namespace qorl

namespace qorl::gui {

class ListOpener;
class TopicSelector;
class TopicTextView;

class ReferenceController : public QObject {
  Q_OBJECT
 public:
  ReferenceController(BrowseState& state, const BrowseWidgets& widgets, QMenu* seeAlsoMenu,
                      BusyIndicator& busy, MessageService& messages, TopicSelector& topics,
                      QObject* parent = nullptr);
  // Following references into other lists opens them through list; tables are shown in view.
  void setListAccess(ListOpener* list, TopicTextView* view);
  // The open list was closed: its table map goes.
  void forgetTables() { tables_.reset(); }

  // Resolves the reference text (the list's bytes) and shows its topic, or reports why not.
  void resolveReference(const std::string& reference);
  // Pops the See-also menu up below the left edge of its button; an empty menu shows nothing.
  void showSeeAlsoMenu();
  // Where the menu's top-left corner goes, in screen coordinates.
  QPoint seeAlsoMenuPosition() const;
  // Shows the See-also menu below its button, with its first entry highlighted when asked.
  void popupSeeAlsoMenu(bool highlightFirst);

 protected:
  // Ctrl + Menu key in any control of the main window opens the See-also menu.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void followReference(const std::string& reference);
  // Shows topic n of the open list, at the definition of tableId when it is not empty.
  void showTarget(TopicNumber n, const std::string& tableId);
  const TableMap& openListTables();

  BrowseState& state_;
  BrowseWidgets widgets_;
  QMenu* menu_;
  BusyIndicator& busy_;
  MessageService& messages_;
  TopicSelector& topics_;
  ListOpener* list_ = nullptr;
  TopicTextView* view_ = nullptr;
  std::optional<TableMap> tables_;  // of the open list, once a table reference needed it
};

}  // namespace qorl::gui
