// SPDX-License-Identifier: MIT
#pragma once
// The "Referenced By" dock: the topics that refer to the topic on view (list, topic, title and
// the referring line), a progress bar while the reference index builds, and a line that says
// which references count.

#include <QDockWidget>

class QLabel;
class QProgressBar;
class QTreeWidget;

namespace qorl::gui {

class ReferencedByPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit ReferencedByPanel(QWidget* parent = nullptr);

  QTreeWidget* results() const { return results_; }
  QLabel* note() const { return note_; }
  QProgressBar* progress() const { return progress_; }

 signals:
  // A row was chosen (double click, Enter).
  void rowChosen(int row);

 private:
  QLabel* note_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTreeWidget* results_ = nullptr;
};

}  // namespace qorl::gui
