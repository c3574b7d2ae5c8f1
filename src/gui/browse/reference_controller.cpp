#include "gui/browse/reference_controller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "core/list/busy.h"
#include "core/list/message_service.h"
#include "core/search/locate_topic.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/search/find_controller.h"

namespace qorl::gui {

ReferenceController::ReferenceController(BrowseState& state, const BrowseWidgets& widgets,
                                         QMenu* seeAlsoMenu, BusyIndicator& busy,
                                         MessageService& messages, FindController& find,
                                         QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      menu_(seeAlsoMenu),
      busy_(busy),
      messages_(messages),
      find_(find) {
  // The window sees key presses before its controls do.
  qApp->installEventFilter(this);
}

void ReferenceController::resolveReference(const std::string& reference) {
  if (state_.listKind < 1 || state_.listKind > 7 || !state_.session.isOpen()) return;
  ReferenceTarget target;
  {
    BusyScope busy(busy_, "Locating topic...");
    target = ResolveAndLocate(state_.topics(), reference, state_.listKind, state_.currentTopicId);
  }
  switch (target.outcome) {
    case ReferenceOutcome::NotHandled:
      return;
    case ReferenceOutcome::InvalidShape:
      messages_.information(std::string(target.message()));
      return;
    case ReferenceOutcome::NotFound:
      find_.locateMissed();
      messages_.information(std::string(target.message()));
      break;
    case ReferenceOutcome::Found:
      find_.showLocatedTopic(target.topic);
      break;
  }
  // The grid is hidden while the topic is zoomed; then the focus stays where it is.
  if (widgets_.grid && widgets_.grid->isVisible()) widgets_.grid->setFocus();
}

QPoint ReferenceController::seeAlsoMenuPosition() const {
  QAbstractButton* button = widgets_.seeAlsoButton;
  return button->mapToGlobal(QPoint(-2, button->height() + 2));
}

void ReferenceController::showSeeAlsoMenu() {
  if (menu_->isEmpty()) return;
  menu_->popup(seeAlsoMenuPosition());
}

bool ReferenceController::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != widgets_.window)
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Menu && (key->modifiers() & Qt::ControlModifier)) {
      showSeeAlsoMenu();
      return true;
    }
  }
  // Some window systems (X11) send the Menu key also as a keyboard context-menu event for the
  // focused control (or the window); with Ctrl held the key means the See-also menu alone.
  if (event->type() == QEvent::ContextMenu) {
    const auto* menu = static_cast<QContextMenuEvent*>(event);
    if (menu->reason() == QContextMenuEvent::Keyboard && (menu->modifiers() & Qt::ControlModifier))
      return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorl::gui
