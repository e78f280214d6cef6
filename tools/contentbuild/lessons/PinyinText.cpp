#include "PinyinText.h"

#include "app/TextEncoding.h"
#include "render/PinyinSyllable.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace lessons {
namespace {

const std::pair<const char*, const char*> kPunctuation[] = {
    {"，", ","}, {"。", "."}, {"？", "?"}, {"！", "!"},  {"、", ","}, {"：", ":"},
    {"；", ";"}, {"“", "\""}, {"”", "\""}, {"‘", "'"},   {"’", "'"},  {"（", "("},
    {"）", ")"}, {"《", "<"}, {"》", ">"}, {"……", "……"}, {"*", "*"},
};

// Every Mandarin syllable without its tone, "v" standing for "ü", and "r" for erhua.
const std::set<std::string>& Syllables() {
    static const std::set<std::string> set = [] {
        std::set<std::string> s{"r"};
        for (std::string syllable : pinyin::PlainSyllables()) {
            if (const size_t u = syllable.find("ü"); u != std::string::npos)
                syllable.replace(u, std::string("ü").size(), "v");
            s.insert(syllable);
        }
        return s;
    }();
    return set;
}

// A pinyin letter reduced to plain ASCII ("ǚ" -> 'v'), with whether it carried a tone mark.
// Returns 0 for a character that is no pinyin letter.
char PlainLetter(char16_t c, bool& marked) {
    static const std::u16string kMarked[] = {u"āáǎà", u"ēéěè", u"īíǐì", u"ōóǒò", u"ūúǔù", u"ǖǘǚǜ",
                                             u"ĀÁǍÀ", u"ĒÉĚÈ", u"ĪÍǏÌ", u"ŌÓǑÒ", u"ŪÚǓÙ"};
    static const char kPlain[] = "aeiouvaeiou";
    marked = false;
    if (c >= u'a' && c <= u'z')
        return static_cast<char>(c);
    if (c >= u'A' && c <= u'Z')
        return static_cast<char>(c - u'A' + u'a');
    if (c == u'ü' || c == u'Ü')
        return 'v';
    for (size_t i = 0; i < std::size(kMarked); ++i) {
        if (kMarked[i].find(c) != std::u16string::npos) {
            marked = true;
            return kPlain[i];
        }
    }
    return 0;
}

// For each count of syllables up to `most`, whether `letters` splits into exactly that many
// syllables of at most one tone mark each (`marks` counts the tone marks before each letter).
std::vector<bool> SyllableCounts(const std::string& letters, const std::vector<int>& marks, size_t most) {
    // splits[pos][n]: letters from pos to the end split into n syllables.
    std::vector<std::vector<bool>> splits(letters.size() + 1, std::vector<bool>(most + 1, false));
    splits[letters.size()][0] = true;
    for (size_t pos = letters.size(); pos-- > 0;) {
        for (size_t length = 1; length <= 6 && pos + length <= letters.size(); ++length) {
            if (marks[pos + length] - marks[pos] > 1 || !Syllables().count(letters.substr(pos, length)))
                continue;
            for (size_t n = 1; n <= most; ++n)
                if (splits[pos + length][n - 1])
                    splits[pos][n] = true;
        }
    }
    return splits[0];
}

} // namespace

const std::set<std::string>& SyllableSpellings() {
    return pinyin::PlainSyllables();
}

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t start = 0;
    for (;;) {
        const size_t space = line.find(' ', start);
        words.emplace_back(line.substr(start, space == std::string_view::npos ? space : space - start));
        if (space == std::string_view::npos)
            return words;
        start = space + 1;
    }
}

std::string PunctuationPinyin(std::string_view word) {
    for (const auto& [mark, western] : kPunctuation)
        if (word == mark)
            return western;
    return {};
}

bool IsCapitalisedPinyin(std::string_view pinyin) {
    const QString text = QString::fromUtf8(pinyin.data(), static_cast<qsizetype>(pinyin.size()));
    return !text.isEmpty() && text.front().isUpper();
}

