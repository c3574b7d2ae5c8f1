// SPDX-License-Identifier: MIT
#include "gui/window/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace qorl::gui {
namespace {

QStringList Filters(const char* const (&filters)[2]) {
  return {QString::fromUtf8(filters[0]), QString::fromUtf8(filters[1])};
}

}  // namespace

QString QtFileDialogs::openList(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QString::fromUtf8(kOpenListTitle),
                     openFolder_.isEmpty() ? folder : openFolder_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(Filters(kOpenListFilters));
  if (!openFilter_.isEmpty()) dialog.selectNameFilter(openFilter_);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  openFolder_ = QFileInfo(chosen).absolutePath();
  openFilter_ = dialog.selectedNameFilter();
  return chosen;
}

QString QtFileDialogs::saveTopic(QWidget* parent, const QString& defaultName) {
  QFileDialog dialog(parent, QString::fromUtf8(kSaveTopicTitle), saveFolder_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(Filters(kSaveTopicFilters));
  if (!saveFilter_.isEmpty()) dialog.selectNameFilter(saveFilter_);
  // No default suffix: a name typed without an extension stays so (and is saved as RTF).
  dialog.setDefaultSuffix(QString());
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.selectFile(defaultName);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  saveFolder_ = QFileInfo(chosen).absolutePath();
  saveFilter_ = dialog.selectedNameFilter();
  return chosen;
}

}  // namespace qorl::gui
