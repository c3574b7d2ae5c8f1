// SPDX-License-Identifier: MIT
#include "gui/app/config_connection.h"

#include <QTextBrowser>

#include "gui/app/browse_options_config.h"
#include "gui/app/main_window.h"
#include "gui/browse/grid_controller.h"
#include "gui/browse/topics_grid_delegate.h"
#include "gui/browse/topics_grid_view.h"
#include "gui/settings/config_dialog.h"

namespace qorl::gui {
namespace {

// Puts a new record in place: the options the controllers read, the category character
// flag and, when it changed, the font of the topic view and the topics grid.
void StoreConfig(TFormMain& window, const ConfigApplyResult& result) {
  const ConfigRecord before = window.currentConfig();
  const ConfigRecord& c = result.config;
  window.config() = c;
  ApplyBrowseOptions(c, window.browseState().options);
  window.grid()->gridDelegate()->setShowCategoryChar(c.ShowCategoryChar);
  if (c.topicFontName != before.topicFontName || c.topicFontSize != before.topicFontSize) {
    QFont font(QString::fromStdString(c.topicFontName));
    font.setPointSize(c.topicFontSize > 0 ? c.topicFontSize : kDefaultTopicFontSize);
    window.currentTopic()->setFont(font);
    window.grid()->applyFont(font, window.dpi());
  }
  window.setListsFolder(result.listsFolder);
}

}  // namespace

void ConnectConfigDialog(TFormMain& window, TFormConfig& dialog) {
  TFormMain* w = &window;
  dialog.setRecordAccess([w] { return w->currentConfig(); },
                         [w](const ConfigApplyResult& result) { StoreConfig(*w, result); });
  QObject::connect(&dialog, &TFormConfig::rebuildListMenuRequested, w, [w] { w->buildListMenu(); });
  QObject::connect(&dialog, &TFormConfig::repaintGridRequested, w,
                   [w] { w->grid()->viewport()->update(); });
  QObject::connect(&dialog, &TFormConfig::reloadTopicRequested, w, [w] {
    // Shows the same topic again with the new font and formatting; nothing when none is shown.
    const TopicNumber current = w->browseState().currentTopic;
    if (current >= 0) w->gridController().loadTopic(current);
  });
}

}  // namespace qorl::gui
