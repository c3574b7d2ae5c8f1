// SPDX-License-Identifier: MIT
#pragma once
// Colours that stay legible on the palette they are drawn on. On a light palette the program
// draws its classic colours (green and teal links, the highlight colour for titles and labels,
// yellow hit marks); on a dark one (the window colour's lightness below half) it draws lighter
// shades of the same hues, each with at least 4.5:1 contrast against the text background.

#include <QColor>
#include <QPalette>

namespace qorl::gui {

// Contrast needed for text (WCAG 2 AA) and for graphics such as icons and badges.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicsContrast = 3.0;

// WCAG 2 relative luminance (0 black to 1 white) and contrast ratio (1 to 21).
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// True when the palette's window colour is dark (lightness below half).
bool IsDarkPalette(const QPalette& palette);

// colour itself when it has ratio against background, else the nearest shade of its hue that
// has it: lighter on a dark background, darker on a light one.
QColor LegibleOn(const QColor& colour, const QColor& background, double ratio = kTextContrast);

// The colours of the topic view for a palette.
struct TopicColours {
  QColor highlight;      // title line and field labels
  QColor green;          // see-also items the list offers
  QColor teal;           // other see-also items, table and other-list references
  QColor hitBackground;  // marks of a full-text search's hits
  QColor hitText;        // text inside a hit mark
};
TopicColours TopicColoursFor(const QPalette& palette);

// The teal of the "All categories" entry's text and the badges' teal as drawn on palette.
QColor CategoryTealFor(const QPalette& palette);

}  // namespace qorl::gui
