// SPDX-License-Identifier: MIT
// The floor for the viewer's start-up time: a bare Qt Widgets main window (menu bar, tool bar,
// status bar, an empty central widget) of the same Qt, shown and painted once, then the program
// ends, as `qorlview -QUIT` does. scripts/bench_startup.sh times both in one run.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File");
  window.addToolBar("Tools");
  window.statusBar()->showMessage(" ");
  window.setCentralWidget(new QWidget);
  window.resize(640, 480);
  window.show();
  window.repaint();
  return 0;
}
