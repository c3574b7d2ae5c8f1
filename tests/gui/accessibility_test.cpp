// SPDX-License-Identifier: MIT
// What assistive technology sees: every control of the main window, the Search All Topics
// panel and the dialogs has an accessible name, and the topics grid's rows give their
// identifier and title as text.

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/main_window.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/search/find_controller.h"
#include "gui/search/find_dialog.h"
#include "gui/settings/config_dialog.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/tools/about_dialog.h"
#include "gui/tools/run_combine_dialog.h"
#include "gui/tools/run_intprint_dialog.h"
#include "gui/tools/tools_menu.h"
#include "gui/window/command_actions.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

// The roles of controls a user operates or reads; cells, rows and headers are the table's.
bool IsControl(QAccessible::Role role) {
  switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::SpinBox:
    case QAccessible::ProgressBar:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::StatusBar:
      return true;
    default:
      return false;
  }
}

// The controls below root that have no name, as "objectName (role)".
void CollectNameless(QAccessibleInterface* root, QStringList& nameless, int depth = 0) {
  if (!root || depth > 40) return;
  const QAccessible::Role role = root->role();
  if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List ||
      role == QAccessible::ComboBox) {
    if (root->text(QAccessible::Name).trimmed().isEmpty())
      nameless << QString("%1 (%2)")
                      .arg(root->object() ? root->object()->objectName() : "?")
                      .arg(int(role));
    return;  // the items are the control's own
  }
  if (IsControl(role) && !root->state().invisible &&
      root->text(QAccessible::Name).trimmed().isEmpty())
    nameless << QString("%1 (%2)")
                    .arg(root->object() ? root->object()->objectName() : "?")
                    .arg(int(role));
  for (int i = 0; i < root->childCount(); ++i) CollectNameless(root->child(i), nameless, depth + 1);
}

QStringList Nameless(QWidget* widget) {
  QStringList nameless;
  CollectNameless(QAccessible::queryAccessibleInterface(widget), nameless);
  return nameless;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlHasANameAndTheGridReadsItsRows() {
    QTemporaryDir lists;
    test::ViewerFixture f;
    TFormMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.listController().openList(
        test::WriteList(lists.path(), "SAMPLE.LST", {{'D', "INT 21", "DOS function calls", "x"}})
            .toStdString());
    w.action(Command::SearchAllTopics)->trigger();
    QStringList nameless = Nameless(&w);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w.grid());
    QCOMPARE(grid->text(QAccessible::Name), QString("Topics"));
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QAccessibleInterface* identifier = table->cellAt(1, 0);
    QAccessibleInterface* title = table->cellAt(1, 1);
    QVERIFY(identifier && title);
    QCOMPARE(identifier->text(QAccessible::Name), QString("INT 21"));
    QCOMPARE(title->text(QAccessible::Name), QString("DOS function calls"));

    std::vector<QDialog*> dialogs = {w.findController().dialog(), w.configDialog(), &w.aboutBox(),
                                     &w.toolsMenu().combineDialog(),
                                     &w.toolsMenu().intprintDialog()};
    for (QDialog* dialog : dialogs) {
      dialog->show();
      nameless = Nameless(dialog);
      dialog->hide();
      QVERIFY2(nameless.isEmpty(), qPrintable(dialog->objectName() + ": " + nameless.join(", ")));
    }
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
