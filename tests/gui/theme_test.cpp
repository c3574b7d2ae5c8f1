// SPDX-License-Identifier: MIT
// Legibility on light and dark themes: every colour the topic view, the category selector and
// the tool-bar icons use, measured against a light and a dark palette, and the topic view
// following a change of palette while a topic is on view.

#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTextBlock>
#include <memory>
#include <utility>
#include <vector>

#include "gui/browse/topic_text_view.h"
#include "gui/window/action_icons.h"
#include "gui/window/palette_colours.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

QPalette LightPalette() {
  std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  return fusion->standardPalette();
}

// A dark palette as dark desktop themes set it: near-black window and base, light text.
QPalette DarkPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(45, 45, 45));
  p.setColor(QPalette::WindowText, QColor(238, 238, 236));
  p.setColor(QPalette::Base, QColor(30, 30, 30));
  p.setColor(QPalette::Text, QColor(238, 238, 236));
  p.setColor(QPalette::Button, QColor(53, 53, 53));
  p.setColor(QPalette::ButtonText, QColor(238, 238, 236));
  p.setColor(QPalette::Highlight, QColor(21, 83, 158));
  p.setColor(QPalette::HighlightedText, Qt::white);
  return p;
}

// "Title" in the highlight colour, an offered see-also item (green, a link) and another
// see-also item (teal).
const char kTopic[] = "Title line\nSeeAlso: INT 21,#01234";
std::vector<FormatSpan> Spans() {
  FormatSpan title{0, 10, true, false, TextColor::Highlight, true, false, false};
  FormatSpan offered{20, 6, false, false, TextColor::Green, true, true, true};
  FormatSpan table{27, 6, false, false, TextColor::Teal, true, false, true};
  return {title, offered, table};
}

QColor ForegroundAt(const QTextEdit& view, int position) {
  QTextCursor cursor(view.document());
  cursor.setPosition(position + 1);
  return cursor.charFormat().foreground().color();
}

}  // namespace

class ThemeTest : public QObject {
  Q_OBJECT

 private slots:
  void everyColourIsLegibleOnLightAndDarkPalettes() {
    std::vector<std::pair<QString, QPalette>> palettes = {{"light", LightPalette()},
                                                          {"dark", DarkPalette()}};
    // The desktop's own dark style, when it is installed.
    if (std::unique_ptr<QStyle> adwaita(QStyleFactory::create("Adwaita-Dark"));
        adwaita && IsDarkPalette(adwaita->standardPalette()))
      palettes.emplace_back("Adwaita-Dark", adwaita->standardPalette());
    for (const auto& [name, palette] : palettes) {
      const bool dark = name != "light";
      QCOMPARE(IsDarkPalette(palette), dark);
      const TopicColours colours = TopicColoursFor(palette);
      const QColor base = palette.color(QPalette::Base);
      const QColor window = palette.color(QPalette::Window);
      const std::vector<std::pair<const char*, double>> figures = {
          {"highlight", ContrastRatio(colours.highlight, base)},
          {"green", ContrastRatio(colours.green, base)},
          {"teal", ContrastRatio(colours.teal, base)},
          {"hit", ContrastRatio(
                      colours.hitText.isValid() ? colours.hitText : palette.color(QPalette::Text),
                      colours.hitBackground)},
          {"all-categories", ContrastRatio(CategoryTealFor(palette), base)}};
      QString line = name + ":";
      for (const auto& [what, ratio] : figures)
        line += QString(" %1 %2").arg(what).arg(ratio, 0, 'f', 2);
      qInfo("%s", qPrintable(line));
      if (!dark) {
        // The classic colours stay on light palettes.
        QCOMPARE(colours.green, QColor(0, 128, 0));
        QCOMPARE(colours.teal, QColor(0, 128, 128));
        QCOMPARE(colours.highlight, palette.color(QPalette::Highlight));
        QCOMPARE(colours.hitBackground, QColor(255, 230, 0));
        continue;
      }
      for (const auto& [what, ratio] : figures) QVERIFY2(ratio >= kTextContrast, what);
      // Lighter shades of the same hues.
      QCOMPARE(colours.green.hslHue(), 120);
      QCOMPARE(colours.teal.hslHue(), 180);
      // The arrows of Previous and Next stand out from the tool bar.
      const QImage next = ActionIcon(10, palette).pixmap(16, 16).toImage();
      QVERIFY(ContrastRatio(next.pixelColor(8, 9), window) >= kGraphicsContrast);
    }
  }

  void topicViewFollowsAPaletteChange() {
    TopicTextView view;
    view.setPalette(LightPalette());
    view.showTopic(kTopic, Spans());
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(view.document());
    mark.cursor.setPosition(20);
    mark.cursor.setPosition(26, QTextCursor::KeepAnchor);
    mark.format = view.hitMarkFormat();
    view.setExtraSelections({mark});
    QCOMPARE(ForegroundAt(view, 20), QColor(0, 128, 0));

    const QPalette dark = DarkPalette();
    view.setPalette(dark);
    const TopicColours colours = TopicColoursFor(dark);
    QCOMPARE(ForegroundAt(view, 0), colours.highlight);
    QCOMPARE(ForegroundAt(view, 20), colours.green);
    QCOMPARE(ForegroundAt(view, 27), colours.teal);
    QCOMPARE(view.extraSelections().value(0).format.background().color(), colours.hitBackground);
    // The selection keeps its colours without the focus, in the new palette too.
    QCOMPARE(view.palette().color(QPalette::Inactive, QPalette::Highlight),
             dark.color(QPalette::Active, QPalette::Highlight));
    // The text and its links stay.
    QCOMPARE(view.toPlainText(), QString(kTopic));
    QTextCursor link(view.document());
    link.setPosition(21);
    QVERIFY(link.charFormat().isAnchor());
  }
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
