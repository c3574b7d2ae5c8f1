// SPDX-License-Identifier: MIT
#pragma once
// The Go to Topic popup: a line edit with the rows that fit what is typed under it, updated on
// every keystroke. Up/Down (and Page Up/Down) pick a row while typing goes on, Enter shows the
// picked row's topic, Esc closes.

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace qorl::gui {

struct GoToTopicRow {
  QString list;
  QString identifier;  // rich text, matched parts bold
  QString title;       // rich text, matched parts bold
};

class GoToTopicPopup : public QFrame {
  Q_OBJECT
 public:
  explicit GoToTopicPopup(QWidget* parent);

  // Shows the popup near the top of the parent, the text selected, the focus in the edit.
  void popUp();
  void setRows(const std::vector<GoToTopicRow>& rows);
  // A line above the rows ("Loading topic titles...", "No topic fits"); empty hides it.
  void setStatus(const QString& text);
  QString query() const;
  int currentRow() const;
  QLineEdit* edit() const { return edit_; }
  QTreeWidget* results() const { return results_; }

 signals:
  void queryChanged(const QString& text);
  void rowChosen(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void choose();

  QLineEdit* edit_;
  QLabel* status_;
  QTreeWidget* results_;
};

}  // namespace qorl::gui
