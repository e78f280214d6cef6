#include "exercise/ExerciseGenerator.h"

#include "exercise/ToneVariants.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <map>
#include <random>

namespace exercise {
namespace {

// The run's randomness; engine() % n rather than a distribution, so a seed gives the same run with
// every standard library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    size_t Below(size_t n) { return n == 0 ? 0 : m_engine() % n; }
    template <typename T> void Shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(i)]);
    }

private:
    std::mt19937 m_engine;
};

// How texts are compared when deciding whether an offer would also be right: without regard to
// case, blanks at the ends or a closing full stop, exclamation or question mark.
QString Comparable(const std::string& text) {
    QString folded = QString::fromStdString(text).toCaseFolded().simplified();
    while (!folded.isEmpty() && QStringLiteral(".!?。！？").contains(folded.back()))
        folded.chop(1);
    return folded.trimmed();
}

// A sentence as the questions use it: its words with one pinyin group each.
struct SentenceItem {
    const lesson::Sentence* sentence = nullptr;
    std::vector<std::u16string> tokens;
    std::vector<std::u16string> pinyins;
    std::vector<int> wordIndices; // tokens that are words, not punctuation

    bool Aligned() const { return !tokens.empty() && tokens.size() == pinyins.size(); }
};

SentenceItem MakeSentenceItem(const lesson::Sentence& sentence) {
    SentenceItem item;
    item.sentence = &sentence;
    item.tokens = SplitWords(sentence.words);
    item.pinyins = SplitWords(sentence.pinyin);
    for (size_t i = 0; i < item.tokens.size(); ++i)
        if (IsWordToken(item.tokens[i]))
            item.wordIndices.push_back(static_cast<int>(i));
    return item;
}

std::vector<SentenceItem> SentencesOf(const LessonMaterial& lesson) {
    std::vector<SentenceItem> items;
    for (const LessonMaterial::Dialogue& dialogue : lesson.dialogues)
        for (const lesson::Sentence& sentence : dialogue.sentences)
            items.push_back(MakeSentenceItem(sentence));
    return items;
}

// An offer with what makes it equal to another: its Chinese text and its meaning.
struct Offer {
    Choice choice;
    std::u16string chinese;
    QString meaning;

    bool SameAs(const Offer& other) const {
        return (!chinese.empty() && chinese == other.chinese) ||
               (!meaning.isEmpty() && meaning == other.meaning);
    }
};

// The offers one lesson can give for a kind of question.
using OfferSource = std::function<std::vector<Offer>(const LessonMaterial&)>;

std::vector<Offer> TranslationOffers(const LessonMaterial& lesson) {
    std::vector<Offer> offers;
    for (const SentenceItem& item : SentencesOf(lesson))
        if (!item.sentence->explain.empty() && !item.wordIndices.empty())
            offers.push_back(
                {{{}, {}, item.sentence->explain}, item.sentence->words, Comparable(item.sentence->explain)});
    return offers;
}

std::vector<Offer> MeaningOffers(const LessonMaterial& lesson) {
    std::vector<Offer> offers;
    for (const lesson::NewWord& word : lesson.newWords)
        if (!word.explanation.empty())
            offers.push_back({{{}, {}, word.explanation}, word.word, Comparable(word.explanation)});
    return offers;
}

std::vector<Offer> NewWordOffers(const LessonMaterial& lesson) {
    std::vector<Offer> offers;
    for (const lesson::NewWord& word : lesson.newWords)
        if (!word.word.empty())
            offers.push_back({{word.word, word.pinyin, {}}, word.word, Comparable(word.explanation)});
    return offers;
}

// Every word of the lesson's sentences and new words, for the blank of a reading question.
std::vector<Offer> WordOffers(const LessonMaterial& lesson) {
    std::vector<Offer> offers = NewWordOffers(lesson);
    for (const SentenceItem& item : SentencesOf(lesson))
        if (item.Aligned())
            for (int index : item.wordIndices)
                offers.push_back(
                    {{item.tokens[static_cast<size_t>(index)], item.pinyins[static_cast<size_t>(index)], {}},
                     item.tokens[static_cast<size_t>(index)],
                     {}});
    return offers;
}

