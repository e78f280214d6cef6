#include "audio/AudioNotice.h"

#include "app/UserNotice.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

void ShowAudioError(const std::string& text) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(
            application, [text] { GetUserNotice().Show(UserNotice::Kind::Error, "", text); },
            Qt::QueuedConnection);
        return;
    }
    GetUserNotice().Show(UserNotice::Kind::Error, "", text);
}
