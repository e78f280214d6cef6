// The exercise program started from the lesson window and answered through its test probe: a run
// answered right scores 100 and finishes the lesson in the catalogue; a run answered wrong after it
// keeps the best score. The test makes the same run as the program from the seed it logged.
#include "InstalledCourse.h"
#include "LearnerSession.h"

#include "data/Queries.h"
#include "exercise/ExerciseGenerator.h"
#include "exercise/ExerciseTexts.h"
#include "lesson/LessonCatalogData.h"
#include "ui/ArtworkIds.h"

#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace {

using namespace e2e;
using exercise::Question;
using exercise::QuestionKind;

constexpr int kLesson = 1;
constexpr char kExerciseButton[] = "1025";
constexpr char kExerciseWindow[] = "CExerciseDlg";

// The run the exercise program makes from `seed`, made again here from the installed course with
// the same reading and the same generator.
std::vector<Question> RegenerateRun(InstalledCourse& course, std::uint32_t seed) {
    const LessonMaterial lesson = course.ReadLesson(kLesson);
    std::map<int, std::unique_ptr<LessonMaterial>> earlier;
    return exercise::GenerateExercise(
        lesson,
        [&](int number) {
            auto& read = earlier[number];
            if (!read) {
                read = std::make_unique<LessonMaterial>();
                course.Content().ReadLesson(number, *read);
            }
            return read.get();
        },
        seed);
}

const char* KindName(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::Listening:
        return "listening";
    case QuestionKind::Meaning:
        return "meaning";
    case QuestionKind::WordFromMeaning:
        return "word_from_meaning";
    case QuestionKind::Tones:
        return "tones";
    case QuestionKind::WordOrder:
        return "word_order";
    case QuestionKind::Writing:
        return "writing";
    case QuestionKind::Reading:
        return "reading";
    }
    return "unknown";
}

std::string ShownText(const Widgets& all, const std::string& type, const std::string& name) {
    return e2e::ShownText(all, type, name, kExerciseWindow);
}

class LessonExercise : public LearnerSession {
protected:
    explicit LessonExercise(bool installed = false) : LearnerSession(installed) {}

    // Opens lesson 1 from the catalogue and starts its exercise; the exercise window shows.
    void StartExercise(ProgramSession& program) {
        StartFromLessonOne(program, m_exercise, kExerciseButton, kExerciseWindow);
    }

    // The run the exercise window shows now: the `runNumber`th seed of its log, made again.
    std::vector<Question> CurrentRun(size_t runNumber) {
        const std::vector<std::string> seeds =
            m_exercise.AwaitLoggedValues("exercise: lesson 1, seed ", runNumber, 20000);
        const std::string suffix = m_exercise.LanguageSuffix();
        if (seeds.size() < runNumber || suffix.empty()) {
            ADD_FAILURE() << "the exercise log names no seed or language:\n" << m_exercise.Output();
            return {};
        }
        m_texts.Load(Program() + "/", suffix);
        InstalledCourse course(Program(), suffix, LearnerFile());
        return RegenerateRun(course, static_cast<std::uint32_t>(std::stoul(seeds[runNumber - 1])));
    }

    // Waits until the window asks question `index` of the run, not answered yet.
    Widgets AwaitQuestion(const std::vector<Question>& run, size_t index) {
        const std::string progress = QString::fromStdString(m_texts.Get(ExerciseText::Progress))
                                         .arg(index + 1)
                                         .arg(run.size())
                                         .toStdString();
        const std::string instruction = m_texts.Instruction(run[index].kind);
        const auto shown = m_exercise.WaitFor([&](const Widgets& all) {
            return ShownText(all, "QLabel", "progresstext") == progress &&
                   ShownText(all, "QLabel", "instruction") == instruction &&
                   !Find(all, "BitmapButton", "giveup", kExerciseWindow).empty();
        });
        if (!shown) {
            const Widgets all = m_exercise.Describe();
            ADD_FAILURE() << "the window does not ask \"" << progress << "\", \"" << instruction
                          << "\"; it shows \"" << ShownText(all, "QLabel", "progresstext") << "\", \""
                          << ShownText(all, "QLabel", "instruction") << "\"";
            return {};
        }
        return *shown;
    }