class Generator {
public:
    Generator(const LessonMaterial& lesson, const EarlierLessonReader& earlier, std::uint32_t seed)
        : m_lesson(lesson), m_earlier(earlier), m_dice(seed), m_sentences(SentencesOf(lesson)) {}

    std::vector<Question> Run(int questionCount);

private:
    using Maker = bool (Generator::*)(size_t item, Question& question);
    struct KindPlan {
        Maker make;
        std::vector<size_t> items; // candidates not yet asked, in the order they are tried
    };

    std::vector<KindPlan> Plans();
    bool NextQuestion(KindPlan& plan, Question& question);

    // Three wrong offers for `answer`, or false when the lessons have too few.
    bool PickOffers(const Offer& answer, const OfferSource& source, std::vector<Offer>& picked);
    bool AddOffers(const Offer& answer, std::vector<Offer> candidates, std::vector<Offer>& picked);
    void PlaceChoices(const Offer& answer, std::vector<Offer> wrong, Question& question);

    bool MakeListening(size_t item, Question& q);
    bool MakeMeaning(size_t item, Question& q);
    bool MakeWordFromMeaning(size_t item, Question& q);
    bool MakeTones(size_t item, Question& q);
    bool MakeWordOrder(size_t item, Question& q);
    bool MakeWriting(size_t item, Question& q);
    bool MakeReading(size_t item, Question& q);

    void AskAboutSentence(const SentenceItem& item, Question& q) const;
    void AskAboutWord(const lesson::NewWord& word, Question& q) const;
    std::vector<size_t> Indices(size_t count, const std::function<bool(size_t)>& usable);

    const LessonMaterial& m_lesson;
    const EarlierLessonReader& m_earlier;
    Dice m_dice;
    std::vector<SentenceItem> m_sentences;
};

std::vector<size_t> Generator::Indices(size_t count, const std::function<bool(size_t)>& usable) {
    std::vector<size_t> indices;
    for (size_t i = 0; i < count; ++i)
        if (usable(i))
            indices.push_back(i);
    m_dice.Shuffle(indices);
    return indices;
}

std::vector<Generator::KindPlan> Generator::Plans() {
    const auto& words = m_lesson.newWords;
    const auto hasMeaning = [&](size_t i) { return !words[i].explanation.empty() && !words[i].word.empty(); };
    const auto sentenceCount = m_sentences.size();
    return {
        {&Generator::MakeListening, Indices(sentenceCount,
                                            [&](size_t i) {
                                                return !m_sentences[i].sentence->explain.empty() &&
                                                       !m_sentences[i].wordIndices.empty();
                                            })},
        {&Generator::MakeMeaning, Indices(words.size(), hasMeaning)},
        {&Generator::MakeTones,
         Indices(words.size(), [&](size_t i) { return tones::ToneVariants(words[i].pinyin).size() >= 3; })},
        {&Generator::MakeWordOrder, Indices(sentenceCount,
                                            [&](size_t i) {
                                                const size_t n = m_sentences[i].wordIndices.size();
                                                return m_sentences[i].Aligned() && n >= kFewestOrderedWords &&
                                                       n <= kMostOrderedWords;
                                            })},
        {&Generator::MakeWriting, Indices(m_lesson.writableCharacters.size(), [](size_t) { return true; })},
        {&Generator::MakeReading, Indices(sentenceCount,
                                          [&](size_t i) {
                                              return m_sentences[i].Aligned() &&
                                                     m_sentences[i].wordIndices.size() >= 2;
                                          })},
        {&Generator::MakeWordFromMeaning, Indices(words.size(), hasMeaning)},
    };
}

bool Generator::NextQuestion(KindPlan& plan, Question& question) {
    while (!plan.items.empty()) {
        const size_t item = plan.items.front();
        plan.items.erase(plan.items.begin());
        question = Question();
        if ((this->*plan.make)(item, question))
            return true;
    }
    return false;
}

