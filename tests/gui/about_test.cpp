// SPDX-License-Identifier: MIT
// The About box: its version text built afresh at each showing, Esc leaving it open, the Ok
// button, its size and place, and a banner dark enough under the white labels to read them.

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "gui/app/main_window.h"
#include "gui/support/window_fixture.h"
#include "gui/tools/about_banner.h"
#include "gui/tools/about_dialog.h"
#include "gui/window/command_actions.h"

using namespace qorl;
using namespace qorl::gui;

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheVersionAndNeverGrows() {
    TFormAbout about;
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(about.size(), QSize(320, 202));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.versionLabel()->text(), QString("Version"));
    QCOMPARE(about.versionLabel()->pos(), QPoint(36, 112));
    QCOMPARE(about.copyrightLabel()->pos(), QPoint(36, 128));
    QVERIFY(about.copyrightLabel()->text().contains("MIT licence"));
    // The notice stays on the banner.
    QVERIFY(about.copyrightLabel()->geometry().right() < 10 + kBannerWidth);
    for (int showing = 0; showing < 2; ++showing) {
      about.show();
      QCOMPARE(about.versionLabel()->text(), QString("Version: 2.1"));
      QCOMPARE(about.focusWidget(), about.okButton());
      about.hide();
    }
  }

  void escDoesNothingAndOkCloses() {
    TFormAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(about.isVisible());
    QCOMPARE(about.okButton()->text(), QString("Ok"));
    QCOMPARE(about.okButton()->geometry(), QRect(244, 172, 69, 23));
    QTest::mouseClick(about.okButton(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void isCentredOnTheScreen() {
    TFormAbout about;
    about.move(0, 0);
    about.show();
    const QRect screen = about.screen()->geometry();
    const QRect frame = about.frameGeometry();
    QCOMPARE(frame.x(), screen.width() / 2 - frame.width() / 2);
    QCOMPARE(frame.y(), screen.height() / 2 - frame.height() / 2);
  }

  void bannerIsDarkUnderTheLabels() {
    const QImage banner = AboutBanner().toImage();
    QCOMPARE(banner.size(), QSize(kBannerWidth, kBannerHeight));
    // The labels stand at y 112 and 128 of the box, the picture at 10: rows 102..135 of it.
    for (int y = 102; y < 136; ++y) {
      for (int x = 26; x < 290; ++x) QVERIFY(qGray(banner.pixel(x, y)) < 80);
    }
  }

  void viewerCreatesTheBoxAtStart() {
    test::ViewerFixture f;
    TFormMain& w = f.start();
    QCOMPARE(w.aboutBox().parentWidget(), static_cast<QWidget*>(&w));
    QCOMPARE(w.aboutBox().versionLabel()->text(), QString("Version"));
    QVERIFY(w.action(Command::HelpAbout)->isEnabled());
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
