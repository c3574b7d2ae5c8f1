// SPDX-License-Identifier: MIT
#pragma once
// One viewer per user takes lookups from later starts (qorlview /GOTO REFERENCE): it listens on
// a local socket in the user's runtime folder, reachable by that user only. A request is one
// line of at most 1 KiB, "GOTO " + the reference in UTF-8 + LF, answered with "OK" + LF; any
// other input is ignored and its connection closed.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace qorl::gui {

// The socket's name: a path in the runtime folder ($XDG_RUNTIME_DIR) outside Windows, a pipe
// name with the user's name on Windows.
QString InstanceSocketName();

// Hands the reference to a running viewer; true when one took it.
bool SendGotoRequest(const QString& reference);

class InstanceServer : public QObject {
  Q_OBJECT
 public:
  explicit InstanceServer(QObject* parent = nullptr);
  ~InstanceServer() override;

  // Starts listening unless another viewer of the user already does; a socket left by a viewer
  // that ended without closing it is replaced. False when this viewer does not listen.
  bool listen();
  bool listening() const;

 signals:
  void gotoRequested(const QString& reference);

 private:
  void onConnection();
  void read(QLocalSocket* socket);

  QLocalServer* server_;
};

}  // namespace qorl::gui
