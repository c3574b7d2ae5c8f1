// SPDX-License-Identifier: MIT
// A Qt without its network module (the Windows build's) has no local sockets: every start is a
// viewer of its own, and /GOTO is shown by the viewer it starts.
#include "gui/app/instance_channel.h"

namespace qorl::gui {

QString InstanceSocketName() { return {}; }

bool SendGotoRequest(const QString&) { return false; }

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), server_(nullptr) {}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen() { return false; }

bool InstanceServer::listening() const { return false; }

void InstanceServer::onConnection() {}

void InstanceServer::read(QLocalSocket*) {}

}  // namespace qorl::gui