std::vector<Question> Generator::Run(int questionCount) {
    std::vector<Question> questions;
    std::vector<KindPlan> plans = Plans();
    // Turn by turn every kind asks one more question while it still can.
    for (bool asked = true; asked && static_cast<int>(questions.size()) < questionCount;) {
        asked = false;
        for (KindPlan& plan : plans) {
            if (static_cast<int>(questions.size()) >= questionCount)
                break;
            Question question;
            if (NextQuestion(plan, question)) {
                questions.push_back(std::move(question));
                asked = true;
            }
        }
    }
    return questions;
}

bool Generator::AddOffers(const Offer& answer, std::vector<Offer> candidates, std::vector<Offer>& picked) {
    m_dice.Shuffle(candidates);
    for (Offer& candidate : candidates) {
        if (picked.size() >= kChoicesPerQuestion - 1)
            break;
        if (candidate.SameAs(answer) ||
            std::any_of(picked.begin(), picked.end(), [&](const Offer& p) { return p.SameAs(candidate); }) ||
            (candidate.chinese.empty() && candidate.meaning.isEmpty()))
            continue;
        picked.push_back(std::move(candidate));
    }
    return picked.size() >= kChoicesPerQuestion - 1;
}

bool Generator::PickOffers(const Offer& answer, const OfferSource& source, std::vector<Offer>& picked) {
    picked.clear();
    if (AddOffers(answer, source(m_lesson), picked))
        return true;
    for (int lesson = m_lesson.number - 1; lesson >= 1 && m_earlier; --lesson)
        if (const LessonMaterial* earlier = m_earlier(lesson))
            if (AddOffers(answer, source(*earlier), picked))
                return true;
    return false;
}

void Generator::PlaceChoices(const Offer& answer, std::vector<Offer> wrong, Question& question) {
    question.answer = static_cast<int>(m_dice.Below(kChoicesPerQuestion));
    wrong.insert(wrong.begin() + question.answer, answer);
    for (Offer& offer : wrong)
        question.choices.push_back(std::move(offer.choice));
}

void Generator::AskAboutSentence(const SentenceItem& item, Question& q) const {
    q.chinese = item.sentence->words;
    q.pinyin = item.sentence->pinyin;
    q.text = item.sentence->explain;
    q.sound.sentenceId = item.sentence->id;
}

void Generator::AskAboutWord(const lesson::NewWord& word, Question& q) const {
    q.chinese = word.word;
    q.pinyin = word.pinyin;
    q.text = word.explanation;
    q.sound.word = word.word;
    q.sound.pinyin = word.pinyin;
}

bool Generator::MakeListening(size_t item, Question& q) {
    const SentenceItem& sentence = m_sentences[item];
    q.kind = QuestionKind::Listening;
    AskAboutSentence(sentence, q);
    const Offer answer{{{}, {}, q.text}, q.chinese, Comparable(q.text)};
    std::vector<Offer> wrong;
    if (!PickOffers(answer, TranslationOffers, wrong))
        return false;
    PlaceChoices(answer, std::move(wrong), q);
    return true;
}

bool Generator::MakeMeaning(size_t item, Question& q) {
    const lesson::NewWord& word = m_lesson.newWords[item];
    q.kind = QuestionKind::Meaning;
    AskAboutWord(word, q);
    const Offer answer{{{}, {}, word.explanation}, word.word, Comparable(word.explanation)};
    std::vector<Offer> wrong;
    if (!PickOffers(answer, MeaningOffers, wrong))
        return false;
    PlaceChoices(answer, std::move(wrong), q);
    return true;
}

bool Generator::MakeWordFromMeaning(size_t item, Question& q) {
    const lesson::NewWord& word = m_lesson.newWords[item];
    q.kind = QuestionKind::WordFromMeaning;
    AskAboutWord(word, q);
    const Offer answer{{word.word, word.pinyin, {}}, word.word, Comparable(word.explanation)};
    std::vector<Offer> wrong;
    if (!PickOffers(answer, NewWordOffers, wrong))
        return false;
    PlaceChoices(answer, std::move(wrong), q);
    return true;
}

