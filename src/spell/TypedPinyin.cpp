#include "spell/TypedPinyin.h"

#include <QString>

#include <algorithm>
#include <functional>

namespace typedpinyin {
namespace {

// Typed text longer than this is not one answer.
constexpr size_t kLongestInput = 200;
// The longest syllable spelling ("zhuang", "shuang").
constexpr size_t kLongestSyllable = 6;

struct Letter {
    char16_t plain; // lower case, ü for ü, v and u:
    int tone;       // 1 to 4 when it carried a tone mark, else 0
};

// A run of letters between separators, with the tone number typed after it (0 when none).
struct Group {
    std::vector<Letter> letters;
    int typedTone = 0;
    bool followsToneNumber = false; // written right after a tone number ("dian3r")
};

bool ReadLetter(char16_t c, Letter& letter) {
    static const std::u16string kMarked[] = {u"āáǎà", u"ēéěè", u"īíǐì", u"ōóǒò", u"ūúǔù", u"ǖǘǚǜ"};
    static const char16_t kVowels[] = u"aeiouü";
    const char16_t lower = QChar(c).toLower().unicode();
    if ((lower >= u'a' && lower <= u'z') || lower == u'ü') {
        letter = {lower == u'v' ? u'ü' : lower, 0};
        return true;
    }
    for (size_t v = 0; v < std::size(kMarked); ++v) {
        const size_t tone = kMarked[v].find(lower);
        if (tone != std::u16string::npos) {
            letter = {kVowels[v], static_cast<int>(tone) + 1};
            return true;
        }
    }
    return false;
}

bool IsSeparator(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\'' || c == u'’' || c == u'‘' || c == u'`' || c == u'-' ||
           c == u'\u3000';
}

std::string Quote(char16_t c) {
    return "\"" + QString(QChar(c)).toStdString() + "\"";
}

// Cuts the typed text into groups; false with a reason for anything that is not pinyin.
bool ReadGroups(std::u16string_view typed, std::vector<Group>& groups, std::string& problem) {
    groups.assign(1, Group());
    bool afterToneNumber = false;
    const auto closeGroup = [&] {
        if (!groups.back().letters.empty())
            groups.emplace_back();
    };
    for (size_t i = 0; i < typed.size(); ++i) {
        const char16_t c = typed[i];
        Letter letter{};
        if (IsSeparator(c)) {
            closeGroup();
            afterToneNumber = false;
        } else if (c >= u'0' && c <= u'5') {
            if (groups.back().letters.empty()) {
                problem = "a tone number must follow a syllable";
                return false;
            }
            groups.back().typedTone = c == u'0' ? 5 : c - u'0';
            closeGroup();
            afterToneNumber = true;
        } else if (c == u':' && !groups.back().letters.empty() &&
                   groups.back().letters.back().plain == u'u') {
            groups.back().letters.back().plain = u'ü'; // "u:" is ü
        } else if (ReadLetter(c, letter)) {
            if (groups.back().letters.empty())
                groups.back().followsToneNumber = afterToneNumber;
            afterToneNumber = false;
            groups.back().letters.push_back(letter);
        } else {
            problem = Quote(c) + " is not part of pinyin";
            return false;
        }
    }
    if (groups.back().letters.empty())
        groups.pop_back();
    return true;
}

std::string PlainText(const std::vector<Letter>& letters, size_t from, size_t to) {
    std::u16string text;
    for (size_t i = from; i < to; ++i)
        text.push_back(letters[i].plain);
    return QString::fromStdU16String(text).toStdString();
}

// The syllable as the syllable list spells it, or empty when it is none: after j, q, x and y the
// list writes ü as u ("ju", "xue"), which learners may type either way.
std::string KnownSpelling(std::string plain) {
    if (pinyin::PlainSyllables().count(plain))
        return plain;
    const std::string u = "ü";
    const size_t at = plain.find(u);
    if (at == std::string::npos || plain.empty() || std::string("jqxy").find(plain[0]) == std::string::npos)
        return {};
    plain.replace(at, u.size(), "u");
    return pinyin::PlainSyllables().count(plain) ? plain : std::string();
}

// Erhua joins a syllable that is neither er nor already followed by an erhua r.
bool ErhuaCanJoin(const std::vector<PinyinSyllable>& before) {
    return !before.empty() && before.back().final != "er" && before.back().final != "r";
}

// Splits one group into known syllables: the longest spelling first, a syllable inside a group
// never starting with a, o or e (pinyin writes an apostrophe there), an r after a syllable that
// starts no syllable read as erhua.
bool SplitGroup(const Group& group, std::vector<PinyinSyllable>& out, std::string& problem) {
    const std::vector<Letter>& letters = group.letters;
    const size_t start = out.size();
    std::function<bool(size_t)> split = [&](size_t pos) -> bool {
        if (pos == letters.size())
            return true;
        const bool erhuaCanFollow = pos > 0 && ErhuaCanJoin(out);
        if (erhuaCanFollow && pos + 1 == letters.size() && letters[pos].plain == u'r') {
            out.push_back({"", "r", 5});
            return true;
        }
        for (size_t end = std::min(letters.size(), pos + kLongestSyllable); end > pos; --end) {
            const std::string plain = KnownSpelling(PlainText(letters, pos, end));
            if (plain.empty() || (pos > 0 && std::string("aoe").find(plain[0]) != std::string::npos))
                continue;
            int tone = 0, marks = 0;
            for (size_t i = pos; i < end; ++i)
                if (letters[i].tone != 0) {
                    tone = letters[i].tone;
                    ++marks;
                }
            if (marks > 1)
                continue;
            auto syllable = pinyin::ParseNumbered(plain + std::to_string(tone ? tone : 5));
            if (!syllable)
                continue;
            out.push_back(*syllable);
            if (split(end))
                return true;
            out.pop_back();
        }
        // "diǎnryì": an erhua r inside a group, when no syllable can start there.
        if (erhuaCanFollow && letters[pos].plain == u'r') {
            out.push_back({"", "r", 5});
            if (split(pos + 1))
                return true;
            out.pop_back();
        }
        return false;
    };
    if (!split(0)) {
        problem = "\"" + PlainText(letters, 0, letters.size()) + "\" is not pinyin";
        return false;
    }
    if (group.typedTone != 0) {
        // The number belongs to the last syllable (the one before an erhua r).
        PinyinSyllable& last =
            out.back().final == "r" && out.size() - start > 1 ? out[out.size() - 2] : out.back();
        if (last.tone != 5 && last.tone != group.typedTone) {
            problem = "a tone mark and a tone number disagree";
            return false;
        }
        last.tone = group.typedTone;
    }
    return true;
}

} // namespace

Reading Read(std::u16string_view typed) {
    Reading reading;
    if (typed.size() > kLongestInput) {
        reading.problem = "too long for one answer";
        return reading;
    }
    std::vector<Group> groups;
    if (!ReadGroups(typed, groups, reading.problem))
        return reading;
    if (groups.empty()) {
        reading.problem = "nothing typed";
        return reading;
    }
    for (const Group& group : groups) {
        // "dian3r": the r of erhua written after the tone number.
        if (group.followsToneNumber && group.letters.size() == 1 && group.letters[0].plain == u'r' &&
            ErhuaCanJoin(reading.syllables)) {
            PinyinSyllable& before = reading.syllables.back();
            if (before.initial.empty() && before.final == "e")
                before.final = "er"; // "e3r" sounds, and is written, as ěr
            else
                reading.syllables.push_back({"", "r", 5});
            continue;
        }
        if (!SplitGroup(group, reading.syllables, reading.problem)) {
            reading.syllables.clear();
            return reading;
        }
    }
    reading.ok = true;
    return reading;
}

std::u16string Marked(const std::vector<PinyinSyllable>& syllables) {
    return QString::fromStdString(pinyin::JoinMarked(syllables)).toStdU16String();
}

} // namespace typedpinyin
