// SPDX-License-Identifier: MIT
#include "gui/list/list_controller.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalBlocker>
#include <QTextEdit>
#include <filesystem>

#include "core/list/file_path.h"
#include "core/list/message_service.h"
#include "gui/browse/category_combo_box.h"
#include "gui/browse/category_steps.h"
#include "gui/browse/grid_steps.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/window/main_panel.h"
#include "gui/window/zoom_switch.h"

namespace qorl::gui {

ListController::ListController(BrowseState& state, const BrowseWidgets& widgets,
                               BusyIndicator& busy, MessageService& messages,
                               CategorySteps& categories, GridSteps& grid, QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      busy_(busy),
      messages_(messages),
      categories_(categories),
      grid_(grid) {}

void ListController::openList(const std::string& path, bool rescan) {
  OpenOptions options;
  options.policy = state_.options.policy;
  options.onlyParseLst = state_.options.onlyParseLst;
  options.rescan = rescan;
  std::error_code error;
  const bool exists = std::filesystem::is_regular_file(FilePath(path), error);
  if (exists) closeList();
  // A missing file is reported by the session, and the open list stays as it was.
  const OpenOutcome outcome = state_.session.open(path, options, busy_, messages_);
  if (outcome == OpenOutcome::NotFound) return;
  if (outcome != OpenOutcome::Opened) {
    closeList();
    return;
  }
  state_.listPath = path;
  setUpOpenedList();
}

void ListController::setUpOpenedList() {
  widgets_.zoom->leave();
  widgets_.currentTopic->clear();
  state_.currentTopicId.clear();
  state_.currentTopic = -1;
  widgets_.grid->setEnabled(true);
  widgets_.currentTopic->setEnabled(false);
  widgets_.currentTopic->hide();
  widgets_.seeAlsoButton->setEnabled(false);
  state_.listKind = state_.session.listKind();

  state_.view.topics = BuildCategoryView(state_.topics(), 255);
  widgets_.model->reload();
  widgets_.grid->setCurrentRow(0);
  grid_.onRowSelected(0);
  widgets_.currentTopicLabel->clear();
  categories_.fillCategoryCombo();
  grid_.updateStatusPanels(PanelOccasion::ListChanged);

  if (widgets_.combo->count() == 0) {
    messages_.information(UnableToOpenMessage(state_.listPath));
    return;
  }
  {
    const QSignalBlocker block(widgets_.combo);
    widgets_.combo->setCurrentIndex(0);
  }
  const std::string first = widgets_.combo->entryBytes(0);
  state_.view.categoryChar = static_cast<unsigned char>(first[0]);
  widgets_.model->reload();
  widgets_.grid->setCurrentRow(0);

  if (!widgets_.mainPanel->zoomed()) {
    widgets_.combo->setEnabled(true);
    widgets_.categoryButton->setEnabled(true);
    widgets_.grid->viewport()->update();
    widgets_.grid->setFocus();
  }
  if (state_.options.singleClickView) grid_.loadTopic(0);
  emit listOpened(QString::fromStdString(state_.listPath));
}

void ListController::closeList() {
  emit aboutToClose();
  state_.session.close();
  state_.listPath.clear();
  state_.listKind = -1;
  state_.view.categoryChar = 0;
  widgets_.zoom->leave();
  widgets_.currentTopic->clear();
  widgets_.currentTopic->setEnabled(false);
  widgets_.currentTopic->hide();
  widgets_.combo->setEntries({});
  widgets_.combo->setEnabled(false);
  widgets_.categoryButton->setEnabled(false);
  widgets_.combo->update();
  widgets_.seeAlsoButton->setEnabled(false);
  state_.view.clear();
  state_.currentTopicId.clear();
  state_.currentTopic = -1;
  state_.selectedTopic = 0;
  widgets_.model->reload();
  widgets_.currentTopicLabel->clear();
  widgets_.mainPanel->update();
  grid_.updateStatusPanels(PanelOccasion::ListChanged);
  emit listClosed();
}

}  // namespace qorl::gui
