#include "exercise/CExerciseApp.h"

#include "app/CLessonApp.h"
#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/Globals.h"
#include "app/PracticeCommandLine.h"
#include "exercise/CExerciseDlg.h"
#include "exercise/ExerciseGenerator.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "render/WordColours.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>

namespace {

// The lessons before the practised one, each read once when the questions need it.
class EarlierLessons {
public:
    explicit EarlierLessons(LessonContentService& content) : m_content(content) {}
    const LessonMaterial* Get(int lesson) {
        auto& slot = m_read[lesson];
        if (!slot) {
            slot = std::make_unique<LessonMaterial>();
            m_content.ReadLesson(lesson, *slot);
        }
        return slot.get();
    }

private:
    LessonContentService& m_content;
    std::map<int, std::unique_ptr<LessonMaterial>> m_read;
};

} // namespace

int CExerciseApp::RefuseCommandLine(const std::string& why) {
    std::fprintf(stderr, "exercise: %s. %s\n", why.c_str(),
                 PracticeCommandLine::Usage("exercise", true).c_str());
    return 2;
}

int CExerciseApp::Run(const PracticeCommandLine& line) {
    CLessonApp content;
    std::string languageName;
    if (!content.OpenContent(languageName))
        return content.ExitInstance();
    LessonContentService service(g_pLessonDb, g_pWordDb, g_strLangSuffix);
    if (!progress::UserExists(g_pLessonDb, line.userId)) {
        content.ExitInstance();
        return RefuseCommandLine("there is no user with the id \"" + line.userId + "\"");
    }
    if (!service.LessonExists(line.lesson)) {
        content.ExitInstance();
        return RefuseCommandLine("the course has no lesson " + std::to_string(line.lesson));
    }

    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/tessalyne-exercise-XXXXXX"));
    if (!scratch.isValid())
        g_log.Write("exercise: no scratch folder (%s); the questions stay silent",
                    scratch.errorString().toUtf8().constData());
    g_strTempLessonDir = scratch.path().toStdString();
    g_strUserId = line.userId;
    DrawWordsInDisplayColours();
    g_lessonSettings.Load(GetProgramFolder() + "Lesson_res\\lessonres_" + g_strLangSuffix + ".ini");

    LessonMaterial lesson;
    const bool complete = service.ReadLesson(line.lesson, lesson);
    ExerciseTexts texts;
    texts.Load(GetProgramFolder(), g_strLangSuffix);
    EarlierLessons earlier(service);

    ExerciseWindowSetup setup;
    setup.content = &service;
    setup.lesson = &lesson;
    setup.texts = &texts;
    setup.makeRun = [&](std::uint32_t seed) {
        return exercise::GenerateExercise(
            lesson, [&](int n) { return earlier.Get(n); }, seed);
    };
    setup.keepScore = [&](int score) {
        return progress::RecordScore(g_pLessonDb, line.userId, line.lesson, score);
    };
    setup.seed = line.seed.value_or(QRandomGenerator::global()->generate());
    setup.scratchFolder = g_strTempLessonDir;
    if (!complete)
        setup.contentProblem = service.LastError();
    g_log.Write("exercise: user %s, lesson %d%s", line.userId.c_str(), line.lesson,
                complete ? "" : " (partly unreadable)");
    {
        CExerciseDlg window(std::move(setup));
        window.exec();
    }
    return content.ExitInstance();
}
