// SPDX-License-Identifier: MIT
// One real Combine run through DOSBox, headless: a stand-in COMBINE.COM assembled here writes
// the current drive and its command tail into INTERRUP.LST. The viewer must have waited for it,
// run it on the tools folder mounted as the current drive with the command line unchanged, and
// offer the new list in the Open List menu afterwards. Skips without dosbox or nasm.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdlib>

#include "core/support/dos_probe.h"
#include "core/tools/dos_runner.h"
#include "gui/app/main_window.h"
#include "gui/app/open_list_menu.h"
#include "gui/support/window_fixture.h"
#include "gui/tools/run_combine_dialog.h"
#include "gui/tools/tools_menu.h"

using namespace qorl;
using namespace qorl::gui;

namespace {

// The real processes, but a DOSBox session that does not end fails the test instead of hanging it.
struct DeadlineRunner final : ToolProcessRunner {
  SystemToolProcessRunner system;
  bool timedOut = false;
  std::string interpreter() override { return system.interpreter(); }
  int runAndWait(const ProcessInvocation& run, const std::string& folder,
                 const WaitPollCallback& poll) override {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    return system.runAndWait(run, folder, [&] {
      timedOut = std::chrono::steady_clock::now() > deadline;
      return !timedOut && poll();
    });
  }
  int startDetached(const ProcessInvocation& run, const std::string& folder) override {
    return system.startDetached(run, folder);
  }
};

}  // namespace

class ToolsDosboxTest : public QObject {
  Q_OBJECT

 private slots:
  void combineRunsInDosboxAndTheNewListIsOffered() {
#ifdef _WIN32
    QSKIP("DOSBox runs the tools outside Windows only");
#else
    if (FindDosInterpreter().empty()) QSKIP("dosbox is not installed");
    const char* path = std::getenv("PATH");
    const std::string nasm = FindOnPath("nasm", path != nullptr ? path : "");
    if (nasm.empty()) QSKIP("nasm is not installed");

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    {
      QFile source(dir.filePath("combine.asm"));
      QVERIFY(source.open(QIODevice::WriteOnly));
      source.write(test::DosProbeSource("INTERRUP.LST").c_str());
    }
    int status = -1;
    QCOMPARE(RunAndWait(nasm, {"-f", "bin", "-o", "COMBINE.COM", "combine.asm"}, folder, nullptr,
                        &status),
             0);
    QCOMPARE(status, 0);

    // Headless, with DOSBox's generated configuration kept in the test folder.
    QVERIFY(QDir(dir.path()).mkdir("home"));
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", dir.filePath("home").toLocal8Bit());

    test::ViewerFixture f;
    ConfigRecord config;
    config.DefStartupDir = folder;
    f.store(config);
    TFormMain& w = f.start();
    emit w.toolsMenu().menu()->aboutToShow();
    QVERIFY(w.toolsMenu().combineAction()->isVisible());
    QVERIFY(w.listMenu().entries().empty());

    DeadlineRunner runner;
    w.toolsMenu().setRunner(&runner);
    w.toolsMenu().combineDialog().runClicked();
    qputenv("HOME", savedHome);
    QVERIFY2(!runner.timedOut, "the DOSBox session did not end");

    QFile list(dir.filePath("INTERRUP.LST"));
    QVERIFY2(list.open(QIODevice::ReadOnly), "the tool had not run when the wait ended");
    QCOMPARE(list.readAll(), QByteArray("C ."));
    QVERIFY(f.messages.entries.empty());
    QCOMPARE(w.listMenu().entries().size(), size_t(1));
    QCOMPARE(w.listMenu().entries()[0]->text().remove('&').toUpper(), QString("INTERRUP.LST"));
#endif
  }
};

QTEST_MAIN(ToolsDosboxTest)
#include "tools_dosbox_test.moc"
