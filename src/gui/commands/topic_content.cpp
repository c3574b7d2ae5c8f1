// SPDX-License-Identifier: MIT
#include "gui/commands/topic_content.h"

#include <QTextEdit>

#include "core/browse/codepage437.h"

namespace qorl::gui {
namespace {

Rgb RgbOf(const QColor& color) {
  return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
          static_cast<std::uint8_t>(color.blue())};
}

}  // namespace

bool ReadTopicContent(const BrowseState& state, const FormatSettings& settings, TopicContent& out) {
  out = {};
  const TopicNumber n = state.currentTopic;
  if (n < 0 || !state.session.isOpen() || !state.topics().isValid(n)) return false;
  std::string bytes;
  if (state.session.readTopic(n, bytes) != ReadTopicResult::Ok) return false;
  out.displayText = DisplayTextOf(bytes);
  out.text.reserve(out.displayText.size());
  for (const char c : out.displayText) out.text += Cp437ToUnicode(static_cast<unsigned char>(c));
  out.spans = FormatTopic(out.displayText, state.topics().title(n), state.listKind,
                          state.session.parseTopics(), settings)
                  .spans;
  return true;
}

RichTextOptions RichTextOptionsOf(const QTextEdit& view) {
  RichTextOptions options;
  options.fontName = view.font().family().toStdString();
  const int points = view.font().pointSize();
  if (points > 0) options.fontSizePoints = points;
  options.highlight = RgbOf(view.palette().color(QPalette::Highlight));
  options.automatic = RgbOf(view.palette().color(QPalette::Text));
  return options;
}

}  // namespace qorl::gui