    void AnswerRight(const Question& question, const Widgets& shown) {
        switch (question.kind) {
        case QuestionKind::WordOrder: {
            // The keyboard goes to the window the learner last clicked.
            m_desktop.Click(Find(shown, "QLabel", "instruction", kExerciseWindow).front().Centre());
            std::string tiles;
            for (int tile : question.order)
                tiles += std::to_string(tile + 1);
            m_desktop.Type(tiles);
            m_desktop.Key("Return");
            break;
        }
        case QuestionKind::Writing:
            for (const auto& stroke : Await(m_exercise, "CWritingPad", "pad", kExerciseWindow).strokes)
                m_desktop.Drag(stroke);
            break;
        default:
            ClickWidget(m_exercise, "CChoiceButton", "choice" + std::to_string(question.answer + 1),
                        kExerciseWindow);
            break;
        }
    }

    // A wrong card for a choice question; the others are given up ("Show me").
    void AnswerWrong(const Question& question) {
        if (!question.IsChoice())
            return ClickWidget(m_exercise, "BitmapButton", "giveup", kExerciseWindow);
        const size_t wrong = (static_cast<size_t>(question.answer) + 1) % question.choices.size();
        ClickWidget(m_exercise, "CChoiceButton", "choice" + std::to_string(wrong + 1), kExerciseWindow);
    }

    // Answers every question of the run (shooting the first question of each kind when asked) and
    // waits for the result page; the score it shows.
    std::string AnswerRun(const std::vector<Question>& run, bool right, bool shoot) {
        std::set<QuestionKind> shot;
        bool writingShot = false;
        for (size_t i = 0; i < run.size(); ++i) {
            const Widgets shown = AwaitQuestion(run, i);
            if (shown.empty())
                return {};
            if (shoot && shot.insert(run[i].kind).second)
                Shoot("21_exercise_" + std::string(KindName(run[i].kind)));
            if (right)
                AnswerRight(run[i], shown);
            else
                AnswerWrong(run[i]);
            const auto answered = m_exercise.WaitFor([](const Widgets& all) {
                return !Find(all, "BitmapButton", "next", kExerciseWindow).empty();
            });
            if (!answered) {
                ADD_FAILURE() << "question " << i + 1 << " (" << KindName(run[i].kind) << ") was not taken";
                return {};
            }
            const std::string feedback = ShownText(*answered, "QLabel", "feedback");
            EXPECT_EQ(feedback == m_texts.Get(ExerciseText::Wrong) ||
                          feedback == m_texts.Get(ExerciseText::WritingWrong),
                      !right)
                << "question " << i + 1 << " (" << KindName(run[i].kind) << ") says " << feedback;
            if (shoot && run[i].kind == QuestionKind::Writing && !writingShot)
                Shoot("21_exercise_writing_answered");
            writingShot = writingShot || run[i].kind == QuestionKind::Writing;
            ClickWidget(m_exercise, "BitmapButton", "next", kExerciseWindow);
        }
        const auto result = m_exercise.WaitFor(
            [](const Widgets& all) { return !Find(all, "QLabel", "score", kExerciseWindow).empty(); });
        return result ? ShownText(*result, "QLabel", "score") : std::string("no result page");
    }

    std::string StoredScore(const std::string& userId) {
        return CourseText(SqlQuery::Format(sql::kUserLessonScore, {userId, kLesson}), "score");
    }

    CompanionProgram m_exercise{Program() + "/exercise", m_root / "probe/exercise", LogFolder()};
    ExerciseTexts m_texts;
};

