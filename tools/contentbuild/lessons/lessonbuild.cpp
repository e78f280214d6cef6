// lessonbuild: reads and checks the lesson sources, prints the lesson-by-lesson summary and, with
// --db, writes the lesson database (keeping the user accounts of an existing one).
//
//   lessonbuild <lessons folder> [--db <path of lesson.dll>]
#include "LessonCourse.h"
#include "LessonDatabaseWriter.h"
#include "LessonSummary.h"
#include "SceneStep.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    // The pictures and scenes are drawn with fonts, which need a GUI application (offscreen).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string folder;
    std::string database;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--db" && i + 1 < argc)
            database = argv[++i];
        else if (folder.empty() && arg.rfind("--", 0) != 0)
            folder = arg;
        else {
            std::fprintf(stderr, "usage: lessonbuild <lessons folder> [--db <lesson.dll>]\n");
            return 2;
        }
    }
    if (folder.empty()) {
        std::fprintf(stderr, "usage: lessonbuild <lessons folder> [--db <lesson.dll>]\n");
        return 2;
    }

    lessons::LessonCourse course;
    std::vector<std::string> problems;
    const bool ok = lessons::LoadCourse(folder, course, problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (!ok) {
        std::fprintf(stderr, "lessonbuild: %zu problem(s) in the lesson sources\n", problems.size());
        return 1;
    }
    const std::string language = course.languages.front();
    std::printf("%s", lessons::FormatSummary(lessons::CountLessons(course.lessons, language)).c_str());

    if (!database.empty()) {
        lessons::LessonDatabaseWriter writer(course.languages);
        writer.AddStep(lessons::FillScenes);
        if (!writer.Write(database, course.lessons)) {
            std::fprintf(stderr, "lessonbuild: %s\n", writer.Error().c_str());
            return 1;
        }
        std::printf("wrote %s (%zu lessons; kept %d user account(s) and %d lesson score(s))\n",
                    database.c_str(), course.lessons.size(), writer.CarriedUsers(), writer.CarriedScores());
    }
    return 0;
}
