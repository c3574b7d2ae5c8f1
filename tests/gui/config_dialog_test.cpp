// SPDX-License-Identifier: MIT
// The configuration dialog in the running window: controls and enabling rules, what Ok puts in
// place and which immediate effects reach the window, the browse buttons, the font selection's
// size limit, Cancel, and help on a control. The decisions themselves are tested in the core.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <deque>

#include "gui/app/open_list_menu.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topics_grid_delegate.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/list/list_controller.h"
#include "gui/settings/config_dialog.h"
#include "gui/settings/font_selection_dialog.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/window/help_window.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

// Answers the dialog's system dialogs from queues; an empty queue is a cancel.
class ScriptedChoosers final : public ConfigChoosers {
 public:
  std::deque<QString> folders;
  std::deque<QString> files;
  std::deque<QFont> fonts;
  std::vector<QString> folderTitles;
  std::vector<QFont> fontStarts;
  bool dialogEnabledWhileBrowsing = true;

  std::optional<QString> chooseFolder(QWidget* parent, const QString& title) override {
    folderTitles.push_back(title);
    dialogEnabledWhileBrowsing = parent->isEnabled();
    return next(folders);
  }
  std::optional<QString> chooseListFile(QWidget*) override { return next(files); }
  std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override {
    fontStarts.push_back(initial);
    return next(fonts);
  }

