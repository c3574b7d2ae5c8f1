// SPDX-License-Identifier: MIT
#pragma once
// The system dialogs the configuration dialog opens: the folder browser, the open dialog for
// the start-up list and the font selection. Tests replace them to answer without a window.

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace qorl::gui {

class ConfigChoosers {
 public:
  virtual ~ConfigChoosers() = default;
  // A folder of the file system, or nothing when cancelled.
  virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title) = 0;
  // An existing file through the "Open list" dialog, or nothing.
  virtual std::optional<QString> chooseListFile(QWidget* parent) = 0;
  // A font starting from initial, or nothing.
  virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
};

// QFileDialog and the font selection dialog.
class SystemConfigChoosers final : public ConfigChoosers {
 public:
  std::optional<QString> chooseFolder(QWidget* parent, const QString& title) override;
  std::optional<QString> chooseListFile(QWidget* parent) override;
  std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
};

}  // namespace qorl::gui
