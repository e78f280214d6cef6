#include "CourseWordCheck.h"

#include "PinyinText.h"

#include <QRegularExpression>
#include <QString>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace lessons {
namespace {

// One syllable of a line, as written, with the word it belongs to.
struct Syllable {
    std::string character;
    PinyinSyllable written;
    size_t word = 0;
    bool endsLongWord = false; // the last syllable of a word of several
};

// The syllables of a pinyin group, one per character (erhua's r counts for 儿); nothing when the
// group does not read (the structure and reading checks report that).
std::optional<std::vector<PinyinSyllable>> ReadGroup(const std::string& word, const std::string& group) {
    const std::vector<std::string> characters = HanCharacters(word);
    if (characters.empty() || HanCharacterCount(word) != static_cast<int>(characters.size()))
        return std::nullopt;
    const auto reading =
        pinyin::ReadMarkedWord(group, characters.size(), characters.back() == "儿", SyllableSpellings());
    if (!reading || reading->syllables.size() != characters.size())
        return std::nullopt;
    return reading->syllables;
}

// The line cut into runs of syllables spoken together: punctuation and unreadable words end a run.
std::vector<std::vector<Syllable>> SpokenRuns(const ChineseText& line) {
    const std::vector<std::string> words = SplitWords(*line.words), groups = SplitWords(*line.pinyin);
    std::vector<std::vector<Syllable>> runs(1);
    if (words.size() != groups.size())
        return {};
    for (size_t w = 0; w < words.size(); ++w) {
        const auto syllables = ReadGroup(words[w], groups[w]);
        if (!syllables) {
            runs.emplace_back();
            continue;
        }
        const std::vector<std::string> characters = HanCharacters(words[w]);
        for (size_t i = 0; i < characters.size(); ++i)
            runs.back().push_back(Syllable{characters[i], (*syllables)[i], w,
                                           characters.size() > 1 && i + 1 == characters.size()});
    }
    return runs;
}

bool IsDigit(const std::string& c) {
    static const std::set<std::string> digits = {"零", "〇", "一", "二", "三", "四", "五",
                                                 "六", "七", "八", "九", "十", "两"};
    return digits.count(c) > 0;
}

// The tone the syllable is spoken with before a tone change, 0 when the text does not say: a
// neutral syllable hides it, except the measure word 个, a fourth tone written neutral.
int UnderlyingTone(const Syllable& s) {
    if (s.written.tone != 5)
        return s.written.tone;
    return s.character == "个" ? 4 : 0;
}

// 一 keeps yī where it counts or orders rather than quantifies.
bool KeepsFirstTone(const std::vector<Syllable>& run, size_t k) {
    if (k + 1 >= run.size() || run[k].endsLongWord)
        return true;
    // A score (一比一, 二比一) is said as numbers.
    const std::string before = k > 0 ? run[k - 1].character : std::string();
    if (IsDigit(before) || before == "第" || before == "比")
        return true;
    const std::string& next = run[k + 1].character;
    return IsDigit(next) || next == "月" || next == "号" || next == "日" || next == "比";
}

// The tone 一 or 不 at run[k] must be written with; 0 when any full tone may stand, -1 when the
// syllable after it does not say which changed tone it takes.
int ExpectedTone(const std::vector<Syllable>& run, size_t k) {
    const bool yi = run[k].character == "一";
    if (yi && KeepsFirstTone(run, k))
        return 1;
    const int next = k + 1 < run.size() ? UnderlyingTone(run[k + 1]) : 0;
    if (next == 0)
        return yi ? -1 : 0;
    if (next == 4)
        return 2;
    return 4;
}

std::string Spelled(int tone, const std::string& character) {
    static const char* const yi[] = {"", "yī", "yí", "yǐ", "yì"};
    static const char* const bu[] = {"", "bū", "bú", "bǔ", "bù"};
    return character == "一" ? yi[tone] : bu[tone];
}

// The glosses of an English explanation, compared without articles, "to" and remarks in brackets.
std::set<std::string> Glosses(const std::string& explanation) {
    std::string plain;
    int depth = 0;
    for (char c : explanation) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth == 0 && c != ')')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::set<std::string> glosses;
    for (const QString& part : QString::fromStdString(plain).split(QRegularExpression("[;,/]"))) {
        QString gloss = part.trimmed();
        for (const char* lead : {"to ", "a ", "an ", "the "})
            if (gloss.startsWith(QLatin1String(lead)))
                gloss = gloss.mid(static_cast<qsizetype>(std::strlen(lead)));
        if (!gloss.isEmpty())
            glosses.insert(gloss.toStdString());
    }
    return glosses;
}

