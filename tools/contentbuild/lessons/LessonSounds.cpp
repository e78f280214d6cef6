#include "LessonSounds.h"

#include "LessonDatabaseWriter.h"
#include "LessonIds.h"
#include "PinyinText.h"
#include "SpeechEncoder.h"
#include "render/PinyinSyllable.h"

#include <map>

namespace lessons {
namespace {

// The pause a punctuation word makes: the end of a sentence, a clause, or none. The speech engine
// reads "." after a tone number as a decimal point, so a sentence ends with the Chinese full stop.
std::string PauseOf(const std::string& mark) {
    if (mark == "." || mark == "?" || mark == "!")
        return mark == "." ? "。" : mark;
    if (mark == "," || mark == ":" || mark == ";" || mark == "……")
        return ",";
    return "";
}

// Speaks each distinct text once and stores the sound in every row that reads it.
class SoundMaker {
public:
    SoundMaker(sqlite3* db, std::string& error) : m_db(db), m_error(error) {}

    bool Open() { return m_speech.Open(m_error); }

    bool Line(const SourcePlace& place, const std::string& words, const std::string& pinyin,
              const char* table, const char* keyColumn, const std::string& key) {
        const std::optional<std::string> speech = SpeechOfLine(words, pinyin);
        if (!speech) {
            m_error = place.file + ":" + std::to_string(place.line) + ": the line \"" + words +
                      "\" cannot be spoken from its pinyin";
            return false;
        }
        return Store(*speech, table, keyColumn, key);
    }

    bool Store(const std::string& speech, const char* table, const char* keyColumn, const std::string& key) {
        auto found = m_sounds.find(speech);
        if (found == m_sounds.end()) {
            std::vector<unsigned char> mp3;
            if (!m_speech.Speak(speech, mp3, m_error))
                return false;
            found = m_sounds.emplace(speech, std::move(mp3)).first;
        }
        return StoreBlob(m_db, table, "sound", keyColumn, key, found->second, m_error);
    }

private:
    sqlite3* m_db;
    std::string& m_error;
    SpeechEncoder m_speech;
    std::map<std::string, std::vector<unsigned char>> m_sounds;
};

bool SpeakLesson(SoundMaker& sounds, const LessonSource& lesson) {
    const int n = lesson.number;
    if (!sounds.Store(SpeechOfLessonTitle(n), "tbl_lesson_main", "id", std::to_string(n)))
        return false;
    for (size_t c = 0; c < lesson.childLessons.size(); ++c) {
        const std::vector<Sentence>& sentences = lesson.childLessons[c].sentences;
        for (size_t s = 0; s < sentences.size(); ++s)
            if (!sounds.Line(sentences[s].place, sentences[s].words, sentences[s].pinyin,
                             "tbl_lesson_sentence", "id",
                             ids::Sentence(n, static_cast<int>(c) + 1, static_cast<int>(s) + 1)))
                return false;
    }
    for (size_t t = 0; t < lesson.typicalSentences.size(); ++t) {
        const TypicalSentence& typical = lesson.typicalSentences[t];
        const int tn = static_cast<int>(t) + 1;
        if (!sounds.Line(typical.place, typical.words, typical.pinyin, "tbl_lesson_typical", "id",
                         ids::Typical(n, tn)))
            return false;
        for (size_t d = 0; d < typical.demos.size(); ++d) {
            const TypicalDemo& demo = typical.demos[d];
            if (!sounds.Line(demo.place, demo.words, demo.pinyin, "tbl_lesson_typical_demo", "ID",
                             ids::TypicalDemo(n, tn, static_cast<int>(d) + 1)))
                return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> SpeechOfLine(const std::string& words, const std::string& pinyin) {
    const std::vector<std::string> w = SplitWords(words), p = SplitWords(pinyin);
    if (w.size() != p.size())
        return std::nullopt;
    std::string speech;
    std::string pause; // the strongest pause since the last word, said before the next one
    for (size_t i = 0; i < w.size(); ++i) {
        if (const std::string mark = PunctuationPinyin(w[i]); !mark.empty()) {
            if (const std::string next = PauseOf(mark); pause.empty() || (next != "," && !next.empty()))
                pause = next;
            continue;
        }
        const int count = HanCharacterCount(w[i]);
        const bool endsInEr = w[i].size() >= 3 && w[i].substr(w[i].size() - 3) == "儿";
        const auto reading = count > 0 ? pinyin::ReadMarkedWord(p[i], static_cast<size_t>(count), endsInEr,
                                                                SyllableSpellings())
                                       : std::nullopt;
        if (!reading)
            return std::nullopt;
        if (!speech.empty())
            speech += pause + " ";
        speech += reading->speechText;
        pause.clear();
    }
    if (speech.empty())
        return std::nullopt;
    return speech;
}

std::string SpeechOfLessonTitle(int number) {
    static const char* const kDigits[] = {"",    "yi1",  "er4", "san1", "si4",
                                          "wu3", "liu4", "qi1", "ba1",  "jiu3"};
    const int tens = number / 10 % 10, ones = number % 10;
    std::string speech = "di4";
    if (tens > 1)
        speech += std::string(" ") + kDigits[tens];
    if (tens > 0)
        speech += " shi2";
    if (ones > 0)
        speech += std::string(" ") + kDigits[ones];
    return speech + " ke4";
}

bool FillLessonSounds(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error) {
    SoundMaker sounds(db, error);
    if (!sounds.Open())
        return false;
    for (const LessonSource& lesson : lessons)
        if (!SpeakLesson(sounds, lesson))
            return false;
    return true;
}

} // namespace lessons
