// SPDX-License-Identifier: MIT
#pragma once
// The topics grid's column widths: column 0 as stored or dragged, column 1 the rest of the
// grid's width, refitted whenever the grid or the main panel changes size.

#include <QObject>

namespace qorl::gui {

class MainPanel;
class TopicsGridView;

class GridColumns : public QObject {
  Q_OBJECT
 public:
  GridColumns(TopicsGridView* grid, MainPanel* mainPanel, QObject* parent);

  // Column 0 at width (TopicsColWidth), column 1 the rest.
  void apply(int width);
  // Column 1 takes the rest of the grid's width.
  void fit();
  // `HeaderTopicsHeaderDefWidth`: column 0 back to its default width.
  void defaultWidth();

 private:
  void onSectionResized(int section);

  TopicsGridView* grid_;
  MainPanel* mainPanel_;
  bool fitting_ = false;
};

}  // namespace qorl::gui
