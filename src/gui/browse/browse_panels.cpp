// SPDX-License-Identifier: MIT
#include "gui/browse/browse_panels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/layout_arithmetic.h"
#include "gui/browse/browse_state.h"
#include "gui/browse/topic_text_view.h"
#include "gui/browse/topics_grid_model.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/window/command_actions.h"
#include "gui/window/main_panel.h"

namespace qorl::gui {
namespace {

void BuildTopicsPanel(QWidget* window, BrowseState& state, BrowsePanels& p) {
  p.topics = new QFrame;
  p.topics->setObjectName("PanelTopics");
  p.topics->setFrameStyle(QFrame::Box | QFrame::Plain);
  p.topics->setMinimumHeight(kSplitMinimum);
  auto* topicsLayout = new QVBoxLayout(p.topics);
  topicsLayout->setContentsMargins(1, 1, 1, 1);
  p.model = new TopicsGridModel(state.session.topics(), state.view, window);
  p.grid = new TopicsGridView(p.topics);
  p.grid->setModel(p.model);
  p.grid->horizontalHeader()->setFixedHeight(19);
  topicsLayout->addWidget(p.grid);
}

void BuildTopicPanel(const CommandActions& actions, BrowsePanels& p) {
  p.currentTopic = new QFrame;
  p.currentTopic->setObjectName("PanelCurrentTopic");
  p.currentTopic->setFrameStyle(QFrame::Box | QFrame::Plain);
  p.currentTopic->setAutoFillBackground(true);
  p.currentTopic->setBackgroundRole(QPalette::Base);
  auto* topicLayout = new QVBoxLayout(p.currentTopic);
  topicLayout->setContentsMargins(1, 1, 1, 1);
  topicLayout->setSpacing(0);
  p.currentTopicHeader = new QWidget(p.currentTopic);
  p.currentTopicHeader->setObjectName("PanelCurrentTopicHeader");
  p.currentTopicHeader->setFixedHeight(19);
  auto* headerLayout = new QHBoxLayout(p.currentTopicHeader);
  headerLayout->setContentsMargins(0, 0, 0, 0);
  p.seeAlsoButton = new QToolButton(p.currentTopicHeader);
  p.seeAlsoButton->setObjectName("SpeedButtonSeeAlsoMenu");
  p.seeAlsoButton->setText("See also");
  p.seeAlsoButton->setStatusTip("See also");
  p.seeAlsoButton->setToolTip("See also");
  p.seeAlsoButton->setEnabled(false);
  auto* topicCaption = new QLabel("Topic:", p.currentTopicHeader);
  p.currentTopicLabel = new QLabel(p.currentTopicHeader);
  p.currentTopicLabel->setObjectName("LabelCurrentTopicID");
  // An identifier is the list's text, never markup.
  p.currentTopicLabel->setTextFormat(Qt::PlainText);
  p.currentTopicLabel->setStatusTip("Current topic");
  p.currentTopicLabel->setToolTip("Current topic");
  headerLayout->addWidget(p.seeAlsoButton);
  headerLayout->addWidget(topicCaption);
  headerLayout->addWidget(p.currentTopicLabel, 1);
  p.view = new TopicTextView(p.currentTopic);
  p.view->setFrameStyle(QFrame::NoFrame);
  p.view->setEnabled(false);
  p.view->hide();
  QMenu* topicMenu = p.view->contextMenu();
  topicMenu->addAction(actions[Command::EditCopy]);
  topicMenu->addAction(actions[Command::EditSelectAll]);
  topicMenu->addSeparator();
  topicMenu->addAction(actions[Command::FileSave]);
  topicMenu->addAction(actions[Command::FilePrint]);
  topicLayout->addWidget(p.currentTopicHeader);
  topicLayout->addWidget(p.view, 1);
  // Keeps the header line at the top while no topic is on view.
  topicLayout->addStretch(0);
}

// The grid and its header share one context menu.
void AddTopicsMenu(QWidget* window, const CommandActions& actions, TopicsGridView* grid) {
  auto* topicsMenu = new QMenu(window);
  topicsMenu->setObjectName("PopupMenuTopics");
  topicsMenu->addAction(actions[Command::HeaderTopicsHeaderDefWidth]);
  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(grid),
                                  static_cast<QAbstractItemView*>(grid->horizontalHeader())}) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, topicsMenu,
                     [topicsMenu, view](const QPoint& at) {
                       topicsMenu->popup(view->viewport()->mapToGlobal(at));
                     });
  }
}

}  // namespace

BrowsePanels BuildBrowsePanels(QWidget* window, MainPanel* mainPanel, BrowseState& state,
                               const CommandActions& actions) {
  BrowsePanels panels;
  BuildTopicsPanel(window, state, panels);
  BuildTopicPanel(actions, panels);
  mainPanel->setPanels(panels.topics, panels.currentTopic);
  AddTopicsMenu(window, actions, panels.grid);
  return panels;
}

}  // namespace qorl::gui
