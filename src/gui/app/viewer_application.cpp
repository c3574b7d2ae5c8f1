// SPDX-License-Identifier: MIT
#include "gui/app/viewer_application.h"

#include <exception>

#include "core/list/message_service.h"

namespace qorl::gui {

namespace {

// What Qt sees of the command line: the program name alone. Qt keeps the count by reference for
// the application's lifetime.
int& QtArgumentCount() {
  static int count = 1;
  return count;
}

char** QtArguments(int argc, char** argv) {
  static char name[] = "qorlview";
  static char* unnamed[] = {name, nullptr};
  return argc > 0 && argv[0] ? argv : unnamed;
}

}  // namespace

ViewerApplication::ViewerApplication(int argc, char** argv)
    : QApplication(QtArgumentCount(), QtArguments(argc, argv)) {
  // The core takes UTF-8; on Windows argv holds the words in the ANSI code page.
  for (int i = 1; i < argc; ++i) {
#ifdef _WIN32
    arguments_.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
#else
    arguments_.emplace_back(argv[i]);
#endif
  }
}

bool ViewerApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    if (messages_) messages_->error(failure.what());
  } catch (...) {
    if (messages_) messages_->error("Unexpected failure");
  }
  return false;
}

}  // namespace qorl::gui
