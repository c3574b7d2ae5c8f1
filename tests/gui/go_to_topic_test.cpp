// SPDX-License-Identifier: MIT
// Go to Topic in the window: the popup answers each keystroke from the titles of every list of
// the lists location (saying it is loading until they are read), picks with the arrow keys,
// shows the picked topic with Enter (opening its list) and closes with Esc; a lookup handed in
// from outside (GOTO) shows the first row's topic.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "gui/list/list_controller.h"
#include "gui/lookup/go_to_topic_popup.h"
#include "gui/lookup/lookup_controller.h"
#include "gui/lookup/lookup_loader.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"

using namespace qorl;
using namespace qorl::gui;

class GoToTopicTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    const QDir lists(QString(QORL_LISTS_DIR));
    folder_ = std::make_unique<QTemporaryDir>();
    for (const char* name : {"INTERRUP.LST", "PORTS.LST", "MEMORY.LST"}) {
      if (!lists.exists(name)) QSKIP(qPrintable(QString(name) + " not found in QORL_LISTS_DIR"));
      QVERIFY(QFile::copy(lists.filePath(name), folder_->filePath(name)));
    }
    fixture_ = std::make_unique<test::ViewerFixture>();
    fixture_->start();
    window().setListsFolder(folder_->path().toStdString() + "/");
  }
  void cleanup() {
    fixture_.reset();
    folder_.reset();
  }

  void typingShowsRowsAndEnterShowsTheTopic() {
    window().action(Command::SearchGoToTopic)->trigger();
    LookupController& lookup = window().lookupController();
    GoToTopicPopup* popup = lookup.popup();
    QVERIFY(popup->isVisible());
    QVERIFY(lookup.loader().loading());
    QTest::keyClicks(popup->edit(), "terminate");
    QCOMPARE(popup->findChild<QLabel*>("GoToTopicStatus")->text(), "Loading topic titles...");
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.loader().loading(), 60000);
    QVERIFY(popup->results()->topLevelItemCount() > 3);

    // Each keystroke answers at once; the reference row comes first.
    popup->edit()->clear();
    QTest::keyClicks(popup->edit(), "21 4c");
    QCOMPARE(test::ComparablePath(popup->results()->topLevelItem(0)->text(0)),
             test::ComparablePath(QString("INTERRUP.LST")));
    QCOMPARE(popup->results()->topLevelItem(0)->data(1, Qt::UserRole).toString(), "<b>214C</b>");
    QTest::keyClick(popup->edit(), Qt::Key_Down);
    QCOMPARE(popup->currentRow(), 1);
    QTest::keyClick(popup->edit(), Qt::Key_Up);
    QCOMPARE(popup->currentRow(), 0);
    QTest::keyClick(popup->edit(), Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    const BrowseState& state = window().browseState();
    QVERIFY(test::EndsWithName(state.listPath, "INTERRUP.LST"));
    QCOMPARE(QString::fromStdString(std::string(state.topics().identifier(state.currentTopic))),
             "214C");

    // Another list is opened for a row of it; Esc closes without showing anything.
    window().action(Command::SearchGoToTopic)->trigger();
    QTest::keyClicks(popup->edit(), "port 60");
    QTest::keyClick(popup->edit(), Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QVERIFY(test::EndsWithName(state.listPath, "INTERRUP.LST"));
    window().action(Command::SearchGoToTopic)->trigger();
    QCOMPARE(popup->edit()->selectedText(), "port 60");
    QTest::keyClick(popup->edit(), Qt::Key_Enter);
    QVERIFY(test::EndsWithName(state.listPath, "PORTS.LST"));
    QCOMPARE(QString::fromStdString(std::string(state.topics().identifier(state.currentTopic))),
             "P0060006F");
  }

  void lookupFromOutsideShowsTheFirstRow() {
    // Handed in before the titles are read: shown once they are.
    window().lookupController().goTo("mem 40:17");
    const BrowseState& state = window().browseState();
    QTRY_VERIFY_WITH_TIMEOUT(test::EndsWithName(state.listPath, "MEMORY.LST"), 60000);
    QCOMPARE(QString::fromStdString(std::string(state.topics().identifier(state.currentTopic))),
             "M00400017");
    // Nothing fits: the user is told and the topic on view stays.
    const std::size_t before = fixture_->messages.entries.size();
    window().lookupController().goTo("zzqqxx");
    QCOMPARE(fixture_->messages.entries.size(), before + 1);
    QCOMPARE(fixture_->messages.entries.back().text, "No topic fits \"zzqqxx\"");
    QVERIFY(test::EndsWithName(state.listPath, "MEMORY.LST"));
  }

 private:
  TFormMain& window() { return *fixture_->window; }

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<test::ViewerFixture> fixture_;
};

QTEST_MAIN(GoToTopicTest)
#include "go_to_topic_test.moc"
