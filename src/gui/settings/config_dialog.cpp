// SPDX-License-Identifier: MIT
#include "gui/settings/config_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "core/list/message_service.h"
#include "gui/window/help_window.h"

namespace qorl::gui {
namespace {

constexpr const char* kHelpContextProperty = "helpContext";

// A hint as "short|long": the short part is the tool tip, the whole the status tip.
void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint.section('|', 0, 0));
  widget->setStatusTip(hint);
}

void SetHelpContext(QWidget* widget, int context) {
  widget->setProperty(kHelpContextProperty, context);
}

QCheckBox* AddCheckBox(QLayout* layout, const char* name, const char* caption, int context) {
  auto* box = new QCheckBox(QString::fromUtf8(caption));
  box->setObjectName(name);
  SetHelpContext(box, context);
  layout->addWidget(box);
  return box;
}

QRadioButton* AddRadio(QLayout* layout, const char* name, const char* caption, int context = 0) {
  auto* radio = new QRadioButton(QString::fromUtf8(caption));
  radio->setObjectName(name);
  if (context) SetHelpContext(radio, context);
  layout->addWidget(radio);
  return radio;
}

QToolButton* BrowseButton(const char* name, const QString& hint) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setText("...");
  button->setAutoRaise(true);  // flat
  SetHint(button, hint);
  return button;
}

QGroupBox* Group(const char* caption, int context) {
  auto* group = new QGroupBox(QString::fromUtf8(caption));
  if (context) SetHelpContext(group, context);
  return group;
}

// Checks the radio button of the choice.
template <typename Choice>
void CheckChoice(const std::vector<std::pair<QRadioButton*, Choice>>& radios, Choice choice) {
  for (const auto& [radio, value] : radios)
    if (value == choice) radio->setChecked(true);
}

// The choice of the checked radio button; the last one's when none is checked.
template <typename Choice>
Choice CheckedChoice(const std::vector<std::pair<QRadioButton*, Choice>>& radios) {
  for (const auto& [radio, value] : radios)
    if (radio->isChecked()) return value;
  return radios.back().second;
}

// A tab page: its groups one under the other, the space left below them.
QWidget* Page(std::initializer_list<QGroupBox*> groups) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  for (QGroupBox* group : groups) layout->addWidget(group);
  layout->addStretch(1);
  return page;
}

}  // namespace

