// SPDX-License-Identifier: MIT
#include "gui/window/scrolling_menu.h"

#include <QMenu>
#include <QProxyStyle>

namespace qorl::gui {
namespace {

// The application's style with scrolling menus; it follows the application's style as it is.
class ScrollingMenuStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_Menu_Scrollable) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void MakeMenuScroll(QMenu* menu) {
  auto* style = new ScrollingMenuStyle;
  style->setParent(menu);  // goes with the menu; a widget never owns the style it is given
  menu->setStyle(style);
}

}  // namespace qorl::gui
