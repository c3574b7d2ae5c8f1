// SPDX-License-Identifier: MIT
#include "gui/browse/navigation_controller.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <set>

#include "core/list/file_path.h"
#include "core/list/message_service.h"
#include "core/search/topic_mark.h"
#include "gui/browse/codepage437.h"
#include "gui/browse/list_opener.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topic_selector.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_view.h"

namespace qorl::gui {
namespace {

bool IsGridStepKey(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

NavigationController::NavigationController(BrowseState& state, const BrowseWidgets& widgets,
                                           TopicTextView* view, TopicLoader& loader,
                                           ListOpener& list, TopicSelector& topics,
                                           MessageService& messages, QAction* back,
                                           QAction* forward, QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      view_(view),
      list_(list),
      topics_(topics),
      messages_(messages),
      back_(back),
      forward_(forward) {
  connect(&loader, &TopicLoader::aboutToShow, this, &NavigationController::keepScroll);
  connect(&loader, &TopicLoader::topicLoaded, this, &NavigationController::onTopicLoaded);
  connect(back_, &QAction::triggered, this, &NavigationController::goBack);
  connect(forward_, &QAction::triggered, this, &NavigationController::goForward);
  // The window sees the keys and buttons before its controls do.
  qApp->installEventFilter(this);
}

bool NavigationController::onView(const HistoryEntry& entry) const {
  return state_.session.isOpen() && entry.listPath == state_.listPath &&
         entry.topic == state_.currentTopic;
}

bool NavigationController::canGoBack() const {
  const HistoryEntry* current = history_.current();
  return history_.canGoBack() || (current && !onView(*current));
}

void NavigationController::keepScroll() {
  const HistoryEntry* current = history_.current();
  if (!navigating_ && current && onView(*current)) history_.setScroll(view_->scrollPosition());
}

void NavigationController::onTopicLoaded() {
  if (navigating_) return;
  const TopicMark mark = MarkOf(state_.topics(), state_.currentTopic);
  HistoryEntry entry{state_.listPath, state_.currentTopic, 0, mark.identifier, mark.title};
  const HistoryEntry* current = history_.current();
  VisitKind kind = gridStep_ ? VisitKind::Step : VisitKind::Jump;
  // The first topic shown in a list just opened may be only the way to the topic a reference
  // leads to, which follows at once; it stays unless another visit comes before control
  // returns to the event loop.
  if (!current || current->listPath != entry.listPath) {
    kind = VisitKind::Provisional;
    if (!settlePending_) {
      settlePending_ = true;
      QTimer::singleShot(0, this, [this] {
        settlePending_ = false;
        history_.settle();
      });
    }
  }
  history_.visit(entry, kind);
}

void NavigationController::go(bool back) {
  keepScroll();
  std::optional<HistoryEntry> target;
  // With its list closed the entry on view is no longer shown: Back
  // shows it again before going further.
  const HistoryEntry* current = history_.current();
  if (back && current && !onView(*current))
    target = *current;
  else
    target = back ? history_.back() : history_.forward();
  // One message per list on the way: a list that cannot be opened said so and all its entries
  // go; a topic that is no longer in its list is named once.
  std::set<std::string> told;
  while (target) {
    const ShowOutcome outcome = show(*target);
    if (outcome == ShowOutcome::Shown) return;
    if (outcome == ShowOutcome::TopicGone && told.insert(target->listPath).second)
      messages_.information(GoneTopicMessage(*target));
    target = history_.dropAndGoOn(back, outcome == ShowOutcome::ListGone);
  }
}

NavigationController::ShowOutcome NavigationController::show(const HistoryEntry& entry) {
  const QScopedValueRollback<bool> guard(navigating_, true);
  if (!state_.session.isOpen() || entry.listPath != state_.listPath) {
    list_.openList(entry.listPath, false);
    if (!state_.session.isOpen() || state_.listPath != entry.listPath) return ShowOutcome::ListGone;
  }
  // The list may have changed since the entry was made: its topic is looked for again.
  const TopicNumber topic =
      FindMarkedTopic(state_.topics(), {entry.topic, entry.identifier, entry.title});
  if (topic < 0) return ShowOutcome::TopicGone;
  if (topic != entry.topic) history_.renumberCurrent(topic);
  // The category shown stays when it holds the topic.
  topics_.selectAndLoadTopic(topic);
  if (state_.currentTopic != topic) return ShowOutcome::NotShown;  // the loader said why
  view_->setScrollPosition(entry.scroll);
  return ShowOutcome::Shown;
}

std::string NavigationController::GoneTopicMessage(const HistoryEntry& entry) {
  const std::string topic = FromCp437(entry.identifier).toStdString();
  const std::string name = Utf8Path(FilePath(entry.listPath).filename());
  return "Topic " + topic + " is no longer in " + name + "; Back and Forward skip it";
}

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == widgets_.grid && !gridStep_ &&
      IsGridStepKey(*static_cast<QKeyEvent*>(event))) {
    // The grid handles the key while the visit it causes is known to be a step.
    const QScopedValueRollback<bool> step(gridStep_, true);
    QCoreApplication::sendEvent(watched, event);
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == widgets_.window) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    QAction* action = button == Qt::BackButton      ? back_
                      : button == Qt::ForwardButton ? forward_
                                                    : nullptr;
    if (action) {
      if (action->isEnabled()) action->trigger();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qorl::gui
