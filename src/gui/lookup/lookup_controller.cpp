// SPDX-License-Identifier: MIT
#include "gui/lookup/lookup_controller.h"

#include <QWidget>

#include "core/app/list_menu.h"
#include "core/list/message_service.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/codepage437.h"
#include "gui/browse/topic_selector.h"
#include "gui/lookup/go_to_topic_popup.h"
#include "gui/lookup/lookup_loader.h"

namespace qorl::gui {
namespace {

// The field's bytes decoded, with the spans of that field in bold.
QString Marked(std::string_view field, const std::vector<LookupSpan>& spans, bool inTitle) {
  QString html;
  std::size_t at = 0;
  auto plain = [&](std::size_t end) {
    html += FromCp437(field.substr(at, end - at)).toHtmlEscaped();
    at = end;
  };
  for (const LookupSpan& span : spans) {
    if (span.inTitle != inTitle || span.start < at || span.start + span.length > field.size())
      continue;
    plain(span.start);
    html += "<b>" + FromCp437(field.substr(span.start, span.length)).toHtmlEscaped() + "</b>";
    at = span.start + span.length;
  }
  plain(field.size());
  return html;
}

}  // namespace

LookupController::LookupController(QWidget* window, BrowseState& state, TopicSelector& topics,
                                   MessageService& messages, LookupEnvironment environment)
    : QObject(window),
      window_(window),
      state_(state),
      topics_(topics),
      messages_(messages),
      environment_(std::move(environment)),
      loader_(new LookupLoader(this)),
      popup_(new GoToTopicPopup(window)) {
  connect(loader_, &LookupLoader::loaded, this, &LookupController::onLoaded);
  connect(popup_, &GoToTopicPopup::queryChanged, this, &LookupController::update);
  connect(popup_, &GoToTopicPopup::rowChosen, this, [this](int r) {
    if (r >= 0 && static_cast<std::size_t>(r) < rows_.size()) showRow(rows_[r]);
  });
}

LookupController::~LookupController() = default;

void LookupController::refresh() {
  loader_->refresh(LookupListPaths(environment_.listsFolder(), environment_.displayAllLists()));
}

void LookupController::showPopup() {
  refresh();
  update();
  popup_->popUp();
}

void LookupController::goTo(const QString& query) {
  pendingGoTo_ = query;
  goToPending_ = true;
  refresh();
  if (!loader_->loading()) onLoaded();
}

void LookupController::update() {
  shown_ = loader_->lists();
  const QString query = popup_->query().trimmed();
  rows_ = query.isEmpty() ? std::vector<LookupRow>()
                          : LookupTopics(shown_, query.toUtf8().toStdString());
  std::vector<GoToTopicRow> rows;
  rows.reserve(rows_.size());
  for (const LookupRow& row : rows_) {
    const LookupList& list = *shown_[row.list];
    rows.push_back({QString::fromStdString(list.name),
                    Marked(list.topics().identifier(row.topic), row.spans, false),
                    Marked(list.topics().title(row.topic), row.spans, true)});
  }
  popup_->setRows(rows);
  if (loader_->loading()) {
    popup_->setStatus("Loading topic titles...");
  } else if (!query.isEmpty() && rows_.empty()) {
    popup_->setStatus("No topic fits");
  } else {
    popup_->setStatus({});
  }
}

void LookupController::onLoaded() {
  if (popup_->isVisible()) update();
  if (!goToPending_ || loader_->loading()) return;
  goToPending_ = false;
  const LookupLists lists = loader_->lists();
  const std::vector<LookupRow> rows =
      LookupTopics(lists, pendingGoTo_.trimmed().toUtf8().toStdString(), 1);
  if (rows.empty()) {
    messages_.information("No topic fits \"" + pendingGoTo_.toStdString() + "\"");
    return;
  }
  shown_ = lists;
  showRow(rows.front());
}

void LookupController::showRow(const LookupRow& row) {
  if (row.list >= shown_.size()) return;
  const LookupList& list = *shown_[row.list];
  if (!state_.session.isOpen() || !SameExistingFile(list.path, state_.listPath))
    environment_.openList(list.path);
  if (!state_.session.isOpen() || !SameExistingFile(list.path, state_.listPath)) return;
  // The list may have changed since its titles were read: the topic must still be the one.
  const TopicTable& topics = state_.topics();
  if (!topics.isValid(row.topic) ||
      topics.identifier(row.topic) != list.topics().identifier(row.topic) ||
      topics.title(row.topic) != list.topics().title(row.topic)) {
    messages_.information("The list has changed; look the topic up again");
    refresh();
    return;
  }
  topics_.selectAndLoadTopic(row.topic);
}

}  // namespace qorl::gui
