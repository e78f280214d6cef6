#include "WordDatabaseBuilder.h"

#include "DatabaseWriter.h"
#include "LetterPictures.h"
#include "OpenDataSources.h"
#include "ReadingChoice.h"
#include "SpeechEncoder.h"
#include "StrokeGraphics.h"
#include "app/FileUtils.h"
#include "data/Schema.h"
#include "render/BmpWriter.h"
#include "render/GlyphScale.h"
#include "render/PinyinSyllable.h"

#include <QChar>
#include <cstdio>
#include <future>
#include <map>
#include <set>
#include <string_view>

namespace {

using Blob = DatabaseWriter::Blob;
using Value = DatabaseWriter::Value;

// Parts of speech: the code lesson sources use, the `tbl_hz_cx` id the lesson database stores,
// and the label shown beside a word: the abbreviation learners know and the Chinese name.
struct PartOfSpeech {
    const char* code;
    const char* id;
    const char* label;
};
const PartOfSpeech kPartsOfSpeech[] = {
    {"n", "CX01", "n. 名词"},           {"v", "CX02", "v. 动词"},        {"adj", "CX03", "adj. 形容词"},
    {"adv", "CX04", "adv. 副词"},       {"pron", "CX05", "pron. 代词"},  {"num", "CX06", "num. 数词"},
    {"m", "CX07", "m. 量词"},           {"prep", "CX08", "prep. 介词"},  {"conj", "CX09", "conj. 连词"},
    {"part", "CX10", "part. 助词"},     {"int", "CX11", "interj. 叹词"}, {"pn", "CX12", "pn. 专有名词"},
    {"mv", "CX13", "mod. v. 能愿动词"}, {"phr", "CX14", "phr. 短语"},    {"t", "CX15", "t. 时间词"},
};

// Chinese punctuation with its Western counterpart (empty where the pinyin rows have none).
const std::pair<const char*, const char*> kPunctuation[] = {
    {"，", ","}, {"。", "."}, {"！", "!"}, {"？", "?"}, {"：", ":"}, {"；", ";"},
    {"、", ""},  {"“", "\""}, {"”", ""},   {"‘", ""},   {"’", "'"},  {"（", "("},
    {"）", ")"}, {"《", "<"}, {"》", ">"}, {"—", "-"},  {"…", "…"},  {"·", "·"},
};

struct Phrase {
    QString text;
    std::vector<PinyinSyllable> syllables;
    std::string pinyin;     // as stored and looked up: the lesson's spelling, or the joined syllables
    std::string speechText; // numbered pinyin for the speech engine
    std::string explanation;
    std::map<std::string, std::string> explanations; // by language suffix, before `explanation`
    std::string cxid;

    // The explanation in one language: the lesson's own, else the dictionary's (English), else the
    // lesson's English one, else any the lesson gives. An English text standing in for another
    // language starts with kEnglishMark, so readers see it is untranslated.
    std::string ExplanationFor(const std::string& suffix) const {
        const auto own = explanations.find(suffix);
        if (own != explanations.end() && !own->second.empty())
            return own->second;
        if (!explanation.empty())
            return explanationIsEnglish ? InEnglish(explanation, suffix) : explanation;
        const auto english = explanations.find("en");
        if (english != explanations.end() && !english->second.empty())
            return InEnglish(english->second, suffix);
        for (const auto& [language, explained] : explanations)
            if (!explained.empty())
                return explained;
        return "";
    }

    static std::string InEnglish(const std::string& text, const std::string& suffix) {
        return suffix == "en" ? text : kEnglishMark + text;
    }

    bool explanationIsEnglish = false; // `explanation` is the dictionary's gloss
};

struct Character {
    QString text;
    std::vector<PinyinSyllable> readings;
    CharacterStrokeData strokes;
};

Blob Bmp(const QImage& image, bmp::Depth depth, QColor ink = Qt::black) {
    return bmp::WriteBmp(image, depth, ink);
}

std::string CharacterId(const QString& character, size_t reading) {
    char id[32];
    std::snprintf(id, sizeof id, "HZ%05x", static_cast<unsigned>(character.toUcs4().value(0)));
    return reading == 0 ? id : std::string(id) + "-" + std::to_string(reading + 1);
}

std::string NumberedId(const char* prefix, size_t n) {
    char id[32];
    std::snprintf(id, sizeof id, "%s%05zu", prefix, n);
    return id;
}

// Everything read from the sources, and the choices made from it.
class Builder {
public:
    Builder(const WordDatabaseSources& sources, const WordDatabaseOptions& options)
        : m_sources(sources), m_options(options) {}

