#pragma once

#include <string>
#include <vector>

namespace exercise {

enum class QuestionKind {
    Listening,       // hear a sentence, pick its translation
    Meaning,         // a new word, pick its meaning
    WordFromMeaning, // a meaning, pick the new word
    Tones,           // hear a word, pick its pinyin among tone variants
    WordOrder,       // put the shuffled words of a sentence in order
    Writing,         // write a new character on the writing pad
    Reading,         // a sentence with one word blanked, pick the missing word
};

// One answer offered: Chinese words are drawn with their pinyin, texts with a font.
struct Choice {
    std::u16string chinese;
    std::u16string pinyin;
    std::string text;
};

// Where a question's sound comes from: a sentence of the lesson or a word of the word database.
struct SoundSource {
    std::string sentenceId;
    std::u16string word;
    std::u16string pinyin;
    bool IsSentence() const { return !sentenceId.empty(); }
    bool IsEmpty() const { return sentenceId.empty() && word.empty(); }
};

// What a learner should look at again after getting a question wrong.
struct ReviewItem {
    std::u16string chinese;
    std::u16string pinyin;
    std::string text;
    bool operator==(const ReviewItem&) const = default;
};

struct Question {
    QuestionKind kind = QuestionKind::Listening;
    // The item asked about: a word, or a sentence's words separated by single blanks with one
    // pinyin group per word.
    std::u16string chinese;
    std::u16string pinyin;
    std::string text; // its meaning or translation
    SoundSource sound;
    // Reading: the index of the blanked word among the sentence's words.
    int blank = -1;
    // Choice questions: the offers in the order shown, and which one is right. Word order: the
    // tiles in the order shown, and `order` the tiles' indices in the sentence's order.
    std::vector<Choice> choices;
    int answer = -1;
    std::vector<int> order;

    bool IsChoice() const { return kind != QuestionKind::WordOrder && kind != QuestionKind::Writing; }
    ReviewItem Review() const;
};

} // namespace exercise
