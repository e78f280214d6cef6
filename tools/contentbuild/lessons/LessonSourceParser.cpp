#include "LessonSourceParser.h"

#include "app/FileUtils.h"
#include "app/TextEncoding.h"

#include <algorithm>

namespace lessons {
namespace {

bool IsName(std::string_view s) {
    return !s.empty() && s.size() <= 32 && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

bool IsKey(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '.'; });
}

// A language suffix key: two or three lower-case letters other than the keys of Chinese text.
bool IsLanguage(std::string_view s) {
    return s.size() >= 2 && s.size() <= 3 && IsKey(s) && s.find('.') == std::string_view::npos && s != "zh" &&
           s != "py" && s != "pos";
}

// "title.en" -> "en" when the key is `prefix` followed by a language.
bool LanguageAfter(const std::string& key, std::string_view prefix, std::string& language) {
    if (key.size() <= prefix.size() + 1 || key.compare(0, prefix.size(), prefix) != 0 ||
        key[prefix.size()] != '.')
        return false;
    language = key.substr(prefix.size() + 1);
    return IsLanguage(language);
}

} // namespace

std::string TextIn(const Translations& texts, const std::string& language) {
    const auto it = texts.find(language);
    return it == texts.end() ? std::string() : it->second;
}

std::vector<ChineseText> ChineseLines(const LessonSource& lesson) {
    std::vector<ChineseText> lines;
    for (const Speaker& s : lesson.speakers)
        lines.push_back({&s.place, &s.words, &s.pinyin});
    for (const ChildLesson& child : lesson.childLessons)
        for (const Sentence& s : child.sentences)
            lines.push_back({&s.place, &s.words, &s.pinyin});
    for (const NewWord& w : lesson.newWords)
        lines.push_back({&w.place, &w.word, &w.pinyin});
    for (const Note& n : lesson.notes)
        lines.push_back({&n.place, &n.words, &n.pinyin});
    for (const LanguagePoint& p : lesson.languagePoints)
        for (const Example& e : p.examples)
            lines.push_back({&e.place, &e.words, &e.pinyin});
    for (const TypicalSentence& t : lesson.typicalSentences) {
        lines.push_back({&t.place, &t.words, &t.pinyin});
        for (const TypicalDemo& d : t.demos)
            lines.push_back({&d.place, &d.words, &d.pinyin});
    }
    return lines;
}

const Speaker* LessonSource::FindSpeaker(const std::string& key) const {
    for (const Speaker& s : speakers)
        if (s.key == key)
            return &s;
    return nullptr;
}

const Note* LessonSource::FindNote(const std::string& id) const {
    for (const Note& n : notes)
        if (n.id == id)
            return &n;
    return nullptr;
}

bool LessonSourceParser::ParseFile(const std::string& path, LessonSource& lesson) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        m_errors.assign(1, path + ": cannot read the file");
        return false;
    }
    return Parse(path, *bytes, lesson);
}

bool LessonSourceParser::Parse(const std::string& file, std::string_view bytes, LessonSource& lesson) {
    m_file = file;
    m_line = 0;
    m_lesson = &lesson;
    lesson = LessonSource{};
    lesson.place = {file, 1};
    m_block = Block::None;
    m_seenLesson = false;
    m_lastValue = nullptr;
    m_errors.clear();
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    while (!bytes.empty() || m_line == 0) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++m_line;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (text::IsValidUtf8(line))
            ParseLine(line);
        else
            Error("the line is not UTF-8 text");
        if (end == std::string_view::npos)
            break;
    }
    if (!m_seenLesson) {
        m_line = 1;
        Error("the file has no [lesson <number>] block");
    }
    return m_errors.empty();
}

void LessonSourceParser::ParseLine(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.empty() || line.find_first_not_of(" \t") == std::string_view::npos) {
        m_lastValue = nullptr;
        return;
    }
    if (line.front() == '#')
        return;
    if (line.front() == ' ' || line.front() == '\t') {
        // A continuation line extends the value above it with a new line of text.
        if (!m_lastValue)
            return Error("an indented line continues a value, but no \"key: value\" line is right above it");
        *m_lastValue += "\n" + text::Trim(line);
        return;
    }
    m_lastValue = nullptr;
    if (line.front() == '[') {
        if (line.back() != ']')
            return Error("a block header must end with ']'");
        return StartBlock(line.substr(1, line.size() - 2));
    }
    const size_t colon = line.find(':');
    const std::string key(line.substr(0, colon));
    if (colon == std::string_view::npos || !IsKey(key))
        return Error("expected \"key: value\", a [block] header or a # comment");
    const std::string value = text::Trim(line.substr(colon + 1));
    if (value.empty())
        return Error("\"" + key + "\" has no value");
    SetField(key, value);
}