int HanCharacterCount(std::string_view word) {
    const std::u16string wide = text::Utf8ToUtf16(word);
    if (wide.empty())
        return -1;
    for (char16_t c : wide)
        if (c < 0x3400 || c > 0x9FFF)
            return -1;
    return static_cast<int>(wide.size());
}

std::vector<std::string> HanCharacters(std::string_view line) {
    std::vector<std::string> out;
    for (char16_t c : text::Utf8ToUtf16(line))
        if (c >= 0x3400 && c <= 0x9FFF)
            out.push_back(text::Utf16ToUtf8(std::u16string(1, c)));
    return out;
}

std::string CheckPinyinGroup(std::string_view pinyin, int syllables) {
    const std::u16string wide = text::Utf8ToUtf16(pinyin);
    if (wide.empty())
        return "empty pinyin";
    if (syllables < 1 || syllables > kMostWordCharacters || wide.size() > kMostWordCharacters)
        return "\"" + std::string(pinyin) + "\" is too long for one word (at most " +
               std::to_string(kMostWordCharacters) + " characters and pinyin letters)";
    // Apostrophes only separate syllables: each part must split on its own.
    std::vector<std::pair<std::string, std::vector<int>>> parts(1);
    parts.back().second.push_back(0);
    for (char16_t c : wide) {
        if (c == u'\'') {
            parts.emplace_back();
            parts.back().second.push_back(0);
            continue;
        }
        bool marked = false;
        const char letter = PlainLetter(c, marked);
        if (!letter)
            return "\"" + std::string(pinyin) + "\" holds a character that is no pinyin letter";
        parts.back().first += letter;
        parts.back().second.push_back(parts.back().second.back() + (marked ? 1 : 0));
    }
    // Distribute the syllables over the parts: each part needs at least one.
    std::vector<std::vector<bool>> possible; // possible[p][n]: part p splits into n syllables
    for (const auto& [letters, marks] : parts) {
        if (letters.empty())
            return "\"" + std::string(pinyin) + "\" has an apostrophe without a syllable beside it";
        possible.push_back(SyllableCounts(letters, marks, static_cast<size_t>(syllables)));
    }
    std::vector<bool> reach(static_cast<size_t>(syllables) + 1, false);
    reach[0] = true;
    for (const std::vector<bool>& counts : possible) {
        std::vector<bool> next(reach.size(), false);
        for (size_t have = 0; have < reach.size(); ++have)
            for (size_t add = 1; reach[have] && have + add < reach.size(); ++add)
                if (counts[add])
                    next[have + add] = true;
        reach = next;
    }
    if (!reach[static_cast<size_t>(syllables)])
        return "\"" + std::string(pinyin) + "\" is not " + std::to_string(syllables) +
               " pinyin syllable(s) with at most one tone mark each";
    return {};
}

std::string CheckToneMarkPlaces(std::string_view pinyin, const pinyin::WordReading& reading) {
    // The written letters without separators, against the syllables written the standard way.
    QString written = QString::fromUtf8(pinyin.data(), static_cast<qsizetype>(pinyin.size())).toLower();
    written.remove(QRegularExpression(QStringLiteral("[\\s'’\\-]")));
    const bool erhua = !reading.speechText.empty() && reading.speechText.back() == 'r';
    const size_t spelled = reading.syllables.size() - (erhua ? 1 : 0);
    qsizetype at = 0;
    for (size_t i = 0; i < spelled; ++i) {
        const QString standard = QString::fromStdString(reading.syllables[i].Marked());
        const QString actual = written.mid(at, standard.size());
        if (actual.size() == standard.size() && actual != standard)
            return "the tone mark of \"" + actual.toStdString() + "\" goes on another vowel: \"" +
                   standard.toStdString() + "\"";
        at += standard.size();
    }
    return "";
}

} // namespace lessons
