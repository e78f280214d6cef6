// lessonbuild: reads and checks the lesson sources, prints the lesson-by-lesson summary and, with
// --db, writes the lesson database (keeping the user accounts of an existing one) with the
// pictures of every lesson. With the open data and the word database built from it, the pinyin of
// every word is checked against the dictionary and every character against the word database;
// --sounds speaks the texts. With --program-pictures it draws the program folder's pictures of
// each interface language instead. Pictures take their interface texts from --texts.
//
//   lessonbuild <lessons folder> [--db <path of lesson.dll>] [--sounds]
//               [--dictionary <CC-CEDICT> --character-list <character frequency list>]
//               [--word-db <path of word.dll>]
//               [--program-pictures <program folder>] [--texts <folder of picture-texts_<s>.ini>]
#include "LessonCourse.h"
#include "LessonDatabaseWriter.h"
#include "LessonPictureStep.h"
#include "LessonReadingCheck.h"
#include "LessonSounds.h"
#include "LessonSummary.h"
#include "ProgramPictures.h"
#include "SceneStep.h"

#include <QGuiApplication>

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace {

constexpr const char* kUsage = "usage: lessonbuild <lessons folder> [--db <lesson.dll>] [--sounds] "
                               "[--dictionary <cedict> --character-list <list>] [--word-db <word.dll>] "
                               "[--program-pictures <program folder>] [--texts <folder>]\n";

bool TakesValue(const std::string& option) {
    return option == "--db" || option == "--dictionary" || option == "--character-list" ||
           option == "--word-db" || option == "--program-pictures" || option == "--texts";
}

// The checks against the open data and the word database, for whichever of them were named.
std::vector<std::string> CheckAgainstData(const std::vector<lessons::LessonSource>& lessons,
                                          std::map<std::string, std::string>& options) {
    std::vector<std::string> problems;
    std::string error;
    if (!options["--dictionary"].empty()) {
        lessons::ReadingDictionary dictionary;
        if (!dictionary.Load(options["--dictionary"], options["--character-list"], error))
            return {error};
        problems = lessons::CheckReadings(lessons, dictionary);
        for (std::string& problem : lessons::CheckCapitals(lessons, dictionary))
            problems.push_back(std::move(problem));
    }
    if (!options["--word-db"].empty()) {
        std::set<std::string> characters;
        if (!lessons::LoadCharactersWithData(options["--word-db"], characters, error))
            return {error};
        for (std::string& problem : lessons::CheckCharacterData(lessons, characters))
            problems.push_back(std::move(problem));
        std::set<std::string> entries;
        if (!lessons::LoadWordEntries(options["--word-db"], entries, error))
            return {error};
        for (std::string& problem : lessons::CheckWordEntries(lessons, entries))
            problems.push_back(std::move(problem));
    }
    return problems;
}

} // namespace

int main(int argc, char** argv) {
    // The pictures and scenes are drawn with fonts, which need a GUI application (offscreen).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string folder;
    std::map<std::string, std::string> options;
    bool sounds = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sounds")
            sounds = true;
        else if (TakesValue(arg) && i + 1 < argc)
            options[arg] = argv[++i];
        else if (folder.empty() && arg.rfind("--", 0) != 0)
            folder = arg;
        else {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        }
    }
    const std::string database = options["--db"];
    const std::string programFolder = options["--program-pictures"];
    const bool drawsPictures = !database.empty() || !programFolder.empty();
    if (folder.empty() || options["--dictionary"].empty() != options["--character-list"].empty() ||
        (drawsPictures && options["--texts"].empty())) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }

    lessons::LessonCourse course;
    std::vector<std::string> problems;
    bool ok = lessons::LoadCourse(folder, course, problems);
    if (ok) {
        problems = CheckAgainstData(course.lessons, options);
        ok = problems.empty();
    }
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (!ok) {
        std::fprintf(stderr, "lessonbuild: %zu problem(s) in the lesson sources\n", problems.size());
        return 1;
    }
    std::vector<lessons::PictureTexts> texts;
    std::string error;
    if (drawsPictures && !lessons::LoadPictureTexts(options["--texts"], course.languages, texts, error)) {
        std::fprintf(stderr, "lessonbuild: %s\n", error.c_str());
        return 1;
    }
    if (!programFolder.empty()) {
        if (!lessons::WriteProgramPictures(programFolder, texts, error)) {
            std::fprintf(stderr, "lessonbuild: %s\n", error.c_str());
            return 1;
        }
        std::printf("drew the program pictures of %zu language(s) in %s\n", texts.size(),
                    programFolder.c_str());
        if (database.empty())
            return 0;
    }
    const std::string language = course.languages.front();
    std::printf("%s", lessons::FormatSummary(lessons::CountLessons(course.lessons, language)).c_str());

    if (!database.empty()) {
        lessons::LessonDatabaseWriter writer(course.languages);
        writer.AddStep(lessons::FillScenes);
        if (sounds)
            writer.AddStep(lessons::FillLessonSounds);
        const lessons::LessonPictureStep pictures(texts);
        writer.AddStep(pictures);
        if (!writer.Write(database, course.lessons)) {
            std::fprintf(stderr, "lessonbuild: %s\n", writer.Error().c_str());
            return 1;
        }
        std::printf("wrote %s (%zu lessons, %d pictures; kept %d user account(s) and %d lesson score(s))\n",
                    database.c_str(), course.lessons.size(), pictures.Stored(), writer.CarriedUsers(),
                    writer.CarriedScores());
    }
    return 0;
}
