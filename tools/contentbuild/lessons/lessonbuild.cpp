// lessonbuild: reads and checks the lesson sources, prints the lesson-by-lesson summary and, with
// --db, writes the lesson database (keeping the user accounts of an existing one) with the
// pictures of every lesson; with --program-pictures it draws the program folder's pictures of each
// interface language instead. Both take the texts drawn into pictures from --texts.
//
//   lessonbuild <lessons folder> [--db <path of lesson.dll>] [--program-pictures <program folder>]
//               [--texts <folder of picture-texts_<s>.ini>]
#include "LessonCourse.h"
#include "LessonDatabaseWriter.h"
#include "LessonPictureStep.h"
#include "LessonSummary.h"
#include "ProgramPictures.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

constexpr char kUsage[] = "usage: lessonbuild <lessons folder> [--db <lesson.dll>] [--program-pictures "
                          "<program folder>] [--texts <folder>]\n";

struct Arguments {
    std::string folder;
    std::string database;
    std::string programFolder;
    std::string textsFolder;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--db" && i + 1 < argc)
            args.database = argv[++i];
        else if (arg == "--program-pictures" && i + 1 < argc)
            args.programFolder = argv[++i];
        else if (arg == "--texts" && i + 1 < argc)
            args.textsFolder = argv[++i];
        else if (args.folder.empty() && arg.rfind("--", 0) != 0)
            args.folder = arg;
        else
            return false;
    }
    // Pictures are drawn with the texts of every language.
    const bool drawsPictures = !args.database.empty() || !args.programFolder.empty();
    return !args.folder.empty() && (!drawsPictures || !args.textsFolder.empty());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Arguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    lessons::LessonCourse course;
    std::vector<std::string> problems;
    const bool ok = lessons::LoadCourse(args.folder, course, problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (!ok) {
        std::fprintf(stderr, "lessonbuild: %zu problem(s) in the lesson sources\n", problems.size());
        return 1;
    }
    std::vector<lessons::PictureTexts> texts;
    std::string error;
    if (!args.textsFolder.empty() &&
        !lessons::LoadPictureTexts(args.textsFolder, course.languages, texts, error)) {
        std::fprintf(stderr, "lessonbuild: %s\n", error.c_str());
        return 1;
    }
    if (!args.programFolder.empty()) {
        if (!lessons::WriteProgramPictures(args.programFolder, texts, error)) {
            std::fprintf(stderr, "lessonbuild: %s\n", error.c_str());
            return 1;
        }
        std::printf("drew the program pictures of %zu language(s) in %s\n", texts.size(),
                    args.programFolder.c_str());
        if (args.database.empty())
            return 0;
    }
    const std::string language = course.languages.front();
    std::printf("%s", lessons::FormatSummary(lessons::CountLessons(course.lessons, language)).c_str());

    if (!args.database.empty()) {
        lessons::LessonDatabaseWriter writer(course.languages);
        const lessons::LessonPictureStep pictures(texts);
        writer.AddStep(pictures);
        if (!writer.Write(args.database, course.lessons)) {
            std::fprintf(stderr, "lessonbuild: %s\n", writer.Error().c_str());
            return 1;
        }
        std::printf("wrote %s (%zu lessons, %d pictures; kept %d user account(s) and %d lesson score(s))\n",
                    args.database.c_str(), course.lessons.size(), pictures.Stored(), writer.CarriedUsers(),
                    writer.CarriedScores());
    }
    return 0;
}
