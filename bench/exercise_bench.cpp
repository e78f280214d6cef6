// The exercise program on the default content of the build's program folder (configure with
// TESSALYNE_CONTENT=ON and build first; or name another folder holding lesson.dll and word.dll in
// TESSALYNE_BENCH_DB_DIR, such as the end-to-end course's):
// - making a run: reading the largest lesson (the most sentences, new words and examples) and
//   generating its 20 questions, as the program does before its window shows; target: 20 ms;
// - start: launching `exercise <lesson> <user>` until its window with the first question is painted,
//   and `newword --user <name>` until its first card is, each as a ratio to a minimal Qt program's
//   launch until its first paint; target: within 2x. Each program keeps its home folders from one
//   launch to the next, as a desktop session does; its first start, which also creates the
//   learner database, is reported as first_start_ms.
// Windows are drawn offscreen, so no display is needed; Qt's painting log tells when a window is
// first put on the screen.
#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "exercise/ExerciseGenerator.h"
#include "fixtures/TempFolder.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonProgress.h"
#include "lesson/UserAccounts.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <numeric>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kProgramFolder = TESSALYNE_PROGRAM_DIR "/";

std::string ContentFolder() {
    const char* chosen = std::getenv("TESSALYNE_BENCH_DB_DIR");
    return chosen && *chosen ? std::string(chosen) + "/" : kProgramFolder + "db/";
}

struct Content {
    CADODatabase lessonDb, wordDb;
    std::unique_ptr<LessonContentService> service;

    bool Open(const std::string& folder) {
        if (!lessonDb.Open("Data Source=" + folder + "lesson.dll") ||
            !wordDb.Open("Data Source=" + folder + "word.dll"))
            return false;
        service = std::make_unique<LessonContentService>(&lessonDb, &wordDb, "en");
        return true;
    }
};

size_t MaterialSize(const LessonMaterial& lesson) {
    size_t size = lesson.newWords.size();
    for (const auto& dialogue : lesson.dialogues)
        size += dialogue.sentences.size();
    for (const auto& pattern : lesson.patterns)
        size += 1 + pattern.examples.size();
    return size;
}

// The lesson with the most to practise.
int LargestLesson(LessonContentService& service) {
    int largest = 1;
    size_t largestSize = 0;
    for (int lesson = 1; lesson <= 35; ++lesson) {
        LessonMaterial material;
        if (!service.LessonExists(lesson) || !service.ReadLesson(lesson, material))
            continue;
        if (MaterialSize(material) > largestSize) {
            largest = lesson;
            largestSize = MaterialSize(material);
        }
    }
    return largest;
}

void BM_MakeRunOfTheLargestLesson(benchmark::State& state) {
    Content content;
    if (!content.Open(ContentFolder())) {
        state.SkipWithError(
            "no content databases (build with TESSALYNE_CONTENT=ON or set TESSALYNE_BENCH_DB_DIR)");
        return;
    }
    const int lesson = LargestLesson(*content.service);
    std::uint32_t seed = 1;
    size_t questions = 0;
    for (auto _ : state) {
        LessonMaterial material;
        content.service->ReadLesson(lesson, material);
        std::map<int, std::unique_ptr<LessonMaterial>> earlier;
        const auto run = exercise::GenerateExercise(
            material,
            [&](int number) {
                auto& read = earlier[number];
                if (!read) {
                    read = std::make_unique<LessonMaterial>();
                    content.service->ReadLesson(number, *read);
                }
                return read.get();
            },
            seed++);
        questions = run.size();
        benchmark::DoNotOptimize(run.data());
    }
    state.counters["lesson"] = lesson;
    state.counters["questions"] = static_cast<double>(questions);
}
BENCHMARK(BM_MakeRunOfTheLargestLesson)->Unit(benchmark::kMillisecond);

// A program's home folders (runtime, configuration, data, state), kept across its launches as a
// desktop session keeps them: the learner database a first start creates is there the next time.
class ProgramHome {
public:
    ProgramHome() {
        MakeDirectoryPath(m_folder / "runtime");
        chmod((m_folder / "runtime").c_str(), 0700);
    }
    void Export() const {
        setenv("XDG_RUNTIME_DIR", (m_folder / "runtime").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_folder / "data").c_str(), 1);
        setenv("XDG_STATE_HOME", (m_folder / "state").c_str(), 1);
    }

private:
    TempFolder m_folder;
};

// Launches a program drawing offscreen and waits until Qt reports its first flush to the screen;
// the seconds that took, or a negative number when the program ended first.
double SecondsToFirstPaint(const std::string& program, const std::vector<std::string>& arguments,
                           const ProgramHome& home) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("QT_LOGGING_RULES", "qt.widgets.painting=true", 1);
        home.Export();
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string said;
    char buffer[4096];
    double seconds = -1;
    for (ssize_t n; seconds < 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<size_t>(n));
        if (said.find("Flushing") != std::string::npos)
            seconds = clock.nsecsElapsed() / 1e9;
    }
    close(pipeEnds[0]);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return seconds;
}

