#include "exercise/CExerciseApp.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "exercise/CExerciseDlg.h"
#include "exercise/ExerciseGenerator.h"
#include "exercise/PracticeProgram.h"
#include "lesson/LessonProgress.h"

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

int CExerciseApp::Run(const PracticeCommandLine& line) {
    PracticeProgram program("exercise", true);
    if (!program.Open(line))
        return program.Status();
    ExerciseTexts texts;
    texts.Load(GetProgramFolder(), g_strLangSuffix);
    EarlierLessons earlier(program.Content());
    const LessonMaterial& lesson = program.Lesson();

    ExerciseWindowSetup setup;
    setup.content = &program.Content();
    setup.lesson = &lesson;
    setup.texts = &texts;
    setup.makeRun = [&](std::uint32_t seed) {
        return exercise::GenerateExercise(
            lesson, [&](int n) { return earlier.Get(n); }, seed);
    };
    setup.keepScore = [&](int score) {
        return progress::RecordScore(g_pLessonDb, line.userId, line.lesson, score);
    };
    setup.seed = program.Seed();
    setup.scratchFolder = program.ScratchFolder();
    setup.contentProblem = program.ContentProblem();
    CExerciseDlg window(std::move(setup));
    window.exec();
    return 0;
}