class CourseWords {
public:
    CourseWords(const std::vector<LessonSource>& lessons, std::vector<std::string>& problems)
        : m_lessons(lessons), m_problems(problems) {
        for (size_t i = 0; i < lessons.size(); ++i)
            for (const NewWord& w : lessons[i].newWords) {
                m_firstListed.emplace(w.word, i);
                m_listedForms[w.word].insert(w.pinyin);
            }
    }

    void Check() {
        for (size_t i = 0; i < m_lessons.size(); ++i) {
            for (const ChineseText& line : ChineseLines(m_lessons[i])) {
                for (const std::vector<Syllable>& run : SpokenRuns(line))
                    ToneChanges(line, run);
                WrittenForms(line);
            }
            for (const ChildLesson& child : m_lessons[i].childLessons)
                for (const Sentence& s : child.sentences)
                    DialogueWordsListed(i, s);
            for (const NewWord& w : m_lessons[i].newWords) {
                NewSense(w);
                OwnTranslations(w);
            }
        }
    }

private:
    void ToneChanges(const ChineseText& line, const std::vector<Syllable>& run) {
        for (size_t k = 0; k < run.size(); ++k) {
            const Syllable& s = run[k];
            if ((s.character != "一" && s.character != "不") || s.written.tone == 5)
                continue;
            const int expected = ExpectedTone(run, k);
            const std::string written = Spelled(s.written.tone, s.character);
            const std::string word = SplitWords(*line.words)[s.word];
            if (expected == -1 && s.written.tone == 1)
                Report(*line.place,
                       s.character + " in \"" + word + "\" is spoken with a changed tone: not \"yī\"");
            else if (expected > 0 && s.written.tone != expected)
                Report(*line.place, s.character + " in \"" + word + "\" is spoken " +
                                        Spelled(expected, s.character) + " here: write \"" +
                                        Spelled(expected, s.character) + "\", not \"" + written + "\"");
        }
    }

    struct Form {
        std::string pinyin;
        std::vector<PinyinSyllable> syllables;
        const SourcePlace* place;
    };

    // A word keeps the neutral tones and capitals of its first written form; each listing of a
    // word is a form of its own (过 guò "to spend", 过 guo the particle).
    void WrittenForms(const ChineseText& line) {
        const std::vector<std::string> words = SplitWords(*line.words), groups = SplitWords(*line.pinyin);
        if (words.size() != groups.size())
            return;
        for (size_t w = 0; w < words.size(); ++w) {
            const auto syllables = ReadGroup(words[w], groups[w]);
            if (!syllables)
                continue;
            std::vector<Form>& forms = m_forms[words[w]];
            const Form* differing = nullptr;
            bool known = false;
            for (const Form& form : forms) {
                if (form.pinyin == groups[w]) {
                    known = true;
                    break;
                }
                if (!differing && DiffersInConvention(words[w], form, *syllables, groups[w]))
                    differing = &form;
            }
            if (known)
                continue;
            if (differing && !m_listedForms[words[w]].count(groups[w]))
                Report(*line.place, "\"" + words[w] + "\" is written \"" + groups[w] + "\" here but \"" +
                                        differing->pinyin + "\" at " + differing->place->file + ":" +
                                        std::to_string(differing->place->line) +
                                        " (one written form per word: the same neutral tones and capitals)");
            forms.push_back(Form{groups[w], *syllables, line.place});
        }
    }

