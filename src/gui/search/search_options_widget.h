// SPDX-License-Identifier: MIT
#pragma once
// The search text and its options as Find and Search All Topics show them: the text box (typed
// text searched as it stands, with the history below it), "Case sensitive" and "Whole words
// only". Find stacks them under a "Text to find" frame; the search panel has them in one row.
// The controls are named prefix + "TextEdit", "MatchCase" and "WholeWords".

#include <QString>
#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;

namespace qorl {
class FindHistory;
}

namespace qorl::gui {

class SearchOptionsWidget : public QWidget {
  Q_OBJECT
 public:
  enum class Arrangement { Stacked, InRow };

  SearchOptionsWidget(const QString& namePrefix, Arrangement arrangement, QWidget* parent);

  std::string text() const;
  bool caseSensitive() const;
  bool wholeWords() const;
  void setOptions(bool caseSensitive, bool wholeWords);
  // Refills the history below the box and puts text in it.
  void showHistory(const FindHistory& history, const QString& text);
  // The focus in the text box with its whole text selected.
  void focusText();

  QComboBox* textBox() const { return text_; }
  QCheckBox* matchCase() const { return matchCase_; }
  QCheckBox* wholeWordsBox() const { return wholeWords_; }

 private:
  QComboBox* text_;
  QCheckBox* matchCase_;
  QCheckBox* wholeWords_;
};

}  // namespace qorl::gui
