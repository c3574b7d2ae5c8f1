// SPDX-License-Identifier: MIT
#include "gui/commands/topic_commands.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "core/app/rich_text_writer.h"
#include "core/app/save_topic.h"
#include "core/app/select_all.h"
#include "core/app/span_slice.h"
#include "core/list/error_codes.h"
#include "core/list/message_service.h"
#include "gui/browse/codepage437.h"
#include "gui/commands/document_printer.h"
#include "gui/commands/print_service.h"
#include "gui/commands/topic_content.h"
#include "gui/window/command_actions.h"
#include "gui/window/file_dialogs.h"
#include "gui/window/status_bar.h"

namespace qorl::gui {
namespace {

// The formatting the topic view shows, for the copies and prints of the topic.
FormatSettings FormatSettingsOf(const ConfigRecord& c) {
  return {c.TopicFormatting, c.EnabledSeeAlsoMenu, c.FollowAllReferences};
}

constexpr const char* kUnableToPrint = "Unable to print topic";

// The view's text with every block separator as '\n', as it lies in the document.
QString ViewText(const QTextEdit& view) {
  QString text = view.document()->toRawText();
  for (QChar& c : text) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = u'\n';
  }
  return text;
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TopicCommands::TopicCommands(const BrowseState& state, const ConfigRecord& config, QWidget* window,
                             QTextEdit* view, StatusBarPanels* statusBar, MessageService& messages,
                             const CommandActions& actions, QObject* parent)
    : QObject(parent),
      state_(state),
      config_(config),
      window_(window),
      view_(view),
      statusBar_(statusBar),
      messages_(messages),
      ownDialogs_(std::make_unique<QtFileDialogs>()),
      ownPrinter_(std::make_unique<QtPrintService>()),
      dialogs_(ownDialogs_.get()),
      printer_(ownPrinter_.get()) {
  connect(actions[Command::FileSave], &QAction::triggered, this, &TopicCommands::saveTopic);
  connect(actions[Command::FilePrint], &QAction::triggered, this, &TopicCommands::printTopic);
  connect(actions[Command::EditCopy], &QAction::triggered, this, &TopicCommands::copySelection);
  connect(actions[Command::EditSelectAll], &QAction::triggered, this, &TopicCommands::selectAll);
  connect(actions[Command::EditCopyTopic], &QAction::triggered, this, &TopicCommands::copyTopic);
}

TopicCommands::~TopicCommands() = default;

void TopicCommands::setFileDialogs(FileDialogs* dialogs) {
  dialogs_ = dialogs ? dialogs : ownDialogs_.get();
}

void TopicCommands::setPrintService(PrintService* service) {
  printer_ = service ? service : ownPrinter_.get();
}

void TopicCommands::clearHint() {
  statusBar_->setPanelText(StatusBarPanels::kHintPanel, QString());
  statusBar_->repaint();
}

void TopicCommands::saveTopic() {
  clearHint();
  if (state_.currentTopic < 0) return;
  const std::string name = DefaultSaveName(state_.currentTopicId, state_.currentTopic);
  const QString chosen = dialogs_->saveTopic(window_, FromCp437(name));
  if (chosen.isEmpty()) return;
  writeTopicFile(chosen);
}

bool TopicCommands::writeTopicFile(const QString& fileName) {
  TopicContent content;
  if (!ReadTopicContent(state_, FormatSettingsOf(config_), content)) {
    ShowError(messages_, kErrorLoadTopic);
    return false;
  }
  // Plain text is the list's own bytes; RTF carries the view's formatting.
  const std::string bytes =
      SaveFormatFor(QFileInfo(fileName).fileName().toStdString()) == SaveFormat::PlainText
          ? PlainTextOf(content.displayText)
          : WriteRtf(content.text, content.spans, RichTextOptionsOf(*view_));
  // Written beside the target and renamed over it, so a failed save leaves an old file whole;
  // straight into the file only where no file can be made beside it.
  QSaveFile file(fileName);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) {
    messages_.error("Cannot create file \"" + fileName.toStdString() + "\". " +
                    file.errorString().toStdString());
    return false;
  }
  const QByteArray data = Bytes(bytes);
  if (file.write(data) != data.size() || !file.commit()) {
    const std::string reason = file.errorString().toStdString();
    file.cancelWriting();
    messages_.error("Cannot write file \"" + fileName.toStdString() + "\". " + reason);
    return false;
  }
  return true;
}

void TopicCommands::copySelection() {
  const QTextCursor cursor = view_->textCursor();
  const int start = cursor.selectionStart();
  const int length = cursor.selectionEnd() - start;
  if (length <= 0) return;
  QString plain;
  std::string rtf;
  std::string html;
  const RichTextOptions options = RichTextOptionsOf(*view_);
  TopicContent content;
  if (ReadTopicContent(state_, FormatSettingsOf(config_), content) &&
      QString::fromStdU16String(content.text) == ViewText(*view_)) {
    const std::u16string_view part = std::u16string_view(content.text).substr(start, length);
    const std::vector<FormatSpan> spans = SliceSpans(content.spans, start, length);
    plain = QString::fromStdU16String(std::u16string(part));
    rtf = WriteRtf(part, spans, options);
    html = WriteHtml(part, spans, options);
  } else {
    // The view shows something other than the topic's text: copy its text as it stands.
    plain = ViewText(*view_).mid(start, length);
    rtf = WriteRtf(plain.toStdU16String(), {}, options);
    html = WriteHtml(plain.toStdU16String(), {}, options);
  }
  auto* data = new QMimeData;
  data->setText(plain);
  data->setData("text/rtf", Bytes(rtf));
  data->setData("application/rtf", Bytes(rtf));
  data->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

void TopicCommands::selectAll() {
  QTextCursor cursor = view_->textCursor();
  const QTextDocument* document = view_->document();
  const int positions = document->characterCount() - 1;
  const int lines = document->blockCount();
  // The text length counts a line break twice (CR LF), positions count it once.
  const SelectAllState current =
      SelectAllStateFor(positions > 0 ? positions + lines - 1 : 0,
                        cursor.selectionEnd() - cursor.selectionStart(), lines);
  if (!current.enabled) return;
  if (current.checked) {
    cursor.setPosition(cursor.selectionStart());
  } else {
    cursor.select(QTextCursor::Document);
  }
  view_->setTextCursor(cursor);
}

void TopicCommands::copyTopic() {
  if (view_->document()->isEmpty()) return;
  // The view does not repaint or scroll while the whole text is selected for copying.
  view_->setUpdatesEnabled(false);
  const QTextCursor saved = view_->textCursor();
  const int horizontal = view_->horizontalScrollBar()->value();
  const int vertical = view_->verticalScrollBar()->value();
  QTextCursor all = saved;
  all.select(QTextCursor::Document);
  view_->setTextCursor(all);
  copySelection();
  view_->setTextCursor(saved);
  view_->horizontalScrollBar()->setValue(horizontal);
  view_->verticalScrollBar()->setValue(vertical);
  view_->setUpdatesEnabled(true);
}

void TopicCommands::printTopic() {
  clearHint();
  if (state_.currentTopic < 0) return;
  const bool hasSelection = view_->textCursor().hasSelection();
  QPrinter& printer = printer_->printer();
  if (config_.ShowPrintDialog) {
    if (!hasSelection) printer.setPrintRange(QPrinter::AllPages);
    if (!printer_->runPrintDialog(printer, hasSelection, window_)) return;
  } else if (!printer_->hasDefaultPrinter()) {
    messages_.information(kUnableToPrint);
    return;
  }
  // A selection range left by an earlier dialog prints nothing when there is no selection now;
  // the whole topic is printed then.
  const bool selectionRange = hasSelection && printer.printRange() == QPrinter::Selection;
  if (!print(selectionRange)) messages_.information(kUnableToPrint);
}

bool TopicCommands::print(bool selectionRange) {
  QPrinter& printer = printer_->printer();
  printer.setDocName(window_->windowTitle());
  if (config_.WYSIWYGPrint && !selectionRange)
    return PrintTextDocument(*view_->document(), printer);

  plainPrintView_.clear();
  const QString text =
      selectionRange ? view_->textCursor().selection().toPlainText() : view_->toPlainText();
  if (config_.WYSIWYGPrint) {
    // A selection printed as plain text keeps the view's font, the nearest to what is shown.
    plainPrintView_.setDefaultFont(view_->font());
  } else {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    plainPrintView_.setDefaultFont(font);
  }
  plainPrintView_.setPlainText(text);
  return PrintTextDocument(plainPrintView_, printer);
}

}  // namespace qorl::gui
