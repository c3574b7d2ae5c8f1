// SPDX-License-Identifier: MIT
#include "gui/browse/reference_controller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "core/list/busy.h"
#include "core/list/list_kind.h"
#include "core/list/message_service.h"
#include "core/search/follow_reference.h"
#include "core/search/locate_topic.h"
#include "gui/browse/list_opener.h"
#include "gui/browse/topic_selector.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"

namespace qorl::gui {

ReferenceController::ReferenceController(BrowseState& state, const BrowseWidgets& widgets,
                                         QMenu* seeAlsoMenu, BusyIndicator& busy,
                                         MessageService& messages, TopicSelector& topics,
                                         QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      menu_(seeAlsoMenu),
      busy_(busy),
      messages_(messages),
      topics_(topics) {
  // The window sees key presses before its controls do.
  qApp->installEventFilter(this);
}

void ReferenceController::setListAccess(ListOpener* list, TopicTextView* view) {
  list_ = list;
  view_ = view;
}

const TableMap& ReferenceController::openListTables() {
  if (!tables_) {
    tables_.emplace();
    BuildTableMapOfFile(state_.listPath, state_.topics(), *tables_);
  }
  return *tables_;
}

void ReferenceController::showTarget(TopicNumber n, const std::string& tableId) {
  topics_.showLocatedTopic(n);
  if (!tableId.empty() && view_ && state_.currentTopic == n)
    view_->showLineOf("(Table " + tableId + ")");
}

void ReferenceController::followReference(const std::string& reference) {
  if (!state_.session.isOpen() || !list_) return;
  const ReferenceRoute route = RouteReference(reference, state_.listKind, state_.currentTopicId);
  if (route.kind == RouteKind::NotHandled) return;
  if (route.kind == RouteKind::InvalidShape) {
    messages_.information(std::string(kTopicNotInListMessage));
    return;
  }
  static const TableMap kNoTables;
  const bool table = route.kind == RouteKind::Table;
  if (route.listKind == state_.listKind) {
    ReferenceTarget target;
    {
      BusyScope busy(busy_, "Locating topic...");
      target = LocateRoute(route, state_.topics(), table ? openListTables() : kNoTables);
    }
    if (target.outcome == ReferenceOutcome::Found) {
      showTarget(target.topic, route.tableId);
    } else {
      topics_.locateMissed();
      messages_.information(std::string(target.message()));
    }
    return;
  }

  const std::string_view name = ListFileName(route.listKind);
  const std::string path = SiblingListPath(state_.listPath, route.listKind);
  if (path.empty()) {
    messages_.information(MissingListMessage(kUnableToLocateTopicMessage, name));
    return;
  }
  // The topic is looked up before the list is switched, so that a reference that leads nowhere
  // leaves the open list and the view as they are.
  ReferenceTarget target;
  TableMap tables;
  {
    ListSession lookup;
    OpenOptions options;
    options.policy = state_.options.policy;
    options.onlyParseLst = state_.options.onlyParseLst;
    if (lookup.open(path, options, busy_, messages_) != OpenOutcome::Opened) return;
    BusyScope busy(busy_, "Locating topic...");
    if (table) BuildTableMapOfFile(path, lookup.topics(), tables);
    target = LocateRoute(route, lookup.topics(), tables);
  }
  if (target.outcome != ReferenceOutcome::Found) {
    messages_.information(SearchedListMessage(target.message(), name));
    return;
  }
  list_->openList(path, false);
  if (!state_.session.isOpen() || state_.listPath != path) return;
  if (table) tables_ = std::move(tables);
  showTarget(target.topic, route.tableId);
}

void ReferenceController::resolveReference(const std::string& reference) {
  if (state_.options.followAllReferences) {
    followReference(reference);
    // The grid is hidden while the topic is zoomed; then the focus stays where it is.
    if (widgets_.grid && widgets_.grid->isVisible()) widgets_.grid->setFocus();
    return;
  }
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
      topics_.locateMissed();
      messages_.information(std::string(target.message()));
      break;
    case ReferenceOutcome::Found:
      topics_.showLocatedTopic(target.topic);
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
  // A click on the button opens the menu as a mouse opens any menu; opened from the keyboard
  // (Space on the focused button) the first entry is highlighted, so one Return chooses it.
  popupSeeAlsoMenu(!widgets_.seeAlsoButton->underMouse());
}

void ReferenceController::popupSeeAlsoMenu(bool highlightFirst) {
  if (menu_->isEmpty()) return;
  menu_->popup(seeAlsoMenuPosition());
  if (!highlightFirst) return;
  for (QAction* action : menu_->actions()) {
    if (action->isSeparator() || !action->isEnabled() || !action->isVisible()) continue;
    menu_->setActiveAction(action);
    break;
  }
}

bool ReferenceController::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != widgets_.window)
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Menu && (key->modifiers() & Qt::ControlModifier)) {
      popupSeeAlsoMenu(true);
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