    // Whether two spellings of the same syllables differ in a neutral tone or a capital, where the
    // course has one convention; a tone change of 一 or 不 is no difference.
    static bool DiffersInConvention(const std::string& word, const Form& form,
                                    const std::vector<PinyinSyllable>& syllables, const std::string& pinyin) {
        if (form.syllables.size() != syllables.size())
            return false;
        const std::vector<std::string> characters = HanCharacters(word);
        bool neutralDiffers = false;
        for (size_t i = 0; i < syllables.size(); ++i) {
            if (form.syllables[i].Plain() != syllables[i].Plain())
                return false;
            if (characters[i] != "一" && characters[i] != "不" &&
                (form.syllables[i].tone == 5) != (syllables[i].tone == 5))
                neutralDiffers = true;
        }
        return neutralDiffers || IsCapitalisedPinyin(form.pinyin) != IsCapitalisedPinyin(pinyin);
    }

    void DialogueWordsListed(size_t lesson, const Sentence& sentence) {
        for (const std::string& word : SplitWords(sentence.words)) {
            if (word.empty() || !PunctuationPinyin(word).empty() || m_reportedUnlisted.count(word))
                continue;
            const auto listed = m_firstListed.find(word);
            if (listed != m_firstListed.end() && listed->second <= lesson)
                continue;
            m_reportedUnlisted.insert(word);
            if (listed == m_firstListed.end())
                Report(sentence.place,
                       "\"" + word + "\" is a word of the dialogue but no lesson lists it as a new word");
            else
                Report(sentence.place, "\"" + word + "\" is used before lesson " +
                                           std::to_string(m_lessons[listed->second].number) +
                                           " lists it: list it in this lesson with the sense it has here");
        }
    }

    void NewSense(const NewWord& word) {
        const std::set<std::string> glosses = Glosses(TextIn(word.explanation, "en"));
        std::vector<const NewWord*>& earlier = m_listings[word.word];
        for (const NewWord* before : earlier) {
            if (before->place.file == word.place.file || before->partOfSpeech != word.partOfSpeech)
                continue;
            for (const std::string& gloss : Glosses(TextIn(before->explanation, "en")))
                if (glosses.count(gloss)) {
                    Report(word.place, "\"" + word.word + "\" is listed again with the sense \"" + gloss +
                                           "\" it has at " + before->place.file + ":" +
                                           std::to_string(before->place.line));
                    break;
                }
        }
        earlier.push_back(&word);
    }

    void OwnTranslations(const NewWord& word) {
        const QString english = QString::fromStdString(TextIn(word.explanation, "en")).trimmed();
        for (const auto& [language, text] : word.explanation)
            if (language != "en" && !english.isEmpty() &&
                QString::fromStdString(text).trimmed().compare(english, Qt::CaseInsensitive) == 0)
                Report(word.place, "the \"" + language + "\" explanation of \"" + word.word +
                                       "\" is the English one word for word");
    }

    void Report(const SourcePlace& place, const std::string& message) {
        m_problems.push_back(Where(place) + message);
    }

    const std::vector<LessonSource>& m_lessons;
    std::vector<std::string>& m_problems;
    std::map<std::string, size_t> m_firstListed; // word -> index of the first lesson listing it
    std::map<std::string, std::vector<Form>> m_forms;
    std::map<std::string, std::set<std::string>> m_listedForms;
    std::map<std::string, std::vector<const NewWord*>> m_listings;
    std::set<std::string> m_reportedUnlisted;
};

} // namespace

std::vector<std::string> CheckCourseWords(const std::vector<LessonSource>& lessons) {
    std::vector<std::string> problems;
    CourseWords(lessons, problems).Check();
    return problems;
}

} // namespace lessons
