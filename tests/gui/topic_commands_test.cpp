// SPDX-License-Identifier: MIT
// The commands on the topic on view: Save (names, plain text and RTF), Copy and Copy Topic
// (the clipboard's forms, the selection kept), Select All's state, and Print (range, fonts,
// the PDF's text, failures).

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include "core/browse/topic_format.h"
#include "gui/app/main_window.h"
#include "gui/browse/codepage437.h"
#include "gui/browse/grid_controller.h"
#include "gui/commands/document_printer.h"
#include "gui/commands/print_service.h"
#include "gui/commands/topic_commands.h"
#include "gui/list/list_controller.h"
#include "gui/support/fake_dialogs.h"
#include "gui/support/list_files.h"
#include "gui/support/window_fixture.h"
#include "gui/window/status_bar.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

// A topic with code page 437 letters, box drawing and a byte that decodes to a no-break space.
const std::string kCp437Title = "INT 21 - DOS \x81\x94 \xB0\xDB\xFF test";
const std::string kCp437Body = "Return: AX = \xE1\xE6 value\r\n\tsecond \x80\x9A line";

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where bold is switched on in RTF: the word \b (not \b0, not \blue).
qsizetype BoldOn(const QByteArray& rtf) {
  const QRegularExpressionMatch match =
      QRegularExpression("\\\\b(?![a-z0-9])").match(QString::fromLatin1(rtf));
  return match.hasMatch() ? match.capturedStart() : -1;
}

}  // namespace

class TopicCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ViewerFixture> fixture_;
  test::FakeFileDialogs dialogs_;
  QTemporaryDir folder_;
  std::unique_ptr<test::PdfPrintService> printer_;

  TFormMain& window() { return *fixture_->window; }
  QTextEdit* view() { return window().currentTopic(); }
  void trigger(Command c) {
    window().updateCommands();
    QVERIFY(window().action(c)->isEnabled());
    window().action(c)->trigger();
  }
  // Topics: [List Info], "INT 21" (code page 437 text), one with an empty identifier.
  void openSample() {
    const QString list = test::WriteList(
        folder_.path(), "SAMPLE.LST",
        {{'D', "INT 21", kCp437Title, kCp437Body}, {'D', "", "Nameless topic", "body"}});
    window().listController().openList(list.toStdString());
    QVERIFY(window().browseState().session.isOpen());
  }
  void show(TopicNumber n) {
    window().gridController().loadTopic(n);
    QCOMPARE(window().browseState().currentTopic, n);
  }
  void select(int anchor, int position) {
    QTextCursor cursor = view()->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
  }
  std::string topicBytes(TopicNumber n) {
    std::string bytes;
    window().browseState().session.readTopic(n, bytes);
    return bytes;
  }
  static QString pdfText(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
  }
  static QString pdfTitle(const QString& pdf) {
    QProcess process;
    process.start("pdfinfo", {pdf});
    if (!process.waitForFinished(30000)) return {};
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
      if (line.startsWith("Title:")) return line.mid(6).trimmed();
    return {};
  }
  static bool havePoppler() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

 private slots:
  void init() {
    fixture_ = std::make_unique<test::ViewerFixture>();
    fixture_->start();
    window().setFileDialogs(&dialogs_);
    printer_ = std::make_unique<test::PdfPrintService>(folder_.filePath("out.pdf"));
    window().topicCommands().setPrintService(printer_.get());
    QFile::remove(folder_.filePath("out.pdf"));
  }
  void cleanup() {
    fixture_.reset();
    dialogs_ = {};
  }

  void saveProposesTheIdentifierOrTheTopicNumber() {
    openSample();
    show(1);
    window().statusPanels()->setPanelText(StatusBarPanels::kHintPanel, "Save current topic");
    trigger(Command::FileSave);  // cancelled: nothing written
    show(2);
    QVERIFY(window().browseState().currentTopicId.empty());
    trigger(Command::FileSave);
    QCOMPARE(dialogs_.saveDefaults, QStringList({"INT 21.txt", "Topic3.txt"}));
    QVERIFY(window().statusPanels()->panelText(StatusBarPanels::kHintPanel).isEmpty());
    QVERIFY(fixture_->messages.entries.empty());
  }

  void plainTextSaveGivesTheListsBytesBack() {
    openSample();
    show(1);
    dialogs_.saveAnswer = folder_.filePath("notes.TXT");
    trigger(Command::FileSave);
    const QByteArray saved = ReadAll(dialogs_.saveAnswer);
    const std::string original = topicBytes(1);
    QCOMPARE(saved, QByteArray(original.data(), qsizetype(original.size())));
    QVERIFY(saved.contains("\x81\x94 \xB0\xDB\xFF"));
    QVERIFY(saved.contains("\r\n\tsecond \x80\x9A line"));
  }

  void otherNamesSaveRtfWithTheTitleInBold() {
    openSample();
    show(1);
    for (const char* name : {"notes.rtf", "notes", "notes.doc"}) {
      dialogs_.saveAnswer = folder_.filePath(name);
      trigger(Command::FileSave);
      const QByteArray rtf = ReadAll(dialogs_.saveAnswer);
      QVERIFY2(rtf.startsWith("{\\rtf1"), name);
      QVERIFY(rtf.trimmed().endsWith("}"));
      // Bold on before the title's first characters, off after its line.
      const qsizetype bold = BoldOn(rtf);
      const qsizetype title = rtf.indexOf("INT 21 - DOS ");
      const qsizetype boldOff = rtf.indexOf("\\b0");
      QVERIFY(bold >= 0 && bold < title && title < boldOff);
      // Code page 437 letters as Unicode: u-umlaut, o-umlaut, full block.
      QVERIFY(rtf.contains("\\u252?") && rtf.contains("\\u246?") && rtf.contains("\\u9608?"));
    }
  }

  void saveFailureIsReportedAndKeepsTheOldFile() {
    openSample();
    show(1);
    dialogs_.saveAnswer = folder_.filePath("missing/notes.txt");
    trigger(Command::FileSave);
    QCOMPARE(fixture_->messages.entries.size(), size_t(1));
    QCOMPARE(fixture_->messages.entries[0].kind, std::string("error"));
    QVERIFY(fixture_->messages.entries[0].text.find("missing/notes.txt") != std::string::npos);
  }

  void selectAllFollowsTheLineBreakArithmetic() {
    openSample();
    show(1);
    // 3 lines and 20 characters of text with CR LF line breaks: 18 positions.
    view()->setPlainText("abcde\nfghijk\nlmnop");
    select(0, 17);
    window().updateCommands();
    QAction* selectAll = window().action(Command::EditSelectAll);
    QVERIFY(selectAll->isEnabled() && !selectAll->isChecked());
    select(0, 18);
    window().updateCommands();
    QVERIFY(selectAll->isChecked());
    // Checked: deselects, leaving the caret at the selection's start.
    select(18, 0);
    trigger(Command::EditSelectAll);
    QVERIFY(!view()->textCursor().hasSelection());
    QCOMPARE(view()->textCursor().position(), 0);
    select(3, 5);
    trigger(Command::EditSelectAll);
    QCOMPARE(view()->textCursor().selectionStart(), 0);
    QCOMPARE(view()->textCursor().selectionEnd(), 18);
    window().updateCommands();
    QVERIFY(selectAll->isChecked());
    view()->clear();
    window().updateCommands();
    QVERIFY(!selectAll->isEnabled());
  }

  void copyTopicKeepsTheSelectionAndOffersEveryForm() {
    openSample();
    show(1);
    const QString whole = FromCp437(DisplayTextOf(topicBytes(1)));
    select(5, 9);
    window().updateCommands();
    window().action(Command::EditCopyTopic)->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), whole);
    QVERIFY(data->data("text/rtf").startsWith("{\\rtf1"));
    QCOMPARE(data->data("application/rtf"), data->data("text/rtf"));
    QVERIFY(data->html().contains("font-weight:bold"));
    QVERIFY(data->html().contains(QString::fromUtf8("\xC3\xBC\xC3\xB6")));  // u- and o-umlaut
    QCOMPARE(view()->textCursor().anchor(), 5);
    QCOMPARE(view()->textCursor().position(), 9);
  }

  void copyPutsTheSelectionWithItsFormatting() {
    openSample();
    show(1);
    const QString whole = view()->toPlainText();
    // From inside the title line into the body: bold only for the title's part.
    const int lineEnd = int(whole.indexOf('\n'));
    select(lineEnd - 4, lineEnd + 7);
    trigger(Command::EditCopy);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString expected = FromCp437(DisplayTextOf(topicBytes(1))).mid(lineEnd - 4, 11);
    QCOMPARE(data->text(), expected);
    QVERIFY(data->html().contains(
        QRegularExpression("<span style=\"font-weight:bold;[^\"]*\">test</span>\n")));
    const QByteArray rtf = data->data("text/rtf");
    QVERIFY(BoldOn(rtf) >= 0 && BoldOn(rtf) < rtf.indexOf("test"));
    QVERIFY(rtf.indexOf("\\b0") > rtf.indexOf("test"));
  }

  void copyKeysInTheViewRunTheCommands() {
    openSample();
    show(1);
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    view()->setFocus();
    window().updateCommands();
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    window().updateCommands();
    QVERIFY(window().action(Command::EditSelectAll)->isChecked());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasFormat("text/rtf"));
    QCOMPARE(data->text(), FromCp437(DisplayTextOf(topicBytes(1))));
  }

  void printWithoutSelectionPrintsTheWholeTopicInArial() {
    openSample();
    show(1);
    window().statusPanels()->setPanelText(StatusBarPanels::kHintPanel, "Print current topic");
    trigger(Command::FilePrint);
    QCOMPARE(printer_->dialogs, 1);
    QVERIFY(!printer_->offeredSelection);
    QVERIFY(window().statusPanels()->panelText(StatusBarPanels::kHintPanel).isEmpty());
    QVERIFY(fixture_->messages.entries.empty());
    const TopicCommands& commands = window().topicCommands();
    QCOMPARE(commands.plainPrintView().defaultFont().family(), QString("Arial"));
    QCOMPARE(commands.plainPrintView().defaultFont().pointSize(), 12);
    QCOMPARE(commands.plainPrintView().toPlainText(), view()->toPlainText());
    const QString pdf = folder_.filePath("out.pdf");
    QVERIFY(ReadAll(pdf).startsWith("%PDF"));
    if (!havePoppler()) QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains("INT 21 - DOS"), qPrintable(text));
    QVERIFY(text.contains("second"));
    QCOMPARE(pdfTitle(pdf), window().windowTitle());
  }

  void selectionRangeOnlyWithASelection() {
    openSample();
    show(1);
    printer_->chooseSelection = true;
    const QString whole = view()->toPlainText();
    const int body = int(whole.indexOf("Return"));
    select(body, body + 6);
    trigger(Command::FilePrint);
    QVERIFY(printer_->offeredSelection);
    QCOMPARE(window().topicCommands().plainPrintView().toPlainText(), QString("Return"));
    // The range stays with the printer; without the dialog and without a selection the whole
    // topic is printed.
    window().config().ShowPrintDialog = false;
    select(0, 0);
    trigger(Command::FilePrint);
    QCOMPARE(printer_->dialogs, 1);
    QCOMPARE(window().topicCommands().plainPrintView().toPlainText(), whole);
    if (!havePoppler()) QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    QVERIFY(pdfText(folder_.filePath("out.pdf")).contains("INT 21 - DOS"));
  }

  void wysiwygPrintsTheViewAndASelectionInTheViewsFont() {
    openSample();
    show(1);
    window().config().WYSIWYGPrint = true;
    trigger(Command::FilePrint);
    // The view itself was printed: the plain print view stayed empty.
    QVERIFY(window().topicCommands().plainPrintView().isEmpty());
    QVERIFY(ReadAll(folder_.filePath("out.pdf")).startsWith("%PDF"));
    if (havePoppler()) QVERIFY(pdfText(folder_.filePath("out.pdf")).contains("Return: AX"));
    printer_->chooseSelection = true;
    select(0, 6);
    trigger(Command::FilePrint);
    QCOMPARE(window().topicCommands().plainPrintView().toPlainText(), QString("INT 21"));
    QCOMPARE(window().topicCommands().plainPrintView().defaultFont(), view()->font());
  }

  void printDialogOffersNoPageRange() {
    // Qt's own dialog, run for real and looked at once it is on the screen.
#ifdef Q_OS_WIN
    QSKIP("Windows shows its own print dialog, which has no Qt controls to look at");
#endif
    gui::QtPrintService service;
    for (bool offerSelection : {false, true}) {
      QStringList offered;
      QTimer::singleShot(0, [&offered] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        for (const char* name : {"gbPrintRange", "printSelection", "printRange", "from", "to",
                                 "pagesRadioButton", "pagesLineEdit", "pageSetCombo"}) {
          auto* control = dialog->findChild<QWidget*>(name);
          if (control && !control->isHidden()) offered << name;
        }
        dialog->reject();
      });
      QVERIFY(!service.runPrintDialog(service.printer(), offerSelection, &window()));
      QCOMPARE(offered,
               offerSelection ? QStringList({"gbPrintRange", "printSelection"}) : QStringList());
    }
  }

  void printHonoursCopiesPageOrderAndMargins() {
    if (!havePoppler()) QSKIP("pdftotext (poppler-utils) is not installed: PDF not checked");
    std::string body;
    for (int line = 1; line <= 150; ++line) body += "line " + std::to_string(line) + "\r\n";
    window().listController().openList(
        test::WriteList(folder_.path(), "LONG.LST", {{'D', "INT 77", "Long topic", body}})
            .toStdString());
    show(1);
    QPrinter& pdf = printer_->pdf;
    pdf.setCopyCount(2);
    pdf.setCollateCopies(true);
    pdf.setPageOrder(QPrinter::LastPageFirst);
    pdf.setPageMargins(QMarginsF(40, 40, 40, 40), QPageLayout::Millimeter);
    trigger(Command::FilePrint);
    QStringList pages = pdfText(folder_.filePath("out.pdf")).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    const qsizetype set = pages.size() / 2;
    QVERIFY2(set >= 2 && pages.size() == 2 * set, qPrintable(pages.join("|")));
    for (qsizetype copy = 0; copy < 2; ++copy) {
      QVERIFY(pages[copy * set].contains("line 150"));              // last page first
      QVERIFY(pages[copy * set + set - 1].contains("Long topic"));  // the first page last
    }
    // The text starts at the margins: 40 mm as set, and never at the paper's edge.
    auto firstWord = [this]() {
      QProcess process;
      process.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", folder_.filePath("out.pdf"), "-"});
      process.waitForFinished(30000);
      const QRegularExpressionMatch word =
          QRegularExpression("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")
              .match(QString::fromUtf8(process.readAllStandardOutput()));
      return QPointF(word.captured(1).toDouble(), word.captured(2).toDouble());
    };
    const double mm = 72.0 / 25.4;
    QPointF corner = firstWord();
    QVERIFY2(corner.x() >= 39 * mm && corner.y() >= 39 * mm,
             qPrintable(QString::number(corner.x())));
    pdf.setCopyCount(1);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    window().config().ShowPrintDialog = false;
    trigger(Command::FilePrint);
    corner = firstWord();
    QVERIFY2(corner.x() >= 4.5 * mm && corner.y() >= 4.5 * mm,
             qPrintable(QString::number(corner.x())));
    // A printer starts with a margin of its own.
    QtPrintService service;
    QCOMPARE(service.printer().pageLayout().margins(QPageLayout::Millimeter).left(),
             kDefaultPrintMarginMm);
  }

  void printFailuresSayUnableToPrint() {
    openSample();
    show(1);
    // Cancelled: nothing printed, nothing said.
    printer_->accept = false;
    trigger(Command::FilePrint);
    QVERIFY(!QFile::exists(folder_.filePath("out.pdf")));
    QVERIFY(fixture_->messages.entries.empty());
    // No default printer and no dialog.
    window().config().ShowPrintDialog = false;
    printer_->defaultPrinter = false;
    trigger(Command::FilePrint);
    QCOMPARE(printer_->dialogs, 1);
    // A printer that cannot take the job.
    printer_->defaultPrinter = true;
    printer_->pdf.setOutputFileName(folder_.filePath("missing/out.pdf"));
    trigger(Command::FilePrint);
    QCOMPARE(fixture_->messages.entries.size(), size_t(2));
    for (const auto& entry : fixture_->messages.entries) {
      QCOMPARE(entry.kind, std::string("information"));
      QCOMPARE(entry.text, std::string("Unable to print topic"));
    }
  }
};

QTEST_MAIN(TopicCommandsTest)
#include "topic_commands_test.moc"
