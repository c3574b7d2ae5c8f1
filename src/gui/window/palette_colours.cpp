// SPDX-License-Identifier: MIT
#include "gui/window/palette_colours.h"

#include <algorithm>
#include <cmath>

namespace qorl::gui {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Background(const QPalette& palette) {
  return palette.color(QPalette::Active, QPalette::Base);
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
}

QColor LegibleOn(const QColor& colour, const QColor& background, double ratio) {
  if (ContrastRatio(colour, background) >= ratio) return colour;
  const QColor hsl = colour.toHsl();
  const bool lighter = RelativeLuminance(background) < 0.18;
  const int hue = hsl.hslHue();
  const int saturation = hsl.hslSaturation();
  for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255;
       lightness += lighter ? 1 : -1) {
    const QColor shade = QColor::fromHsl(hue, saturation, lightness).toRgb();
    if (ContrastRatio(shade, background) >= ratio) return shade;
  }
  return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

TopicColours TopicColoursFor(const QPalette& palette) {
  TopicColours colours;
  colours.highlight = palette.color(QPalette::Active, QPalette::Highlight);
  colours.green = QColor(0, 128, 0);
  colours.teal = QColor(0, 128, 128);
  colours.hitBackground = QColor(255, 230, 0);
  if (!IsDarkPalette(palette)) return colours;
  const QColor background = Background(palette);
  colours.highlight = LegibleOn(colours.highlight, background);
  colours.green = LegibleOn(colours.green, background);
  colours.teal = LegibleOn(colours.teal, background);
  // A dark amber under the palette's own light text.
  colours.hitText = palette.color(QPalette::Active, QPalette::Text);
  colours.hitBackground = LegibleOn(QColor(160, 130, 0), colours.hitText);
  return colours;
}

QColor CategoryTealFor(const QPalette& palette) {
  const QColor teal(0, 128, 128);
  return IsDarkPalette(palette) ? LegibleOn(teal, Background(palette)) : teal;
}

}  // namespace qorl::gui
