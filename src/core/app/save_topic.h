// SPDX-License-Identifier: MIT
#pragma once
// Saving the topic on view: the save dialog's default name and filters, the format chosen by the
// file name, and the plain-text form of the view's text. The viewer writes the bytes (safely, so
// that a failed save never leaves a half-written file in place of an old one).

#include <string>
#include <string_view>

#include "core/list/topic_table.h"

namespace qorl {

// The save dialog's texts.
inline constexpr const char* kSaveTopicDialogTitle = "Save topic";
inline constexpr const char* kSaveTopicFilter = "Textfiles (*.txt)|*.txt|All files (*.*)|*.*";

// identifier + ".txt"; with an empty identifier "Topic" + (topicNumber + 1) + ".txt", so topic
// number 12 gives "Topic13.txt". The identifier's bytes are kept, except that characters a file
// name cannot hold (path separators and control characters; on Windows also : * ? " < > |) become
// '_', so the proposed name never points into another folder.
std::string DefaultSaveName(std::string_view identifier, TopicNumber topicNumber);

enum class SaveFormat { PlainText, Rtf };

// PlainText when the text after the file name's last dot is "txt" in any case; Rtf for any other
// extension and for a name without one.
SaveFormat SaveFormatFor(std::string_view fileName);

// The bytes of a plain-text save: the display text (one byte per position, lines separated by
// '\n', see DisplayTextOf) with every '\n' written as CR LF and nothing added after the last
// line. A topic whose bytes end in CR LF therefore saves back exactly as the list holds it.
std::string PlainTextOf(std::string_view displayText);

}  // namespace qorl
