// SPDX-License-Identifier: MIT
#pragma once
// The results of a search of every topic's text: one row per topic that holds the text, in the
// order found, with the list's file name, the identifier, the title, the number of hits and the
// first hit's line. Names are decoded from code page 437 only when a cell asks.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "gui/search/full_text_worker.h"

namespace qorl::gui {

class FullTextResultsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { ListColumn, TopicColumn, TitleColumn, HitsColumn, LineColumn, ColumnCount };
  // On the Line column: the first hit's start and length in the displayed line (QPoint x, y).
  static constexpr int HitRole = Qt::UserRole + 1;

  explicit FullTextResultsModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Empties the results for a new search over these lists, whose pattern is patternSize bytes.
  void reset(std::vector<FullTextTarget> targets, std::size_t patternSize);
  void append(const std::vector<FullTextRow>& rows);

  const FullTextRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
  const FullTextTarget& targetOf(int r) const {
    return targets_[static_cast<std::size_t>(row(r).target)];
  }

 private:
  std::vector<FullTextTarget> targets_;
  std::vector<FullTextRow> rows_;
  std::size_t patternSize_ = 0;
};

}  // namespace qorl::gui
