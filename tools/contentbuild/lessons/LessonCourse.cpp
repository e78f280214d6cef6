#include "LessonCourse.h"

#include "LessonChecker.h"
#include "LessonSourceParser.h"

#include "app/FileUtils.h"
#include "app/TextEncoding.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace lessons {

bool ReadLanguages(const std::string& path, std::vector<std::string>& languages,
                   std::vector<std::string>& problems) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        problems.push_back(path + ": cannot read the list of languages");
        return false;
    }
    const std::regex suffix("[a-z]{2,3}");
    int lineNumber = 0;
    size_t start = 0;
    while (start <= bytes->size()) {
        const size_t end = std::min(bytes->find('\n', start), bytes->size());
        const std::string line = text::Trim(bytes->substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (!std::regex_match(line, suffix))
            problems.push_back(path + ":" + std::to_string(lineNumber) + ": \"" + line +
                               "\" is no language suffix (two or three lower-case letters)");
        else
            languages.push_back(line);
    }
    if (languages.empty())
        problems.push_back(path + ": no language listed");
    return problems.empty();
}

bool LoadCourse(const std::string& folder, LessonCourse& course, std::vector<std::string>& problems,
                bool courseSizes) {
    namespace fs = std::filesystem;
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    ReadLanguages(base + "languages.txt", course.languages, problems);

    std::vector<std::string> files;
    std::error_code ec;
    const std::regex name("lesson[0-9][0-9]\\.txt");
    for (const fs::directory_entry& entry : fs::directory_iterator(base, ec))
        if (entry.is_regular_file() && std::regex_match(entry.path().filename().string(), name))
            files.push_back(entry.path().string());
    if (ec)
        problems.push_back(base + ": cannot list the folder (" + ec.message() + ")");
    std::sort(files.begin(), files.end());
    if (files.empty() && !ec)
        problems.push_back(base + ": no lessonNN.txt files");

    LessonSourceParser parser;
    for (const std::string& file : files) {
        LessonSource lesson;
        if (!parser.ParseFile(file, lesson))
            problems.insert(problems.end(), parser.Errors().begin(), parser.Errors().end());
        course.lessons.push_back(std::move(lesson));
    }
    if (problems.empty()) {
        const std::vector<std::string> found = CheckCourse(course.lessons, {course.languages, courseSizes});
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems.empty();
}

} // namespace lessons
