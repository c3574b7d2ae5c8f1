// SPDX-License-Identifier: MIT
#pragma once
// The file dialogs of the main window behind a small interface, so that tests can answer them.

#include <QString>

class QWidget;

namespace qorl::gui {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The open dialog "Open list": an existing file in an existing folder, starting in folder
  // the first time.
  // Empty when cancelled.
  virtual QString openList(QWidget* parent, const QString& folder) = 0;
  // The save dialog "Save topic", proposing defaultName; it asks before overwriting and adds
  // no extension. Empty when cancelled.
  virtual QString saveTopic(QWidget* parent, const QString& defaultName) = 0;
};

// The platform's dialogs. Each keeps the folder the user last chose.
class QtFileDialogs final : public FileDialogs {
 public:
  QString openList(QWidget* parent, const QString& folder) override;
  QString saveTopic(QWidget* parent, const QString& defaultName) override;

 private:
  QString openFolder_;
  QString openFilter_;
  QString saveFolder_;
  QString saveFilter_;
};

// The dialogs' texts.
inline constexpr const char* kOpenListTitle = "Open list";
inline constexpr const char* kOpenListFilters[] = {"List files (*.lst)", "Any file (*.*)"};
inline constexpr const char* kSaveTopicTitle = "Save topic";
inline constexpr const char* kSaveTopicFilters[] = {"Textfiles (*.txt)", "All files (*.*)"};

}  // namespace qorl::gui