    bool Prepare(std::string& error) {
        if (!LoadSources(error))
            return false;
        for (const std::string& folder : m_sources.lessonFolders)
            for (ListedWord& word : opendata::LoadLessonWords(folder))
                m_lessonWords.push_back(std::move(word));
        for (const ListedWord& word : m_lessonWords)
            for (char32_t c : word.word.toUcs4())
                if (opendata::IsHan(c) && !AddCharacter(QString::fromUcs4(&c, 1), error))
                    return false;
        for (const ListedWord& word : m_listedWords)
            for (char32_t c : word.word.toUcs4())
                if (opendata::IsHan(c) && !AddCharacter(QString::fromUcs4(&c, 1), error))
                    return false;
        for (const std::string& folder : m_sources.characterFolders)
            for (const QString& c : opendata::CollectHanCharacters(folder))
                if (!AddCharacter(c, error))
                    return false;
        for (const QString& c : m_sources.extraCharacters)
            if (!AddCharacter(c, error))
                return false;
        AddCommonCharacters();
        return AddListedPhrases(m_lessonWords, true, error) &&
               AddListedPhrases(m_listedWords, false, error) && AddFrequentPhrases();
    }

    const std::vector<std::string>& Warnings() const { return m_warnings; }
    std::shared_ptr<const ReadingChoice> Readings() const { return m_readingChoice; }

    void AddWarning(const std::string& warning) {
        if (std::find(m_warnings.begin(), m_warnings.end(), warning) == m_warnings.end())
            m_warnings.push_back(warning);
    }

    bool Write(const std::string& path, WordDatabaseSummary& summary, std::string& error) {
        std::map<std::string, Blob> sounds;
        std::string soundError;
        std::future<bool> speech;
        if (m_options.withSound)
            speech = std::async(std::launch::async, [&] { return SpeakAll(sounds, soundError); });

        if (!schema::CreateDatabaseFile(path, schema::WordDatabaseDdl(m_options.languageSuffixes), error))
            return false;
        DatabaseWriter w;
        if (!w.Open(path, error))
            return false;
        WriteCharacters(w, summary, error);
        WriteLettersAndPunctuation(w);
        for (const PartOfSpeech& part : kPartsOfSpeech)
            w.Insert("tbl_hz_cx", {"id", "meaning"}, {std::string(part.id), std::string(part.label)});
        if (speech.valid() && !speech.get()) {
            error = soundError;
            return false;
        }
        WritePhrases(w, sounds, summary);
        WriteSyllables(w, sounds, summary);
        return error.empty() && w.Commit(error);
    }

private:
    bool LoadSources(std::string& error) {
        m_dictionary = opendata::LoadDictionary(m_sources.dictionaryPath, error);
        if (m_dictionary.empty()) {
            error =
                "no dictionary entries in " + m_sources.dictionaryPath + (error.empty() ? "" : ": " + error);
            return false;
        }
        for (const auto& [word, entry] : m_dictionary)
            if (auto syllables = pinyin::ParseNumberedList(entry.numberedPinyin))
                for (const PinyinSyllable& s : *syllables)
                    m_knownSpellings.insert(s.Plain());
        for (const FrequentCharacter& c :
             opendata::LoadCharacterFrequency(m_sources.characterFrequencyPath, error))
            m_frequentCharacters.push_back(c);
        if (m_frequentCharacters.empty()) {
            error = "no characters in " + m_sources.characterFrequencyPath;
            return false;
        }
        m_frequentWords = opendata::LoadWordFrequency(m_sources.wordFrequencyPath, error);
        for (const std::string& list : m_sources.wordLists) {
            std::string listError;
            const auto words = opendata::LoadWordList(list, listError);
            if (!listError.empty()) {
                error = listError;
                return false;
            }
            m_listedWords.insert(m_listedWords.end(), words.begin(), words.end());
        }
        for (const FrequentCharacter& c : m_frequentCharacters)
            m_frequencyReadings.emplace(c.character, c.readings);
        m_readingChoice = std::make_shared<const ReadingChoice>(m_dictionary, m_frequentWords);
        return true;
    }

