// SPDX-License-Identifier: MIT
#include "gui/browse/topics_grid_model.h"

#include "gui/browse/codepage437.h"

namespace qorl::gui {

TopicsGridModel::TopicsGridModel(const TopicTable& table, const CategoryView& view, QObject* parent)
    : QAbstractTableModel(parent), table_(table), view_(view) {}

int TopicsGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return std::max(view_.count(), 1);
}

int TopicsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant TopicsGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= view_.count()) return {};
  const TopicNumber n = view_.topicAt(index.row());
  if (!table_.isValid(n)) return {};
  switch (role) {
    case Qt::DisplayRole:
      return FromCp437(index.column() == 0 ? table_.identifier(n) : table_.title(n));
    case CategoryRole:
      return static_cast<int>(table_.category(n));
    case BoldRole:
      return index.row() == 0 && table_.identifier(n) == "[List Info]";
    default:
      return {};
  }
}

QVariant TopicsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == 0 ? QStringLiteral("Topic") : QStringLiteral("Title");
}

void TopicsGridModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace qorl::gui
