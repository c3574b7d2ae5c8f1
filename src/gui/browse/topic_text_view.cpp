// SPDX-License-Identifier: MIT
#include "gui/browse/topic_text_view.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "gui/browse/codepage437.h"
#include "gui/window/palette_colours.h"

namespace qorl::gui {
namespace {

QColor ColorOf(TextColor color, const TopicColours& colours) {
  switch (color) {
    case TextColor::Highlight:
      return colours.highlight;
    case TextColor::Green:
      return colours.green;
    case TextColor::Teal:
      return colours.teal;
    case TextColor::Automatic:
      break;
  }
  return QColor();
}

// Marks a hit mark's format, so that its colours follow the palette.
constexpr int kHitMarkProperty = QTextFormat::UserProperty + 1;

// A link's href names its range in the shown text, "start:length", so that a click reports the
// text exactly as it stands in the view.
QString HrefOf(const FormatSpan& span) {
  return QString::number(span.start) + ':' + QString::number(span.length);
}

}  // namespace

TopicTextView::TopicTextView(QWidget* parent) : QTextBrowser(parent), menu_(new QMenu(this)) {
  setObjectName("CurrentTopic");
  setAccessibleName("Topic text");
  setReadOnly(true);
  setLineWrapMode(QTextEdit::NoWrap);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  menu_->setObjectName("PopupMenuCurrentTopic");
  keepSelectionColours();
  applyTabStops();
}

void TopicTextView::keepSelectionColours() {
  // The selection stays visible while another control has the focus.
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight,
             p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
  const bool wasAdjusting = adjustingPalette_;
  adjustingPalette_ = true;
  setPalette(p);
  adjustingPalette_ = wasAdjusting;
}

QTextCharFormat TopicTextView::hitMarkFormat() const {
  const TopicColours colours = TopicColoursFor(palette());
  QTextCharFormat format;
  format.setProperty(kHitMarkProperty, true);
  format.setBackground(colours.hitBackground);
  if (colours.hitText.isValid()) format.setForeground(colours.hitText);
  return format;
}

void TopicTextView::recolour() {
  // The marked-up ranges and the hit marks take the colours of the palette now in use; the
  // text, the selection and the scroll position stay.
  const TopicColours colours = TopicColoursFor(palette());
  const int end = static_cast<int>(text_.size());
  QTextCursor cursor(document());
  for (const FormatSpan& span : spans_) {
    if (!span.setsColor) continue;
    const QColor color = ColorOf(span.color, colours);
    if (!color.isValid()) continue;
    const int start = std::clamp(span.start, 0, end);
    const int stop = std::clamp(span.start + span.length, start, end);
    if (stop == start) continue;
    QTextCharFormat format;
    format.setForeground(color);
    cursor.setPosition(start);
    cursor.setPosition(stop, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  QList<ExtraSelection> marks = extraSelections();
  for (ExtraSelection& mark : marks)
    if (mark.format.hasProperty(kHitMarkProperty)) mark.format = hitMarkFormat();
  setExtraSelections(marks);
}

qreal TopicTextView::tabWidth() const {
  return QFontMetricsF(font()).averageCharWidth() * 8;
}

void TopicTextView::applyTabStops() {
  setTabStopDistance(tabWidth());
}

void TopicTextView::showTopic(std::string_view displayText, const std::vector<FormatSpan>& spans) {
  // The text is built and marked up in a document of its own, which no layout watches, and then
  // put in place whole: formatting range by range in the shown document would lay it out anew
  // after every range.
  QTextDocument* old = document();
  auto* doc = new QTextDocument(this);
  doc->setUndoRedoEnabled(false);
  doc->setDefaultFont(font());
  doc->setDefaultTextOption(old->defaultTextOption());
  doc->setDocumentMargin(old->documentMargin());
  doc->setPlainText(FromCp437(displayText));
  text_.assign(displayText);

  spans_ = spans;
  const TopicColours colours = TopicColoursFor(palette());
  const int end = static_cast<int>(text_.size());
  QTextCursor cursor(doc);
  for (const FormatSpan& span : spans) {
    const int start = std::clamp(span.start, 0, end);
    const int stop = std::clamp(span.start + span.length, start, end);
    if (stop == start) continue;
    QTextCharFormat format;
    if (span.bold) format.setFontWeight(QFont::Bold);
    if (span.underline) format.setFontUnderline(true);
    if (span.setsColor) {
      const QColor color = ColorOf(span.color, colours);
      if (color.isValid()) format.setForeground(color);
    }
    if (span.seeAlsoItem || span.link) {
      format.setAnchor(span.link);
      format.setAnchorHref(span.link ? HrefOf(span) : QString());
    }
    cursor.setPosition(start);
    cursor.setPosition(stop, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  // The first document belongs to the edit control, which deletes it itself; later ones are ours.
  const bool ours = old->parent() == this;
  // Marks belong to the old text; they go while it still exists (they point into it).
  setExtraSelections({});
  setDocument(doc);
  if (ours) delete old;
  selectRange(0, 0);
}

void TopicTextView::selectRange(int start, int length) {
  const int last = document()->characterCount() - 1;
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(start, 0, last));
  cursor.setPosition(std::clamp(start + length, 0, last), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

int TopicTextView::scrollPosition() const {
  return verticalScrollBar()->value();
}

void TopicTextView::setScrollPosition(int position) {
  // Laying the whole text out now gives the scroll bar its range.
  document()->documentLayout()->documentSize();
  verticalScrollBar()->setValue(position);
}

bool TopicTextView::showLineOf(std::string_view text) {
  const std::size_t at = text_.find(text);
  if (text.empty() || at == std::string::npos) return false;
  const std::size_t lineBreak = text_.rfind('\n', at);
  const std::size_t lineStart = lineBreak == std::string::npos ? 0 : lineBreak + 1;
  const std::size_t lineEnd = std::min(text_.find('\n', at), text_.size());
  selectRange(static_cast<int>(lineStart), static_cast<int>(lineEnd - lineStart));
  document()->documentLayout()->documentSize();
  const QTextBlock block = document()->findBlock(static_cast<int>(lineStart));
  verticalScrollBar()->setValue(
      static_cast<int>(document()->documentLayout()->blockBoundingRect(block).top()));
  return true;
}

QString TopicTextView::hrefAt(const QPoint& viewportPos) const {
  return anchorAt(viewportPos);
}

std::string TopicTextView::linkAt(const QPoint& viewportPos) const {
  const QString href = hrefAt(viewportPos);
  const qsizetype colon = href.indexOf(':');
  if (colon <= 0) return {};
  bool startOk = false;
  bool lengthOk = false;
  const long long start = href.left(colon).toLongLong(&startOk);
  const long long length = href.mid(colon + 1).toLongLong(&lengthOk);
  const auto size = static_cast<long long>(text_.size());
  if (!startOk || !lengthOk || start < 0 || length <= 0 || start >= size) return {};
  return text_.substr(static_cast<std::size_t>(start),
                      static_cast<std::size_t>(std::min(length, size - start)));
}

void TopicTextView::mousePressEvent(QMouseEvent* event) {
  const Qt::MouseButton button = event->button();
  if (button == Qt::LeftButton || button == Qt::RightButton) {
    pressedHref_ = hrefAt(event->position().toPoint());
    pressedButton_ = button;
  } else {
    pressedHref_.clear();
    pressedButton_ = Qt::NoButton;
  }
  QTextBrowser::mousePressEvent(event);
}

void TopicTextView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const bool sameLink =
      event->button() == pressedButton_ && !pressedHref_.isEmpty() && hrefAt(pos) == pressedHref_;
  pressedHref_.clear();
  pressedButton_ = Qt::NoButton;
  QTextBrowser::mouseReleaseEvent(event);
  if (!sameLink) return;
  const std::string link = linkAt(pos);
  if (!link.empty()) emit linkClicked(link);
}

void TopicTextView::contextMenuEvent(QContextMenuEvent* event) {
  // A right click on a link follows the link instead of opening the menu.
  if (event->reason() == QContextMenuEvent::Mouse && !hrefAt(event->pos()).isEmpty()) {
    event->accept();
    return;
  }
  if (!menu_->isEmpty()) menu_->exec(event->globalPos());
  event->accept();
}

void TopicTextView::changeEvent(QEvent* event) {
  QTextBrowser::changeEvent(event);
  if (event->type() == QEvent::FontChange) applyTabStops();
  if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) &&
      !adjustingPalette_) {
    keepSelectionColours();
    recolour();
  }
}

}  // namespace qorl::gui
