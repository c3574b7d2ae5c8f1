#pragma once
// Cross-references: a clicked link or a chosen See-also menu entry is resolved to a topic key,
// looked up and shown (or one of the two information messages says why not), and the See-also
// menu is opened from its button or by Ctrl + Menu key anywhere in the main window.

#include <QObject>
#include <string>

#include "gui/browse/browse_state.h"

class QMenu;

namespace qorl {
class BusyIndicator;
class MessageService;
}  // namespace qorl

namespace qorl::gui {

class FindController;

class ReferenceController : public QObject {
  Q_OBJECT
 public:
  ReferenceController(BrowseState& state, const BrowseWidgets& widgets, QMenu* seeAlsoMenu,
                      BusyIndicator& busy, MessageService& messages, FindController& find,
                      QObject* parent = nullptr);

  // Resolves the reference text (the list's bytes) and shows its topic, or reports why not.
  void resolveReference(const std::string& reference);
  // Pops the See-also menu up below the left edge of its button; an empty menu shows nothing.
  void showSeeAlsoMenu();
  // Where the menu's top-left corner goes, in screen coordinates.
  QPoint seeAlsoMenuPosition() const;

 protected:
  // Ctrl + Menu key in any control of the main window opens the See-also menu.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BrowseState& state_;
  BrowseWidgets widgets_;
  QMenu* menu_;
  BusyIndicator& busy_;
  MessageService& messages_;
  FindController& find_;
};

}  // namespace qorl::gui
