#pragma once

#include "OpenDataSources.h"
#include "render/PinyinSyllable.h"

#include <QString>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Which reading of a character is its usual one, judged by use: every dictionary word the word
// list counts lends its count to the reading each of its characters has in it. The character list
// the build also reads gives readings in alphabetical order, so it cannot tell.
class ReadingChoice {
public:
    ReadingChoice(const std::multimap<std::string, DictionaryEntry>& dictionary,
                  const std::vector<std::pair<QString, long>>& wordCounts);

    // `readings` ordered by use, the usual one first; readings never seen in use follow in their
    // given order.
    std::vector<PinyinSyllable> Ordered(const QString& character, std::vector<PinyinSyllable> readings) const;

    // How much use the counted words show of one reading of a character.
    double Weight(const QString& character, const PinyinSyllable& reading) const;

private:
    void CountWord(const QString& word, double count,
                   const std::vector<std::vector<PinyinSyllable>>& ordinaryReadings);
    void CountCharacter(const QString& character, double count,
                        const std::vector<const DictionaryEntry*>& entries);

    std::map<QString, std::map<PinyinSyllable, double>> m_weights;
    std::map<QString, std::set<PinyinSyllable>> m_neutralAlone; // the dictionary's, of a character alone
};
