#include "trainer/TrainerCards.h"

#include <gtest/gtest.h>

namespace {

const QDate kMonday(2031, 3, 3);

TrainerCard NewCard(int order, TrainerCard::Direction direction = TrainerCard::Direction::Recognise) {
    TrainerCard card;
    card.word = u"字" + std::u16string(1, char16_t(u'0' + order % 10));
    card.order = order;
    card.direction = direction;
    return card;
}

TrainerCard ReviewCard(int order, const QDate& due, const QDate& introduced = kMonday.addDays(-30)) {
    TrainerCard card = NewCard(order);
    card.isNew = false;
    card.memory = {5, 5};
    card.due = due;
    card.lastReview = due.addDays(-5);
    card.introduced = introduced;
    card.reviews = 1;
    return card;
}

TEST(TrainerDeck, DueReviewsComeFirstTheMostOverdueFirstThenCourseOrder) {
    std::vector<TrainerCard> cards = {NewCard(0), ReviewCard(5, kMonday), ReviewCard(3, kMonday.addDays(-2)),
                                      ReviewCard(1, kMonday), ReviewCard(2, kMonday.addDays(1))};
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday), 2);
    cards[2].due = kMonday.addDays(4);
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday), 3) << "equally due: the earlier word";
    cards[1].due = cards[3].due = kMonday.addDays(4);
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday), 0) << "no review due: the new card";
    EXPECT_EQ(trainerdeck::DueCount(cards, kMonday), 1);
    EXPECT_EQ(trainerdeck::DueForecast(cards, kMonday, 5), (std::vector<int>{0, 1, 0, 0, 3}));
}

TEST(TrainerDeck, ACardDueTomorrowWaitsForTheChangeOfDate) {
    const std::vector<TrainerCard> cards = {ReviewCard(0, kMonday.addDays(1)),
                                            ReviewCard(1, kMonday.addDays(-3))};
    EXPECT_EQ(trainerdeck::NextCard({cards[0]}, kMonday), -1);
    EXPECT_EQ(trainerdeck::DueCount(cards, kMonday), 1);
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday.addDays(1)), 1)
        << "the overdue one before the one due today";
    EXPECT_EQ(trainerdeck::DueCount(cards, kMonday.addDays(1)), 2);
    // Overdue cards count on the first day of the forecast.
    EXPECT_EQ(trainerdeck::DueForecast(cards, kMonday, 2), (std::vector<int>{1, 1}));
    EXPECT_EQ(trainerdeck::DueForecast(cards, kMonday, 0), std::vector<int>{});
}

TEST(TrainerDeck, NewCardsComeInCourseOrderUpToTheDaysLimitWhichResetsTheNextDay) {
    std::vector<TrainerCard> cards = {NewCard(1, TrainerCard::Direction::Recall), NewCard(2),
                                      NewCard(1, TrainerCard::Direction::Recognise), NewCard(0)};
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday, 2), 3);
    EXPECT_EQ(trainerdeck::DueCount(cards, kMonday, 2), 2);
    // Introduce the first two today: the limit is reached.
    for (int index : {3, 2}) {
        cards[index] = ReviewCard(cards[index].order, kMonday.addDays(1), kMonday);
    }
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday, 2), -1);
    EXPECT_EQ(trainerdeck::DueCount(cards, kMonday, 2), 0);
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday, 3), 0) << "recognise before recall, then the next word";
    // The next day the reviews come first, then new cards are allowed again.
    const QDate tuesday = kMonday.addDays(1);
    EXPECT_EQ(trainerdeck::DueCount(cards, tuesday, 2), 4);
    cards[3].due = cards[2].due = tuesday.addDays(3);
    EXPECT_EQ(trainerdeck::NextCard(cards, tuesday, 2), 0);
}

TEST(TrainerDeck, AnUnreadableDueDateMakesTheCardDueToday) {
    std::vector<TrainerCard> cards = {ReviewCard(0, kMonday.addDays(9)), ReviewCard(1, kMonday.addDays(9))};
    cards[1].due = QDate();
    EXPECT_EQ(trainerdeck::NextCard(cards, kMonday), 1);
    EXPECT_EQ(trainerdeck::DueForecast(cards, kMonday, 1), std::vector<int>{1});
}

} // namespace
