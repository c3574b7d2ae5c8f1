// qorlview: the Qorl Viewer.

#include <QDir>
#include <QStringList>
#include <string>
#include <vector>

#include "core/settings/user_hive.h"
#include "gui/app/application_identity.h"
#include "gui/app/main_window.h"
#include "gui/app/startup.h"
#include "gui/app/viewer_application.h"
#include "gui/window/message_box_service.h"

int main(int argc, char* argv[]) {
  qorl::gui::ViewerApplication app(argc, argv);
  qorl::gui::SetApplicationIdentity();

  qorl::gui::StartupEnvironment environment;
  environment.arguments = app.programArguments();
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
  return QApplication::exec();
}
