// SPDX-License-Identifier: MIT
#pragma once
// The search panel of "Search All Topics...": a dock window with the text box (with a history of
// its own), "Case sensitive", "Whole words only", the scope ("Current list" or "All lists in the
// lists location"), the results and their count. Enter in the text box asks for a search, Esc
// for stopping it; a click or Enter on a result chooses it.

#include <QDockWidget>
#include <string>

#include "core/search/find_history.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QTreeView;

namespace qorl::gui {

class FullTextResultsModel;
class SearchOptionsWidget;

struct FullTextPanelValues {
  std::string text;  // UTF-8 as typed
  bool caseSensitive = false;
  bool wholeWords = false;
  bool allLists = false;
};

class FullTextPanel : public QDockWidget {
  Q_OBJECT
 public:
  FullTextPanel(FullTextResultsModel* model, QWidget* parent = nullptr);

  FullTextPanelValues values() const;
  void setValues(const FullTextPanelValues& values);
  // Shows the panel with the focus in its text box, the text selected.
  void activate();
  void setCountText(const QString& text);
  // The List column is shown for searches of all lists only.
  void showListColumn(bool shown);
  // Puts the text at the top of the history (as Find's history does) and refills the box.
  void addToHistory(const std::string& text);

  QComboBox* textBox() const;
  QTreeView* results() const { return results_; }
  QLabel* countLabel() const { return count_; }

 signals:
  void searchRequested();
  void stopRequested();
  void resultChosen(int row);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SearchOptionsWidget* options_;
  QRadioButton* currentList_;
  QRadioButton* allLists_;
  QTreeView* results_;
  QLabel* count_;
  FindHistory history_;
};

}  // namespace qorl::gui
