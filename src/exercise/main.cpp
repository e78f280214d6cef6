#include "app/PracticeCommandLine.h"
#include "app/UserNotice.h"
#include "exercise/CExerciseApp.h"
#include "ui/CMessageBoxNotice.h"

#ifdef TESSALYNE_AUTOMATION
#include "automation/AutomationProbe.h"
#endif

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    // A command line that cannot be right is refused before anything else, even without a display.
    std::string error;
    const std::optional<PracticeCommandLine> line =
        PracticeCommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc), true, error);
    if (!line)
        return CExerciseApp::RefuseCommandLine(error);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessalyne Lessons Exercise"));
#ifdef TESSALYNE_AUTOMATION
    AutomationProbe::StartIfRequested();
#endif
    CMessageBoxNotice notice;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        SetUserNotice(&notice);
    CExerciseApp app;
    const int status = app.Run(*line);
    SetUserNotice(nullptr);
    return status;
}
