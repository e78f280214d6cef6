#include "spell/SpellingRound.h"

#include "exercise/ExerciseGenerator.h"
#include "spell/TypedPinyin.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

bool HasHan(const std::u16string& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x3400 && c <= 0x9FFF; });
}

// Each character of a word with its syllable, when the pinyin reads as one syllable per character.
void AddSyllables(const lesson::NewWord& word, std::vector<SpellItem>& items,
                  std::set<std::u16string>& seen) {
    const typedpinyin::Reading reading = typedpinyin::Read(word.pinyin);
    if (!reading.ok || reading.syllables.size() != word.word.size())
        return;
    for (size_t i = 0; i < word.word.size(); ++i) {
        const std::u16string character(1, word.word[i]);
        const std::u16string syllable = typedpinyin::Marked({reading.syllables[i]});
        if (reading.syllables[i].final == "r" || !HasHan(character) ||
            !seen.insert(u"#" + character + syllable).second)
            continue;
        items.push_back({SpellItem::Kind::Syllable, character, syllable, {}});
    }
}

} // namespace

std::vector<SpellItem> SpellingRound::ItemsOf(const LessonMaterial& lesson) {
    std::vector<SpellItem> items;
    std::set<std::u16string> seen;
    for (const lesson::NewWord& word : lesson.newWords)
        if (HasHan(word.word) && !word.pinyin.empty() && seen.insert(word.word).second)
            items.push_back({SpellItem::Kind::NewWord, word.word, word.pinyin, word.explanation});
    for (const LessonMaterial::Dialogue& dialogue : lesson.dialogues)
        for (const lesson::Sentence& sentence : dialogue.sentences) {
            const auto words = exercise::SplitWords(sentence.words);
            const auto pinyins = exercise::SplitWords(sentence.pinyin);
            if (words.size() != pinyins.size())
                continue;
            for (size_t i = 0; i < words.size(); ++i)
                if (HasHan(words[i]) && seen.insert(words[i]).second)
                    items.push_back({SpellItem::Kind::SentenceWord, words[i], pinyins[i], {}});
        }
    for (const lesson::NewWord& word : lesson.newWords)
        AddSyllables(word, items, seen);
    return items;
}

SpellingRound::SpellingRound(const std::vector<SpellItem>& pool, std::uint32_t seed, int size) {
    std::mt19937 engine(seed);
    std::vector<SpellItem> shuffled = pool;
    for (size_t i = shuffled.size(); i > 1; --i)
        std::swap(shuffled[i - 1], shuffled[engine() % i]);
    // About half the round are new words, the rest sentence words and syllables; whatever one
    // kind lacks the others fill.
    const size_t wanted = std::min(shuffled.size(), static_cast<size_t>(std::max(0, size)));
    const size_t newWords = (wanted + 1) / 2;
    std::vector<SpellItem> chosen;
    for (int pass = 0; pass < 2; ++pass)
        for (SpellItem& item : shuffled) {
            const bool isNew = item.kind == SpellItem::Kind::NewWord;
            const size_t newChosen =
                static_cast<size_t>(std::count_if(chosen.begin(), chosen.end(), [](const SpellItem& c) {
                    return c.kind == SpellItem::Kind::NewWord;
                }));
            const bool fits =
                pass == 1 || (isNew ? newChosen < newWords : chosen.size() - newChosen < wanted - newWords);
            if (chosen.size() < wanted && fits && !item.characters.empty()) {
                chosen.push_back(item);
                item.characters.clear(); // taken
            }
        }
    for (size_t i = chosen.size(); i > 1; --i)
        std::swap(chosen[i - 1], chosen[engine() % i]);
    for (SpellItem& item : chosen)
        m_queue.push_back({std::move(item), 0});
}

spelling::Verdict SpellingRound::Answer(std::u16string_view typed) {
    if (IsFinished() || m_answered)
        return {};
    const SpellItem& item = Current();
    spelling::Verdict verdict = spelling::Check(typed, item.pinyin, item.characters);
    if (!verdict.readable)
        return verdict;
    m_answered = true;
    const bool firstTry = !IsComeback();
    if (firstTry) {
        ++m_firstTries;
        if (verdict.right)
            ++m_rightFirstTime;
    }
    for (const spelling::SyllableCheck& s : verdict.syllables)
        if (s.typed && !s.toneRight)
            ++m_toneErrors[{s.expected.tone, s.given.tone}];
    if (!verdict.right)
        Missed();
    return verdict;
}

void SpellingRound::GiveUp() {
    if (IsFinished() || m_answered)
        return;
    m_answered = true;
    if (!IsComeback())
        ++m_firstTries;
    Missed();
}

void SpellingRound::Missed() {
    Entry again = m_queue[m_position];
    if (again.comeback >= kMostComebacks)
        return;
    ++again.comeback;
    const size_t at = std::min(m_queue.size(), m_position + 1 + kComeBackAfter);
    m_queue.insert(m_queue.begin() + static_cast<std::ptrdiff_t>(at), std::move(again));
}

bool SpellingRound::Next() {
    if (IsFinished() || !m_answered)
        return false;
    ++m_position;
    m_answered = false;
    return !IsFinished();
}

std::vector<std::pair<std::pair<int, int>, int>> SpellingRound::ToneErrors() const {
    std::vector<std::pair<std::pair<int, int>, int>> errors(m_toneErrors.begin(), m_toneErrors.end());
    std::stable_sort(errors.begin(), errors.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return errors;
}