 private:
  template <typename T>
  static std::optional<T> next(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace

class ConfigDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ViewerFixture> fixture_;
  ScriptedChoosers* choosers_ = nullptr;
  QString startDir_;
  QTemporaryDir lists_;

  TFormMain& window() { return *fixture_->window; }
  TFormConfig& dialog() { return *window().configDialog(); }
  template <typename T>
  T* control(const char* name) {
    T* widget = dialog().findChild<T*>(name);
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
  QRadioButton* radio(const char* name) { return control<QRadioButton>(name); }

  struct Spies {
    QSignalSpy menu, grid, topic;
    explicit Spies(TFormConfig& d)
        : menu(&d, &TFormConfig::rebuildListMenuRequested),
          grid(&d, &TFormConfig::repaintGridRequested),
          topic(&d, &TFormConfig::reloadTopicRequested) {}
    bool are(int m, int g, int t) const {
      return menu.count() == m && grid.count() == g && topic.count() == t;
    }
  };

  void start(const ConfigRecord* stored = nullptr) {
    fixture_ = std::make_unique<test::ViewerFixture>();
    if (stored) fixture_->store(*stored);
    fixture_->start();
    auto choosers = std::make_unique<ScriptedChoosers>();
    choosers_ = choosers.get();
    dialog().setChoosers(std::move(choosers));
  }
  // Opens a small list and shows its second topic.
  void showATopic() {
    const QString list = test::WriteList(lists_.path(), "SAMPLE.LST", test::MixedTopics(2));
    window().listController().openList(list.toStdString());
    window().gridController().loadTopic(1);
    QCOMPARE(window().browseState().currentTopic, 1);
  }
  void ok() { control<QPushButton>("OkButton")->click(); }

 private slots:
  void init() {
    startDir_ = QDir::currentPath();
    start();
  }
  void cleanup() {
    fixture_.reset();
    QDir::setCurrent(startDir_);
  }

  void controlsCaptionsAndHints() {
    QCOMPARE(dialog().windowTitle(), QString("Configuration"));
    QTabWidget* pages = dialog().pages();
    QCOMPARE(pages->count(), 4);
    const QStringList tabs{"Startup", "Settings", "Layout", "Advanced"};
    for (int i = 0; i < 4; ++i) QCOMPARE(pages->tabText(i), tabs[i]);
    for (const char* name : {"Config_DefStartupDir",
                             "BrowseButton1",
                             "Config_DefStartupNone",
                             "Config_DefStartupLast",
                             "Config_DefStartupCustom",
                             "Config_DefStartupList",
                             "BrowseButton2",
                             "Config_AskExit",
                             "Config_ShowPrintDialog",
                             "Config_DisplayAllLists",
                             "Config_SingleClickView",
                             "Config_DoubleClickZoom",
                             "Config_EnableSeeAlsoMenu",
                             "Config_TopicFormatting",
                             "Config_ShowCategoryChar",
                             "Config_DefFont",
                             "Config_FontButton",
                             "Config_WYSIWYGPrint",
                             "Config_NOWYSIWYGPrint",
                             "Config_IndexFileUse",
                             "Config_IndexFileDontUseIndexFile",
                             "Config_IndexFileLoadTopicsDirect",
                             "Config_OnlyParseLST",
                             "OkButton",
                             "CancelButton"})
      QVERIFY2(dialog().findChild<QWidget*>(name), name);
    QCOMPARE(box("Config_EnableSeeAlsoMenu")->text(), QString("Enable \"See Also\" menu "));
    QCOMPARE(box("Config_DisplayAllLists")->text(),
             QString("Display all *.LST files in \"Open List\" menu"));
    QCOMPARE(radio("Config_IndexFileDontUseIndexFile")->text(),
             QString("Use existing indexfiles, don't update"));
    QCOMPARE(control<QPushButton>("OkButton")->text(), QString("Ok"));
    QVERIFY(control<QPushButton>("OkButton")->isDefault());
    QCOMPARE(control<QPushButton>("CancelButton")->statusTip(),
             QString("Cancel changes and close"));
    QCOMPARE(control<QToolButton>("BrowseButton1")->toolTip(), QString("Browse"));
    QCOMPARE(control<QToolButton>("Config_FontButton")->toolTip(), QString("Change Font"));
  }

  void firstShowingWithDefaults() {
    dialog().pages()->setCurrentIndex(3);
    dialog().prepareShowing();
    QCOMPARE(dialog().pages()->currentIndex(), 0);
    QVERIFY(radio("Config_DefStartupNone")->isChecked());
    QVERIFY(!control<QLineEdit>("Config_DefStartupList")->isEnabled());
    QVERIFY(!control<QToolButton>("BrowseButton2")->isEnabled());
    QVERIFY(radio("Config_IndexFileUse")->isChecked());
    QVERIFY(radio("Config_NOWYSIWYGPrint")->isChecked());
    QVERIFY(!box("Config_DefFont")->isChecked());  // the view starts with "MS Sans Serif"
    QVERIFY(control<QToolButton>("Config_FontButton")->isEnabled());
    QVERIFY(box("Config_SingleClickView")->isChecked());
    QVERIFY(box("Config_OnlyParseLST")->isChecked());
    QVERIFY(!box("Config_AskExit")->isChecked());
    QVERIFY(!box("Config_FollowAllReferences")->isChecked());
    dialog().show();
    QCOMPARE(dialog().focusWidget(), control<QPushButton>("OkButton"));
    dialog().reject();
  }

  void enablingRules() {
    dialog().prepareShowing();
    radio("Config_DefStartupCustom")->click();
    QVERIFY(control<QLineEdit>("Config_DefStartupList")->isEnabled());
    QVERIFY(control<QToolButton>("BrowseButton2")->isEnabled());
    radio("Config_DefStartupLast")->click();
    QVERIFY(!control<QLineEdit>("Config_DefStartupList")->isEnabled());
    QVERIFY(!control<QToolButton>("BrowseButton2")->isEnabled());
    box("Config_DefFont")->click();
    QVERIFY(!control<QToolButton>("Config_FontButton")->isEnabled());
    box("Config_DefFont")->click();
    QVERIFY(control<QToolButton>("Config_FontButton")->isEnabled());
  }

  void defaultFontSetsViewAndGridAndReloads() {
    showATopic();
    Spies spies(dialog());
    dialog().prepareShowing();
    box("Config_DefFont")->click();
    window().currentTopic()->clear();
    ok();
    QVERIFY(spies.are(0, 1, 1));
    QVERIFY(!window().currentTopic()->toPlainText().isEmpty());  // loaded again
    QCOMPARE(window().currentTopic()->font().family(), QString("Courier New"));
    QCOMPARE(window().currentTopic()->font().pointSize(), 8);
    QCOMPARE(window().grid()->font().family(), QString("Courier New"));
    QCOMPARE(window().grid()->horizontalHeader()->font().family(), window().font().family());
    QCOMPARE(window().browseState().currentTopic, 1);  // the same topic shown again
    QCOMPARE(window().currentConfig().topicFontName, std::string("Courier New"));
    dialog().prepareShowing();
    QVERIFY(box("Config_DefFont")->isChecked());
    QVERIFY(!control<QToolButton>("Config_FontButton")->isEnabled());
    // Turned off again, nothing changes until another font is chosen.
    box("Config_DefFont")->click();
    ok();
    QVERIFY(spies.are(0, 1, 1));
  }

  void fontChosenThroughTheFontDialog() {
    showATopic();
    Spies spies(dialog());
    dialog().prepareShowing();
    choosers_->fonts.push_back(QFont("Courier New", 8));
    control<QToolButton>("Config_FontButton")->click();
    QCOMPARE(choosers_->fontStarts.back().family(), QString("MS Sans Serif"));
    QCOMPARE(choosers_->fontStarts.back().pointSize(), 8);
    ok();
    QVERIFY(spies.are(0, 1, 1));
    QCOMPARE(window().currentTopic()->font().family(), QString("Courier New"));
    dialog().prepareShowing();
    QVERIFY(box("Config_DefFont")->isChecked());
  }

  void fontSizeOutsideFiveToTwentyIsRefused() {
    Spies spies(dialog());
    dialog().prepareShowing();
    for (int size : {4, 21}) {
      choosers_->fonts.push_back(QFont("Arial", size));
      control<QToolButton>("Config_FontButton")->click();
    }
    QCOMPARE(fixture_->messages.entries.size(), std::size_t(2));
    QCOMPARE(fixture_->messages.entries[0].text,
             std::string("The font size must be from 5 to 20 points."));
    QCOMPARE(dialog().pending().fontName, std::string("MS Sans Serif"));
    choosers_->fonts.push_back(QFont("Arial", 20));
    control<QToolButton>("Config_FontButton")->click();
    QCOMPARE(dialog().pending().fontSize, 20);
    ok();
    QVERIFY(spies.are(0, 1, 1));
    QCOMPARE(window().currentTopic()->font().pointSize(), 20);
  }

  void fontSelectionOffersFiveToTwentyPoints() {
    FontSelectionDialog fonts;
    QCOMPARE(fonts.familyBox()->writingSystem(), QFontDatabase::Latin);
    QCOMPARE(fonts.sizeBox()->minimum(), 5);
    QCOMPARE(fonts.sizeBox()->maximum(), 20);
    for (auto [asked, given] : {std::pair{4, 5}, std::pair{21, 20}, std::pair{12, 12}}) {
      QFont initial = fonts.familyBox()->currentFont();
      initial.setPointSize(asked);
      fonts.setInitialFont(initial);
      QCOMPARE(fonts.selectedFont().pointSize(), given);
    }
    fonts.sizeBox()->setValue(30);
    QCOMPARE(fonts.selectedFont().pointSize(), 20);
    QCOMPARE(fonts.selectedFont().family(), fonts.familyBox()->currentFont().family());
    // Only installed families: neither a typed name nor an old setting that names no installed
    // font is chosen.
    const QStringList installed = QFontDatabase::families();
    fonts.show();
    QComboBox* box = fonts.familyBox();
    QWidget* typing = box->isEditable() ? static_cast<QWidget*>(box->lineEdit()) : box;
    QTest::keyClicks(typing, "NoSuchFont");
    QTest::keyClick(typing, Qt::Key_Return);
    QVERIFY2(installed.contains(fonts.selectedFont().family()),
             qPrintable(fonts.selectedFont().family()));
    fonts.setInitialFont(QFont("NoSuchFont", 10));
    QVERIFY2(
        installed.contains(fonts.selectedFont().family()),
        qPrintable(fonts.selectedFont()
                       .family()));  // No symbol fonts: every family offered draws Latin letters.
    QStringList offered;
    for (int row = 0; row < box->count(); ++row) offered << box->itemText(row);
    QVERIFY(!offered.isEmpty());
    for (const QString& family : offered)
      QVERIFY2(FontSelectionDialog::showsLatinLetters(family), qPrintable(family));
    if (installed.contains("Standard Symbols PS")) {
      QVERIFY(!FontSelectionDialog::showsLatinLetters("Standard Symbols PS"));
      QVERIFY(!offered.contains("Standard Symbols PS"));
    }
  }

  void onlyCategoryCharacterRepaintsTheGrid() {
    showATopic();
    Spies spies(dialog());
    dialog().prepareShowing();
    box("Config_ShowCategoryChar")->click();
    ok();
    QVERIFY(spies.are(0, 1, 0));
    QVERIFY(!window().grid()->gridDelegate()->showCategoryChar());
    QVERIFY(!window().currentConfig().ShowCategoryChar);
  }

  // An empty lists location is the folder the viewer was started in, on Ok as at start-up, and
  // so is one that does not exist; the Open List menu follows the lists folder.
  void emptyLocationIsTheFolderTheViewerStartedIn() {
    test::WriteList(lists_.path(), "PORTS.LST", test::MixedTopics(1));
    QDir::setCurrent(lists_.path());
    start();
    const QString lists = QDir(lists_.path()).canonicalPath();
    const auto listsFolder = [this] {
      return QDir(QString::fromStdString(window().listsFolder())).canonicalPath();
    };
    const std::size_t listsShown = window().listMenu().entries().size();
    QVERIFY(listsShown > 0);
    Spies spies(dialog());
    dialog().prepareShowing();
    ok();
    QVERIFY(spies.are(0, 0, 0));
    QCOMPARE(QDir::currentPath(), lists);
    QCOMPARE(listsFolder(), lists);
    QVERIFY(test::ComparablePath(window().listsFolder()).endsWith('/'));

    QTemporaryDir other;
    dialog().prepareShowing();
    control<QLineEdit>("Config_DefStartupDir")->setText(other.path());
    ok();
    QCOMPARE(listsFolder(), QDir(other.path()).canonicalPath());
    QVERIFY(window().listMenu().entries().empty());
    dialog().prepareShowing();
    control<QLineEdit>("Config_DefStartupDir")->setText(other.path() + "/gone");
    ok();
    QVERIFY(spies.are(2, 0, 0));
    QVERIFY(window().config().DefStartupDir.empty());
    QCOMPARE(QDir::currentPath(), lists);
    QCOMPARE(listsFolder(), lists);
    QCOMPARE(window().listMenu().entries().size(), listsShown);
  }

  void nextUseSettingsAreStoredWithoutEffects() {
    Spies spies(dialog());
    dialog().prepareShowing();
    box("Config_AskExit")->click();
    box("Config_SingleClickView")->click();
    box("Config_OnlyParseLST")->click();
    radio("Config_IndexFileLoadTopicsDirect")->click();
    radio("Config_WYSIWYGPrint")->click();
    ok();
    QVERIFY(spies.are(0, 0, 0));
    QVERIFY(window().config().AskExit);
    QVERIFY(window().config().WYSIWYGPrint);
    QVERIFY(!window().browseState().options.singleClickView);
    QVERIFY(!window().browseState().options.onlyParseLst);
    QVERIFY(window().browseState().options.policy.loadTopicsDirect);
    // Written at exit.
    window().close();
    QVERIFY(fixture_->storedConfig().LoadTopicsDirect);
    QVERIFY(fixture_->storedConfig().AskExit);
  }

  void listsFolderAndDisplayAllListsRebuildTheMenu() {
    QTemporaryDir folder;
    test::WriteList(folder.path(), "PORTS.LST", test::MixedTopics(1));
    test::WriteList(folder.path(), "GLOSSARY.LST", test::MixedTopics(1));
    Spies spies(dialog());
    dialog().prepareShowing();
    control<QLineEdit>("Config_DefStartupDir")->setText(folder.path());
    ok();
    QVERIFY(spies.are(1, 0, 0));
    const QString canonical = QDir(folder.path()).canonicalPath();
    QCOMPARE(QDir::currentPath(), canonical);
    QCOMPARE(test::ComparablePath(window().config().DefStartupDir),
             test::ComparablePath(canonical));
    QCOMPARE(window().listMenu().entries().size(), std::size_t(1));
    dialog().prepareShowing();
    box("Config_DisplayAllLists")->click();
    ok();
    QVERIFY(spies.are(2, 0, 0));
    QCOMPARE(window().listMenu().entries().size(), std::size_t(2));
  }

  void startupListChoices() {
    const QString list = test::WriteList(lists_.path(), "PORTS.LST", test::MixedTopics(1));
    dialog().prepareShowing();
    radio("Config_DefStartupLast")->click();
    control<QLineEdit>("Config_DefStartupList")->setText(list);
    ok();
    QVERIFY(window().config().ReloadLastOpenList);
    QCOMPARE(window().config().DefStartupList, std::string());

    dialog().prepareShowing();
    QVERIFY(radio("Config_DefStartupLast")->isChecked());
    QCOMPARE(control<QLineEdit>("Config_DefStartupList")->text(), QString());
    radio("Config_DefStartupCustom")->click();
    choosers_->files.push_back(list);
    control<QToolButton>("BrowseButton2")->click();
    QCOMPARE(test::ComparablePath(control<QLineEdit>("Config_DefStartupList")->text()),
             test::ComparablePath(list));
    ok();
    QVERIFY(!window().config().ReloadLastOpenList);
    QCOMPARE(test::ComparablePath(window().config().DefStartupList), test::ComparablePath(list));
    dialog().prepareShowing();
    QVERIFY(radio("Config_DefStartupCustom")->isChecked());
  }

  void folderBrowser() {
    dialog().prepareShowing();
    choosers_->folders.push_back(lists_.path());
    control<QToolButton>("BrowseButton1")->click();
    QCOMPARE(choosers_->folderTitles.back(), QString("Select default list location..."));
    QVERIFY(!choosers_->dialogEnabledWhileBrowsing);
    QVERIFY(dialog().isEnabled());
    QCOMPARE(control<QLineEdit>("Config_DefStartupDir")->text(), lists_.path());
    control<QToolButton>("BrowseButton1")->click();  // cancelled: the text stays
    QCOMPARE(control<QLineEdit>("Config_DefStartupDir")->text(), lists_.path());
  }

  void cancelKeepsEverything() {
    showATopic();
    const ConfigRecord before = window().currentConfig();
    Spies spies(dialog());
    dialog().prepareShowing();
    box("Config_ShowCategoryChar")->click();
    box("Config_DefFont")->click();
    box("Config_AskExit")->click();
    control<QLineEdit>("Config_DefStartupDir")->setText(lists_.path());
    control<QPushButton>("CancelButton")->click();
    QVERIFY(spies.are(0, 0, 0));
    QCOMPARE(window().currentConfig(), before);
    dialog().prepareShowing();
    QVERIFY(box("Config_ShowCategoryChar")->isChecked());
    QVERIFY(!box("Config_DefFont")->isChecked());
    QCOMPARE(control<QLineEdit>("Config_DefStartupDir")->text(), QString());
  }

  void helpContexts() {
    const std::pair<const char*, int> contexts[] = {
        {"OkButton", 1101},
        {"CancelButton", 1102},
        {"Config_DefStartupDir", 1111},
        {"BrowseButton1", 1111},
        {"Config_DefStartupLast", 1112},
        {"Config_DefStartupList", 1112},
        {"BrowseButton2", 1112},
        {"Config_AskExit", 1121},
        {"Config_ShowPrintDialog", 1122},
        {"Config_DisplayAllLists", 1123},
        {"Config_SingleClickView", 1124},
        {"Config_DoubleClickZoom", 1125},
        {"Config_EnableSeeAlsoMenu", 1126},
        {"Config_FollowAllReferences", 1127},
        {"Config_TopicFormatting", 1131},
        {"Config_ShowCategoryChar", 1132},
        {"Config_DefFont", 1133},
        {"Config_WYSIWYGPrint", 1134},
        {"Config_NOWYSIWYGPrint", 1134},
        {"Config_IndexFileUse", 1141},
        {"Config_IndexFileLoadTopicsDirect", 1141},
        {"Config_OnlyParseLST", 1142},
    };
    for (const auto& [name, context] : contexts)
      QVERIFY2(TFormConfig::helpContextOf(control<QWidget>(name)) == context, name);
    QCOMPARE(TFormConfig::helpContextOf(control<QWidget>("Config_FontButton")), 0);
  }

  void helpOnlyWithTheHelpFile() {
    QVERIFY(!dialog().helpAvailable());
    QVERIFY(!(dialog().windowFlags() & Qt::WindowContextHelpButtonHint));
    QVERIFY(!dialog().requestHelp(box("Config_AskExit")));
    QVERIFY(!dialog().helpWindow()->isVisible());

    const QString helpFile = fixture_->programDir.filePath("QORLVIEW.html");
    QFile file(helpFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><body><a name=\"1121\"></a><p>Confirm</p></body></html>");
    file.close();
    window().setHelpFile(helpFile);
    QVERIFY(dialog().helpAvailable());
    QVERIFY(dialog().windowFlags() & Qt::WindowContextHelpButtonHint);
    dialog().prepareShowing();
    dialog().pages()->setCurrentIndex(1);
    dialog().show();
    box("Config_AskExit")->setFocus();
    QTest::keyClick(box("Config_AskExit"), Qt::Key_F1);
    QVERIFY(dialog().helpWindow()->isVisible());
    QCOMPARE(dialog().helpWindow()->browser()->source().fragment(), QString("1121"));
    // The title bar's help button on a control.
    QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(radio("Config_IndexFileUse"), &whatsThis);
    QCOMPARE(dialog().helpWindow()->browser()->source().fragment(), QString("1141"));
    dialog().reject();
  }

  void everyShowingStartsFromTheRecord() {
    ConfigRecord stored;
    stored.DontUseIndexFile = true;
    stored.WYSIWYGPrint = true;
    stored.AskExit = true;
    stored.topicFontName = "Courier New";
    start(&stored);
    dialog().prepareShowing();
    QVERIFY(radio("Config_IndexFileDontUseIndexFile")->isChecked());
    QVERIFY(radio("Config_WYSIWYGPrint")->isChecked());
    QVERIFY(box("Config_AskExit")->isChecked());
    QVERIFY(box("Config_DefFont")->isChecked());
    QVERIFY(!control<QToolButton>("Config_FontButton")->isEnabled());
  }
};

QTEST_MAIN(ConfigDialogTest)
#include "config_dialog_test.moc"