TFormConfig::TFormConfig(MessageService& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      fs_(SystemDirectories()),
      choosers_(std::make_unique<SystemConfigChoosers>()) {
  setObjectName("FormConfig");
  setWindowTitle("Configuration");

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl");
  pages_->addTab(buildStartupPage(), "Startup");
  pages_->addTab(buildSettingsPage(), "Settings");
  pages_->addTab(buildLayoutPage(), "Layout");
  pages_->addTab(buildAdvancedPage(), "Advanced");

  okButton_ = new QPushButton("Ok", this);
  okButton_->setObjectName("OkButton");
  okButton_->setDefault(true);
  SetHint(okButton_, "Save configuration and close");
  SetHelpContext(okButton_, 1101);
  cancelButton_ = new QPushButton("Cancel", this);
  cancelButton_->setObjectName("CancelButton");
  SetHint(cancelButton_, "Cancel changes and close");
  SetHelpContext(cancelButton_, 1102);
  connect(okButton_, &QPushButton::clicked, this, &TFormConfig::okClicked);
  // Esc reaches QDialog::reject as well.
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // fixed dialog border

  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  help_ = new HelpWindow(this);
  updateWindowFlags();
}

TFormConfig::~TFormConfig() = default;

QWidget* TFormConfig::buildStartupPage() {
  QGroupBox* location = Group("Location of lists", 1111);
  auto* locationLayout = new QHBoxLayout(location);
  defStartupDir_ = new QLineEdit;
  defStartupDir_->setObjectName("Config_DefStartupDir");
  browseButton1_ = BrowseButton("BrowseButton1", "Browse|");
  connect(browseButton1_, &QToolButton::clicked, this, &TFormConfig::browseListsFolder);
  locationLayout->addWidget(defStartupDir_, 1);
  locationLayout->addWidget(browseButton1_);

  QGroupBox* startup = Group("List to load on startup", 1112);
  auto* startupLayout = new QVBoxLayout(startup);
  startupNone_ = AddRadio(startupLayout, "Config_DefStartupNone", "None");
  startupLast_ = AddRadio(startupLayout, "Config_DefStartupLast", "Last opened list");
  startupCustom_ = AddRadio(startupLayout, "Config_DefStartupCustom", "Custom");
  auto* customLayout = new QHBoxLayout;
  defStartupList_ = new QLineEdit;
  defStartupList_->setObjectName("Config_DefStartupList");
  browseButton2_ = BrowseButton("BrowseButton2", "Browse|");
  connect(browseButton2_, &QToolButton::clicked, this, &TFormConfig::browseStartupList);
  customLayout->addSpacing(18);
  customLayout->addWidget(defStartupList_, 1);
  customLayout->addWidget(browseButton2_);
  startupLayout->addLayout(customLayout);
  // As designed: "None" selected, the custom edit box and its button disabled.
  startupNone_->setChecked(true);
  updateStartupListEnabling();
  for (QRadioButton* radio : {startupNone_, startupLast_, startupCustom_})
    connect(radio, &QRadioButton::toggled, this, [this] { updateStartupListEnabling(); });

  return Page({location, startup});
}

QWidget* TFormConfig::buildSettingsPage() {
  QGroupBox* general = Group("General settings", 0);
  auto* boxes = new QVBoxLayout(general);
  askExit_ = AddCheckBox(boxes, "Config_AskExit", "Confirm program exit", 1121);
  showPrintDialog_ = AddCheckBox(boxes, "Config_ShowPrintDialog",
                                 "Display printer dialog box before printing", 1122);
  displayAllLists_ = AddCheckBox(boxes, "Config_DisplayAllLists",
                                 "Display all *.LST files in \"Open List\" menu", 1123);
  singleClickView_ =
      AddCheckBox(boxes, "Config_SingleClickView", "Automatically load selected topic", 1124);
  doubleClickZoom_ = AddCheckBox(boxes, "Config_DoubleClickZoom",
                                 "Double mouse click (or Enter) = Zoom topic", 1125);
  enableSeeAlsoMenu_ =
      AddCheckBox(boxes, "Config_EnableSeeAlsoMenu", "Enable \"See Also\" menu ", 1126);
  followAllReferences_ = AddCheckBox(boxes, "Config_FollowAllReferences",
                                     "Follow table references and references to other lists", 1127);
  return Page({general});
}

QWidget* TFormConfig::buildLayoutPage() {
  QGroupBox* visual = Group("Layout and visual settings", 0);
  auto* visualLayout = new QVBoxLayout(visual);
  topicFormatting_ =
      AddCheckBox(visualLayout, "Config_TopicFormatting", "Topic text formatting", 1131);
  showCategoryChar_ = AddCheckBox(visualLayout, "Config_ShowCategoryChar",
                                  "Display category character in \"All categories\"", 1132);
  auto* fontRow = new QHBoxLayout;
  defFont_ = AddCheckBox(fontRow, "Config_DefFont", "Use default font", 1133);
  fontButton_ = new QToolButton;
  fontButton_->setObjectName("Config_FontButton");
  fontButton_->setText("Font...");
  fontButton_->setAutoRaise(true);
  SetHint(fontButton_, "Change Font|");
  fontRow->addWidget(fontButton_);
  fontRow->addStretch(1);
  visualLayout->addLayout(fontRow);
  connect(defFont_, &QCheckBox::toggled, this, [this](bool on) { fontButton_->setEnabled(!on); });
  connect(fontButton_, &QToolButton::clicked, this, &TFormConfig::chooseFont);

  QGroupBox* printing = Group("Printing", 1134);
  auto* printingLayout = new QVBoxLayout(printing);
  wysiwygPrint_ = AddRadio(printingLayout, "Config_WYSIWYGPrint",
                           "Use same settings as topic layout (wysiwyg)", 1134);
  noWysiwygPrint_ = AddRadio(printingLayout, "Config_NOWYSIWYGPrint",
                             "Use special font and no topic formatting", 1134);
  noWysiwygPrint_->setChecked(true);

  return Page({visual, printing});
}

QWidget* TFormConfig::buildAdvancedPage() {
  QGroupBox* index = Group("Indexfile settings", 1141);
  auto* indexLayout = new QVBoxLayout(index);
  indexUse_ =
      AddRadio(indexLayout, "Config_IndexFileUse", "Use indexfiles, update whenever needed", 1141);
  indexDontUpdate_ = AddRadio(indexLayout, "Config_IndexFileDontUseIndexFile",
                              "Use existing indexfiles, don't update", 1141);
  indexDirect_ =
      AddRadio(indexLayout, "Config_IndexFileLoadTopicsDirect", "Don't use indexfiles", 1141);
  indexUse_->setChecked(true);

  QGroupBox* parsing = Group("List parsing", 0);
  auto* parsingLayout = new QVBoxLayout(parsing);
  onlyParseLst_ = AddCheckBox(parsingLayout, "Config_OnlyParseLST",
                              "Only try to parse files with extension .LST", 1142);
  return Page({index, parsing});
}

void TFormConfig::setRecordAccess(std::function<ConfigRecord()> read,
                                  std::function<void(const ConfigApplyResult&)> store) {
  read_ = std::move(read);
  store_ = std::move(store);
}

void TFormConfig::setChoosers(std::unique_ptr<ConfigChoosers> choosers) {
  choosers_ = std::move(choosers);
}

void TFormConfig::setHelpFile(const QString& path) {
  helpFile_ = path;
  helpAvailable_ = !path.isEmpty() && QFileInfo(path).isFile();
  updateWindowFlags();
}

void TFormConfig::updateWindowFlags() {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (helpAvailable_) flags |= Qt::WindowContextHelpButtonHint;
  setWindowFlags(flags);
}

void TFormConfig::updateStartupListEnabling() {
  const bool custom = startupCustom_->isChecked();
  defStartupList_->setEnabled(custom);
  browseButton2_->setEnabled(custom);
}

int TFormConfig::showModal() {
  prepareShowing();
  return exec();
}

void TFormConfig::prepareShowing() {
  adjustSize();
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  pages_->setCurrentIndex(0);
  loadDialogControls();
  focusOkOnShow_ = true;
  okButton_->setFocus();
}

void TFormConfig::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (focusOkOnShow_) {
    focusOkOnShow_ = false;
    okButton_->setFocus();
  }
}

