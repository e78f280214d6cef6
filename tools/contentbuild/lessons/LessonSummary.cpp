#include "LessonSummary.h"

#include "PinyinText.h"

#include <cstdio>
#include <set>

namespace lessons {
namespace {

std::string Line(const char* name, const LessonCounts& c) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%-6s %6d %9d %6d %6d %7d %8d %9d %6d %10d  %s\n", name,
                  c.childLessons, c.sentences, c.newWords, c.notes, c.languagePoints, c.typicalSentences,
                  c.examples, c.characters, c.newCharacters, c.title.c_str());
    return buffer;
}

} // namespace

std::vector<LessonCounts> CountLessons(const std::vector<LessonSource>& lessons,
                                       const std::string& language) {
    std::vector<LessonCounts> out;
    std::set<std::string> known;
    for (const LessonSource& lesson : lessons) {
        LessonCounts c;
        c.number = lesson.number;
        c.childLessons = static_cast<int>(lesson.childLessons.size());
        for (const ChildLesson& child : lesson.childLessons)
            c.sentences += static_cast<int>(child.sentences.size());
        c.newWords = static_cast<int>(lesson.newWords.size());
        c.notes = static_cast<int>(lesson.notes.size());
        c.languagePoints = static_cast<int>(lesson.languagePoints.size());
        c.typicalSentences = static_cast<int>(lesson.typicalSentences.size());
        for (const TypicalSentence& t : lesson.typicalSentences)
            c.examples += static_cast<int>(t.demos.size());
        std::set<std::string> used;
        for (const ChineseText& text : ChineseLines(lesson))
            for (const std::string& character : HanCharacters(*text.words))
                used.insert(character);
        c.characters = static_cast<int>(used.size());
        for (const std::string& character : used)
            c.newCharacters += known.insert(character).second ? 1 : 0;
        const auto title = lesson.title.find(language);
        c.title = title == lesson.title.end() ? std::string() : title->second;
        out.push_back(c);
    }
    return out;
}

std::string FormatSummary(const std::vector<LessonCounts>& counts) {
    std::string out =
        "lesson  child sentences  words  notes  points  typical  examples  chars  new chars  title\n";
    LessonCounts total;
    for (const LessonCounts& c : counts) {
        out += Line(std::to_string(c.number).c_str(), c);
        total.childLessons += c.childLessons;
        total.sentences += c.sentences;
        total.newWords += c.newWords;
        total.notes += c.notes;
        total.languagePoints += c.languagePoints;
        total.typicalSentences += c.typicalSentences;
        total.examples += c.examples;
        total.newCharacters += c.newCharacters;
    }
    // Over the whole course every distinct character is new exactly once.
    total.characters = total.newCharacters;
    total.title = std::to_string(counts.size()) + " lessons";
    out += Line("total", total);
    return out;
}

} // namespace lessons
