// SPDX-License-Identifier: MIT
#pragma once
// The category selector `CategoryComboBox`: one entry per category character of the open list,
// each kept as the list's bytes and drawn with its badge.

#include <QComboBox>
#include <string>
#include <vector>

namespace qorl::gui {

class CategoryBadgeDelegate;

class CategoryComboBox : public QComboBox {
  Q_OBJECT
 public:
  static constexpr int EntryBytesRole = Qt::UserRole + 1;

  explicit CategoryComboBox(QWidget* parent = nullptr);

  // Replaces the entries; no current-index signal reaches the owner while doing so.
  void setEntries(const std::vector<std::string>& entries);
  // Entry i's bytes; empty when there is no such entry.
  std::string entryBytes(int i) const;
  void setItemHeight(int height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CategoryBadgeDelegate* delegate_;
};

}  // namespace qorl::gui
