// SPDX-License-Identifier: MIT
#include "gui/bookmarks/bookmarks_controller.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <system_error>

#include "core/app/list_menu.h"
#include "core/list/list_kind.h"
#include "core/list/message_service.h"
#include "gui/bookmarks/organize_bookmarks_dialog.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/topic_selector.h"

namespace qorl::gui {
namespace {

// A ribbon, outlined (Off) or filled (On: the topic is bookmarked).
QIcon BookmarkIcon() {
  QIcon icon;
  for (const bool filled : {false, true}) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath ribbon;
    ribbon.moveTo(4, 1.5);
    ribbon.lineTo(12, 1.5);
    ribbon.lineTo(12, 14.5);
    ribbon.lineTo(8, 10.5);
    ribbon.lineTo(4, 14.5);
    ribbon.closeSubpath();
    painter.setPen(QPen(QColor(160, 40, 40), 1.2));
    painter.setBrush(filled ? QColor(210, 60, 60) : QColor(255, 255, 255, 200));
    painter.drawPath(ribbon);
    painter.end();
    icon.addPixmap(pixmap, QIcon::Normal, filled ? QIcon::On : QIcon::Off);
  }
  return icon;
}

QAction* MakeAction(QWidget* window, const char* name, const QString& caption,
                    const QKeySequence& shortcut, const QString& hint) {
  auto* action = new QAction(caption, window);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setStatusTip(hint);
  action->setToolTip(hint);
  window->addAction(action);
  return action;
}

}  // namespace

BookmarksController::BookmarksController(QWidget* window, QMenu* menu, BrowseState& state,
                                         TopicSelector& topics, MessageService& messages,
                                         std::function<void(const std::string&)> openList)
    : QObject(window),
      window_(window),
      menu_(menu),
      state_(state),
      topics_(topics),
      messages_(messages),
      openList_(std::move(openList)),
      runDialog_([](OrganizeBookmarksDialog& d) { return d.exec() == QDialog::Accepted; }) {
  toggle_ = MakeAction(window, "BookmarksToggleCmd", "&Add Bookmark", QKeySequence("Ctrl+D"),
                       "Bookmark the topic on view");
  toggle_->setCheckable(true);
  toggle_->setIcon(BookmarkIcon());
  organize_ = MakeAction(window, "BookmarksOrganizeCmd", "&Organize Bookmarks...", {},
                         "Reorder, rename and delete bookmarks");
  connect(toggle_, &QAction::triggered, this, [this] { toggle(); });
  connect(organize_, &QAction::triggered, this, [this] { organize(); });
  connect(menu_, &QMenu::aboutToShow, this, &BookmarksController::updateState);
  rebuildMenu();
  updateState();
}

void BookmarksController::setStore(BookmarkStore store) {
  store_ = std::move(store);
  bookmarks_ = store_.load ? store_.load() : std::vector<Bookmark>{};
  rebuildMenu();
  updateState();
}

int BookmarksController::indexOfCurrent() const {
  if (!state_.session.isOpen() || !state_.topics().isValid(state_.currentTopic)) return -1;
  const TopicTable& topics = state_.topics();
  for (std::size_t i = 0; i < bookmarks_.size(); ++i) {
    const Bookmark& b = bookmarks_[i];
    if (b.identifier == topics.identifier(state_.currentTopic) &&
        b.title == topics.title(state_.currentTopic) &&
        SameExistingFile(b.listPath, state_.listPath))
      return static_cast<int>(i);
  }
  return -1;
}

void BookmarksController::updateState() {
  const bool topic = state_.session.isOpen() && state_.topics().isValid(state_.currentTopic);
  const bool marked = indexOfCurrent() >= 0;
  toggle_->setEnabled(topic);
  toggle_->setChecked(marked);
  toggle_->setText(marked ? "&Remove Bookmark" : "&Add Bookmark");
  const QString hint =
      marked ? "Remove the bookmark of the topic on view" : "Bookmark the topic on view";
  toggle_->setStatusTip(hint);
  toggle_->setToolTip(hint);
  organize_->setEnabled(!bookmarks_.empty());
}

void BookmarksController::toggle() {
  if (const int i = indexOfCurrent(); i >= 0) {
    bookmarks_.erase(bookmarks_.begin() + i);
  } else {
    if (!state_.session.isOpen() || !state_.topics().isValid(state_.currentTopic)) {
      updateState();
      return;
    }
    Bookmark b;
    b.listPath = state_.listPath;
    b.identifier = state_.topics().identifier(state_.currentTopic);
    b.title = state_.topics().title(state_.currentTopic);
    b.number = state_.currentTopic;
    bookmarks_.push_back(std::move(b));
  }
  changed();
}

bool BookmarksController::offerRemoval(int i, const std::string& text) {
  if (!messages_.confirm(text + "\n\nRemove the bookmark?")) return false;
  bookmarks_.erase(bookmarks_.begin() + i);
  changed();
  return true;
}

void BookmarksController::open(int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= bookmarks_.size()) return;
  const Bookmark b = bookmarks_[static_cast<std::size_t>(i)];
  std::error_code error;
  if (!std::filesystem::is_regular_file(b.listPath, error)) {
    offerRemoval(i,
                 "The list of the bookmark \"" + BookmarkLabel(b) + "\" is gone:\n" + b.listPath);
    return;
  }
  if (!state_.session.isOpen() || !SameExistingFile(b.listPath, state_.listPath))
    openList_(b.listPath);
  if (!state_.session.isOpen() || !SameExistingFile(b.listPath, state_.listPath)) return;
  const TopicNumber n = FindBookmarkedTopic(state_.topics(), b);
  if (n < 0) {
    offerRemoval(i, "The topic of the bookmark \"" + BookmarkLabel(b) + "\" is no longer in " +
                        std::string(FileNameOf(b.listPath)) + ".");
    return;
  }
  topics_.selectAndLoadTopic(n);
  // The number follows the list, so the next opening finds the topic at once.
  if (n != b.number && static_cast<std::size_t>(i) < bookmarks_.size()) {
    bookmarks_[static_cast<std::size_t>(i)].number = n;
    changed();
  }
}

void BookmarksController::organize() {
  OrganizeBookmarksDialog dialog(bookmarks_, window_);
  if (!runDialog_(dialog)) return;
  bookmarks_ = dialog.result();
  changed();
}

void BookmarksController::changed() {
  if (store_.save) store_.save(bookmarks_);
  rebuildMenu();
  updateState();
}

void BookmarksController::rebuildMenu() {
  for (QAction* item : items_) {
    window_->removeAction(item);
    // A chosen item may still be signalling.
    item->deleteLater();
  }
  items_.clear();
  menu_->clear();
  menu_->addAction(toggle_);
  menu_->addAction(organize_);
  if (bookmarks_.empty()) return;
  menu_->addSeparator();
  for (std::size_t i = 0; i < bookmarks_.size(); ++i) {
    QString caption = QString::fromStdString(BookmarkLabel(bookmarks_[i]));
    caption.replace('&', "&&");
    auto* item = new QAction(caption, window_);
    item->setObjectName(QString("Bookmark%1").arg(i + 1));
    if (i < 9) {
      item->setShortcut(QKeySequence(QString("Alt+%1").arg(i + 1)));
      item->setShortcutContext(Qt::WindowShortcut);
      window_->addAction(item);
    }
    item->setStatusTip(QString::fromStdString(bookmarks_[i].listPath));
    connect(item, &QAction::triggered, this, [this, i] { open(static_cast<int>(i)); });
    menu_->addAction(item);
    items_.push_back(item);
  }
}

}  // namespace qorl::gui