TEST_F(LessonExercise, RunAnsweredRightFinishesTheLessonAndAWrongRunKeepsTheBest) {
    auto program = StartProgram();
    ASSERT_NO_FATAL_FAILURE(LogInAsNewUser(*program, false));
    const std::string userId = StoredUserId();
    ASSERT_FALSE(userId.empty());
    ASSERT_NO_FATAL_FAILURE(StartExercise(*program));

    // Every question answered right: the score is 100 and kept.
    const std::vector<Question> firstRun = CurrentRun(1);
    ASSERT_FALSE(firstRun.empty());
    EXPECT_EQ(AnswerRun(firstRun, true, true), "100");
    EXPECT_EQ(ShownText(m_exercise.Describe(), "QLabel", "kept"), m_texts.Get(ExerciseText::SavedBetter));
    Shoot("22_exercise_result");
    EXPECT_EQ(StoredScore(userId), "100");

    // "Try again", every question answered wrong: the run scores 0; the best score stays.
    ClickWidget(m_exercise, "BitmapButton", "next", kExerciseWindow);
    const std::vector<Question> secondRun = CurrentRun(2);
    ASSERT_FALSE(secondRun.empty());
    EXPECT_EQ(AnswerRun(secondRun, false, false), "0");
    EXPECT_EQ(ShownText(m_exercise.Describe(), "QLabel", "kept"),
              QString::fromStdString(m_texts.Get(ExerciseText::Saved)).arg(100).toStdString());
    Shoot("23_exercise_second_result");
    EXPECT_EQ(StoredScore(userId), "100");

    // Back in the catalogue lesson 1 shows the face of a finished lesson.
    CloseCompanion(m_exercise, kExerciseWindow);
    ClickWidget(*program, "BitmapButton", kCloseLessonButton, "CLessonWindow");
    const std::set<int> finishedFaces{artwork::LessonFaceId(kLesson, catalog::kFinished, false),
                                      artwork::LessonFaceId(kLesson, catalog::kFinished, true)};
    EXPECT_TRUE(program->WaitFor([&](const Widgets& all) {
        const Widgets button = Find(all, "BitmapButton", kLessonOneButton, "CLessonCatalogDlg");
        return Find(all, "CLessonWindow").empty() && !button.empty() &&
               finishedFaces.count(button.front().face);
    })) << "lesson 1 does not show as finished";
    Shoot("24_catalogue_lesson_finished");
    Exit(*program);
}

// Every file and folder under `root` with its size, mode and modification time.
std::map<std::string, std::string> TreeState(const std::string& root) {
    std::map<std::string, std::string> state;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ec)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        state[entry.path().string()] = std::to_string(info.st_size) + " " + std::to_string(info.st_mode) +
                                       " " + std::to_string(info.st_mtim.tv_sec) + "." +
                                       std::to_string(info.st_mtim.tv_nsec);
    }
    return state;
}

// The package as installed for all users: the program folder under the prefix is read-only (and
// would be so for the learner even where the test runs as root, which the snapshot catches).
class InstalledLessonExercise : public LessonExercise {
protected:
    InstalledLessonExercise() : LessonExercise(true) {}
};

TEST_F(InstalledLessonExercise, ALearnerWorksFromAReadOnlyProgramFolderAndNothingIsWrittenThere) {
    const auto installed = TreeState(m_root / "dest");
    ASSERT_FALSE(installed.empty());
    auto program = StartProgram();
    ASSERT_NO_FATAL_FAILURE(LogInAsNewUser(*program, false));
    const std::string userId = StoredUserId();
    ASSERT_FALSE(userId.empty()) << "the new user was not stored";
    ASSERT_NO_FATAL_FAILURE(StartExercise(*program));
    const std::string scratch = ScratchFolder();
    ASSERT_FALSE(scratch.empty()) << "the program made no scratch folder of its own";
    struct stat info {};
    ASSERT_EQ(stat(scratch.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "the scratch folder is open to others";

    const std::vector<Question> run = CurrentRun(1);
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(AnswerRun(run, true, false), "100");
    EXPECT_EQ(StoredScore(userId), "100");
    CloseCompanion(m_exercise, kExerciseWindow);
    CloseLesson(*program);
    Exit(*program);

    EXPECT_EQ(ScratchFolders(), std::vector<std::string>{}) << "a scratch folder was left behind";
    EXPECT_EQ(TreeState(m_root / "dest"), installed) << "something was written under the prefix";
}

} // namespace
