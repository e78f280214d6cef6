#include "trainer/TrainerCards.h"

#include <algorithm>

namespace trainerdeck {
namespace {

// A due date that could not be read makes the card due at once rather than never.
QDate DueDay(const TrainerCard& card, const QDate& today) {
    return card.due.isValid() ? card.due : today;
}

bool IsDueReview(const TrainerCard& card, const QDate& today) {
    return !card.isNew && DueDay(card, today) <= today;
}

// Course order: the word's place, then recognising it before recalling it.
bool ComesEarlierInCourse(const TrainerCard& a, const TrainerCard& b) {
    return a.order != b.order ? a.order < b.order : a.direction < b.direction;
}

int IntroducedOn(const std::vector<TrainerCard>& cards, const QDate& day) {
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [&](const TrainerCard& card) {
        return !card.isNew && card.introduced == day;
    }));
}

int NewCardsAllowed(const std::vector<TrainerCard>& cards, const QDate& today, int newPerDay) {
    return std::max(0, newPerDay - IntroducedOn(cards, today));
}

} // namespace

int NextCard(const std::vector<TrainerCard>& cards, const QDate& today, int newPerDay) {
    int review = -1;
    int fresh = -1;
    for (int i = 0; i < static_cast<int>(cards.size()); ++i) {
        const TrainerCard& card = cards[i];
        if (IsDueReview(card, today)) {
            if (review < 0) {
                review = i;
                continue;
            }
            const QDate due = DueDay(card, today);
            const QDate best = DueDay(cards[review], today);
            if (due < best || (due == best && ComesEarlierInCourse(card, cards[review])))
                review = i;
        } else if (card.isNew && (fresh < 0 || ComesEarlierInCourse(card, cards[fresh]))) {
            fresh = i;
        }
    }
    if (review >= 0)
        return review;
    return fresh >= 0 && NewCardsAllowed(cards, today, newPerDay) > 0 ? fresh : -1;
}

int DueCount(const std::vector<TrainerCard>& cards, const QDate& today, int newPerDay) {
    const auto reviews = std::count_if(cards.begin(), cards.end(),
                                       [&](const TrainerCard& card) { return IsDueReview(card, today); });
    const auto fresh =
        std::count_if(cards.begin(), cards.end(), [](const TrainerCard& card) { return card.isNew; });
    return static_cast<int>(reviews + std::min<long>(fresh, NewCardsAllowed(cards, today, newPerDay)));
}

std::vector<int> DueForecast(const std::vector<TrainerCard>& cards, const QDate& today, int days) {
    std::vector<int> counts(std::max(days, 0), 0);
    for (const TrainerCard& card : cards) {
        if (card.isNew)
            continue;
        const qint64 day = std::max<qint64>(0, today.daysTo(DueDay(card, today)));
        if (day < days)
            ++counts[day];
    }
    return counts;
}

} // namespace trainerdeck
