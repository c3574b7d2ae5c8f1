// SPDX-License-Identifier: MIT
#pragma once
// The commands on the topic on view: Save Topic, Print Topic, Copy, Select All and Copy Topic.
// They work on `CurrentTopic` through the QTextEdit API only; the formatted forms (RTF, HTML)
// come from the topic's bytes and the formatting ranges, so they match the view.

#include <QObject>
#include <QTextDocument>
#include <memory>

#include "core/settings/settings_store.h"
#include "gui/browse/browse_state.h"

class QTextEdit;
class QWidget;

namespace qorl {
class MessageService;
}

namespace qorl::gui {

struct CommandActions;
class FileDialogs;
class PrintService;
class StatusBarPanels;

class TopicCommands : public QObject {
  Q_OBJECT
 public:
  // config: the window's settings (ShowPrintDialog, WYSIWYGPrint, the formatting switches), read
  // at each command. The commands connect themselves to their actions.
  TopicCommands(const BrowseState& state, const ConfigRecord& config, QWidget* window,
                QTextEdit* view, StatusBarPanels* statusBar, MessageService& messages,
                const CommandActions& actions, QObject* parent = nullptr);
  ~TopicCommands() override;

  // Replace the platform's dialogs and printer (tests); nullptr goes back to the platform's.
  void setFileDialogs(FileDialogs* dialogs);
  void setPrintService(PrintService* service);

  void saveTopic();
  void printTopic();
  void copySelection();
  void selectAll();
  void copyTopic();

  // Writes the topic on view to fileName, as plain text or RTF by the name's extension.
  // False (the failure shown) when the topic cannot be read or the file not written.
  bool writeTopicFile(const QString& fileName);
  // The plain print view: the text last printed without the view's formatting.
  const QTextDocument& plainPrintView() const { return plainPrintView_; }

 private:
  void clearHint();
  bool print(bool selectionRange);

  const BrowseState& state_;
  const ConfigRecord& config_;
  QWidget* window_;
  QTextEdit* view_;
  StatusBarPanels* statusBar_;
  MessageService& messages_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  std::unique_ptr<PrintService> ownPrinter_;
  FileDialogs* dialogs_;
  PrintService* printer_;
  QTextDocument plainPrintView_;
};

}  // namespace qorl::gui
