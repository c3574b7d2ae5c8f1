// SPDX-License-Identifier: MIT
#pragma once
// The topic on view as the commands need it: the list's bytes as shown, their decoded text and
// the formatting ranges the view applies, read again from the open list.

#include <string>
#include <vector>

#include "core/app/rich_text_writer.h"
#include "core/browse/topic_format.h"
#include "gui/browse/browse_state.h"

class QTextEdit;

namespace qorl::gui {

struct TopicContent {
  std::string displayText;        // one byte per position, lines separated by '\n'
  std::u16string text;            // the same decoded from code page 437, unit i = byte i
  std::vector<FormatSpan> spans;  // FormatTopic's ranges, a line break counting one position
};

// Reads the current topic from the open list and formats it with settings. False when no
// topic is shown or its bytes cannot be read.
bool ReadTopicContent(const BrowseState& state, const FormatSettings& settings, TopicContent& out);

// The font and colours the view shows text in, for the rich-text writers.
RichTextOptions RichTextOptionsOf(const QTextEdit& view);

}  // namespace qorl::gui
