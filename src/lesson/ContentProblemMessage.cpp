#include "lesson/ContentProblemMessage.h"

#include "app/TextEncoding.h"

namespace {

bool Involves(const std::vector<ContentProblems::Problem>& problems, const char* database) {
    for (const auto& problem : problems)
        if (text::EqualsNoCase(problem.database, database))
            return true;
    return false;
}

} // namespace

std::string LessonContentProblemMessage(const std::vector<ContentProblems::Problem>& problems,
                                        int lessonNumber) {
    if (problems.empty())
        return {};
    std::string message = "Part of lesson " + std::to_string(lessonNumber) + " could not be read:\n";
    for (const auto& problem : problems)
        message += "\n- db/" + problem.database + ": " + problem.reason;
    message += "\n\n";
    if (Involves(problems, "word.dll"))
        message += "Chinese characters cannot be drawn and words cannot be looked up; pinyin, "
                   "translations and sounds still work.\n";
    if (Involves(problems, "lesson.dll"))
        message += "What could not be read stays empty; the rest of this lesson and the other lessons "
                   "still work.\n";
    return message + "Reinstalling the program's content repairs damaged databases. The log has the details.";
}
