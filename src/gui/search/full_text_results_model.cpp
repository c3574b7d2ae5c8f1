// SPDX-License-Identifier: MIT
#include "gui/search/full_text_results_model.h"

#include <QPoint>

#include "gui/browse/codepage437.h"

namespace qorl::gui {

FullTextResultsModel::FullTextResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

int FullTextResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FullTextResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant FullTextResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FullTextRow& r = row(index.row());
  if (role == Qt::TextAlignmentRole && index.column() == HitsColumn)
    return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role == HitRole && index.column() == LineColumn)
    return QPoint(r.match.previewHit, static_cast<int>(patternSize_));
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  switch (index.column()) {
    case ListColumn:
      return QString::fromStdString(targetOf(index.row()).name);
    case TopicColumn:
      return FromCp437(r.identifier);
    case TitleColumn:
      return FromCp437(r.title);
    case HitsColumn:
      return r.match.hits;
    case LineColumn: {
      // One character per byte, so the hit's position stays; a tab shows as a blank.
      QString line = FromCp437(r.match.preview);
      line.replace('\t', ' ');
      return line;
    }
    default:
      return {};
  }
}

QVariant FullTextResultsModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeaders[ColumnCount] = {"List", "Topic", "Title", "Hits", "Line"};
  return section >= 0 && section < ColumnCount ? QString(kHeaders[section]) : QVariant();
}

void FullTextResultsModel::reset(std::vector<FullTextTarget> targets, std::size_t patternSize) {
  beginResetModel();
  targets_ = std::move(targets);
  rows_.clear();
  rows_.shrink_to_fit();
  patternSize_ = patternSize;
  endResetModel();
}

void FullTextResultsModel::append(const std::vector<FullTextRow>& rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  rows_.insert(rows_.end(), rows.begin(), rows.end());
  endInsertRows();
}

}  // namespace qorl::gui
