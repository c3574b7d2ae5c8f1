// SPDX-License-Identifier: MIT
#include "gui/browse/referenced_by_controller.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QTextCursor>
#include <QTreeWidget>

#include "core/app/list_menu.h"
#include "core/list/list_kind.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/codepage437.h"
#include "gui/browse/referenced_by_panel.h"
#include "gui/browse/topic_selector.h"
#include "gui/browse/topic_text_view.h"

namespace qorl::gui {
namespace {

constexpr const char* kEveryReference =
    "Every reference to this topic: see-also items, running text, tables and other lists.";
constexpr const char* kSeeAlsoOnly =
    "See-also items of this list only; \"Follow table references and references to other "
    "lists\" adds the rest.";

}  // namespace

ReferencedByController::ReferencedByController(QMainWindow* window, BrowseState& state,
                                               TopicTextView* view, TopicSelector& topics,
                                               ReferencedByEnvironment environment)
    : QObject(window),
      state_(state),
      view_(view),
      topics_(topics),
      environment_(std::move(environment)),
      panel_(new ReferencedByPanel(window)) {
  window->addDockWidget(Qt::BottomDockWidgetArea, panel_);
  panel_->hide();
  QAction* toggle = panel_->toggleViewAction();
  toggle->setObjectName("SearchReferencedByCmd");
  toggle->setText("Referenced &By");
  toggle->setShortcut(QKeySequence("Ctrl+Shift+B"));
  toggle->setShortcutContext(Qt::WindowShortcut);
  toggle->setStatusTip("Show the topics that refer to this topic");
  window->addAction(toggle);
  connect(panel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) refresh();
  });
  connect(panel_, &ReferencedByPanel::rowChosen, this, &ReferencedByController::chooseRow);
  connect(&worker_, &ReferenceIndexWorker::referrersFound, this, &ReferencedByController::showRows);
  connect(&worker_, &ReferenceIndexWorker::progress, this, &ReferencedByController::showProgress);
}

ReferencedByController::~ReferencedByController() {
  worker_.stop();
}

QAction* ReferencedByController::toggleAction() const {
  return panel_->toggleViewAction();
}

void ReferencedByController::refresh() {
  if (panel_->isHidden()) return;
  panel_->note()->setText(state_.options.followAllReferences ? kEveryReference : kSeeAlsoOnly);
  if (!state_.session.isOpen() || !state_.topics().isValid(state_.currentTopic)) {
    panel_->results()->clear();
    rows_.clear();
    shown_ = {};
    return;
  }
  ReferrersRequest request;
  request.lists = environment_.lists();
  const std::string open = NormalListPath(state_.listPath);
  bool listed = false;
  for (const std::string& list : request.lists) listed = listed || NormalListPath(list) == open;
  if (!listed) request.lists.push_back(state_.listPath);
  request.targetPath = state_.listPath;
  request.topic = state_.currentTopic;
  request.followAll = state_.options.followAllReferences;
  if (request == shown_) return;
  worker_.request(request);
}

void ReferencedByController::showProgress(int percent, const QString& listName) {
  QProgressBar* bar = panel_->progress();
  if (percent < 0) {
    bar->hide();
    return;
  }
  bar->setFormat("Building the reference index (" + listName + ") %p%");
  bar->setValue(percent);
  bar->show();
}

void ReferencedByController::showRows(const ReferrersRequest& request,
                                      const std::vector<ReferrerRow>& rows) {
  // Only the topic on view; an answer for one left since is dropped.
  if (request.topic != state_.currentTopic ||
      NormalListPath(request.targetPath) != NormalListPath(state_.listPath))
    return;
  shown_ = request;
  rows_ = rows;
  QTreeWidget* results = panel_->results();
  results->clear();
  QList<QTreeWidgetItem*> items;
  for (const ReferrerRow& row : rows_) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(std::string(FileNameOf(row.listPath))));
    item->setText(1, FromCp437(row.identifier));
    item->setText(2, FromCp437(row.title));
    item->setText(3, FromCp437(row.line).trimmed());
    items.push_back(item);
  }
  results->addTopLevelItems(items);
  for (int c = 0; c < 3; ++c) results->resizeColumnToContents(c);
  panel_->setWindowTitle(rows_.empty() ? QString("Referenced By")
                                       : QString("Referenced By (%1)").arg(rows_.size()));
}

void ReferencedByController::chooseRow(int r) {
  if (r < 0 || static_cast<std::size_t>(r) >= rows_.size()) return;
  const ReferrerRow row = rows_[static_cast<std::size_t>(r)];
  if (!state_.session.isOpen() || !SameExistingFile(row.listPath, state_.listPath))
    environment_.openList(row.listPath);
  // The list may have changed since it was read: the topic must still be the one found.
  if (!state_.session.isOpen() || !SameExistingFile(row.listPath, state_.listPath) ||
      !state_.topics().isValid(row.topic) ||
      state_.topics().identifier(row.topic) != row.identifier)
    return;
  topics_.selectAndLoadTopic(row.topic);
  if (state_.currentTopic != row.topic || !view_) return;
  QTextCursor cursor = view_->textCursor();
  cursor.setPosition(static_cast<int>(row.start));
  cursor.setPosition(static_cast<int>(row.start + row.length), QTextCursor::KeepAnchor);
  view_->setTextCursor(cursor);
  view_->ensureCursorVisible();
}

}  // namespace qorl::gui
