#pragma once

#include "LessonSource.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lessons {

// Reads the text of one lesson source file (the format of content/lessons/FORMAT.md) into a
// LessonSource. Reading goes on after a mistake, so one run reports every line that is wrong;
// each message reads "<file>:<line>: <what is wrong>".
class LessonSourceParser {
public:
    bool Parse(const std::string& file, std::string_view bytes, LessonSource& lesson);
    bool ParseFile(const std::string& path, LessonSource& lesson);

    const std::vector<std::string>& Errors() const { return m_errors; }

private:
    enum class Block { None, Lesson, Speaker, Child, Sentence, Word, Note, Point, Example, Pattern, Demo };

    // The fields the current block accepts: plain keys ("zh"), language keys ("en") and
    // language keys after a prefix ("title.en").
    struct BlockFields {
        std::vector<std::pair<const char*, std::string*>> texts;
        Translations* translations = nullptr;
        std::vector<std::pair<const char*, Translations*>> prefixed;
    };

    void ParseLine(std::string_view line);
    BlockFields CurrentFields();
    void StartBlock(std::string_view header);
    void SetField(const std::string& key, const std::string& value);
    void SetText(std::string& field, const std::string& key, const std::string& value);
    void SetTranslation(Translations& map, const std::string& language, const std::string& value);
    void Error(const std::string& message);
    SourcePlace Here() const { return {m_file, m_line}; }

    std::string m_file;
    int m_line = 0;
    LessonSource* m_lesson = nullptr;
    Block m_block = Block::None;
    bool m_seenLesson = false;
    std::string* m_lastValue = nullptr; // the value a continuation line extends
    std::vector<std::string> m_errors;
};

} // namespace lessons
