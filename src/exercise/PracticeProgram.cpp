#include "exercise/PracticeProgram.h"

#include "app/CLog.h"
#include "app/CTerminationSignal.h"
#include "app/ContentPath.h"
#include "app/DesktopEntry.h"
#include "app/Globals.h"
#include "app/UserFolders.h"
#include "lesson/LessonProgress.h"
#include "lesson/LessonSettings.h"
#include "render/WordColours.h"

#include "app/UserNotice.h"
#include "exercise/CPracticeDlg.h"
#include "ui/CMessageBoxNotice.h"
#include "ui/StartupWarmUp.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <cstdio>

PracticeProgram::PracticeProgram(std::string program, bool withUser)
    : m_program(std::move(program)), m_withUser(withUser) {}

PracticeProgram::~PracticeProgram() {
    m_content.reset();
    SetWordColoursSource({});
    m_course.Close();
}

int PracticeProgram::RefuseCommandLine(const std::string& program, const std::string& usage,
                                       const std::string& why) {
    std::fprintf(stderr, "%s: %s. %s\n", program.c_str(), why.c_str(), usage.c_str());
    return 2;
}

bool PracticeProgram::OpenCourse() {
    std::string languageName;
    if (!m_course.Open(languageName)) {
        m_status = 1;
        return false;
    }
    // A skin of the interface language's own, should there be one, is read ahead now.
    SkinDialog::PrefetchSkin(CPracticeDlg::SkinPath());
    m_content = std::make_unique<LessonContentService>(g_pLessonDb, g_pWordDb, g_strLangSuffix);
    return true;
}

bool PracticeProgram::Begin(const PracticeCommandLine& line) {
    if (m_withUser && !progress::UserExists(g_pLessonDb, line.userId)) {
        m_status = RefuseCommandLine(m_program, PracticeCommandLine::Usage(m_program, m_withUser),
                                     "there is no user with the id \"" + line.userId + "\"");
        return false;
    }
    if (line.lesson != 0 && !m_content->LessonExists(line.lesson)) {
        m_status = RefuseCommandLine(m_program, PracticeCommandLine::Usage(m_program, m_withUser),
                                     "the course has no lesson " + std::to_string(line.lesson));
        return false;
    }
    m_scratch = std::make_unique<CScratchFolder>(m_program);
    if (!m_scratch->IsValid())
        g_log.Write("%s: %s; sounds stay silent", m_program.c_str(), m_scratch->Error().c_str());
    m_scratchFolder = m_scratch->Path();
    g_strTempLessonDir = m_scratchFolder;
    g_strUserId = line.userId;
    DrawWordsInDisplayColours();
    g_lessonSettings.LoadFor(g_strLangSuffix);
    if (line.lesson != 0 && !m_content->ReadLesson(line.lesson, m_lesson))
        m_problem = m_content->LastError();
    // The system's source, not Qt's global generator: that one first seeds itself with kilobytes of
    // hardware randomness, which cost the start half a millisecond.
    m_seed = line.seed.value_or(QRandomGenerator::system()->generate());
    g_log.Write("%s: user %s, lesson %d%s", m_program.c_str(), line.userId.c_str(), line.lesson,
                m_problem.empty() ? "" : " (partly unreadable)");
    return true;
}

int RunPracticeMain(
    int argc, char* argv[], const PracticeMain& main,
    const std::function<bool(const std::vector<std::string>& arguments, std::string& error)>& parse,
    const std::function<int()>& run) {
    std::string error;
    if (!parse(std::vector<std::string>(argv + 1, argv + argc), error))
        return PracticeProgram::RefuseCommandLine(main.program, main.usage, error);
    LogToUserStateFolder();
    // Every practice window wears the same skin: its reading starts at once, beside the
    // application's own start and the opening of the content.
    SkinDialog::PrefetchSkin(CPracticeDlg::SkinPath());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(main.applicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntryId));
    const StartupWarmUp warmUp;
    if (main.startProbe)
        main.startProbe();
    // Without a screen (offscreen or minimal platform) nobody could close a message box: notices
    // then go to the log and standard error only.
    CMessageBoxNotice notice;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        SetUserNotice(&notice);
    int status = 0;
    {
        // A learner logging out or a kill ends the program through its windows' own close path,
        // so the scratch folder goes and what was answered is kept.
        CTerminationSignal termination;
        status = run();
    }
    SetUserNotice(nullptr);
    return status;
}