    // The readings of a character: the frequency list's and the dictionary's own single-character
    // entries (proper names left out), the most used first.
    std::vector<PinyinSyllable> ReadingsOf(const QString& character) const {
        std::vector<PinyinSyllable> readings;
        auto add = [&](const std::string& numbered) {
            const auto syllable = pinyin::ParseNumbered(numbered);
            if (syllable && std::find(readings.begin(), readings.end(), *syllable) == readings.end())
                readings.push_back(*syllable);
        };
        if (const auto found = m_frequencyReadings.find(character); found != m_frequencyReadings.end())
            for (const std::string& reading : found->second)
                add(reading);
        const auto [first, last] = m_dictionary.equal_range(character.toStdString());
        for (auto it = first; it != last; ++it)
            if (!it->second.numberedPinyin.empty() && QChar(it->second.numberedPinyin[0]).isLower() &&
                it->second.numberedPinyin.find(' ') == std::string::npos)
                add(it->second.numberedPinyin);
        return m_readingChoice->Ordered(character, std::move(readings));
    }

    // Adds a character the lessons need; false when it has no stroke data or no reading.
    bool AddCharacter(const QString& character, std::string& error) {
        if (m_characterIndex.count(character))
            return true;
        if (!TryAddCharacter(character)) {
            error = "the character " + character.toStdString() + " has no stroke data or no reading";
            return false;
        }
        return true;
    }

    bool TryAddCharacter(const QString& character) {
        if (m_characterIndex.count(character))
            return true;
        auto strokes = opendata::LoadStrokeData(m_sources.strokeDataFolder, character);
        std::vector<PinyinSyllable> readings = ReadingsOf(character);
        if (!strokes || readings.empty())
            return false;
        m_characterIndex[character] = m_characters.size();
        m_characters.push_back(Character{character, std::move(readings), std::move(*strokes)});
        return true;
    }

    void AddCommonCharacters() {
        size_t common = 0;
        for (const FrequentCharacter& c : m_frequentCharacters) {
            if (common >= m_options.commonCharacters)
                break;
            if (TryAddCharacter(c.character))
                ++common;
        }
    }

    bool AllIncluded(const QString& word) const {
        for (char32_t c : word.toUcs4())
            if (!m_characterIndex.count(QString::fromUcs4(&c, 1)))
                return false;
        return true;
    }

    // The dictionary entry of a word: one of a single character reads it the character's most
    // frequent way; otherwise the first entry that is not a proper name, else the first.
    const DictionaryEntry* EntryOf(const QString& word) const {
        const auto [first, last] = m_dictionary.equal_range(word.toStdString());
        const auto character = m_characterIndex.find(word);
        if (character != m_characterIndex.end()) {
            const PinyinSyllable& usual = m_characters[character->second].readings.front();
            for (bool properNames : {false, true})
                for (auto it = first; it != last; ++it)
                    if (pinyin::ParseNumbered(it->second.numberedPinyin) == usual &&
                        (properNames || QChar(it->second.numberedPinyin[0]).isLower()))
                        return &it->second;
        }
        const DictionaryEntry* chosen = nullptr;
        for (auto it = first; it != last; ++it) {
            if (it->second.numberedPinyin.empty())
                continue;
            if (!chosen)
                chosen = &it->second;
            if (QChar(it->second.numberedPinyin[0]).isLower())
                return &it->second;
        }
        return chosen;
    }

    // The dictionary's entry of a word as a name (capitalised), if it has one.
    const DictionaryEntry* NameEntryOf(const QString& word) const {
        const auto [first, last] = m_dictionary.equal_range(word.toStdString());
        for (auto it = first; it != last; ++it)
            if (!it->second.numberedPinyin.empty() && QChar(it->second.numberedPinyin[0]).isUpper())
                return &it->second;
        return nullptr;
    }