bool Generator::MakeTones(size_t item, Question& q) {
    const lesson::NewWord& word = m_lesson.newWords[item];
    q.kind = QuestionKind::Tones;
    AskAboutWord(word, q);
    std::vector<std::u16string> variants = tones::ToneVariants(word.pinyin);
    m_dice.Shuffle(variants);
    std::vector<Offer> wrong;
    for (size_t i = 0; i < kChoicesPerQuestion - 1 && i < variants.size(); ++i)
        wrong.push_back({{{}, variants[i], {}}, variants[i], {}});
    PlaceChoices({{{}, word.pinyin, {}}, word.pinyin, {}}, std::move(wrong), q);
    return true;
}

bool Generator::MakeWordOrder(size_t item, Question& q) {
    const SentenceItem& sentence = m_sentences[item];
    q.kind = QuestionKind::WordOrder;
    AskAboutSentence(sentence, q);
    std::vector<int> shown(sentence.wordIndices.size());
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i] = static_cast<int>(i);
    const auto inSentenceOrder = [&] {
        for (size_t i = 0; i < shown.size(); ++i)
            if (sentence.tokens[static_cast<size_t>(sentence.wordIndices[static_cast<size_t>(shown[i])])] !=
                sentence.tokens[static_cast<size_t>(sentence.wordIndices[i])])
                return false;
        return true;
    };
    // A few tries find an order that differs from the sentence unless every word is the same.
    for (int attempt = 0; attempt < 16 && inSentenceOrder(); ++attempt)
        m_dice.Shuffle(shown);
    if (inSentenceOrder())
        return false;
    q.order.assign(shown.size(), 0);
    for (size_t position = 0; position < shown.size(); ++position) {
        const size_t token = static_cast<size_t>(sentence.wordIndices[static_cast<size_t>(shown[position])]);
        q.choices.push_back({sentence.tokens[token], sentence.pinyins[token], {}});
        q.order[static_cast<size_t>(shown[position])] = static_cast<int>(position);
    }
    return true;
}

bool Generator::MakeWriting(size_t item, Question& q) {
    q.kind = QuestionKind::Writing;
    AskAboutWord(m_lesson.writableCharacters[item], q);
    return true;
}

bool Generator::MakeReading(size_t item, Question& q) {
    const SentenceItem& sentence = m_sentences[item];
    q.kind = QuestionKind::Reading;
    AskAboutSentence(sentence, q);
    // The blank goes on one of the lesson's new words when the sentence has one.
    std::vector<int> candidates;
    for (int index : sentence.wordIndices)
        for (const lesson::NewWord& word : m_lesson.newWords)
            if (word.word == sentence.tokens[static_cast<size_t>(index)])
                candidates.push_back(index);
    if (candidates.empty())
        candidates = sentence.wordIndices;
    q.blank = candidates[m_dice.Below(candidates.size())];
    const size_t blank = static_cast<size_t>(q.blank);
    const Offer answer{{sentence.tokens[blank], sentence.pinyins[blank], {}}, sentence.tokens[blank], {}};
    std::vector<Offer> wrong;
    if (!PickOffers(answer, WordOffers, wrong))
        return false;
    PlaceChoices(answer, std::move(wrong), q);
    return true;
}

} // namespace

std::vector<std::u16string> SplitWords(const std::u16string& text) {
    std::vector<std::u16string> words;
    std::u16string word;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\u3000') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool IsWordToken(const std::u16string& token) {
    return std::any_of(token.begin(), token.end(), [](char16_t c) { return QChar(c).isLetterOrNumber(); });
}

std::vector<Question> GenerateExercise(const LessonMaterial& lesson, const EarlierLessonReader& earlier,
                                       std::uint32_t seed, int questionCount) {
    return Generator(lesson, earlier, seed).Run(questionCount);
}

} // namespace exercise
