// SPDX-License-Identifier: MIT
#include "gui/window/action_icons.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include "gui/window/palette_colours.h"

namespace qorl::gui {
namespace {

// The outline and the coloured strokes of the icons for a palette: the classic black and teal
// on a light tool bar, the palette's text colour and lighter shades on a dark one.
struct Ink {
  QColor outline = Qt::black;
  QColor teal{0, 128, 128};
  QColor green{0, 128, 0};
  QColor disk{40, 60, 160};
  QColor blue{Qt::blue};
};

Ink InkFor(const QPalette& palette) {
  Ink ink;
  if (!IsDarkPalette(palette)) return ink;
  const QColor bar = palette.color(QPalette::Active, QPalette::Window);
  ink.outline = palette.color(QPalette::Active, QPalette::WindowText);
  ink.teal = LegibleOn(ink.teal, bar, kGraphicsContrast);
  ink.green = LegibleOn(ink.green, bar, kGraphicsContrast);
  ink.disk = LegibleOn(ink.disk, bar, kGraphicsContrast);
  ink.blue = LegibleOn(ink.blue, bar, kGraphicsContrast);
  return ink;
}

constexpr const char* kIconIndexProperty = "qorlIconIndex";

void Page(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(3, 1, 10, 13);
  p.drawLine(5, 4, 11, 4);
  p.drawLine(5, 7, 11, 7);
  p.drawLine(5, 10, 9, 10);
}

void Arrow(QPainter& p, const Ink& ink, bool up) {
  QPainterPath path;
  if (up) {
    path.moveTo(8, 2);
    path.lineTo(14, 9);
    path.lineTo(2, 9);
  } else {
    path.moveTo(8, 14);
    path.lineTo(14, 7);
    path.lineTo(2, 7);
  }
  path.closeSubpath();
  p.setBrush(ink.teal);
  p.drawPath(path);
}

// An arrow pointing left (back) or right (forward).
void SideArrow(QPainter& p, const Ink& ink, bool left) {
  QPainterPath path;
  path.moveTo(left ? 2 : 14, 8);
  path.lineTo(left ? 9 : 7, 2);
  path.lineTo(left ? 9 : 7, 14);
  path.closeSubpath();
  p.setBrush(ink.teal);
  p.drawPath(path);
}

void Lens(QPainter& p, const Ink& ink) {
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(2, 2, 8, 8);
  p.setPen(QPen(ink.outline, 2));
  p.drawLine(9, 9, 14, 14);
}

}  // namespace

QIcon ActionIcon(int index, const QPalette& palette) {
  const Ink ink = InkFor(palette);
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(ink.outline);
  switch (index) {
    case 0:  // open list: a folder
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(1, 4, 14, 10);
      p.drawRect(1, 2, 6, 2);
      break;
    case 1:  // save: a disk
      p.setBrush(ink.disk);
      p.drawRect(1, 1, 14, 14);
      p.setBrush(Qt::white);
      p.drawRect(4, 1, 8, 5);
      break;
    case 2:  // print: a printer
      p.setBrush(Qt::white);
      p.drawRect(4, 1, 8, 5);
      p.setBrush(Qt::gray);
      p.drawRect(1, 6, 14, 6);
      p.setBrush(Qt::white);
      p.drawRect(4, 10, 8, 5);
      break;
    case 3:  // copy: two pages
      p.setBrush(Qt::white);
      p.drawRect(1, 1, 8, 10);
      p.drawRect(6, 5, 8, 10);
      break;
    case 4:  // select all: a page with a dashed frame
      Page(p);
      p.setPen(QPen(ink.blue, 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(0, 0, 15, 15);
      break;
    case 5:  // find
      Lens(p, ink);
      break;
    case 6:  // search again: lens and arrow
      Lens(p, ink);
      p.setPen(QPen(ink.green, 2));
      p.drawLine(11, 2, 15, 2);
      p.drawLine(13, 0, 15, 2);
      break;
    case 7:  // zoom: a frame with corner marks
      p.setBrush(Qt::white);
      p.drawRect(1, 1, 14, 14);
      p.setPen(QPen(ink.teal, 2));
      p.drawLine(4, 4, 11, 11);
      p.drawLine(4, 11, 11, 4);
      break;
    case 8:  // configuration: a gear-like wheel
      p.setBrush(Qt::gray);
      p.drawEllipse(2, 2, 12, 12);
      p.setBrush(Qt::white);
      p.drawEllipse(6, 6, 4, 4);
      break;
    case 9:  // previous
      Arrow(p, ink, true);
      break;
    case 10:  // next
      Arrow(p, ink, false);
      break;
    case 12:  // back
      SideArrow(p, ink, true);
      break;
    case 13:  // forward
      SideArrow(p, ink, false);
      break;
    case 14:  // search all topics: the lens over a stack of pages
      p.setBrush(Qt::white);
      p.drawRect(5, 0, 10, 11);
      p.drawRect(3, 2, 10, 11);
      Lens(p, ink);
      break;
    case 15:  // go to topic: an arrow into a page
      Page(p);
      p.setPen(QPen(QColor(0, 128, 0), 2));
      p.drawLine(0, 8, 9, 8);
      p.drawLine(6, 5, 9, 8);
      p.drawLine(6, 11, 9, 8);
      break;
    default:
      return QIcon();
  }
  p.end();
  return QIcon(pixmap);
}

void SetActionIcon(QAction& action, int index, const QPalette& palette) {
  action.setProperty(kIconIndexProperty, index);
  action.setIcon(ActionIcon(index, palette));
}

void RedrawActionIcons(QWidget& window) {
  for (QAction* action : window.actions()) {
    const QVariant index = action->property(kIconIndexProperty);
    if (index.isValid()) action->setIcon(ActionIcon(index.toInt(), window.palette()));
  }
}

}  // namespace qorl::gui
