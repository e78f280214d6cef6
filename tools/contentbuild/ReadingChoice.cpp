#include "ReadingChoice.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <set>

namespace {

// A neutral tone inside a word is mostly a weakened full tone (桌子, 东西, 师傅): it counts only
// where the dictionary gives the character that reading alone, and then for little against its
// full tones, so that it still wins where the character has no other use (什么).
constexpr double kNeutralInWord = 0.1;
// Used alone, a character with a grammatical sense is mostly that particle (了, 着, 吗).
constexpr double kParticleAlone = 2.0;

// Characters whose usual reading alone differs from the one their many compounds give, which word
// counts cannot see: 都 alone is dōu (首都 dū), 长 is cháng (校长 zhǎng).
const std::pair<const char*, const char*> kReadingAlone[] = {
    {"都", "dou1"}, {"长", "chang2"}, {"角", "jiao3"}, {"佛", "fo2"},
    {"累", "lei4"}, {"与", "yu3"},    {"挑", "tiao1"},
};

bool IsOrdinary(const DictionaryEntry& entry) {
    return !entry.numberedPinyin.empty() && QChar(entry.numberedPinyin[0]).isLower();
}

// A sense that is not a use of the character on its own: a variant spelling, a syllable of another
// word, a bound form, a name.
bool IsBoundSense(const std::string& gloss) {
    const QString text = QString::fromStdString(gloss).toLower();
    for (const char* start : {"variant of", "old variant", "japanese variant", "used in", "(bound form)",
                              "surname", "see ", "abbr.", "archaic", "erhua variant"})
        if (text.startsWith(QLatin1String(start)))
            return true;
    return false;
}

bool HasParticleSense(const DictionaryEntry& entry) {
    for (const std::string& gloss : entry.glosses)
        if (gloss.find("particle") != std::string::npos || gloss.find("marker") != std::string::npos)
            return true;
    return false;
}

} // namespace

ReadingChoice::ReadingChoice(const std::multimap<std::string, DictionaryEntry>& dictionary,
                             const std::vector<std::pair<QString, long>>& wordCounts) {
    for (const auto& [word, entry] : dictionary)
        if (IsOrdinary(entry) && QString::fromStdString(word).toUcs4().size() == 1)
            if (const auto syllable = pinyin::ParseNumbered(entry.numberedPinyin);
                syllable && syllable->tone == 5)
                m_neutralAlone[QString::fromStdString(word)].insert(*syllable);
    for (const auto& [word, count] : wordCounts) {
        const auto [first, last] = dictionary.equal_range(word.toStdString());
        const size_t length = static_cast<size_t>(word.toUcs4().size());
        std::vector<const DictionaryEntry*> singles;
        std::vector<std::vector<PinyinSyllable>> readings;
        for (auto it = first; it != last; ++it) {
            if (!IsOrdinary(it->second))
                continue; // names and surnames lend nothing: the ordinary reading comes first
            const auto syllables = pinyin::ParseNumberedList(it->second.numberedPinyin);
            if (!syllables || syllables->size() != length)
                continue;
            if (length == 1)
                singles.push_back(&it->second);
            else
                readings.push_back(*syllables);
        }
        if (length == 1)
            CountCharacter(word, static_cast<double>(count), singles);
        else
            CountWord(word, static_cast<double>(count), readings);
    }
    for (const auto& [character, numbered] : kReadingAlone)
        if (const auto syllable = pinyin::ParseNumbered(numbered)) {
            auto& weights = m_weights[QString::fromUtf8(character)];
            double most = 0;
            for (const auto& [reading, weight] : weights)
                most = std::max(most, weight);
            weights[*syllable] = most + 1;
        }
}

// A word's count goes to its characters' readings in it, shared where its entries disagree.
void ReadingChoice::CountWord(const QString& word, double count,
                              const std::vector<std::vector<PinyinSyllable>>& ordinaryReadings) {
    const QList<uint> characters = word.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        std::set<PinyinSyllable> distinct;
        for (const std::vector<PinyinSyllable>& syllables : ordinaryReadings)
            distinct.insert(syllables[static_cast<size_t>(i)]);
        const char32_t c = characters[i];
        const QString character = QString::fromUcs4(&c, 1);
        auto& weights = m_weights[character];
        for (const PinyinSyllable& reading : distinct) {
            const double share = count / static_cast<double>(distinct.size());
            if (reading.tone != 5)
                weights[reading] += share;
            else if (m_neutralAlone[character].count(reading))
                weights[reading] += share * kNeutralInWord;
        }
    }
}

// The count of a character used alone goes to the senses it can have alone.
void ReadingChoice::CountCharacter(const QString& character, double count,
                                   const std::vector<const DictionaryEntry*>& entries) {
    std::map<PinyinSyllable, double> shares;
    for (bool boundToo : {false, true}) {
        for (const DictionaryEntry* entry : entries) {
            if (!boundToo && (entry->glosses.empty() || IsBoundSense(entry->glosses.front())))
                continue;
            double& share = shares[*pinyin::ParseNumbered(entry->numberedPinyin)];
            share = std::max(share, HasParticleSense(*entry) ? kParticleAlone : 1.0);
        }
        if (!shares.empty())
            break;
    }
    double total = 0;
    for (const auto& [reading, share] : shares)
        total += share;
    auto& weights = m_weights[character];
    for (const auto& [reading, share] : shares)
        weights[reading] += count * share / total;
}

std::vector<PinyinSyllable> ReadingChoice::Ordered(const QString& character,
                                                   std::vector<PinyinSyllable> readings) const {
    std::stable_sort(readings.begin(), readings.end(), [&](const PinyinSyllable& a, const PinyinSyllable& b) {
        return Weight(character, a) > Weight(character, b);
    });
    return readings;
}

double ReadingChoice::Weight(const QString& character, const PinyinSyllable& reading) const {
    const auto found = m_weights.find(character);
    if (found == m_weights.end())
        return 0;
    const auto weight = found->second.find(reading);
    return weight == found->second.end() ? 0 : weight->second;
}
