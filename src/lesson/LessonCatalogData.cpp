#include "lesson/LessonCatalogData.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/TextEncoding.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "lesson/LessonProgress.h"

#include <cstdio>
#include <exception>

namespace catalog {

int StateFromScore(int score) {
    if (score >= 60)
        return kFinished;
    return score >= 1 ? kStarted : kNotStarted;
}

bool LoadLessonList(CADODatabase* db, const std::string& suffix, LessonList& list) {
    list = {};
    CADORecordset rs;
    if (!OpenContentQuery(rs, db, SqlQuery::Format(sql::kLessonTitles, {suffix})))
        return false;
    try {
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string title;
            int id = 0;
            rs.GetFieldValue("title", title);
            rs.GetFieldValue("id", id);
            list.titles.push_back(title);
            list.ids.push_back(id);
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void LoadLessonStates(CADODatabase* db, const std::string& userId, std::array<int, kLessonCount + 1>& states,
                      int only) {
    const int first = only >= 1 && only <= kLessonCount ? only : 1;
    const int last = only >= 1 && only <= kLessonCount ? only : kLessonCount;
    for (int lesson = first; lesson <= last; ++lesson) {
        CADORecordset rs;
        if (!OpenContentQuery(rs, db, SqlQuery::Format(sql::kUserLessonScore, {userId, lesson})))
            continue;
        int score = 0;
        if (!rs.IsEOF() && rs.GetFieldValue("score", score))
            states[static_cast<size_t>(lesson)] = StateFromScore(score);
    }
    // A lesson the learner has opened counts as started until an exercise score says more.
    for (int lesson : progress::OpenedLessons(db, userId))
        if (lesson >= first && lesson <= last && states[static_cast<size_t>(lesson)] == kNotStarted)
            states[static_cast<size_t>(lesson)] = kStarted;
}

ResumePrompt MakeResumePrompt(bool promptEnabled, int lastLesson, int lastLessonState) {
    ResumePrompt prompt;
    if (!promptEnabled || lastLesson < 1 || lastLesson > kLessonCount)
        return prompt;
    char text[160];
    prompt.ask = true;
    if (lastLessonState == kFinished) {
        std::snprintf(text, sizeof text,
                      "You finished Lesson %d last time, do you want to start a new lesson?", lastLesson);
        prompt.enterOnYes = false;
    } else {
        std::snprintf(text, sizeof text,
                      "You haven't finished Lesson %d you studied last time. Do you want to continue?",
                      lastLesson);
        prompt.enterOnYes = true;
    }
    prompt.text = text;
    return prompt;
}

std::string HelpFile(const std::string& programFolder, const std::string& languageSuffix) {
    for (const std::string& candidate : {"help/" + text::AsciiLower(languageSuffix) + "/index.html",
                                         std::string("help/en/index.html"), std::string("help.chm")}) {
        std::string path = ResolveContentPath(programFolder + candidate);
        if (FileExists(path))
            return path;
    }
    return {};
}

} // namespace catalog
