// SPDX-License-Identifier: MIT
#include "gui/app/instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>

namespace qorl::gui {
namespace {

constexpr qsizetype kMaxRequest = 1024;  // bytes, the line end included
constexpr int kWaitMs = 5000;            // a busy machine may be slow to answer
constexpr int kIdleMs = 10000;           // a connection that sends no line is closed
const QByteArray kGotoWord = "GOTO ";
const QByteArray kAnswer = "OK\n";

}  // namespace

QString InstanceSocketName() {
#ifdef _WIN32
  return "QorlViewer-" + qEnvironmentVariable("USERNAME");
#else
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  return folder + "/qorlview.socket";
#endif
}

bool SendGotoRequest(const QString& reference) {
  const QByteArray line = kGotoWord + reference.toUtf8() + '\n';
  if (line.size() > kMaxRequest || reference.contains('\n')) return false;
  QLocalSocket socket;
  socket.connectToServer(InstanceSocketName());
  if (!socket.waitForConnected(kWaitMs)) return false;
  socket.write(line);
  if (!socket.waitForBytesWritten(kWaitMs)) return false;
  QByteArray answer;
  while (answer.size() < kAnswer.size() && socket.waitForReadyRead(kWaitMs))
    answer += socket.readAll();
  return answer.startsWith(kAnswer);
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &InstanceServer::onConnection);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen() {
  const QString name = InstanceSocketName();
  // Someone answers there: that viewer takes the requests. (Listening with access options
  // would put a new socket over the one in use.)
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(kWaitMs)) return false;
  if (server_->listen(name)) return true;
  if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
  QLocalServer::removeServer(name);
  return server_->listen(name);
}

bool InstanceServer::listening() const {
  return server_->isListening();
}

void InstanceServer::onConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    QTimer::singleShot(kIdleMs, socket, [socket] { socket->abort(); });
    read(socket);
  }
}

void InstanceServer::read(QLocalSocket* socket) {
  const qsizetype end = socket->peek(kMaxRequest).indexOf('\n');
  if (end < 0) {
    if (socket->bytesAvailable() >= kMaxRequest) socket->abort();  // too long: ignored
    return;
  }
  const QByteArray line = socket->read(end + 1).chopped(1);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(line.mid(kGotoWord.size()));
  const QString reference = text.trimmed();
  if (!line.startsWith(kGotoWord) || utf8.hasError() || reference.isEmpty()) {
    socket->abort();
    return;
  }
  socket->write(kAnswer);
  socket->flush();
  socket->disconnectFromServer();
  emit gotoRequested(reference);
}

}  // namespace qorl::gui
