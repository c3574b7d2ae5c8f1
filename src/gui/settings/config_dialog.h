// SPDX-License-Identifier: MIT
#pragma once
// The configuration dialog `TFormConfig`: four tabs of settings and the topic font. Every
// showing starts from the configuration record and the topic view's font; Ok stores the
// controls back and asks for the immediate effects (Open List menu, topics grid, shown topic);
// Cancel changes nothing.

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/settings/config_apply.h"
#include "gui/settings/config_choosers.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace qorl {
class MessageService;
}

namespace qorl::gui {

class HelpWindow;

class TFormConfig : public QDialog {
  Q_OBJECT
 public:
  explicit TFormConfig(MessageService& messages, QWidget* parent = nullptr);
  ~TFormConfig() override;

  // read: the configuration record with the topic view's current font in topicFontName/Size.
  // store: puts the new record (and lists folder) in place, without the immediate effects.
  void setRecordAccess(std::function<ConfigRecord()> read,
                       std::function<void(const ConfigApplyResult&)> store);
  // The lists folder of an empty or missing lists location: where the viewer was started.
  void setStartFolder(const std::string& folder) { startFolder_ = folder; }
  void setDirectoryAccess(DirectoryAccess fs) { fs_ = std::move(fs); }
  void setChoosers(std::unique_ptr<ConfigChoosers> choosers);
  // The manual behind the help contexts; without it there is no help button and help requests
  // are swallowed.
  void setHelpFile(const QString& path);
  bool helpAvailable() const { return helpAvailable_; }

  // Shows the dialog modally as the Configuration command does.
  int showModal();
  // Everything showing does before the dialog appears: centred on the screen, "Startup" tab,
  // controls loaded; the focus goes to Ok once shown.
  void prepareShowing();
  // Configuration record and topic font -> controls.
  void loadDialogControls();
  // Controls -> configuration record and topic font, then the immediate effects (signals).
  ConfigEffects applyDialogControls();
  // The controls' state as values.
  ConfigDialogValues dialogValues() const;

  // The three browse buttons' actions.
  void browseListsFolder();
  void browseStartupList();
  void chooseFont();
  const ConfigDialogValues& pending() const { return pending_; }

  // The help context of a control, or of the nearest group around it; 0 when none.
  static int helpContextOf(const QWidget* widget);
  // Opens the manual at widget's help context when the help file exists; false when swallowed.
  bool requestHelp(const QWidget* widget);
  HelpWindow* helpWindow() const { return help_; }
  QTabWidget* pages() const { return pages_; }

 signals:
  void rebuildListMenuRequested();
  void repaintGridRequested();
  void reloadTopicRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildStartupPage();
  QWidget* buildSettingsPage();
  QWidget* buildLayoutPage();
  QWidget* buildAdvancedPage();
  void updateWindowFlags();
  void updateStartupListEnabling();
  void okClicked();
  // The controls and the values they show, for loading and reading back alike.
  std::vector<std::pair<QCheckBox*, bool ConfigDialogValues::*>> checkBoxValues() const;
  std::vector<std::pair<QRadioButton*, StartupListChoice>> startupChoices() const;
  std::vector<std::pair<QRadioButton*, IndexChoice>> indexChoices() const;

  MessageService& messages_;
  std::function<ConfigRecord()> read_;
  std::function<void(const ConfigApplyResult&)> store_;
  std::string startFolder_;
  DirectoryAccess fs_;
  std::unique_ptr<ConfigChoosers> choosers_;
  QString helpFile_;
  bool helpAvailable_ = false;
  bool focusOkOnShow_ = false;
  // The dialog state besides the controls: the pending font (the other members unused).
  ConfigDialogValues pending_;

  QTabWidget* pages_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QLineEdit* defStartupDir_ = nullptr;
  QToolButton* browseButton1_ = nullptr;
  QRadioButton* startupNone_ = nullptr;
  QRadioButton* startupLast_ = nullptr;
  QRadioButton* startupCustom_ = nullptr;
  QLineEdit* defStartupList_ = nullptr;
  QToolButton* browseButton2_ = nullptr;
  QCheckBox* askExit_ = nullptr;
  QCheckBox* showPrintDialog_ = nullptr;
  QCheckBox* displayAllLists_ = nullptr;
  QCheckBox* singleClickView_ = nullptr;
  QCheckBox* doubleClickZoom_ = nullptr;
  QCheckBox* enableSeeAlsoMenu_ = nullptr;
  QCheckBox* followAllReferences_ = nullptr;
  QCheckBox* topicFormatting_ = nullptr;
  QCheckBox* showCategoryChar_ = nullptr;
  QCheckBox* defFont_ = nullptr;
  QToolButton* fontButton_ = nullptr;
  QRadioButton* wysiwygPrint_ = nullptr;
  QRadioButton* noWysiwygPrint_ = nullptr;
  QRadioButton* indexUse_ = nullptr;
  QRadioButton* indexDontUpdate_ = nullptr;
  QRadioButton* indexDirect_ = nullptr;
  QCheckBox* onlyParseLst_ = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace qorl::gui
