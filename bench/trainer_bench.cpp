// Choosing the next card among 10,000, as the trainer does after every answer (target: 1 ms).
#include "trainer/TrainerCards.h"

#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2031, 3, 3);

// 5,000 words of which the first 4,000 have been learnt: their cards fall due over the year
// around today, the rest are new.
std::vector<TrainerCard> Deck() {
    std::vector<TrainerCard> cards;
    for (int word = 0; word < 5000; ++word)
        for (auto direction : {TrainerCard::Direction::Recognise, TrainerCard::Direction::Recall}) {
            TrainerCard card;
            card.word = u"词" + std::u16string(1, char16_t(u'一' + word));
            card.order = word;
            card.direction = direction;
            if (word < 4000) {
                card.isNew = false;
                card.memory = {10, 5};
                card.due = kToday.addDays((word * 37) % 365 - 180);
                card.introduced = kToday.addDays(-200);
            }
            cards.push_back(std::move(card));
        }
    return cards;
}

void NextCardAmong10000(benchmark::State& state) {
    const std::vector<TrainerCard> cards = Deck();
    for (auto _ : state)
        benchmark::DoNotOptimize(trainerdeck::NextCard(cards, kToday));
}
BENCHMARK(NextCardAmong10000)->Unit(benchmark::kMicrosecond);

void DueCountAmong10000(benchmark::State& state) {
    const std::vector<TrainerCard> cards = Deck();
    for (auto _ : state)
        benchmark::DoNotOptimize(trainerdeck::DueCount(cards, kToday));
}
BENCHMARK(DueCountAmong10000)->Unit(benchmark::kMicrosecond);

} // namespace
