// The program as a learner meets it, on the default content of the build's program folder
// (configure with TESSALYNE_CONTENT=ON and build the program first), each next to a minimal Qt
// program that opens a window of the catalogue's size and quits after its first paint:
// - start: launching the program until the catalogue is painted (its login is up), as a ratio to
//   the minimal program's launch-to-first-paint; target: within 1.5x;
// - opening the largest lesson (most sentences) until its sentence panel is painted, at each Chinese
//   text size; target: 20 ms at 100 %, and at 200 % at most 1.5x the time at 100 % (ratio_to_100);
//   TESSALYNE_BENCH_DB_DIR names another folder of lesson.dll and word.dll (the end-to-end course,
//   say) when the program folder has no default content;
// - peak memory with that lesson open (this process), next to the minimal program's; target: 80 MB.
// Windows are drawn offscreen, so no display is needed.
#include "app/CProfile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "fixtures/TempFolder.h"
#include "lesson/CLessonWindow.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "lesson/LessonWindowServices.h"
#include "ui/ScrollPanel.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kProgramFolder = TESSALYNE_PROGRAM_DIR "/";

struct ChildRun {
    double seconds = 0;
    double peakMegabytes = 0;
};

// Starts `program` with the offscreen platform and its own runtime and configuration folders;
// the run ends when `done` holds (polled) or the program ends by itself.
template <class Done>
ChildRun RunChild(const std::string& program, Done done, const char* argument = nullptr) {
    TempFolder home;
    MakeDirectoryPath(home / "runtime");
    chmod((home / "runtime").c_str(), 0700);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
        execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    ChildRun run;
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (done()) {
            run.seconds = clock.nsecsElapsed() / 1e9;
            kill(pid, SIGTERM);
            wait4(pid, &status, 0, &usage);
            run.peakMegabytes = usage.ru_maxrss / 1024.0;
            return run;
        }
        usleep(500);
    }
    run.seconds = clock.nsecsElapsed() / 1e9;
    run.peakMegabytes = usage.ru_maxrss / 1024.0;
    return run;
}

ChildRun RunMinimalWindow(const char* argument = nullptr) {
    return RunChild(
        MINIMAL_WINDOW_EXECUTABLE, [] { return false; }, argument);
}

size_t LogSize() {
    return ReadWholeFile(kProgramFolder + "Log/tessalyne.log").value_or("").size();
}

// Launch until the catalogue's first paint is in the log.
ChildRun RunProgramToCatalogue() {
    const size_t logStart = LogSize();
    return RunChild(kProgramFolder + "tessalyne", [&] {
        // The program may start a new log file (the old one is kept under another name).
        const std::string log = ReadWholeFile(kProgramFolder + "Log/tessalyne.log").value_or("");
        return log.find("OnPaint.2", log.size() < logStart ? 0 : logStart) != std::string::npos;
    });
}

