// SPDX-License-Identifier: MIT
#pragma once
// LoadTopic: reads a topic's bytes from the held list file, shows them in the topic view, marks
// them up (FormatTopic), rebuilds the See-also menu `PopupMenuSeeAlso` and the enabled state of
// `SpeedButtonSeeAlsoMenu`, and shows the identifier in `LabelCurrentTopicID`. Topics longer than
// 5000 bytes show the hourglass while they are read; a failed read is error 3 and changes nothing
// on view.

#include <QObject>
#include <functional>
#include <string>

#include "core/list/list_session.h"
#include "gui/browse/browse_state.h"

class QMenu;

namespace qorl {
class BusyIndicator;
class MessageService;
}  // namespace qorl

namespace qorl::gui {

class TopicTextView;

class TopicLoader : public QObject {
  Q_OBJECT
 public:
  // Reads topic n's bytes; replaceable so that tests can watch the read or make it fail.
  using TopicReader = std::function<ReadTopicResult(TopicNumber n, std::string& out)>;

  // Topics longer than this show the hourglass while they are read.
  static constexpr std::int32_t kHourglassAbove = 5000;

  TopicLoader(BrowseState& state, const BrowseWidgets& widgets, TopicTextView* view,
              BusyIndicator& busy, MessageService& messages, QObject* parent = nullptr);

  // Shows topic n; does nothing when no list is open or n is no topic number.
  void loadTopic(TopicNumber n);
  // Shows the text marked up for the topic on view and rebuilds the See-also menu and the
  // button from it.
  void formatTopic(const std::string& displayText);

  QMenu* seeAlsoMenu() const { return seeAlsoMenu_; }
  // Empties the See-also menu and disables its button (no topic on view).
  void clearSeeAlso();
  void setTopicReader(TopicReader reader) { reader_ = std::move(reader); }

 signals:
  // A See-also menu entry was chosen; text is the entry's bytes.
  void seeAlsoChosen(const std::string& text);
  // The view is about to show topic n instead of what it shows (the history keeps the scroll
  // position of the topic it leaves).
  void aboutToShow(TopicNumber n);
  // A topic is now on view (the Find state restarts the "Current topic" scope).
  void topicLoaded();
  // Every LoadTopic ends with this, loaded or not (the "Cur: " panel is refreshed).
  void finished();

 private:
  BrowseState& state_;
  BrowseWidgets widgets_;
  TopicTextView* view_;
  BusyIndicator& busy_;
  MessageService& messages_;
  QMenu* seeAlsoMenu_;
  TopicReader reader_;
  std::string title_;
};

}  // namespace qorl::gui