    static std::string Explanation(const DictionaryEntry& entry) {
        std::string text;
        int used = 0;
        for (const std::string& gloss : entry.glosses) {
            if (used == 4 || text.size() > 160)
                break;
            text += (text.empty() ? "" : "; ") + gloss;
            ++used;
        }
        return text;
    }

    // Dictionary words whose every sense is a verb ("to ...") are verbs; others are left open.
    static std::string GuessPartOfSpeech(const DictionaryEntry& entry) {
        for (const std::string& gloss : entry.glosses)
            if (gloss.rfind("to ", 0) != 0)
                return "";
        return PartOfSpeechId("v");
    }

    // A name (capitalised) is a phrase of its own beside the word written alike (周 Zhōu, 周 zhōu).
    static std::string PhraseKey(const QString& text, const std::string& pinyin) {
        return text.toStdString() + "|" + pinyin;
    }

    bool AddPhrase(Phrase phrase) {
        if (phrase.pinyin.empty())
            phrase.pinyin = pinyin::JoinMarked(phrase.syllables);
        if (phrase.speechText.empty())
            phrase.speechText = pinyin::JoinNumbered(phrase.syllables);
        if (!m_phraseKeys.insert(PhraseKey(phrase.text, phrase.pinyin)).second)
            return false;
        m_phrases.push_back(std::move(phrase));
        return true;
    }

    // The syllables of a listed word from its own pinyin (numbered or tone-marked; erhua written as
    // a final r after the syllable before 儿), else from the dictionary.
    std::optional<pinyin::WordReading> ListedWordReading(const ListedWord& word, const QString& han) const {
        const QList<uint> codes = han.toUcs4();
        const size_t count = static_cast<size_t>(codes.size());
        if (!word.pinyin.empty() && word.pinyin.find_first_of("12345") == std::string::npos)
            return pinyin::ReadMarkedWord(word.pinyin, count, codes.back() == U'儿', m_knownSpellings);
        if (!word.pinyin.empty())
            return pinyin::ReadNumberedWord(word.pinyin, han);
        const DictionaryEntry* entry = EntryOf(han);
        return entry ? pinyin::ReadNumberedWord(entry->numberedPinyin, han) : std::nullopt;
    }

    // Lesson words (lenient: a word whose pinyin does not fit is the lesson check's to report) and
    // word-list words (strict).
    bool AddListedPhrases(const std::vector<ListedWord>& words, bool lenient, std::string& error) {
        for (const ListedWord& word : words) {
            QString han;
            for (char32_t c : word.word.toUcs4())
                if (opendata::IsHan(c))
                    han += QString::fromUcs4(&c, 1);
            if (han.isEmpty())
                continue;
            const auto reading = ListedWordReading(word, han);
            if (!reading) {
                const std::string problem =
                    "the pinyin \"" + word.pinyin + "\" does not fit the word " + word.word.toStdString();
                if (!lenient) {
                    error = problem;
                    return false;
                }
                AddWarning(problem);
                continue;
            }
            if (reading->speechText.back() != 'r')
                AddReadingsOfWord(han, reading->syllables);
            const DictionaryEntry* entry =
                QString::fromStdString(reading->marked).front().isUpper() ? NameEntryOf(han) : nullptr;
            if (!entry)
                entry = EntryOf(han);
            Phrase phrase{han,
                          reading->syllables,
                          reading->marked,
                          reading->speechText,
                          word.explanation,
                          word.explanations,
                          PartOfSpeechId(word.partOfSpeech)};
            if (phrase.explanation.empty() && entry) {
                phrase.explanation = Explanation(*entry);
                phrase.explanationIsEnglish = true;
            }
            // A listed word comes again from the lessons' texts, where it has no explanation.
            if (phrase.explanation.empty() && phrase.explanations.empty() &&
                m_phraseKeys.count(PhraseKey(han, reading->marked)))
                continue;
            if (phrase.explanation.empty() && phrase.explanations.empty()) {
                AddWarning("no explanation for " + word.word.toStdString() + ": no phrase row");
                continue;
            }
            AddPhrase(std::move(phrase));
        }
        return true;
    }

