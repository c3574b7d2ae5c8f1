// SPDX-License-Identifier: MIT
#pragma once
// The Select All command's state. t: the view's text length in characters, where every line
// break counts two (CR LF); s: the selection length in positions (a line break counts one);
// n: the view's line count. A view whose positions count line breaks once has
// t = positions + n - 1, so the command is checked exactly when the whole text is selected.

#include <cstdint>

namespace qorl {

struct SelectAllState {
  bool enabled = false;  // there is text
  bool checked = false;  // the whole text is selected: running the command deselects
};

constexpr SelectAllState SelectAllStateFor(std::int64_t textLength, std::int64_t selectionLength,
                                           std::int64_t lineCount) {
  const bool enabled = textLength > 0;
  return {enabled, enabled && selectionLength + lineCount - 1 >= textLength};
}

}  // namespace qorl
