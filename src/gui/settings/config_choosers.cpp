// SPDX-License-Identifier: MIT
#include "gui/settings/config_choosers.h"

#include <QDir>
#include <QFileDialog>

#include "gui/settings/font_selection_dialog.h"

namespace qorl::gui {

std::optional<QString> SystemConfigChoosers::chooseFolder(QWidget* parent, const QString& title) {
  // Folders only, from the top of the tree: the current value is not preselected.
  const QString folder =
      QFileDialog::getExistingDirectory(parent, title, QDir::rootPath(), QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(folder);
}

std::optional<QString> SystemConfigChoosers::chooseListFile(QWidget* parent) {
  // getOpenFileName accepts existing files only.
  const QString path = QFileDialog::getOpenFileName(parent, "Open list", QString(),
                                                    "List files (*.lst);;Any file (*.*)");
  if (path.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(path);
}

std::optional<QFont> SystemConfigChoosers::chooseFont(QWidget* parent, const QFont& initial) {
  FontSelectionDialog dialog(parent);
  dialog.setInitialFont(initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

}  // namespace qorl::gui
