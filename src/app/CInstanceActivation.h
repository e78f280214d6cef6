#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Lets a second start bring the running instance to the front: the running instance listens on a
// local socket; a second start connects, asks, and ends.
class CInstanceActivation : public QObject {
    Q_OBJECT
public:
    explicit CInstanceActivation(const QString& application, QObject* parent = nullptr);

    // In the running instance (which holds the single-instance lock, so a leftover socket of a
    // crashed run can be removed safely).
    bool Listen();
    // In a second start: true when the running instance got the request.
    bool AskRunningInstanceToActivate() const;

signals:
    void activationRequested();

private:
    void RaiseTopWindow();

    QString m_name;
    QLocalServer* m_server = nullptr;
};
