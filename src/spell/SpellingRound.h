#pragma once

#include "lesson/LessonMaterial.h"
#include "spell/SpellingCheck.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// What the learner is asked to spell: a word of the lesson or one syllable of it, written with the
// lesson's own pinyin.
struct SpellItem {
    enum class Kind { NewWord, SentenceWord, Syllable };
    Kind kind = Kind::NewWord;
    std::u16string characters;
    std::u16string pinyin;
    std::string meaning;
};

// One round of spelling: a number of items, one at a time, each answered once; an item answered
// wrong comes back later in the round (twice at most). Counts every tone typed wrong by the tone
// it should have had.
class SpellingRound {
public:
    static constexpr int kItemsPerRound = 15;
    // How many items later a missed item comes back.
    static constexpr int kComeBackAfter = 3;
    static constexpr int kMostComebacks = 2;

    // Every item the lesson offers: its new words, the other words of its sentences and the
    // syllables of its new words, each once.
    static std::vector<SpellItem> ItemsOf(const LessonMaterial& lesson);

    // Picks the round's items from `pool` (new words first, then sentence words and syllables).
    SpellingRound(const std::vector<SpellItem>& pool, std::uint32_t seed, int size = kItemsPerRound);

    bool IsFinished() const { return m_position >= m_queue.size(); }
    const SpellItem& Current() const { return m_queue.at(m_position).item; }
    // 0-based place in the round and the round's length so far (it grows when items come back).
    int Position() const { return static_cast<int>(m_position); }
    int Length() const { return static_cast<int>(m_queue.size()); }
    bool IsAnswered() const { return m_answered; }
    // True when the current item is one that came back after a wrong answer.
    bool IsComeback() const { return m_queue.at(m_position).comeback > 0; }

    // Checks the typed answer against the current item. Text that is not pinyin is not an answer:
    // the verdict says why and the learner types again. Otherwise the item is answered.
    spelling::Verdict Answer(std::u16string_view typed);
    // Gives up on the current item: it counts as wrong.
    void GiveUp();
    // Goes on once the current item is answered; false when it did not (unanswered, or the end).
    bool Next();

    int RightFirstTime() const { return m_rightFirstTime; }
    int FirstTries() const { return m_firstTries; }
    // (tone it should have had, tone typed) with how often, the most frequent first.
    std::vector<std::pair<std::pair<int, int>, int>> ToneErrors() const;

private:
    struct Entry {
        SpellItem item;
        int comeback = 0;
    };
    void Missed();

    std::vector<Entry> m_queue;
    size_t m_position = 0;
    bool m_answered = false;
    int m_rightFirstTime = 0;
    int m_firstTries = 0;
    std::map<std::pair<int, int>, int> m_toneErrors;
};
