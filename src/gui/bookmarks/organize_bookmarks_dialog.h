// SPDX-License-Identifier: MIT
#pragma once
// "Organize Bookmarks": the bookmarks in order, each label editable in place (F2 or a double
// click), with buttons to move one up or down and to delete it. Ok keeps the changes.

#include <QDialog>
#include <vector>

#include "core/bookmarks/bookmarks.h"

class QListWidget;
class QPushButton;

namespace qorl::gui {

class OrganizeBookmarksDialog : public QDialog {
  Q_OBJECT
 public:
  OrganizeBookmarksDialog(std::vector<Bookmark> bookmarks, QWidget* parent = nullptr);

  // The bookmarks as the dialog leaves them: order, labels (a label cleared or left as the
  // default gives the default again) and deletions.
  std::vector<Bookmark> result() const;

  QListWidget* list() const { return list_; }
  void moveCurrent(int step);
  void deleteCurrent();

 private:
  void updateButtons();

  std::vector<Bookmark> bookmarks_;
  QListWidget* list_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace qorl::gui
