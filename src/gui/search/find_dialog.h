// SPDX-License-Identifier: MIT
#pragma once
// The Find dialog `TFormFind`: the text to find with its history, "Case sensitive", "Whole words
// only", the three scopes of `SearchInRadio`, Find and Cancel. It edits the FindState it is
// given; the search itself is run by its owner once the dialog has been accepted. Created once
// and kept for the whole run.

#include <QDialog>

#include "core/search/find_state.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qorl::gui {

class SearchOptionsWidget;

class TFormFind : public QDialog {
  Q_OBJECT
 public:
  explicit TFormFind(FindState& state, QWidget* parent = nullptr);

  // Before each showing: centred on the screen, scope 0 when none is chosen, the values
  // remembered for Cancel, the focus in the text box with its whole text selected.
  void prepareShow();
  // The state's values and history into the controls.
  void loadDialogControls();
  // The controls into the state's values.
  void applyDialogControls();
  // The Find button: with an empty text nothing happens and the dialog stays; otherwise the
  // search starts at the beginning of its scope, the text enters the history and the dialog
  // closes accepted.
  void findClicked();

  QComboBox* textEdit() const;
  QCheckBox* matchCase() const;
  QCheckBox* wholeWords() const;
  QRadioButton* scopeButton(int scope) const { return scopes_[scope]; }

 public slots:
  // Cancel, Esc or the close box: the values of the last showing come back.
  void reject() override;

 private:
  FindState& state_;
  SearchOptionsWidget* options_;
  QGroupBox* searchIn_;
  QButtonGroup* scopeGroup_;
  QRadioButton* scopes_[3];
  QPushButton* findButton_;
  QPushButton* closeButton_;
};

}  // namespace qorl::gui
