// SPDX-License-Identifier: MIT
// See-also entries of real lists: every entry of a sample of topics either shows a topic or
// gives one of the two information messages, and most of them resolve. With every reference
// followed, the entries include table references and references into the other lists of the
// folder; Back returns from each list an entry opened.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "core/list/list_kind.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/navigation_controller.h"
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
    QTest::addColumn<bool>("followAll");
    for (bool all : {false, true}) {
      const char* suffix = all ? " all" : "";
      for (const char* name : {"INTERRUP", "PORTS", "MEMORY", "CMOS", "FARCALL", "MSR", "I2C"})
        QTest::newRow(qPrintable(QString(name) + suffix)) << QString(name) + ".LST" << 0.9 << all;
    }
  }

  void seeAlsoEntriesResolveOrSayWhy() {
    QFETCH(QString, name);
    QFETCH(double, least);
    QFETCH(bool, followAll);
    const QDir lists(QString(QORL_LISTS_DIR));
    if (!lists.exists(name)) QSKIP(qPrintable(name + " not found in QORL_LISTS_DIR"));
    QTemporaryDir folder;
    const QString copy = folder.filePath(name);
    // With every reference followed, the other lists are there too.
    for (const QString& file :
         followAll ? lists.entryList({"*.LST"}, QDir::Files) : QStringList{name})
      QVERIFY(QFile::copy(lists.filePath(file), folder.filePath(file)));

    test::ViewerFixture fixture;
    TFormMain& window = fixture.start();
    window.browseState().options.followAllReferences = followAll;
    window.listController().openList(copy.toStdString());
    const BrowseState& state = window.browseState();
    QVERIFY(state.topicCount() > 1);
    QMenu* menu = window.topicLoader().seeAlsoMenu();

    // About 150 topics spread over the list.
    const TopicNumber step = std::max<TopicNumber>(1, state.topicCount() / 150);
    int entries = 0;
    int resolved = 0;
    int otherLists = 0;
    QString last;
    const TopicNumber topics = state.topicCount();
    // An entry that opened another list is left by Back, which returns to this list.
    auto backHere = [&] {
      if (state.listPath == copy.toStdString()) return true;
      window.navigation().goBack();
      return state.listPath == copy.toStdString();
    };
    // The entries, those of the submenus (tables, other lists) included.
    const auto entryActions = [menu] {
      QList<QAction*> out;
      for (QAction* a : menu->actions()) {
        if (QMenu* submenu = QMenu::menuInAction(a))
          out += submenu->actions();
        else
          out += a;
      }
      return out;
    };
    for (TopicNumber n = 1; n < topics; n += step) {
      QVERIFY(backHere());
      window.gridController().loadTopic(n);
      const int count = static_cast<int>(entryActions().size());
      for (int i = 0; i < count; ++i) {
        QVERIFY2(backHere(), qPrintable(last));
        window.gridController().loadTopic(n);
        const std::size_t before = fixture.messages.entries.size();
        last = entryActions().at(i)->text();
        entryActions().at(i)->trigger();
        ++entries;
        if (fixture.messages.entries.size() == before) {
          ++resolved;
          QVERIFY(state.topics().isValid(state.currentTopic));
          if (state.listPath != copy.toStdString()) ++otherLists;
          continue;
        }
        QCOMPARE(fixture.messages.entries.size(), before + 1);
        const auto& message = fixture.messages.entries.back();
        QCOMPARE(message.kind, std::string("information"));
        // Looked up in another list, the message names it after one of the two texts.
        const std::string text = message.text.substr(0, message.text.find(" ("));
        QVERIFY2(text == "Unable to locate topic in current list" ||
                     text == "Topic is not located in current list",
                 message.text.c_str());
      }
    }
    qInfo("%s%s: %d of %d See-also entries resolve, %d of them in another list", qPrintable(name),
          followAll ? " (all references)" : "", resolved, entries, otherLists);
    QVERIFY(entries > 0);
    QVERIFY(resolved >= least * entries);
  }
};

QTEST_MAIN(RealReferencesTest)
#include "real_references_test.moc"
