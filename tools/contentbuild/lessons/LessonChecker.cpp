#include "LessonChecker.h"

#include "CourseWordCheck.h"
#include "PartOfSpeech.h"
#include "PinyinText.h"

#include "app/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace lessons {
namespace {

class Checker {
public:
    Checker(const CheckOptions& options, std::vector<std::string>& problems)
        : m_options(options), m_problems(problems) {}

    void Lesson(const LessonSource& lesson) {
        Texts(lesson.place, lesson.title, "lesson title");
        for (const Speaker& s : lesson.speakers) {
            ChineseLine(s.place, s.words, s.pinyin, "speaker title");
            Texts(s.place, s.title, "speaker title translation");
        }
        for (const ChildLesson& child : lesson.childLessons)
            Child(lesson, child);
        NewWords(lesson);
        for (const Note& n : lesson.notes) {
            if (!n.words.empty() || !n.pinyin.empty())
                ChineseLine(n.place, n.words, n.pinyin, "note heading");
            Texts(n.place, n.text, "note text");
        }
        for (const LanguagePoint& p : lesson.languagePoints) {
            Texts(p.place, p.title, "language point title");
            Texts(p.place, p.text, "language point explanation");
            if (p.examples.empty())
                Report(p.place, "a language point needs at least one [example]");
            for (const Example& e : p.examples) {
                ChineseLine(e.place, e.words, e.pinyin, "example");
                Texts(e.place, e.translation, "example translation");
            }
        }
        for (const TypicalSentence& t : lesson.typicalSentences)
            Typical(t);
        if (m_options.courseSizes)
            Sizes(lesson);
    }

private:
    void Child(const LessonSource& lesson, const ChildLesson& child) {
        Texts(child.place, child.title, "child lesson title");
        for (const Sentence& s : child.sentences) {
            ChineseLine(s.place, s.words, s.pinyin, "sentence", 500);
            Texts(s.place, s.translation, "sentence translation");
            if (!s.speakerKey.empty() && !lesson.FindSpeaker(s.speakerKey))
                Report(s.place, "speaker \"" + s.speakerKey + "\" has no [speaker] block");
            const std::vector<std::string> words = SplitWords(s.words);
            const bool marked = std::find(words.begin(), words.end(), "*") != words.end();
            if (!s.noteId.empty() && !lesson.FindNote(s.noteId))
                Report(s.place, "note \"" + s.noteId + "\" has no [note] block");
            if (marked && s.noteId.empty())
                Report(s.place, "the sentence has a note mark \"*\" but no \"note:\" id");
            if (!marked && !s.noteId.empty())
                Report(s.place,
                       "the sentence names note \"" + s.noteId + "\" but has no \"*\" mark to open it");
        }
    }

    void NewWords(const LessonSource& lesson) {
        std::set<std::string> textWords;
        for (const ChildLesson& child : lesson.childLessons)
            for (const Sentence& s : child.sentences)
                for (const std::string& w : SplitWords(s.words))
                    textWords.insert(w);
        std::set<std::string> seen;
        for (const NewWord& w : lesson.newWords) {
            if (w.word.empty() || w.pinyin.empty()) {
                Report(w.place, "a new word needs \"zh\" and \"py\"");
                continue;
            }
            const int count = HanCharacterCount(w.word);
            if (count < 0)
                Report(w.place, "new word \"" + w.word + "\" must be Chinese characters only");
            else if (const std::string bad = CheckPinyinGroup(w.pinyin, count); !bad.empty())
                Report(w.place, "new word \"" + w.word + "\": " + bad);
            if (!FindPartOfSpeech(w.partOfSpeech))
                Report(w.place, "new word \"" + w.word + "\" has no known part of speech (\"pos\")");
            if (!seen.insert(w.word).second)
                Report(w.place, "new word \"" + w.word + "\" is listed twice");
            if (!textWords.count(w.word))
                Report(w.place, "new word \"" + w.word + "\" is not a word of any sentence of the lesson");
            Texts(w.place, w.explanation, "new word explanation");
        }
    }

    void Typical(const TypicalSentence& t) {
        ChineseLine(t.place, t.words, t.pinyin, "typical sentence", 255);
        Texts(t.place, t.translation, "typical sentence translation");
        if (t.demos.empty())
            Report(t.place, "a typical sentence needs [demo] examples");
        for (const TypicalDemo& d : t.demos) {
            ChineseLine(d.place, d.words, d.pinyin, "example", 200);
            Texts(d.place, d.translation, "example translation");
            Texts(d.place, d.meaning, "example meaning");
            Part(d);
        }
    }

    // The part must be words that follow each other in the example, with their pinyin groups.
    void Part(const TypicalDemo& d) {
        if (d.partWords.empty() || d.partPinyin.empty())
            return Report(d.place, "an example needs \"part\" and \"partpy\"");
        const std::vector<std::string> words = SplitWords(d.words), pinyin = SplitWords(d.pinyin);
        const std::vector<std::string> part = SplitWords(d.partWords), partPinyin = SplitWords(d.partPinyin);
        if (part.size() != partPinyin.size())
            return Report(d.place, "the part has " + std::to_string(part.size()) + " word(s) but " +
                                       std::to_string(partPinyin.size()) + " pinyin group(s)");
        const auto at = std::search(words.begin(), words.end(), part.begin(), part.end());
        if (at == words.end())
            return Report(d.place, "the part \"" + d.partWords + "\" is not a run of words of the example");
        const size_t first = static_cast<size_t>(at - words.begin());
        if (pinyin.size() == words.size() &&
            !std::equal(partPinyin.begin(), partPinyin.end(), pinyin.begin() + static_cast<long>(first)))
            Report(d.place, "the part's pinyin \"" + d.partPinyin + "\" differs from the example's pinyin");
    }

