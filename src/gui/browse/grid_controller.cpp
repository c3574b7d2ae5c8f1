// SPDX-License-Identifier: MIT
#include "gui/browse/grid_controller.h"

#include <QTextEdit>

#include "core/browse/status_panels.h"
#include "gui/browse/topic_loader.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/window/main_panel.h"
#include "gui/window/status_bar.h"
#include "gui/window/zoom_switch.h"

namespace qorl::gui {

GridController::GridController(BrowseState& state, const BrowseWidgets& widgets,
                               MessageService& messages, QObject* parent)
    : QObject(parent), state_(state), widgets_(widgets), messages_(messages) {}

void GridController::updateStatusPanels(PanelOccasion occasion) {
  StatusBarPanels* bar = widgets_.statusBar;
  const TopicNumber topics = state_.topicCount();
  if (occasion == PanelOccasion::ListChanged) {
    widgets_.window->setWindowTitle(
        QString::fromStdString(WindowCaption(state_.listKind, state_.listPath)));
    if (topics == 0) {
      for (int i = 0; i < 3; ++i) bar->setPanelText(i, QString());
    }
  }
  if ((occasion == PanelOccasion::ListChanged || occasion == PanelOccasion::ViewRebuilt) &&
      topics > 0) {
    bar->setPanelText(0, QString::fromStdString(TopicCountText(topics, state_.view.count())));
  }
  if (occasion == PanelOccasion::RowChanged)
    bar->setPanelText(1, QString::fromStdString(SelectedTopicText(state_.selectedTopic)));
  if (occasion == PanelOccasion::TopicLoaded)
    bar->setPanelText(2, QString::fromStdString(CurrentTopicText(state_.currentTopic)));
}

void GridController::loadTopic(TopicNumber n) {
  if (loader_) loader_->loadTopic(n);
}

void GridController::setTopicLoader(TopicLoader* loader) {
  loader_ = loader;
  connect(loader_, &TopicLoader::finished, this,
          [this] { updateStatusPanels(PanelOccasion::TopicLoaded); });
}

void GridController::onRowSelected(int row) {
  if (row < 0 || row >= state_.view.count()) {
    state_.selectedTopic = 0;
    return;
  }
  state_.selectedTopic = state_.view.topicAt(row);
  updateStatusPanels(PanelOccasion::RowChanged);
}

void GridController::onClickReaction() {
  if (state_.options.singleClickView && state_.topicCount() > 0 &&
      state_.selectedTopic != state_.currentTopic)
    loadTopic(state_.selectedTopic);
}

void GridController::onTopicActivated() {
  if (state_.topicCount() == 0) return;
  if (!state_.options.singleClickView && state_.selectedTopic != state_.currentTopic)
    loadTopic(state_.selectedTopic);
  // Zoom Topic runs only while a topic is on view (its enabling rule).
  if (state_.options.doubleClickZoom && state_.currentTopic >= 0) widgets_.zoom->toggle();
}

void GridController::focusGrid() {
  if (!widgets_.mainPanel->zoomed())
    widgets_.grid->setFocus();
  else
    widgets_.currentTopic->setFocus();
}

void GridController::step(GridKey key) {
  widgets_.grid->navigate(key);
  if (!state_.options.singleClickView) loadTopic(state_.selectedTopic);
}

void GridController::previousTopic() {
  step(GridKey::Up);
}
void GridController::nextTopic() {
  step(GridKey::Down);
}

}  // namespace qorl::gui