void TFormConfig::loadDialogControls() {
  const ConfigDialogValues v = DialogValuesFrom(read_ ? read_() : ConfigRecord{});
  defStartupDir_->setText(QString::fromStdString(v.defStartupDir));
  defStartupList_->setText(QString::fromStdString(v.customList));
  CheckChoice(startupChoices(), v.startupList);
  updateStartupListEnabling();
  for (const auto& [box, value] : checkBoxValues()) box->setChecked(v.*value);
  (v.wysiwygPrint ? wysiwygPrint_ : noWysiwygPrint_)->setChecked(true);
  CheckChoice(indexChoices(), v.index);
  pending_ = v;
  fontButton_->setEnabled(!v.useDefaultFont);
}

std::vector<std::pair<QCheckBox*, bool ConfigDialogValues::*>> TFormConfig::checkBoxValues() const {
  return {{askExit_, &ConfigDialogValues::askExit},
          {showPrintDialog_, &ConfigDialogValues::showPrintDialog},
          {displayAllLists_, &ConfigDialogValues::displayAllLists},
          {singleClickView_, &ConfigDialogValues::singleClickView},
          {doubleClickZoom_, &ConfigDialogValues::doubleClickZoom},
          {enableSeeAlsoMenu_, &ConfigDialogValues::enableSeeAlsoMenu},
          {followAllReferences_, &ConfigDialogValues::followAllReferences},
          {topicFormatting_, &ConfigDialogValues::topicFormatting},
          {showCategoryChar_, &ConfigDialogValues::showCategoryChar},
          {defFont_, &ConfigDialogValues::useDefaultFont},
          {onlyParseLst_, &ConfigDialogValues::onlyParseLst}};
}

