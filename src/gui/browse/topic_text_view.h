// SPDX-License-Identifier: MIT
#pragma once
// `CurrentTopic`: the read-only rich-text view of the topic on view. It shows the topic's bytes
// decoded from code page 437 (one character per byte, so a position in the view is a byte
// position in the shown text), with tab stops every 8 character widths and no word wrap, applies
// the styled ranges of FormatTopic, and reports a link when the left or right button is pressed
// and released on the same link. Its context menu is `PopupMenuCurrentTopic`.

#include <QColor>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <string>
#include <string_view>

#include "core/browse/topic_format.h"

class QMenu;

namespace qorl::gui {

class TopicTextView : public QTextBrowser {
  Q_OBJECT
 public:
  explicit TopicTextView(QWidget* parent = nullptr);

  // Replaces the whole text with displayText as DisplayTextOf gives it (lines separated by '\n')
  // marked up by the ranges, applied in order, in the colours of the view's palette (lighter
  // shades on a dark one; they follow a change of palette). Extra selections (marks) of the old
  // text are removed. The caret goes to position 0.
  void showTopic(std::string_view displayText, const std::vector<FormatSpan>& spans);
  // The format of a search hit's mark, for the palette now in use; marks made with it follow a
  // change of palette.
  QTextCharFormat hitMarkFormat() const;
  // The shown text as bytes (what Find's "Current topic" scope searches).
  const std::string& topicText() const { return text_; }
  // The bytes of the link at a viewport point; empty when there is none.
  std::string linkAt(const QPoint& viewportPos) const;
  // Selects length characters from start (a position as counted in topicText()).
  void selectRange(int start, int length);
  // The vertical scroll position, and setting it once the text is laid out.
  int scrollPosition() const;
  void setScrollPosition(int position);
  // Selects the line that holds the first occurrence of text (bytes) and scrolls it to the top;
  // false when the text is not there.
  bool showLineOf(std::string_view text);
  QMenu* contextMenu() const { return menu_; }
  // The width of one tab stop: 8 character widths of the view's font.
  qreal tabWidth() const;

 signals:
  // The left or right button was pressed and released on the same link; text is the link's bytes.
  void linkClicked(const std::string& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void applyTabStops();
  void keepSelectionColours();
  void recolour();
  // The href of the link at a viewport point, empty when none.
  QString hrefAt(const QPoint& viewportPos) const;

  std::string text_;
  std::vector<FormatSpan> spans_;  // the ranges of the text shown, for recolouring
  bool adjustingPalette_ = false;
  QMenu* menu_;
  QString pressedHref_;
  Qt::MouseButton pressedButton_ = Qt::NoButton;
};

}  // namespace qorl::gui
