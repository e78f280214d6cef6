#include "app/CLessonApp.h"
#include "app/DesktopEntry.h"
#include "app/UserFolders.h"
#include "app/UserNotice.h"
#include "automation/StartTestProbe.h"
#include "ui/CMessageBoxNotice.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    LogToUserStateFolder();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessalyne Lessons"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryId));
    StartTestProbe();
    // Without a screen (offscreen or minimal platform) nobody could close a message box: notices
    // then go to the log and standard error only.
    CMessageBoxNotice notice;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        SetUserNotice(&notice);
    CLessonApp app;
    const int status = app.Run();
    SetUserNotice(nullptr);
    return status;
}