void BM_StartUntilCatalogueIsPainted(benchmark::State& state) {
    double program = 0, minimal = 0, withText = 0;
    for (auto _ : state) {
        const ChildRun yardstick = RunMinimalWindow();
        const ChildRun textYardstick = RunMinimalWindow("--with-text");
        const ChildRun run = RunProgramToCatalogue();
        program += run.seconds;
        minimal += yardstick.seconds;
        withText += textYardstick.seconds;
        state.SetIterationTime(run.seconds);
        state.counters["program_peak_MB"] = run.peakMegabytes;
        state.counters["minimal_peak_MB"] = yardstick.peakMegabytes;
    }
    state.counters["minimal_ms"] = 1000 * minimal / state.iterations();
    state.counters["ratio_to_minimal"] = program / minimal; // target: at most 1.5
    // What setting up the fonts alone costs the minimal program.
    state.counters["text_floor_ratio"] = withText / minimal;
}
BENCHMARK(BM_StartUntilCatalogueIsPainted)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The lesson with the most sentences.
int LargestLesson(CADODatabase& db) {
    CADORecordset rs;
    SqlQuery query = SqlQuery::Format(
        "select c.lessonid as lesson, count(*) as n from tbl_lesson_sentence s join tbl_lesson_childlesson c "
        "on s.childlessonid = c.id group by c.lessonid order by n desc",
        {});
    int lesson = 1;
    if (rs.Open(&db, query) && !rs.IsEOF())
        rs.GetFieldValue("lesson", lesson);
    return lesson;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The folder of the content databases.
std::string DatabaseFolder() {
    const char* folder = std::getenv("TESSALYNE_BENCH_DB_DIR");
    return folder && *folder ? std::string(folder) + "/" : kProgramFolder + "db/";
}

void BM_OpenLargestLessonUntilTheTextIsPainted(benchmark::State& state) {
    // Mean opening time per text size, for the ratio of the larger sizes to 100 %; on a busy machine
    // the processor time of this process says more than the time on the clock.
    static std::map<int, double> meanSeconds;
    static std::map<int, double> meanCpuSeconds;
    const int textSize = static_cast<int>(state.range(0));
    CADODatabase lessonDb, wordDb;
    if (!lessonDb.Open("Data Source=" + DatabaseFolder() + "lesson.dll") ||
        !wordDb.Open("Data Source=" + DatabaseFolder() + "word.dll")) {
        state.SkipWithError("no default content in the program folder (build with TESSALYNE_CONTENT=ON)");
        return;
    }
    TempFolder scratch;
    OverrideProgramFolder(kProgramFolder);
    g_pLessonDb = &lessonDb;
    g_pWordDb = &wordDb;
    g_strLangSuffix = "en";
    g_strTempLessonDir = scratch / "templesson";
    MakeDirectoryPath(g_strTempLessonDir);
    g_lessonSettings.Load(kProgramFolder + "lesson_res\\lessonres_en.ini");
    g_lessonSettings.m_effective.chineseTextSize = textSize;
    DrawWordsInDisplayColours();
    const int lesson = LargestLesson(lessonDb);
    // One lesson window opened until its text is painted; the time it took.
    LessonContentService content(&lessonDb, &wordDb, "en");
    auto openLesson = [lesson, &content] {
        QElapsedTimer clock;
        clock.start();
        CLessonWindow window(content, nullptr);
        window.SetLessonNumber(lesson);
        window.InitDialog();
        PaintCounter counter;
        QWidget* panel = window.Panes().SentencePanel();
        panel->installEventFilter(&counter);
        window.show();
        while (counter.paints == 0 && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double seconds = clock.nsecsElapsed() / 1e9;
        window.hide();
        return seconds;
    };
    openLesson(); // once untimed, so that every size is measured with the files in the cache
    double total = 0;
    double totalCpu = 0;
    for (auto _ : state) {
        const std::clock_t cpuStart = std::clock();
        const double seconds = openLesson();
        totalCpu += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        state.SetIterationTime(seconds);
        total += seconds;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_MB"] = usage.ru_maxrss / 1024.0; // target: at most 80
    }
    state.counters["lesson"] = lesson;
    meanSeconds[textSize] = total / static_cast<double>(state.iterations());
    meanCpuSeconds[textSize] = totalCpu / static_cast<double>(state.iterations());
    if (meanSeconds.count(100) && textSize != 100) {
        state.counters["ratio_to_100"] = meanSeconds[textSize] / meanSeconds[100]; // target at 200: 1.5
        state.counters["cpu_ratio_to_100"] = meanCpuSeconds[textSize] / meanCpuSeconds[100];
    }
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
    OverrideProgramFolder("");
}
BENCHMARK(BM_OpenLargestLessonUntilTheTextIsPainted)
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->UseManualTime()
    ->Iterations(9)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The learner's files of these runs stay out of the real home.
    TempFolder home;
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
    QApplication app(argc, argv);
    g_profile.SetRegistryKey("Tessalyne", "tessalyne");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