void LessonSourceParser::StartBlock(std::string_view header) {
    const std::string head = text::Trim(header);
    const size_t space = head.find(' ');
    const std::string kind = head.substr(0, space);
    const std::string arg = space == std::string::npos ? std::string() : text::Trim(head.substr(space + 1));
    LessonSource& lesson = *m_lesson;
    const bool needsArg = kind == "lesson" || kind == "speaker" || kind == "note";
    const bool mayHaveArg = needsArg || kind == "sentence";
    if (needsArg && arg.empty())
        return Error("[" + kind + "] needs a name or number after it");
    if (!mayHaveArg && !arg.empty())
        return Error("[" + kind + "] takes nothing after it");
    if (!arg.empty() && !IsName(arg))
        return Error("\"" + arg + "\" is no valid name (letters, digits and '_' only)");
    if (kind != "lesson" && !m_seenLesson)
        return Error("the file must begin with a [lesson <number>] block");

    m_block = Block::None;
    if (kind == "lesson") {
        if (m_seenLesson)
            return Error("a second [lesson] block");
        const bool digits = std::all_of(arg.begin(), arg.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || arg.size() > 2 || std::stoi(arg) < 1)
            return Error("the lesson number must be a number from 1 to 99");
        m_seenLesson = true;
        lesson.number = std::stoi(arg);
        lesson.place = Here();
        m_block = Block::Lesson;
    } else if (kind == "speaker") {
        if (lesson.FindSpeaker(arg))
            return Error("speaker \"" + arg + "\" is defined twice");
        lesson.speakers.push_back({Here(), arg, {}, {}, {}});
        m_block = Block::Speaker;
    } else if (kind == "child") {
        lesson.childLessons.push_back({Here(), {}, {}});
        m_block = Block::Child;
    } else if (kind == "sentence") {
        if (lesson.childLessons.empty())
            return Error("a [sentence] before the first [child] block");
        lesson.childLessons.back().sentences.push_back({Here(), arg, {}, {}, {}, {}});
        m_block = Block::Sentence;
    } else if (kind == "word") {
        lesson.newWords.push_back({Here(), {}, {}, {}, {}});
        m_block = Block::Word;
    } else if (kind == "note") {
        if (lesson.FindNote(arg))
            return Error("note \"" + arg + "\" is defined twice");
        lesson.notes.push_back({Here(), arg, {}, {}, {}});
        m_block = Block::Note;
    } else if (kind == "point") {
        lesson.languagePoints.push_back({Here(), {}, {}, {}});
        m_block = Block::Point;
    } else if (kind == "example") {
        if (lesson.languagePoints.empty())
            return Error("an [example] before the first [point] block");
        lesson.languagePoints.back().examples.push_back({Here(), {}, {}, {}});
        m_block = Block::Example;
    } else if (kind == "pattern") {
        lesson.typicalSentences.push_back({Here(), {}, {}, {}, {}});
        m_block = Block::Pattern;
    } else if (kind == "demo") {
        if (lesson.typicalSentences.empty())
            return Error("a [demo] before the first [pattern] block");
        lesson.typicalSentences.back().demos.push_back({Here(), {}, {}, {}, {}, {}, {}});
        m_block = Block::Demo;
    } else {
        Error("unknown block [" + kind + "]");
    }
}

LessonSourceParser::BlockFields LessonSourceParser::CurrentFields() {
    LessonSource& lesson = *m_lesson;
    switch (m_block) {
    case Block::None:
        break;
    case Block::Lesson:
        return {{}, nullptr, {{"title", &lesson.title}}};
    case Block::Speaker: {
        Speaker& s = lesson.speakers.back();
        return {{{"zh", &s.words}, {"py", &s.pinyin}}, &s.title, {}};
    }
    case Block::Child:
        return {{}, nullptr, {{"title", &lesson.childLessons.back().title}}};
    case Block::Sentence: {
        Sentence& s = lesson.childLessons.back().sentences.back();
        return {{{"zh", &s.words}, {"py", &s.pinyin}, {"note", &s.noteId}}, &s.translation, {}};
    }
    case Block::Word: {
        NewWord& w = lesson.newWords.back();
        return {{{"zh", &w.word}, {"py", &w.pinyin}, {"pos", &w.partOfSpeech}}, &w.explanation, {}};
    }
    case Block::Note: {
        Note& n = lesson.notes.back();
        return {{{"zh", &n.words}, {"py", &n.pinyin}}, &n.text, {}};
    }
    case Block::Point: {
        LanguagePoint& p = lesson.languagePoints.back();
        return {{}, &p.text, {{"title", &p.title}}};
    }
    case Block::Example: {
        Example& e = lesson.languagePoints.back().examples.back();
        return {{{"zh", &e.words}, {"py", &e.pinyin}}, &e.translation, {}};
    }
    case Block::Pattern: {
        TypicalSentence& t = lesson.typicalSentences.back();
        return {{{"zh", &t.words}, {"py", &t.pinyin}}, &t.translation, {}};
    }
    case Block::Demo: {
        TypicalDemo& d = lesson.typicalSentences.back().demos.back();
        return {{{"zh", &d.words}, {"py", &d.pinyin}, {"part", &d.partWords}, {"partpy", &d.partPinyin}},
                &d.translation,
                {{"meaning", &d.meaning}}};
    }
    }
    return {};
}

void LessonSourceParser::SetField(const std::string& key, const std::string& value) {
    if (m_block == Block::None)
        return Error("\"" + key + "\" outside a block (a block header failed above)");
    const BlockFields fields = CurrentFields();
    for (const auto& [name, field] : fields.texts)
        if (key == name)
            return SetText(*field, key, value);
    std::string language;
    for (const auto& [prefix, texts] : fields.prefixed)
        if (LanguageAfter(key, prefix, language))
            return SetTranslation(*texts, language, value);
    if (fields.translations && IsLanguage(key))
        return SetTranslation(*fields.translations, key, value);
    Error("\"" + key + "\" does not belong in this block");
}

void LessonSourceParser::SetText(std::string& field, const std::string& key, const std::string& value) {
    if (!field.empty())
        return Error("\"" + key + "\" is given twice in this block");
    field = value; // Chinese lines and names never continue on the next line
    m_lastValue = nullptr;
}

void LessonSourceParser::SetTranslation(Translations& map, const std::string& language,
                                        const std::string& value) {
    const auto [it, inserted] = map.emplace(language, value);
    if (!inserted)
        return Error("the \"" + language + "\" text is given twice in this block");
    m_lastValue = &it->second;
}

void LessonSourceParser::Error(const std::string& message) {
    m_errors.push_back(m_file + ":" + std::to_string(m_line) + ": " + message);
}

} // namespace lessons
