// SPDX-License-Identifier: MIT
// Opening the interrupt list's INTERRUP.LST from the real lists folder: every topic in the grid,
// the counts in the status bar and one selector entry per category.

#include <QFile>
#include <QTest>
#include <set>

#include "gui/browse/category_combo_box.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/support/window_fixture.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

struct ListFacts {
  int topics = 0;
  std::set<unsigned char> categories;
};

// Counts separator lines directly from the file's lines (CR LF ends), plus the list-info topic.
ListFacts CountSeparators(const QByteArray& bytes) {
  ListFacts facts;
  qsizetype start = 0;
  bool first = true;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\r', start);
    if (end < 0) end = bytes.size();
    const QByteArray line = bytes.mid(start, end - start);
    if (line.size() > 35 && line.size() < 75 && line.startsWith("--------") && line[9] == '-') {
      if (first && start > 2) {
        ++facts.topics;
        facts.categories.insert('!');
      }
      first = false;
      ++facts.topics;
      facts.categories.insert(static_cast<unsigned char>(line[8]));
    }
    start = end + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return facts;
}

}  // namespace

class RealListTest : public QObject {
  Q_OBJECT

 private slots:
  void interruptListShowsEveryTopic() {
    const QString path = QString(QORL_LISTS_DIR) + "/INTERRUP.LST";
    if (!QFile::exists(path)) QSKIP("INTERRUP.LST not found in QORL_LISTS_DIR");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const ListFacts facts = CountSeparators(file.readAll());
    QVERIFY(facts.topics > 1000);

    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.resize(1000, 700);
    // Use the index beside the list but never write into the shared lists folder.
    w.browseState().options.policy.dontUseIndexFile = true;
    w.listController().openList(path.toStdString());
    QVERIFY(f.messages.entries.empty());
    QCOMPARE(w.windowTitle(), QString("Qorl Viewer - INTERRUP.LST"));
    QCOMPARE(w.grid()->model()->rowCount(), facts.topics);
    QCOMPARE(w.statusPanels()->panelText(0),
             QString("%1 topics (%1 in category)").arg(facts.topics));
    QCOMPARE(w.categoryCombo()->count(), static_cast<int>(facts.categories.size()) + 1);
    QCOMPARE(w.grid()->model()->index(0, 0).data().toString(), QString("[List Info]"));

    // Narrowing to DOS kernel topics lists only 'D' topics.
    const int dIndex = w.categoryCombo()->findText("D DOS kernel");
    QVERIFY(dIndex > 0);
    w.categoryCombo()->setCurrentIndex(dIndex);
    const BrowseState& state = w.browseState();
    QVERIFY(state.view.count() > 0 && state.view.count() < facts.topics);
    for (TopicNumber n : state.view.topics) QCOMPARE(state.topics().category(n), 'D');
    QCOMPARE(w.statusPanels()->panelText(0),
             QString("%1 topics (%2 in category)").arg(facts.topics).arg(state.view.count()));
  }
};

QTEST_MAIN(RealListTest)
#include "real_list_test.moc"
