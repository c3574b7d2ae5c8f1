#include "gui/app/viewer_application.h"

#include <exception>

#include "core/list/message_service.h"

namespace qorl::gui {

ViewerApplication::ViewerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