std::vector<std::pair<QRadioButton*, StartupListChoice>> TFormConfig::startupChoices() const {
  return {{startupLast_, StartupListChoice::LastOpened},
          {startupCustom_, StartupListChoice::Custom},
          {startupNone_, StartupListChoice::None}};
}

std::vector<std::pair<QRadioButton*, IndexChoice>> TFormConfig::indexChoices() const {
  return {{indexDirect_, IndexChoice::DontUse},
          {indexDontUpdate_, IndexChoice::UseExisting},
          {indexUse_, IndexChoice::UseAndUpdate}};
}

ConfigDialogValues TFormConfig::dialogValues() const {
  ConfigDialogValues v;
  v.defStartupDir = defStartupDir_->text().toStdString();
  v.startupList = CheckedChoice(startupChoices());
  v.customList = defStartupList_->text().toStdString();
  for (const auto& [box, value] : checkBoxValues()) v.*value = box->isChecked();
  v.wysiwygPrint = wysiwygPrint_->isChecked();
  v.index = CheckedChoice(indexChoices());
  v.fontName = pending_.fontName;
  v.fontSize = pending_.fontSize;
  return v;
}

ConfigEffects TFormConfig::applyDialogControls() {
  const ConfigRecord old = read_ ? read_() : ConfigRecord{};
  const ConfigApplyResult result = ApplyDialogValues(dialogValues(), old, startFolder_, fs_);
  pending_.fontName = result.config.topicFontName;
  pending_.fontSize = result.config.topicFontSize;
  if (store_) store_(result);
  if (result.effects.rebuildListMenu) emit rebuildListMenuRequested();
  if (result.effects.repaintGrid) emit repaintGridRequested();
  if (result.effects.reloadTopic) emit reloadTopicRequested();
  return result.effects;
}

void TFormConfig::okClicked() {
  applyDialogControls();
  accept();
}

void TFormConfig::browseListsFolder() {
  setEnabled(false);
  const std::optional<QString> folder =
      choosers_->chooseFolder(this, "Select default list location...");
  if (folder) defStartupDir_->setText(*folder);
  setEnabled(true);
}

void TFormConfig::browseStartupList() {
  if (const std::optional<QString> path = choosers_->chooseListFile(this))
    defStartupList_->setText(QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath()));
}

void TFormConfig::chooseFont() {
  QFont initial(QString::fromStdString(pending_.fontName));
  if (pending_.fontSize > 0) initial.setPointSize(pending_.fontSize);
  const std::optional<QFont> chosen = choosers_->chooseFont(this, initial);
  if (!chosen) return;
  // The font selection offers 5 to 20 points only; any other size is refused here too.
  const int size = chosen->pointSize();
  if (!TopicFontSizeAllowed(size)) {
    messages_.warning("The font size must be from " + std::to_string(kMinTopicFontSize) + " to " +
                      std::to_string(kMaxTopicFontSize) + " points.");
    return;
  }
  pending_.fontName = chosen->family().toStdString();
  pending_.fontSize = size;
}

int TFormConfig::helpContextOf(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    const int context = widget->property(kHelpContextProperty).toInt();
    if (context > 0) return context;
    if (widget->isWindow()) break;
  }
  return 0;
}

bool TFormConfig::requestHelp(const QWidget* widget) {
  const int context = helpContextOf(widget);
  if (!helpAvailable_ || context == 0) return false;
  help_->showContext(helpFile_, context);
  return true;
}

void TFormConfig::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    requestHelp(focusWidget());
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TFormConfig::eventFilter(QObject* watched, QEvent* event) {
  // The title bar's help button: a click on a control asks for its help context.
  if ((event->type() == QEvent::WhatsThis || event->type() == QEvent::QueryWhatsThis) &&
      watched->isWidgetType()) {
    const auto* widget = static_cast<QWidget*>(watched);
    if (helpContextOf(widget) == 0) return false;
    if (event->type() == QEvent::WhatsThis) requestHelp(widget);
    event->accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace qorl::gui
