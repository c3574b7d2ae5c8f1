// SPDX-License-Identifier: MIT
#include "gui/lookup/go_to_topic_popup.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/lookup/marked_text_delegate.h"

namespace qorl::gui {

GoToTopicPopup::GoToTopicPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup),
      edit_(new QLineEdit(this)),
      status_(new QLabel(this)),
      results_(new QTreeWidget(this)) {
  setObjectName("GoToTopicPopup");
  setFrameShape(QFrame::StyledPanel);
  edit_->setObjectName("GoToTopicEdit");
  edit_->setPlaceholderText("INT 21/AH=4Ch, port 60, #01378 or words of a title");
  edit_->setClearButtonEnabled(true);
  status_->setObjectName("GoToTopicStatus");
  status_->hide();
  results_->setObjectName("GoToTopicResults");
  results_->setColumnCount(3);
  results_->setHeaderLabels({"List", "Topic", "Title"});
  results_->setRootIsDecorated(false);
  results_->setUniformRowHeights(true);
  results_->setFocusPolicy(Qt::NoFocus);
  results_->setItemDelegate(new MarkedTextDelegate(results_));
  results_->header()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(edit_);
  layout->addWidget(status_);
  layout->addWidget(results_);
  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textChanged, this, &GoToTopicPopup::queryChanged);
  connect(results_, &QTreeWidget::itemActivated, this, [this] { choose(); });
}

void GoToTopicPopup::popUp() {
  QWidget* owner = parentWidget();
  const int width = owner ? qMax(480, owner->width() * 2 / 3) : 640;
  resize(width, 360);
  if (owner) {
    const QPoint top = owner->mapToGlobal(QPoint((owner->width() - width) / 2, 40));
    move(top);
  }
  show();
  raise();
  activateWindow();
  edit_->setFocus();
  edit_->selectAll();
}

void GoToTopicPopup::setRows(const std::vector<GoToTopicRow>& rows) {
  results_->setUpdatesEnabled(false);
  results_->clear();
  QList<QTreeWidgetItem*> items;
  for (const GoToTopicRow& row : rows) {
    auto* item = new QTreeWidgetItem({row.list, {}, {}});
    item->setData(1, Qt::UserRole, row.identifier);
    item->setData(2, Qt::UserRole, row.title);
    items.push_back(item);
  }
  results_->addTopLevelItems(items);
  if (!items.isEmpty()) results_->setCurrentItem(items.front());
  results_->resizeColumnToContents(0);
  results_->setColumnWidth(1, fontMetrics().horizontalAdvance(QString(14, 'W')));
  results_->setUpdatesEnabled(true);
}

void GoToTopicPopup::setStatus(const QString& text) {
  status_->setText(text);
  status_->setVisible(!text.isEmpty());
}

QString GoToTopicPopup::query() const {
  return edit_->text();
}

int GoToTopicPopup::currentRow() const {
  const QTreeWidgetItem* item = results_->currentItem();
  return item ? results_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
}

void GoToTopicPopup::choose() {
  const int row = currentRow();
  if (row < 0) return;
  hide();
  emit rowChosen(row);
}

bool GoToTopicPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QApplication::sendEvent(results_, event);
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        choose();
        return true;
      case Qt::Key_Escape:
        hide();
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace qorl::gui
