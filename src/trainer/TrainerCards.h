#pragma once

#include "trainer/Fsrs.h"

#include <QDate>

#include <string>
#include <vector>

class CADODatabase;

// One word of the course a learner practises, in one direction.
struct TrainerCard {
    enum class Direction { Recognise = 0, Recall = 1 };

    std::u16string word;
    std::u16string pinyin;
    std::string meaning;
    int lesson = 0;
    int order = 0; // the word's place in the course (lesson, then the lesson's list)
    Direction direction = Direction::Recognise;

    // The learner's memory of it; a card never reviewed is new.
    bool isNew = true;
    Fsrs::MemoryState memory;
    QDate due; // invalid when the stored date cannot be read: the card is then due at once
    QDate lastReview;
    int reviews = 0;
    int lapses = 0;
    QDate introduced; // the day of its first review
};

// The learner's cards as the lesson database keeps them (tbl_user_card, tbl_user_review): read
// merged with the course's words, and each review written in one transaction, card and log
// together, waiting for other programs holding the database. A review either is stored whole or
// not at all, whenever the program is killed.
namespace trainercards {

// The cards of every new word of the lessons the user has opened or has a score for (both
// directions, in course order), with the states stored for them. Words whose rows are gone from the
// course keep their stored state but are not offered.
bool LoadCards(CADODatabase* lessonDb, CADODatabase* wordDb, const std::string& languageSuffix,
               const std::string& userId, std::vector<TrainerCard>& cards, std::string& error);

// Applies a grade given on `today` to the card (its new state, due date, counts) and stores it
// with a line of the review log; on failure the card is left as it was and `error` says why.
bool Review(CADODatabase* lessonDb, const std::string& userId, const Fsrs& fsrs, TrainerCard& card,
            Fsrs::Grade grade, const QDate& today, std::string& error);

} // namespace trainercards

// Which card comes next: due reviews first (the most overdue first), then new cards in course
// order while fewer than the day's limit of new cards has been introduced.
namespace trainerdeck {

inline constexpr int kNewCardsPerDay = 10;

// Index of the next card for `today`, or -1 when nothing is due.
int NextCard(const std::vector<TrainerCard>& cards, const QDate& today, int newPerDay = kNewCardsPerDay);
// How many cards are due on `today` (reviews due plus the new cards still allowed).
int DueCount(const std::vector<TrainerCard>& cards, const QDate& today, int newPerDay = kNewCardsPerDay);
// Cards falling due on each of the `days` days from `today` on (the first day counts those overdue).
std::vector<int> DueForecast(const std::vector<TrainerCard>& cards, const QDate& today, int days);

} // namespace trainerdeck