    // `mostBytes`: how much of the line the program reads (as UTF-16); 0 for no limit.
    void ChineseLine(const SourcePlace& place, const std::string& line, const std::string& pinyinLine,
                     const std::string& what, size_t mostBytes = 0) {
        if (line.empty() || pinyinLine.empty())
            return Report(place, "the " + what + " needs \"zh\" and \"py\"");
        for (const std::string* text : {&line, &pinyinLine})
            if (mostBytes && text::Utf8ToUtf16(*text).size() * 2 > mostBytes)
                Report(place, "the " + what + " is longer than the " + std::to_string(mostBytes) +
                                  " bytes the program reads: \"" + *text + "\"");
        const std::vector<std::string> words = SplitWords(line), pinyin = SplitWords(pinyinLine);
        if (words.size() != pinyin.size())
            return Report(place, "the " + what + " has " + std::to_string(words.size()) + " word(s) but " +
                                     std::to_string(pinyin.size()) + " pinyin group(s)");
        for (size_t i = 0; i < words.size(); ++i) {
            const std::string& word = words[i];
            if (word.empty()) {
                Report(place, "the " + what + " has an empty word (two spaces in a row, or one at an end)");
                continue;
            }
            if (const std::string mark = PunctuationPinyin(word); !mark.empty()) {
                if (pinyin[i] != mark)
                    Report(place, "the pinyin of \"" + word + "\" must be \"" + mark + "\", not \"" +
                                      pinyin[i] + "\"");
                continue;
            }
            const int count = HanCharacterCount(word);
            if (count < 0) {
                Report(place, "\"" + word +
                                  "\" is neither Chinese characters nor a punctuation mark of the lessons");
                continue;
            }
            if (const std::string bad = CheckPinyinGroup(pinyin[i], count); !bad.empty())
                Report(place, "word " + std::to_string(i + 1) + " \"" + word + "\": " + bad);
        }
    }

    void Texts(const SourcePlace& place, const Translations& texts, const std::string& what) {
        for (const std::string& language : m_options.languages)
            if (!texts.count(language))
                Report(place, "the " + what + " has no \"" + language + "\" text");
        for (const auto& [language, text] : texts)
            if (std::find(m_options.languages.begin(), m_options.languages.end(), language) ==
                m_options.languages.end())
                Report(place, "\"" + language + "\" is not one of the course's languages");
    }

    void Sizes(const LessonSource& lesson) {
        Range(lesson.place, "child lessons", lesson.childLessons.size(), 2, 3);
        for (const ChildLesson& child : lesson.childLessons)
            Range(child.place, "sentences", child.sentences.size(), 8, 15);
        Range(lesson.place, "new words", lesson.newWords.size(), 10, 40);
        Range(lesson.place, "notes", lesson.notes.size(), 2, 4);
        Range(lesson.place, "language points", lesson.languagePoints.size(), 1, 6);
        Range(lesson.place, "typical sentences", lesson.typicalSentences.size(), 3, 5);
        for (const TypicalSentence& t : lesson.typicalSentences)
            Range(t.place, "examples", t.demos.size(), 2, 3);
    }

    void Range(const SourcePlace& place, const std::string& what, size_t count, size_t low, size_t high) {
        if (count < low || count > high)
            Report(place, "has " + std::to_string(count) + " " + what + "; the course needs " +
                              std::to_string(low) + " to " + std::to_string(high));
    }

    void Report(const SourcePlace& place, const std::string& message) {
        m_problems.push_back(place.file + ":" + std::to_string(place.line) + ": " + message);
    }

    const CheckOptions& m_options;
    std::vector<std::string>& m_problems;
};

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<std::string> CheckLesson(const LessonSource& lesson, const CheckOptions& options) {
    std::vector<std::string> problems;
    Checker(options, problems).Lesson(lesson);
    return problems;
}

std::vector<std::string> CheckCourse(const std::vector<LessonSource>& lessons, const CheckOptions& options) {
    std::vector<std::string> problems;
    for (size_t i = 0; i < lessons.size(); ++i) {
        const LessonSource& lesson = lessons[i];
        const std::string where = lesson.place.file + ":" + std::to_string(lesson.place.line) + ": ";
        char expected[32];
        std::snprintf(expected, sizeof expected, "lesson%02d.txt", lesson.number);
        if (BaseName(lesson.place.file) != expected)
            problems.push_back(where + "lesson " + std::to_string(lesson.number) + " belongs in " + expected);
        if (lesson.number != static_cast<int>(i) + 1)
            problems.push_back(where + "lesson " + std::to_string(lesson.number) + " found where lesson " +
                               std::to_string(i + 1) + " should come (lessons are numbered without gaps)");
        const std::vector<std::string> found = CheckLesson(lesson, options);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    if (options.courseSizes) {
        const std::vector<std::string> found = CheckCourseWords(lessons);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    return problems;
}

} // namespace lessons
