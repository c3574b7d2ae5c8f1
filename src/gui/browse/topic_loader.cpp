// SPDX-License-Identifier: MIT
#include "gui/browse/topic_loader.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

#include "core/browse/topic_format.h"
#include "core/list/busy.h"
#include "core/list/error_codes.h"
#include "core/list/message_service.h"
#include "gui/browse/codepage437.h"
#include "gui/browse/see_also_menu_filler.h"
#include "gui/browse/topic_text_view.h"
#include "gui/window/scrolling_menu.h"

namespace qorl::gui {

TopicLoader::TopicLoader(BrowseState& state, const BrowseWidgets& widgets, TopicTextView* view,
                         BusyIndicator& busy, MessageService& messages, QObject* parent)
    : QObject(parent),
      state_(state),
      widgets_(widgets),
      view_(view),
      busy_(busy),
      messages_(messages),
      seeAlsoMenu_(new QMenu(widgets.window)) {
  seeAlsoMenu_->setObjectName("PopupMenuSeeAlso");
  MakeMenuScroll(seeAlsoMenu_);
  reader_ = [this](TopicNumber n, std::string& out) { return state_.session.readTopic(n, out); };
}

void TopicLoader::loadTopic(TopicNumber n) {
  if (!state_.session.isOpen() || state_.view.count() == 0 || !state_.topics().isValid(n)) return;
  bool failed = false;
  {
    BusyOptions options;
    options.disableWindow = false;
    options.waitCursor = state_.topics().record(n).length > kHourglassAbove;
    BusyScope busy(busy_, "Loading topic...", options);
    std::string bytes;
    failed = reader_(n, bytes) != ReadTopicResult::Ok;
    if (!failed) {
      emit aboutToShow(n);
      view_->setUpdatesEnabled(false);
      try {
        state_.currentTopic = n;
        state_.currentTopicId = std::string(state_.topics().identifier(n));
        title_ = std::string(state_.topics().title(n));
        widgets_.currentTopicLabel->setText(FromCp437(state_.currentTopicId));
        formatTopic(DisplayTextOf(bytes));
        view_->setEnabled(true);
        view_->show();
      } catch (const std::exception&) {
        // A failure while filling or formatting the view is dropped: it shows what it reached.
      }
      view_->setUpdatesEnabled(true);
      emit topicLoaded();
    }
  }
  // The box comes after the hourglass has gone; nothing on view has changed.
  if (failed) ShowError(messages_, kErrorLoadTopic);
  emit finished();
}

void TopicLoader::formatTopic(const std::string& displayText) {
  FormatSettings settings;
  settings.topicFormatting = state_.options.topicFormatting;
  settings.enabledSeeAlsoMenu = state_.options.enabledSeeAlsoMenu;
  settings.followAllReferences = state_.options.followAllReferences;
  const FormattedTopic formatted =
      FormatTopic(displayText, title_, state_.listKind, state_.session.parseTopics(), settings);
  view_->showTopic(displayText, formatted.spans);
  FillSeeAlsoMenu(seeAlsoMenu_, formatted.seeAlsoEntries, state_.listKind,
                  settings.followAllReferences,
                  [this](const std::string& entry) { emit seeAlsoChosen(entry); });
  widgets_.seeAlsoButton->setEnabled(formatted.seeAlsoButtonEnabled);
}

void TopicLoader::clearSeeAlso() {
  ClearSeeAlsoMenu(seeAlsoMenu_);
  widgets_.seeAlsoButton->setEnabled(false);
}

}  // namespace qorl::gui
