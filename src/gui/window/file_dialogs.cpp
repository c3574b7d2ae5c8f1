// SPDX-License-Identifier: MIT
#include "gui/window/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace qorl::gui {
namespace {

QStringList Filters(const char* const (&filters)[2]) {
  return {QString::fromUtf8(filters[0]), QString::fromUtf8(filters[1])};
}

// Runs the dialog; the chosen file, whose folder and filter are kept for the next time, or empty.
QString ChooseFile(QFileDialog& dialog, QString& folder, QString& filter) {
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  folder = QFileInfo(chosen).absolutePath();
  filter = dialog.selectedNameFilter();
  return chosen;
}

}  // namespace

QString QtFileDialogs::openList(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QString::fromUtf8(kOpenListTitle),
                     openFolder_.isEmpty() ? folder : openFolder_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(Filters(kOpenListFilters));
  if (!openFilter_.isEmpty()) dialog.selectNameFilter(openFilter_);
  return ChooseFile(dialog, openFolder_, openFilter_);
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
  return ChooseFile(dialog, saveFolder_, saveFilter_);
}

}  // namespace qorl::gui
