#include "app/CInstanceActivation.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <unistd.h>

CInstanceActivation::CInstanceActivation(const QString& application, QObject* parent)
    : QObject(parent), m_name(QStringLiteral("%1-%2-activate").arg(application).arg(getuid())) {}

bool CInstanceActivation::Listen() {
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            RaiseTopWindow();
            emit activationRequested();
        }
    });
    return m_server->listen(m_name);
}

bool CInstanceActivation::AskRunningInstanceToActivate() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

void CInstanceActivation::RaiseTopWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (!window) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                window = w;
    }
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}
