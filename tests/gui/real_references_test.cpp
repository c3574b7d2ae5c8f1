// See-also entries of real lists: every entry of a sample of topics either shows a topic or
// gives one of the two information messages, and most of them resolve.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "gui/browse/grid_controller.h"
#include "gui/browse/topic_loader.h"
#include "gui/list/list_controller.h"
#include "gui/support/window_fixture.h"

using namespace qorl;
using namespace qorl::gui;

class RealReferencesTest : public QObject {
  Q_OBJECT

 private slots:
  void seeAlsoEntriesResolveOrSayWhy_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("least");  // the share of entries that must resolve
    QTest::newRow("INTERRUP") << "INTERRUP.LST" << 0.9;
    QTest::newRow("PORTS") << "PORTS.LST" << 0.9;
    QTest::newRow("MEMORY") << "MEMORY.LST" << 0.9;
    QTest::newRow("CMOS") << "CMOS.LST" << 0.9;
    QTest::newRow("FARCALL") << "FARCALL.LST" << 0.9;
    QTest::newRow("MSR") << "MSR.LST" << 0.9;
    QTest::newRow("I2C") << "I2C.LST" << 0.9;
  }

  void seeAlsoEntriesResolveOrSayWhy() {
    QFETCH(QString, name);
    QFETCH(double, least);
    const QString source = QDir(QString(QORL_LISTS_DIR)).filePath(name);
    if (!QFile::exists(source)) QSKIP(qPrintable(name + " not found in QORL_LISTS_DIR"));
    QTemporaryDir folder;
    const QString copy = folder.filePath(name);
    QVERIFY(QFile::copy(source, copy));

    test::ViewerFixture fixture;
    TFormMain& window = fixture.start();
    window.listController().openList(copy.toStdString());
    const BrowseState& state = window.browseState();
    QVERIFY(state.topicCount() > 1);
    QMenu* menu = window.topicLoader().seeAlsoMenu();

    // About 150 topics spread over the list.
    const TopicNumber step = std::max<TopicNumber>(1, state.topicCount() / 150);
    int entries = 0;
    int resolved = 0;
    for (TopicNumber n = 1; n < state.topicCount(); n += step) {
      window.gridController().loadTopic(n);
      const int count = static_cast<int>(menu->actions().size());
      for (int i = 0; i < count; ++i) {
        window.gridController().loadTopic(n);
        const std::size_t before = fixture.messages.entries.size();
        menu->actions().at(i)->trigger();
        ++entries;
        if (fixture.messages.entries.size() == before) {
          ++resolved;
          QVERIFY(state.topics().isValid(state.currentTopic));
          continue;
        }
        QCOMPARE(fixture.messages.entries.size(), before + 1);
        const auto& message = fixture.messages.entries.back();
        QCOMPARE(message.kind, std::string("information"));
        QVERIFY2(message.text == "Unable to locate topic in current list" ||
                     message.text == "Topic is not located in current list",
                 message.text.c_str());
      }
    }
    qInfo("%s: %d of %d See-also entries resolve", qPrintable(name), resolved, entries);
    QVERIFY(entries > 0);
    QVERIFY(resolved >= least * entries);
  }
};

QTEST_MAIN(RealReferencesTest)
#include "real_references_test.moc"
