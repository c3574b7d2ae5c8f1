// SPDX-License-Identifier: MIT
#include "gui/browse/codepage437.h"

#include "core/browse/codepage437.h"

namespace qorl::gui {

QString FromCp437(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (std::size_t i = 0; i < bytes.size(); ++i)
    out[i] = QChar(Cp437ToUnicode(static_cast<unsigned char>(bytes[i])));
  return text;
}

}  // namespace qorl::gui