// A program folder of its own for a practice program: its executable copied (it finds its content
// beside itself), the lesson database copied with a user to practise who has opened every lesson,
// everything else linked.
class PracticeInstallation {
public:
    explicit PracticeInstallation(std::string executable) : m_executable(std::move(executable)) {}

    bool Install(std::string& error) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(kProgramFolder, ec)) {
            const std::string name = entry.path().filename().string();
            if (name != "db" && name != "Log" && name != m_executable)
                fs::create_symlink(entry.path(), fs::path(m_folder.Path()) / name, ec);
        }
        fs::create_directories(m_folder / "db", ec);
        fs::copy_file(kProgramFolder + m_executable, m_folder / m_executable, ec);
        fs::copy_file(ContentFolder() + "lesson.dll", m_folder / "db/lesson.dll", ec);
        fs::create_symlink(ContentFolder() + "word.dll", m_folder / "db/word.dll", ec);
        if (ec) {
            error = ec.message();
            return false;
        }
        CADODatabase db;
        if (!db.Open("Data Source=" + (m_folder / "db/lesson.dll")) ||
            !accounts::CreateUser(&db, "bench", "bench", m_userId, error))
            return false;
        for (int lesson = 1; lesson <= 35; ++lesson)
            progress::MarkLessonOpened(&db, m_userId, lesson, error);
        return true;
    }
    std::string Executable() const { return m_folder / m_executable; }
    const std::string& UserId() const { return m_userId; }

private:
    std::string m_executable;
    TempFolder m_folder;
    std::string m_userId;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// Launches the installed program beside the minimal window program, once per iteration; the ratio
// of the median times to the first paint.
// The first start of a learner, which also creates their learner database, is reported apart:
// the starts timed are the everyday ones.
void MeasureStart(benchmark::State& state, const std::string& executable,
                  const std::vector<std::string>& arguments) {
    const ProgramHome programHome, minimalHome;
    const double firstStart = SecondsToFirstPaint(executable, arguments, programHome);
    if (firstStart < 0 || SecondsToFirstPaint(MINIMAL_WINDOW_EXECUTABLE, {}, minimalHome) < 0) {
        state.SkipWithError("a program ended before its first paint");
        return;
    }
    std::vector<double> program, minimal, withText;
    for (auto _ : state) {
        const double yardstick = SecondsToFirstPaint(MINIMAL_WINDOW_EXECUTABLE, {}, minimalHome);
        const double textYardstick =
            SecondsToFirstPaint(MINIMAL_WINDOW_EXECUTABLE, {"--with-text"}, minimalHome);
        const double run = SecondsToFirstPaint(executable, arguments, programHome);
        if (yardstick < 0 || textYardstick < 0 || run < 0) {
            state.SkipWithError("a program ended before its first paint");
            return;
        }
        program.push_back(run);
        minimal.push_back(yardstick);
        withText.push_back(textYardstick);
        state.SetIterationTime(run);
    }
    state.counters["first_start_ms"] = 1000 * firstStart;
    state.counters["minimal_ms"] = 1000 * Median(minimal);
    // Medians: on a shared machine one launch in fifteen that waits for the processor moved the
    // mean by a fifth. The ratio of the means is reported beside.
    state.counters["ratio_to_minimal"] = Median(program) / Median(minimal); // target: at most 2
    state.counters["mean_ratio_to_minimal"] = Sum(program) / Sum(minimal);
    // What setting up the fonts alone costs the minimal program.
    state.counters["text_floor_ratio"] = Median(withText) / Median(minimal);
}

void BM_ExerciseStartUntilTheFirstQuestionIsPainted(benchmark::State& state) {
    PracticeInstallation installation("exercise");
    std::string error;
    if (!installation.Install(error)) {
        state.SkipWithError(("cannot install the exercise program: " + error).c_str());
        return;
    }
    Content content;
    if (!content.Open(ContentFolder())) {
        state.SkipWithError("no content databases");
        return;
    }
    const std::string lesson = std::to_string(LargestLesson(*content.service));
    MeasureStart(state, installation.Executable(), {lesson, installation.UserId()});
}
BENCHMARK(BM_ExerciseStartUntilTheFirstQuestionIsPainted)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

// The new-word trainer for a learner who has opened every lesson, until its first card is painted.
void BM_TrainerStartUntilTheFirstCardIsPainted(benchmark::State& state) {
    PracticeInstallation installation("newword");
    std::string error;
    if (!installation.Install(error)) {
        state.SkipWithError(("cannot install the trainer: " + error).c_str());
        return;
    }
    MeasureStart(state, installation.Executable(), {"--user", "bench"});
}
BENCHMARK(BM_TrainerStartUntilTheFirstCardIsPainted)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
