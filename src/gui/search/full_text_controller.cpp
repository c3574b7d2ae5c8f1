// SPDX-License-Identifier: MIT
#include "gui/search/full_text_controller.h"

#include <QAction>
#include <QMainWindow>
#include <QTreeView>
#include <filesystem>

#include "core/app/list_menu.h"
#include "core/browse/codepage437.h"
#include "core/list/busy.h"
#include "core/search/topic_mark.h"
#include "core/search/topic_text_search.h"
#include "gui/browse/topic_text_view.h"
#include "gui/search/find_controller.h"
#include "gui/search/full_text_results_model.h"
#include "gui/search/full_text_worker.h"

namespace qorl::gui {
namespace {

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

FullTextController::FullTextController(QMainWindow* window, BrowseState& state, TopicTextView* view,
                                       BusyIndicator& busy, FindController& find,
                                       FullTextEnvironment environment)
    : QObject(window),
      window_(window),
      state_(state),
      view_(view),
      busy_(busy),
      find_(find),
      environment_(std::move(environment)),
      model_(new FullTextResultsModel(this)),
      worker_(new FullTextWorker(this)),
      panel_(new FullTextPanel(model_, window)),
      previousHit_(new QAction(window)) {
  panel_->hide();
  window_->addDockWidget(Qt::BottomDockWidgetArea, panel_);
  previousHit_->setObjectName("SearchPreviousHit");
  previousHit_->setShortcut(QKeySequence("Shift+F3"));
  previousHit_->setShortcutContext(Qt::WindowShortcut);
  window_->addAction(previousHit_);
  connect(previousHit_, &QAction::triggered, this, [this] { stepHit(-1); });
  connect(panel_, &FullTextPanel::searchRequested, this, &FullTextController::startSearch);
  connect(panel_, &FullTextPanel::stopRequested, this, &FullTextController::stopSearch);
  connect(panel_, &FullTextPanel::resultChosen, this, &FullTextController::chooseResult);
  connect(worker_, &FullTextWorker::rowsFound, this, [this](const std::vector<FullTextRow>& rows) {
    model_->append(rows);
    onRowsFound();
  });
  connect(worker_, &FullTextWorker::searchEnded, this, [this](const FullTextOutcome& outcome) {
    onSearchEnded(outcome.completed, outcome.truncated, outcome.unreadableLists);
  });
}

FullTextController::~FullTextController() {
  // The worker may be reading the window's topic table; it ends before the window's state goes.
  worker_->stop();
}

bool FullTextController::searching() const {
  return worker_->running();
}

void FullTextController::showPanel() {
  panel_->activate();
}

void FullTextController::startSearch() {
  stopSearch();
  searched_ = panel_->values();
  activeRow_ = -1;
  clearHighlights();
  pattern_.clear();
  if (searched_.text.empty()) {
    // Nothing to search for: the results of the last search go.
    model_->reset({}, 0);
    panel_->setCountText({});
    return;
  }
  panel_->addToHistory(searched_.text);
  const bool encoded = EncodeCp437FromUtf8(searched_.text, pattern_);

  FullTextRequest request;
  request.query = {pattern_, searched_.caseSensitive, searched_.wholeWords};
  request.openOptions.policy = state_.options.policy;
  request.openOptions.onlyParseLst = state_.options.onlyParseLst;
  if (searched_.allLists) {
    const std::string folder = environment_.listsFolder();
    for (const std::string& name : ListFileNames(folder))
      request.targets.push_back({ListFolderPath(folder.empty() ? "." : folder, name), name});
  } else if (state_.session.isOpen()) {
    request.targets.push_back(
        {state_.listPath, FileNameOf(state_.listPath), &state_.session.topics()});
  }
  model_->reset(request.targets, pattern_.size());
  panel_->showListColumn(searched_.allLists);
  if (!encoded) {
    panel_->setCountText(QString::fromStdString("Search string '" + searched_.text +
                                                "' not found: code page 437 cannot hold it"));
    return;
  }
  // Nothing to search is no "not found": say why.
  if (request.targets.empty()) {
    panel_->setCountText(searched_.allLists ? QString::fromStdString("No list files in " +
                                                                     environment_.listsFolder())
                                            : QString("No list is open"));
    return;
  }
  searchingCurrentList_ = !searched_.allLists;
  BusyOptions options;
  options.disableWindow = false;
  options.waitCursor = false;
  busy_.beginBusy("Searching all topics...", options);
  busyShown_ = true;
  panel_->setCountText("Searching...");
  worker_->start(std::move(request));
}

void FullTextController::stopSearch() {
  if (!worker_->running()) return;
  worker_->stop();
  onSearchEnded(false, false, 0);
}

void FullTextController::onListClosing() {
  if (searchingCurrentList_) stopSearch();
}

void FullTextController::onRowsFound() {
  panel_->setCountText("Searching... " + countText());
}

void FullTextController::onSearchEnded(bool completed, bool truncated, int unreadableLists) {
  endBusy();
  searchingCurrentList_ = false;
  QString text;
  if (model_->rowCount() == 0 && completed) {
    text = QString::fromStdString("Search string '" + searched_.text + "' not found");
  } else {
    text = countText();
    if (truncated)
      text += QString(" (the first %1; search stopped)").arg(kMaxFullTextRows);
    else if (!completed)
      text += " (search stopped)";
  }
  if (unreadableLists > 0) text += QString("; lists not read: %1").arg(unreadableLists);
  panel_->setCountText(text);
}

void FullTextController::endBusy() {
  if (!busyShown_) return;
  busyShown_ = false;
  busy_.endBusy();
}

QString FullTextController::countText() const {
  const int n = model_->rowCount();
  return n == 1 ? QString("1 topic") : QString("%1 topics").arg(n);
}

void FullTextController::chooseResult(int r) {
  if (r < 0 || r >= model_->rowCount()) return;
  const FullTextRow row = model_->row(r);
  const std::string path = model_->targetOf(r).path;
  if (!state_.session.isOpen() || !SameExistingFile(path, state_.listPath))
    environment_.openList(path);
  if (!state_.session.isOpen() || !SameExistingFile(path, state_.listPath)) return;
  // The list may have changed since it was searched: the topic found is looked for again.
  const TopicNumber topic =
      FindMarkedTopic(state_.topics(), {row.match.topic, row.identifier, row.title});
  if (topic < 0) return;
  panel_->results()->setCurrentIndex(model_->index(r, FullTextResultsModel::TopicColumn));
  showingResult_ = true;
  find_.selectAndLoadTopic(topic);
  showingResult_ = false;
  if (state_.currentTopic != topic) return;
  activeRow_ = r;
  activeTopic_ = topic;
  highlightHits();
}

void FullTextController::onTopicLoaded() {
  if (showingResult_) return;
  activeRow_ = -1;
  clearHighlights();
}

void FullTextController::highlightHits() {
  hits_.clear();
  const std::string& text = view_->topicText();
  const auto size = static_cast<std::int32_t>(pattern_.size());
  for (std::int32_t at =
           SearchTopicText(text, pattern_, 0, searched_.caseSensitive, searched_.wholeWords);
       at >= 0; at = SearchTopicText(text, pattern_, at + size, searched_.caseSensitive,
                                     searched_.wholeWords))
    hits_.push_back(at);
  QList<QTextEdit::ExtraSelection> marks;
  for (int at : hits_) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(view_->document());
    mark.cursor.setPosition(at);
    mark.cursor.setPosition(at + size, QTextCursor::KeepAnchor);
    mark.format = view_->hitMarkFormat();
    marks.append(mark);
  }
  view_->setExtraSelections(marks);
  hitIndex_ = -1;
  if (!hits_.empty()) selectHit(0);
}

void FullTextController::selectHit(int i) {
  hitIndex_ = i;
  // Selecting the hit scrolls the view to it.
  view_->selectRange(hits_[static_cast<std::size_t>(i)], static_cast<int>(pattern_.size()));
}

void FullTextController::clearHighlights() {
  hits_.clear();
  hitIndex_ = -1;
  view_->setExtraSelections({});
}

bool FullTextController::stepHit(int direction) {
  if (activeRow_ < 0 || !panel_->isVisible() || activeRow_ >= model_->rowCount() ||
      state_.currentTopic != activeTopic_)
    return false;
  const int next = hitIndex_ + direction;
  if (next >= 0 && next < static_cast<int>(hits_.size())) {
    selectHit(next);
    return true;
  }
  const int row = activeRow_ + direction;
  if (row < 0 || row >= model_->rowCount()) return true;  // no further result: stay
  chooseResult(row);
  if (direction < 0 && activeRow_ == row && !hits_.empty())
    selectHit(static_cast<int>(hits_.size()) - 1);
  return true;
}

}  // namespace qorl::gui
