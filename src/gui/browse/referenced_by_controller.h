// SPDX-License-Identifier: MIT
#pragma once
// Referenced By: keeps the dock's rows to the topic on view. The referrers come from the
// reference index worker (built the first time the dock needs them, off the window's thread);
// choosing a row opens its list when it is another, shows the topic and selects the reference.

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "gui/browse/reference_index_worker.h"

class QAction;
class QMainWindow;

namespace qorl::gui {

struct BrowseState;
class TopicSelector;
class ReferencedByPanel;
class TopicTextView;

struct ReferencedByEnvironment {
  // The lists whose references count (the lists location's lists).
  std::function<std::vector<std::string>()> lists;
  // Opens a list through the window's usual open.
  std::function<void(const std::string&)> openList;
};

class ReferencedByController : public QObject {
  Q_OBJECT
 public:
  ReferencedByController(QMainWindow* window, BrowseState& state, TopicTextView* view,
                         TopicSelector& topics, ReferencedByEnvironment environment);
  ~ReferencedByController() override;

  ReferencedByPanel* panel() const { return panel_; }
  // "Referenced &By" (Ctrl+Shift+B): shows and hides the panel.
  QAction* toggleAction() const;
  ReferenceIndexWorker& worker() { return worker_; }

  // Asks for the referrers of the topic on view when the panel is shown.
  void refresh();
  // Shows the topic of row r with its reference selected.
  void chooseRow(int r);
  void stop() { worker_.stop(); }

 private:
  void showRows(const ReferrersRequest& request, const std::vector<ReferrerRow>& rows);
  void showProgress(int percent, const QString& listName);

  BrowseState& state_;
  TopicTextView* view_;
  TopicSelector& topics_;
  ReferencedByEnvironment environment_;
  ReferencedByPanel* panel_;
  ReferenceIndexWorker worker_;
  ReferrersRequest shown_;  // the request the rows answer
  std::vector<ReferrerRow> rows_;
};

}  // namespace qorl::gui
