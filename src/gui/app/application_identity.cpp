// SPDX-License-Identifier: MIT
#include "gui/app/application_identity.h"

#include <QApplication>

// The resource is compiled into the library; a static library needs it registered by hand
// (outside any namespace, where the resource compiler defines it).
static void RegisterIconResource() {
  Q_INIT_RESOURCE(application_icon);
}

namespace qorl::gui {

QIcon ApplicationIcon() {
  RegisterIconResource();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/icons/qorlview-%1.png").arg(size), QSize(size, size));
  return icon;
}

void SetApplicationIdentity() {
  QApplication::setApplicationName("Qorl Viewer");
  QApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(kDesktopFileName);
}

}  // namespace qorl::gui