    // A lesson word may read a character in a way the lists do not give (a neutral tone, say);
    // that reading joins the character's readings so the word's characters show it.
    void AddReadingsOfWord(const QString& han, const std::vector<PinyinSyllable>& syllables) {
        const QList<uint> codes = han.toUcs4();
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const char32_t c = codes[i];
            Character& character = m_characters[m_characterIndex.at(QString::fromUcs4(&c, 1))];
            if (std::find(character.readings.begin(), character.readings.end(), syllables[i]) ==
                character.readings.end())
                character.readings.push_back(syllables[i]);
        }
    }

    bool AddFrequentPhrases() {
        size_t added = 0;
        for (const auto& [word, count] : m_frequentWords) {
            if (added >= m_options.frequentWords)
                break;
            if (!AllIncluded(word) || word.isEmpty())
                continue;
            const DictionaryEntry* entry = EntryOf(word);
            if (!entry)
                continue;
            const auto reading = pinyin::ReadNumberedWord(entry->numberedPinyin, word);
            if (!reading)
                continue;
            if (AddPhrase(Phrase{word,
                                 reading->syllables,
                                 reading->marked,
                                 reading->speechText,
                                 Explanation(*entry),
                                 {},
                                 GuessPartOfSpeech(*entry),
                                 true}))
                ++added;
        }
        return true;
    }

    // Every syllable (in every tone) that a reading or a phrase uses.
    std::set<PinyinSyllable> SyllablesInUse() const {
        std::set<PinyinSyllable> syllables;
        for (const Character& c : m_characters)
            syllables.insert(c.readings.begin(), c.readings.end());
        for (const Phrase& p : m_phrases)
            syllables.insert(p.syllables.begin(), p.syllables.end());
        return syllables;
    }

    bool SpeakAll(std::map<std::string, Blob>& sounds, std::string& error) {
        SpeechEncoder speech;
        if (!speech.Open(error))
            return false;
        std::vector<std::string> texts;
        for (const Phrase& p : m_phrases)
            texts.push_back(p.speechText);
        for (const PinyinSyllable& s : SyllablesInUse())
            texts.push_back(s.Numbered());
        for (const std::string& text : texts) {
            if (sounds.count(text))
                continue;
            Blob mp3;
            if (!speech.Speak(text, mp3, error))
                return false;
            sounds.emplace(text, std::move(mp3));
        }
        return true;
    }

    void WriteCharacters(DatabaseWriter& w, WordDatabaseSummary& summary, std::string& error) {
        for (const Character& c : m_characters) {
            const auto pictures = strokes::MakeCharacterPictures(c.strokes);
            if (!pictures) {
                error = "the stroke outlines of " + c.text.toStdString() + " cannot be read";
                return;
            }
            const int strokeCount = static_cast<int>(pictures->strokes.size());
            for (size_t r = 0; r < c.readings.size(); ++r)
                w.Insert("tbl_hz_main", {"hz", "id", "bhs", "sm", "ym", "sd"},
                         {c.text.toStdString(), CharacterId(c.text, r), std::int64_t{strokeCount},
                          c.readings[r].initial, c.readings[r].final, std::int64_t{c.readings[r].tone}});
            const std::string id = CharacterId(c.text, 0);
            w.Insert("tbl_hz_image_song", {"id", "smallimg", "emptyimg", "blackimg", "orderimg"},
                     {id, Bmp(letters::SmallGlyph(c.text), bmp::Depth::Grey4),
                      Bmp(pictures->outline, bmp::Depth::Mono1, strokes::kOutlineGrey),
                      Bmp(pictures->black, bmp::Depth::Mono1),
                      Bmp(pictures->strokeOrder, bmp::Depth::Mono1)});
            WriteLargerSizes(w, glyphscale::kSongGlyphs, c.text);
            for (int s = 0; s < strokeCount; ++s) {
                const strokes::StrokePicture& stroke = pictures->strokes[static_cast<size_t>(s)];
                w.Insert("tbl_hz_bhimg_song",
                         {"hzid", "djh", "direction", "offsetx", "offsety", "IsOneStroke", "img"},
                         {id, std::int64_t{s + 1}, std::int64_t{stroke.direction},
                          std::int64_t{stroke.offsetX}, std::int64_t{stroke.offsetY}, std::int64_t{1},
                          Bmp(stroke.image, bmp::Depth::Mono1)});
            }
            Blob strokeFile;
            if (!strokefile::WriteStrokeFile(pictures->referenceStrokes, strokeFile, error))
                return;
            w.Insert("tbl_hz_bhpos_song", {"id", "posdata"}, {id, strokeFile});
            summary.characters++;
            summary.readings += c.readings.size();
        }
    }

