#pragma once
// The 16 x 16 command icons, drawn in code: 0 open list, 1 save, 2 print, 3 copy, 4 select all,
// 5 find, 6 search again, 7 zoom, 8 configuration, 9 previous, 10 next, 12 back, 14 search all
// topics.

#include <QIcon>

namespace qorl::gui {

QIcon ActionIcon(int index);

}  // namespace qorl::gui
