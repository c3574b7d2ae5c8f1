// SPDX-License-Identifier: MIT
#pragma once
// The topics grid's model: row r is topic view[r] of the category view, column 0 its identifier,
// column 1 its title. Names are read from the topic table (and decoded) only when a cell asks,
// so only visible rows are ever touched. The grid always has at least one row.

#include <QAbstractTableModel>

#include "core/browse/category_view.h"
#include "core/list/topic_table.h"

namespace qorl::gui {

class TopicsGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int CategoryRole = Qt::UserRole + 1;  // category character (int)
  static constexpr int BoldRole = Qt::UserRole + 2;      // the [List Info] row under it

  TopicsGridModel(const TopicTable& table, const CategoryView& view, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The table or the view changed: every row is fetched anew.
  void reload();
  bool hasTopics() const { return table_.count() > 0; }
  TopicNumber viewCount() const { return view_.count(); }
  bool showsAllCategories() const { return view_.showsAll(); }

 private:
  const TopicTable& table_;
  const CategoryView& view_;
};

}  // namespace qorl::gui
