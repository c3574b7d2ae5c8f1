// SPDX-License-Identifier: MIT
#include "gui/browse/category_combo_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "gui/browse/category_badge_delegate.h"
#include "gui/browse/codepage437.h"

namespace qorl::gui {
namespace {

// Styles that drop the list down as a pop-up over the box (Fusion, Adwaita, ...) ignore
// maxVisibleItems and show every entry up to the screen's height. The selector keeps the
// application's style and only asks for a plain list below the box.
class ListBelowStyle final : public QProxyStyle {
 public:
  ListBelowStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

CategoryComboBox::CategoryComboBox(QWidget* parent)
    : QComboBox(parent), delegate_(new CategoryBadgeDelegate(this)) {
  setObjectName("CategoryComboBox");
  setAccessibleName("Category");
  setItemDelegate(delegate_);
  auto* style = new ListBelowStyle;
  style->setParent(this);
  setStyle(style);
  setMaxVisibleItems(21);
  setToolTip("Current category");
  setStatusTip("Current category");
  setMinimumWidth(60);
}

void CategoryComboBox::setEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker block(this);
  clear();
  for (const std::string& entry : entries) {
    addItem(FromCp437(entry));
    setItemData(count() - 1, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())),
                EntryBytesRole);
  }
}

std::string CategoryComboBox::entryBytes(int i) const {
  const QByteArray bytes = itemData(i, EntryBytesRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void CategoryComboBox::setItemHeight(int height) {
  delegate_->setItemHeight(height);
}

void CategoryComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  if (currentIndex() < 0) return;
  const QByteArray entry = itemData(currentIndex(), EntryBytesRole).toByteArray();
  CategoryBadgeDelegate::paintEntry(painter, field, entry, hasFocus(), !isEnabled(), palette());
}

}  // namespace qorl::gui
