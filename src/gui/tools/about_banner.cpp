// SPDX-License-Identifier: MIT
#include "gui/tools/about_banner.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace qorl::gui {
namespace {

// A faint memory dump of the vector table at 0000:0000, as a debugger would print it.
void DrawHexDump(QPainter& painter) {
  QFont mono("Courier New");
  mono.setStyleHint(QFont::Monospace);
  mono.setPixelSize(9);
  painter.setFont(mono);
  painter.setPen(QColor(110, 170, 255, 46));
  unsigned seed = 0x21CDu;
  for (int row = 0; row < 14; ++row) {
    QString line = QString("0000:%1 ").arg(row * 16, 4, 16, QChar('0')).toUpper();
    for (int column = 0; column < 16; ++column) {
      seed = seed * 1103515245u + 12345u;
      line += QString(" %1").arg((seed >> 16) & 0xFF, 2, 16, QChar('0')).toUpper();
    }
    painter.drawText(4, 10 + row * 10, line);
  }
}

}  // namespace

QPixmap AboutBanner() {
  QImage image(kBannerWidth, kBannerHeight, QImage::Format_RGB888);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient background(0, 0, kBannerWidth, kBannerHeight);
  background.setColorAt(0.0, QColor(18, 32, 64));
  background.setColorAt(1.0, QColor(6, 10, 24));
  painter.fillRect(image.rect(), background);
  DrawHexDump(painter);

  // A thin accent line and the program's name above it.
  QLinearGradient accent(0, 0, kBannerWidth, 0);
  accent.setColorAt(0.0, QColor(255, 176, 0, 0));
  accent.setColorAt(0.2, QColor(255, 176, 0));
  accent.setColorAt(1.0, QColor(255, 96, 0, 0));
  painter.fillRect(QRect(26, 66, 250, 2), accent);

  QFont title("Arial");
  title.setPixelSize(30);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(0, 0, 0, 140));
  painter.drawText(QPoint(28, 58), "Qorl Viewer");
  painter.setPen(QColor(240, 244, 255));
  painter.drawText(QPoint(26, 56), "Qorl Viewer");

  QFont subtitle("Arial");
  subtitle.setPixelSize(11);
  painter.setFont(subtitle);
  painter.setPen(QColor(255, 196, 64));
  painter.drawText(QPoint(28, 84), "INT 00h ... INT FFh  \u00b7  ports  \u00b7  memory");

  // The dark band the white labels are written on.
  painter.fillRect(QRect(0, 100, kBannerWidth, 48), QColor(0, 0, 0, 190));
  painter.fillRect(QRect(0, 100, kBannerWidth, 1), QColor(255, 176, 0, 120));
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace qorl::gui
