// The single-instance socket over QLocalServer and QLocalSocket.
#include "platform/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <cstdlib>

#include "platform/native_window.h"

namespace halvane {

namespace {

std::string& Scope() {
  static std::string scope;
  return scope;
}

constexpr int CONNECT_TIMEOUT_MS = 500;
constexpr char KNOCK[] = "foreground\n";

}  // namespace

std::string InstanceSocketName(const std::string& className, const std::string& title) {
  std::string name = className + "-" + title + "-" + std::to_string(::getuid());
  for (char& c : name) {
    if (c == ' ' || c == '/' || c == '\\') c = '_';
  }
  if (!Scope().empty()) name += "-" + Scope();
  return name;
}

bool SignalRunningInstance(const std::string& className, const std::string& title) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(InstanceSocketName(className, title)));
  if (!socket.waitForConnected(CONNECT_TIMEOUT_MS)) return false;
  socket.write(KNOCK);
  socket.waitForBytesWritten(CONNECT_TIMEOUT_MS);
  socket.disconnectFromServer();
  return true;
}

void ListenForLaterInstances(WindowHandle window, const std::string& className,
                             const std::string& title) {
  const QString name = QString::fromStdString(InstanceSocketName(className, title));
  auto* server = new QLocalServer(window);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(name)) {
    // Nobody answered before we got here, so the socket is a leftover of a killed copy.
    QLocalServer::removeServer(name);
    if (!server->listen(name)) return;
  }
  QPointer<NativeWindow> owner(window);
  QObject::connect(server, &QLocalServer::newConnection, server, [server, owner] {
    while (QLocalSocket* connection = server->nextPendingConnection()) {
      QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
      if (owner && !owner->destroyed) BringToForeground(owner);
    }
  });
}

void SetInstanceScopeForTesting(const std::string& scope) { Scope() = scope; }

}  // namespace halvane
