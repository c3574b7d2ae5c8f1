// SPDX-License-Identifier: MIT
#include "gui/bookmarks/organize_bookmarks_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qorl::gui {
namespace {

constexpr int kBookmarkRole = Qt::UserRole;  // the bookmark's index in the dialog's copy

}  // namespace

OrganizeBookmarksDialog::OrganizeBookmarksDialog(std::vector<Bookmark> bookmarks, QWidget* parent)
    : QDialog(parent), bookmarks_(std::move(bookmarks)) {
  setObjectName("OrganizeBookmarksDialog");
  setWindowTitle("Organize Bookmarks");
  list_ = new QListWidget(this);
  list_->setObjectName("BookmarksList");
  list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  for (std::size_t i = 0; i < bookmarks_.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(BookmarkLabel(bookmarks_[i])), list_);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(kBookmarkRole, static_cast<int>(i));
  }
  up_ = new QPushButton("Move &Up", this);
  down_ = new QPushButton("Move &Down", this);
  delete_ = new QPushButton("&Delete", this);
  auto* rename = new QPushButton("&Rename", this);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {up_, down_, rename, delete_}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* row = new QHBoxLayout;
  row->addWidget(list_, 1);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(box);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(up_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { moveCurrent(1); });
  connect(delete_, &QPushButton::clicked, this, &OrganizeBookmarksDialog::deleteCurrent);
  connect(rename, &QPushButton::clicked, this, [this] {
    if (QListWidgetItem* item = list_->currentItem()) list_->editItem(item);
  });
  connect(list_, &QListWidget::currentRowChanged, this, &OrganizeBookmarksDialog::updateButtons);
  if (list_->count() > 0) list_->setCurrentRow(0);
  updateButtons();
  resize(560, 320);
}

void OrganizeBookmarksDialog::moveCurrent(int step) {
  const int row = list_->currentRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= list_->count()) return;
  QListWidgetItem* item = list_->takeItem(row);
  list_->insertItem(to, item);
  list_->setCurrentRow(to);
}

void OrganizeBookmarksDialog::deleteCurrent() {
  const int row = list_->currentRow();
  if (row >= 0) delete list_->takeItem(row);
  updateButtons();
}

void OrganizeBookmarksDialog::updateButtons() {
  const int row = list_->currentRow();
  up_->setEnabled(row > 0);
  down_->setEnabled(row >= 0 && row + 1 < list_->count());
  delete_->setEnabled(row >= 0);
}

std::vector<Bookmark> OrganizeBookmarksDialog::result() const {
  std::vector<Bookmark> out;
  for (int i = 0; i < list_->count(); ++i) {
    const QListWidgetItem* item = list_->item(i);
    Bookmark b = bookmarks_[static_cast<std::size_t>(item->data(kBookmarkRole).toInt())];
    const std::string label = item->text().trimmed().toStdString();
    b.label = label == DefaultBookmarkLabel(b) ? std::string() : label;
    out.push_back(std::move(b));
  }
  return out;
}

}  // namespace qorl::gui
