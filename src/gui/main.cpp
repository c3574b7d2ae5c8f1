// SPDX-License-Identifier: MIT
// qorlview: the Qorl Viewer.

#include <QDir>
#include <QStringList>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/settings/user_hive.h"
#include "gui/app/application_identity.h"
#include "gui/app/instance_channel.h"
#include "gui/app/main_window.h"
#include "gui/app/startup.h"
#include "gui/app/viewer_application.h"
#include "gui/lookup/lookup_controller.h"
#include "gui/window/message_box_service.h"

int main(int argc, char* argv[]) {
  qorl::gui::ViewerApplication app(argc, argv);
  qorl::gui::SetApplicationIdentity();

  qorl::gui::StartupEnvironment environment;
  environment.arguments = app.programArguments();
  // A lookup goes to the viewer already running, if there is one.
  const std::string gotoReference = qorl::GotoReferenceOf(environment.arguments);
  if (!gotoReference.empty() && qorl::gui::SendGotoRequest(QString::fromStdString(gotoReference)))
    return 0;
  std::string programDir = QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
  if (programDir.empty() || programDir.back() != '/') programDir += '/';
  environment.programDir = programDir;
  qorl::gui::MessageBoxService messages;
  app.setMessages(&messages);
  environment.messages = &messages;
  std::unique_ptr<qorl::SettingsHive> hive = qorl::OpenUserHive();
  environment.hive = hive.get();

  qorl::RunState run;
  std::unique_ptr<qorl::gui::TFormMain> window = qorl::gui::StartViewer(environment, run);
  messages.setParent(window.get());
  if (run.quitRequested) return 0;
  qorl::gui::InstanceServer instances;
  instances.listen();
  qorl::gui::TFormMain* shown = window.get();
  auto goTo = [shown](const QString& reference) {
    shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
    shown->raise();
    shown->activateWindow();
    shown->lookupController().goTo(reference);
  };
  QObject::connect(&instances, &qorl::gui::InstanceServer::gotoRequested, shown, goTo);
  if (!run.gotoReference.empty()) goTo(QString::fromStdString(run.gotoReference));
  return QApplication::exec();
}