    void WriteLettersAndPunctuation(DatabaseWriter& w) {
        for (const std::string& final : pinyin::AllFinals())
            for (int tone = 1; tone <= 5; ++tone) {
                const std::string marked = pinyin::MarkFinal(final, tone);
                w.Insert("tbl_pinyin_yunmu", {"ym", "tune", "ymtune", "img"},
                         {final, std::int64_t{tone}, marked,
                          Bmp(letters::LetterPicture(QString::fromStdString(marked)), bmp::Depth::Grey4)});
                WriteLargerSizes(w, glyphscale::kLetterGlyphs, QString::fromStdString(marked));
            }
        // Capital vowels begin sentences and names ("Ài", "Ōu"); their rows follow the lower-case
        // ones so that plain look-ups of a final find the lower-case row first. The final m needs
        // its capital too: a letter found among the finals without regard to case is looked for
        // nowhere else, so without it the M of "Mǎkè" would have no picture.
        for (const char* vowel : {"A", "E", "O", "M"})
            for (int tone = 1; tone <= 5; ++tone) {
                const std::string marked = pinyin::MarkFinal(QString(vowel).toLower().toStdString(), tone);
                const std::string capital = QString::fromStdString(marked).toUpper().toStdString();
                w.Insert("tbl_pinyin_yunmu", {"ym", "tune", "ymtune", "img"},
                         {std::string(vowel), std::int64_t{tone}, capital,
                          Bmp(letters::LetterPicture(QString::fromStdString(capital)), bmp::Depth::Grey4)});
                WriteLargerSizes(w, glyphscale::kLetterGlyphs, QString::fromStdString(capital));
            }
        for (char letter : pinyin::InitialLetters()) {
            const QString lower(QChar::fromLatin1(letter));
            const QString upper = lower.toUpper();
            w.Insert("tbl_pinyin_shengmu", {"sm", "img", "bigsm", "bigimg"},
                     {lower.toStdString(), Bmp(letters::LetterPicture(lower), bmp::Depth::Grey4),
                      upper.toStdString(), Bmp(letters::LetterPicture(upper), bmp::Depth::Grey4)});
            WriteLargerSizes(w, glyphscale::kLetterGlyphs, lower);
            WriteLargerSizes(w, glyphscale::kLetterGlyphs, upper);
        }
        for (const auto& [chinese, western] : kPunctuation) {
            const std::string bden = western;
            w.Insert("tbl_biaodian_main", {"bd", "img", "bden", "imgen"},
                     {std::string(chinese),
                      Bmp(letters::SmallGlyph(QString::fromUtf8(chinese)), bmp::Depth::Grey4), bden,
                      bden.empty() ? Value{}
                                   : Value{Bmp(letters::LetterPicture(QString::fromStdString(bden)),
                                               bmp::Depth::Grey4)}});
            WriteLargerSizes(w, glyphscale::kSongGlyphs, QString::fromUtf8(chinese));
            if (!bden.empty())
                WriteLargerSizes(w, glyphscale::kLetterGlyphs, QString::fromStdString(bden));
        }
    }

    // The pictures of one glyph at the scales above the base size, drawn from the face at each
    // size, once per glyph and kind.
    void WriteLargerSizes(DatabaseWriter& w, const char* source, const QString& glyph) {
        if (!m_largerGlyphs.insert({source, glyph}).second)
            return;
        const bool song = std::string_view(source) == glyphscale::kSongGlyphs;
        for (const int scale : glyphscale::kPictureScales) {
            if (scale == 100)
                continue; // the base size lives in the tables the program has always read
            const QImage picture =
                song ? letters::SmallGlyph(glyph, scale) : letters::LetterPicture(glyph, scale);
            w.Insert("tbl_glyph_size", {"source", "glyph", "scale", "img"},
                     {std::string(source), glyph.toStdString(), std::int64_t{scale},
                      Bmp(picture, bmp::Depth::Grey4)});
        }
    }

