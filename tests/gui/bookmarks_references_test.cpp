// SPDX-License-Identifier: MIT
// Bookmarks and Referenced By in the window, on two small lists in a folder of their own:
// Ctrl+D, the menu and Alt+1 after the list changed, the Organize dialog, a bookmark whose list
// is gone, restarts and /CONFIGCLEAR; the panel's rows in both reference modes, choosing a row
// of another list, and the panel remembered as a layout value.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "core/support/list_builder.h"
#include "gui/bookmarks/bookmarks_controller.h"
#include "gui/bookmarks/organize_bookmarks_dialog.h"
#include "gui/browse/referenced_by_controller.h"
#include "gui/browse/referenced_by_panel.h"
#include "gui/browse/topic_text_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/find_controller.h"
#include "gui/support/window_test.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

std::string Interrup(bool insertedTopic) {
  test::ListBuilder list;
  list.line("list info")
      .topic('D', "2100", "INT 21 - DOS 1+ - TERMINATE PROGRAM", "SeeAlso: AH=4Ch,#01234");
  if (insertedTopic) list.topic('D', "2101", "INT 21 - NEW");
  list.topic('D', "214C", "INT 21 - DOS 2+ - EXIT",
             "Notes: see PORT 0060h for the keyboard (Table 01234)");
  return list.str();
}

}  // namespace

class BookmarksReferencesTest : public test::WindowTest {
  Q_OBJECT

 private:
  // Starts the viewer again over the same settings.
  void start(std::vector<std::string> arguments = {}) {
    fixture_->window.reset();
    fixture_->start(std::move(arguments));
    showWithLists();
  }
  void showWithLists() {
    window().setListsFolder(lists_->path().toStdString() + "/");
    window().show();
  }
  void show(const char* list, TopicNumber topic) {
    openList(list);
    QVERIFY(state().session.isOpen());
    window().findController().selectAndLoadTopic(topic);
    QCOMPARE(state().currentTopic, topic);
  }
  QStringList labels() {
    QStringList out;
    for (const Bookmark& b : window().bookmarks().bookmarks())
      out << QString::fromStdString(BookmarkLabel(b));
    return out;
  }
  QStringList rows() {
    QStringList out;
    QTreeWidget* results = window().referencedBy().panel()->results();
    for (int i = 0; i < results->topLevelItemCount(); ++i)
      out << results->topLevelItem(i)->text(0) + " " + results->topLevelItem(i)->text(1) + ": " +
                 results->topLevelItem(i)->text(3);
    return out;
  }

 private slots:
  void init() {
    startViewer();
    QVERIFY(writeList("INTERRUP.LST", Interrup(false)));
    QVERIFY(writeList("PORTS.LST",
                      test::ListBuilder()
                          .line("list info")
                          .topic('K', "P0060", "PORT 0060 - KEYBOARD", "SeeAlso: INT 21/AH=4Ch")
                          .str()));
    showWithLists();
  }
  void cleanup() { stopViewer(); }

  void bookmarksFollowTheirTopicsAndSurviveRestarts() {
    QAction* toggle = window().bookmarks().toggleAction();
    show("INTERRUP.LST", 2);
    toggle->trigger();
    QVERIFY(toggle->isChecked());
    QCOMPARE(toggle->text(), QString("&Remove Bookmark"));
    show("PORTS.LST", 1);
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QCOMPARE(labels(), (QStringList{"INTERRUP.LST 214C INT 21 - DOS 2+ - EXIT",
                                    "PORTS.LST P0060 PORT 0060 - KEYBOARD"}));

    // After a restart, with a topic inserted before 214C: Alt+1 finds it by identifier and title.
    QVERIFY(writeList("INTERRUP.LST", Interrup(true)));
    start();
    QCOMPARE(labels().size(), 2);
    window().findChild<QAction*>("Bookmark1")->trigger();
    QVERIFY(state().listPath.ends_with("INTERRUP.LST"));
    QCOMPARE(state().currentTopic, 3);
    QVERIFY(window().bookmarks().toggleAction()->isChecked());

    // Organize: the second moved up and renamed, the other deleted.
    window().bookmarks().setDialogRunner([](OrganizeBookmarksDialog& dialog) {
      dialog.list()->setCurrentRow(1);
      dialog.moveCurrent(-1);
      dialog.list()->item(0)->setText("Keyboard & more");
      dialog.list()->setCurrentRow(1);
      dialog.deleteCurrent();
      return true;
    });
    window().bookmarks().organizeAction()->trigger();
    QCOMPARE(labels(), QStringList{"Keyboard & more"});
    start();
    QCOMPARE(labels(), QStringList{"Keyboard & more"});

    // A bookmark whose list is gone says so and, when asked to, goes.
    QFile::remove(listPath("PORTS.LST"));
    messages().clear();
    window().findChild<QAction*>("Bookmark1")->trigger();
    QCOMPARE(messages().size(), std::size_t{1});
    QCOMPARE(messages()[0].kind, std::string("confirm"));
    QVERIFY(labels().isEmpty());

    toggle = window().bookmarks().toggleAction();
    show("INTERRUP.LST", 1);
    toggle->trigger();
    start({"/CONFIGCLEAR"});
    QVERIFY(labels().isEmpty());
  }

  void referencedByListsWhatLinksFollow() {
    ReferencedByController& refs = window().referencedBy();
    state().options.followAllReferences = true;
    show("INTERRUP.LST", 2);
    refs.toggleAction()->trigger();
    QVERIFY(refs.panel()->isVisible());
    const QStringList every{"INTERRUP.LST 2100: SeeAlso: AH=4Ch,#01234",
                            "INTERRUP.LST 2100: SeeAlso: AH=4Ch,#01234",
                            "PORTS.LST P0060: SeeAlso: INT 21/AH=4Ch"};
    QTRY_COMPARE_WITH_TIMEOUT(rows(), every, 30000);

    // A row of another list opens it and selects the reference.
    emit refs.panel()->rowChosen(2);
    QVERIFY(state().listPath.ends_with("PORTS.LST"));
    QCOMPARE(state().currentTopic, 1);
    QCOMPARE(window().currentTopic()->textCursor().selectedText(), QString("INT 21/AH=4Ch"));
    QTRY_COMPARE_WITH_TIMEOUT(
        rows(),
        QStringList{"INTERRUP.LST 214C: Notes: see PORT 0060h for the keyboard (Table 01234)"},
        30000);

    // Only the offered see-also items with the setting off, and the panel says so.
    state().options.followAllReferences = false;
    show("INTERRUP.LST", 2);
    QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList{every[0]}, 30000);
    QVERIFY(refs.panel()->note()->text().contains("See-also items"));
    QVERIFY(window().currentLayout().referencedByVisible);
  }
};

QTEST_MAIN(BookmarksReferencesTest)
#include "bookmarks_references_test.moc"
