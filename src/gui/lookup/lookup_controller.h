// SPDX-License-Identifier: MIT
#pragma once
// Go to Topic (SearchGoToTopicCmd, Ctrl+K): the popup over the titles of every list of the lists
// location, answered on every keystroke, and the lookups that come from the command line or from
// another start of the viewer (GOTO), which show the topic of the first row.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/lookup/topic_lookup.h"

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class TopicSelector;
class GoToTopicPopup;
class LookupLoader;
struct BrowseState;

// What Go to Topic needs from the window.
struct LookupEnvironment {
  std::function<std::string()> listsFolder;
  std::function<bool()> displayAllLists;
  // Opens the list at path as the Open List menu does.
  std::function<void(const std::string& path)> openList;
};

class LookupController : public QObject {
  Q_OBJECT
 public:
  LookupController(QWidget* window, BrowseState& state, TopicSelector& topics,
                   MessageService& messages, LookupEnvironment environment);
  ~LookupController() override;

  // SearchGoToTopicCmd: the popup, with the titles read again where a list changed.
  void showPopup();
  // Shows the topic the first row for query names, once the titles are read; says so when no
  // topic fits.
  void goTo(const QString& query);

  GoToTopicPopup* popup() const { return popup_; }
  LookupLoader& loader() const { return *loader_; }
  const std::vector<LookupRow>& rows() const { return rows_; }

 private:
  void refresh();
  void update();
  void onLoaded();
  void showRow(const LookupRow& row);

  QWidget* window_;
  BrowseState& state_;
  TopicSelector& topics_;
  MessageService& messages_;
  LookupEnvironment environment_;
  LookupLoader* loader_;
  GoToTopicPopup* popup_;
  LookupLists shown_;  // the lists rows_ refer to
  std::vector<LookupRow> rows_;
  QString pendingGoTo_;
  bool goToPending_ = false;
};

}  // namespace qorl::gui