    void WritePhrases(DatabaseWriter& w, const std::map<std::string, Blob>& sounds,
                      WordDatabaseSummary& summary) {
        size_t n = 0;
        for (const Phrase& p : m_phrases) {
            const std::string id = NumberedId("PH", ++n);
            const auto sound = sounds.find(p.speechText);
            w.Insert("tbl_phrase_main", {"id", "cz", "czpinyin", "cxid", "imgflag", "sound", "cipin"},
                     {id, p.text.toStdString(), p.pinyin, p.cxid, std::int64_t{0},
                      sound == sounds.end() ? Value{} : Value{sound->second}, WordCount(p.text)});
            for (const std::string& suffix : m_options.languageSuffixes)
                w.Insert("tbl_phrase_explain_" + suffix, {"id", "wordid", "explain"},
                         {NumberedId("PE", n), id, p.ExplanationFor(suffix)});
        }
        summary.phrases = m_phrases.size();
    }

    // How often the word occurs in the word frequency list (0 when it is not there), so that the
    // word-study page lists the commonest phrases of a character first.
    std::int64_t WordCount(const QString& word) {
        if (m_wordCounts.empty())
            for (const auto& [listed, count] : m_frequentWords)
                m_wordCounts.emplace(listed, count);
        const auto found = m_wordCounts.find(word);
        return found == m_wordCounts.end() ? 0 : found->second;
    }

    void WriteSyllables(DatabaseWriter& w, const std::map<std::string, Blob>& sounds,
                        WordDatabaseSummary& summary) {
        for (const PinyinSyllable& s : SyllablesInUse()) {
            const auto sound = sounds.find(s.Numbered());
            w.Insert("tbl_pinyin_rule", {"pinyin", "sound"},
                     {s.Marked(), sound == sounds.end() ? Value{} : Value{sound->second}});
            summary.syllableSounds++;
        }
    }

    const WordDatabaseSources& m_sources;
    const WordDatabaseOptions& m_options;
    std::multimap<std::string, DictionaryEntry> m_dictionary;
    std::set<std::string> m_knownSpellings;
    std::vector<FrequentCharacter> m_frequentCharacters;
    std::map<QString, std::vector<std::string>> m_frequencyReadings;
    std::shared_ptr<const ReadingChoice> m_readingChoice;
    std::vector<std::pair<QString, long>> m_frequentWords;
    std::map<QString, long> m_wordCounts;
    std::vector<ListedWord> m_listedWords;
    std::vector<ListedWord> m_lessonWords;
    std::vector<std::string> m_warnings;
    std::vector<Character> m_characters;
    std::map<QString, size_t> m_characterIndex;
    std::vector<Phrase> m_phrases;
    std::set<std::string> m_phraseKeys;
    std::set<std::pair<std::string, QString>> m_largerGlyphs;
};

} // namespace

std::string PartOfSpeechId(const std::string& codeOrId) {
    for (const PartOfSpeech& part : kPartsOfSpeech)
        if (codeOrId == part.code || codeOrId == part.id)
            return part.id;
    return "";
}

bool BuildWordDatabase(const WordDatabaseSources& sources, const WordDatabaseOptions& options,
                       const std::string& outputPath, WordDatabaseSummary& summary, std::string& error) {
    error = letters::MissingFontError();
    if (!error.empty())
        return false;
    Builder builder(sources, options);
    if (!builder.Prepare(error))
        return false;
    const std::string partPath = outputPath + ".part";
    std::remove(partPath.c_str());
    summary = WordDatabaseSummary{};
    const bool written = builder.Write(partPath, summary, error);
    summary.warnings = builder.Warnings();
    summary.readingChoice = builder.Readings();
    if (!written) {
        std::remove(partPath.c_str());
        return false;
    }
    if (std::rename(partPath.c_str(), outputPath.c_str()) != 0) {
        error = "cannot move the new database to " + outputPath;
        std::remove(partPath.c_str());
        return false;
    }
    return true;
}
