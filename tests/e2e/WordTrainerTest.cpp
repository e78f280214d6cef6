// The new-word trainer started from the catalogue's Words button once a lesson was opened: the
// first cards shown and graded with the keyboard are stored as reviewed, due on the day their
// grade promised, and a second start has that many cards fewer to practise today.
#include "InstalledCourse.h"
#include "LearnerSession.h"

#include "trainer/TrainerCards.h"
#include "trainer/TrainerTexts.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <map>
#include <utility>

namespace {

using namespace e2e;

constexpr char kWordsButton[] = "1061";
constexpr char kWordsDue[] = "1061due";
constexpr char kTrainerWindow[] = "CTrainerDlg";
constexpr int kGraded = 3;
constexpr char kGoodKey[] = "3";

// A card by its word and direction.
using CardKey = std::pair<std::u16string, TrainerCard::Direction>;

CardKey KeyOf(const TrainerCard& card) {
    return {card.word, card.direction};
}

// The last number in a text ("Good next in 3 d" gives 3), or -1.
int LastNumber(const std::string& text) {
    int number = -1;
    auto matches = QRegularExpression(QStringLiteral("\\d+")).globalMatch(QString::fromStdString(text));
    while (matches.hasNext())
        number = matches.next().captured().toInt();
    return number;
}

class WordTrainer : public LearnerSession {
protected:
    // Presses Words in the catalogue; the trainer window shows its first card ("1 of N"); N.
    int StartTrainer(ProgramSession& program) {
        ClickWidget(program, "BitmapButton", kWordsButton, "CLessonCatalogDlg");
        EXPECT_TRUE(m_trainer.WaitForStart(20000)) << "the trainer did not start";
        const auto shown = m_trainer.WaitFor([](const Widgets& all) {
            return !ShownText(all, "QLabel", "progresstext", kTrainerWindow).empty();
        });
        if (!shown) {
            ADD_FAILURE() << "the trainer shows no card:\n" << m_trainer.Output();
            return 0;
        }
        m_texts.Load(Program() + "/", m_trainer.LanguageSuffix());
        EXPECT_EQ(ShownText(*shown, "QLabel", "title", kTrainerWindow),
                  QString::fromStdString(m_texts.Get(TrainerText::Title)).arg(kUser).toStdString());
        return LastNumber(ShownText(*shown, "QLabel", "progresstext", kTrainerWindow));
    }

    // Waits until the trainer asks card `number` of `due`, its answer not shown yet.
    void AwaitCard(int number, int due) {
        const std::string progress =
            QString::fromStdString(m_texts.Get(TrainerText::Progress)).arg(number).arg(due).toStdString();
        EXPECT_TRUE(m_trainer.WaitFor([&](const Widgets& all) {
            return ShownText(all, "QLabel", "progresstext", kTrainerWindow) == progress &&
                   !Find(all, "BitmapButton", "check", kTrainerWindow).empty();
        })) << "the trainer does not ask card "
            << progress;
    }

    // Shows the answer of card `number` with Space; the days the grade Good promises. Shoots the
    // answer with the grades when given a name.
    int RevealCard(int number, int due, const std::string& shot) {
        AwaitCard(number, due);
        // The keys go to the window the learner last clicked.
        ClickWidget(m_trainer, "QLabel", "instruction", kTrainerWindow);
        m_desktop.Key("space");
        const Widget good = Await(m_trainer, "CChoiceButton", "grade3", kTrainerWindow);
        if (!shot.empty())
            Shoot(shot);
        return LastNumber(good.text);
    }

    // The user's cards as the trainer reads them.
    std::vector<TrainerCard> StoredCards(const std::string& userId) {
        InstalledCourse course(Program(), m_trainer.LanguageSuffix(), LearnerFile());
        std::vector<TrainerCard> cards;
        std::string error;
        EXPECT_TRUE(trainercards::LoadCards(course.LessonDb(), course.WordDb(), course.LanguageSuffix(),
                                            userId, cards, error))
            << error;
        return cards;
    }

    // The cards the trainer shows first to a learner with only new cards: in course order.
    static std::vector<CardKey> FirstInCourse(std::vector<TrainerCard> cards, size_t count) {
        std::sort(cards.begin(), cards.end(), [](const TrainerCard& a, const TrainerCard& b) {
            return std::pair(a.order, a.direction) < std::pair(b.order, b.direction);
        });
        std::vector<CardKey> first;
        for (size_t i = 0; i < std::min(count, cards.size()); ++i)
            first.push_back(KeyOf(cards[i]));
        return first;
    }

    static std::map<CardKey, TrainerCard> Reviewed(const std::vector<TrainerCard>& cards) {
        std::map<CardKey, TrainerCard> reviewed;
        for (const TrainerCard& card : cards)
            if (!card.isNew)
                reviewed.emplace(KeyOf(card), card);
        return reviewed;
    }

    CompanionProgram m_trainer{Program() + "/newword", m_root / "probe/newword", LogFolder()};
    TrainerTexts m_texts;
};

TEST_F(WordTrainer, GradedCardsAreStoredAndLeaveTodaysPractice) {
    auto program = StartProgram();
    ASSERT_NO_FATAL_FAILURE(LogInAsNewUser(*program, false));
    const std::string userId = StoredUserId();
    ASSERT_FALSE(userId.empty());

    // Opening lesson 1 gives its words to practise: the Words button says how many are due.
    OpenLessonOne(*program);
    ASSERT_NO_FATAL_FAILURE(CloseLesson(*program));
    const Widget badge = Await(*program, "QLabel", kWordsDue, "CLessonCatalogDlg");
    const int dueShown = LastNumber(badge.text);
    EXPECT_GT(dueShown, 0) << "the badge says " << badge.text;
    Shoot("41_catalogue_words_due");

    // The trainer starts for the user who logged in, with as many cards as the badge said.
    const int due = StartTrainer(*program);
    EXPECT_EQ(due, dueShown);
    ASSERT_GT(due, kGraded);
    Shoot("42_trainer_first_card");
    const std::vector<TrainerCard> before = StoredCards(userId);
    ASSERT_TRUE(Reviewed(before).empty()) << "a new user has reviewed cards";
    const std::vector<CardKey> shownFirst = FirstInCourse(before, kGraded);

    // The first cards answered "Good" with the keyboard.
    std::map<CardKey, int> promisedDays;
    for (int i = 0; i < kGraded; ++i) {
        const int days = RevealCard(i + 1, due, i == 0 ? "43_trainer_answer_grades" : "");
        EXPECT_GT(days, 0) << "Good on a new card should wait a day at least";
        promisedDays[shownFirst[i]] = days;
        m_desktop.Key(kGoodKey);
    }
    AwaitCard(kGraded + 1, due);

    // Stored: those cards, and only they, reviewed today and due when the grade said.
    const QDate today = QDate::currentDate();
    const std::map<CardKey, TrainerCard> reviewed = Reviewed(StoredCards(userId));
    ASSERT_EQ(reviewed.size(), static_cast<size_t>(kGraded));
    for (const auto& [key, days] : promisedDays) {
        ASSERT_EQ(reviewed.count(key), 1u) << "a card shown first was not stored as reviewed";
        const TrainerCard& card = reviewed.at(key);
        EXPECT_EQ(card.reviews, 1);
        EXPECT_EQ(card.lastReview, today);
        EXPECT_EQ(card.introduced, today);
        EXPECT_EQ(card.due, today.addDays(days)) << "due " << card.due.toString().toStdString();
    }

    // Started again: the graded cards are no longer due today, and their states are kept.
    CloseCompanion(m_trainer, kTrainerWindow);
    EXPECT_EQ(StartTrainer(*program), due - kGraded);
    Shoot("44_trainer_restarted");
    const std::map<CardKey, TrainerCard> afterRestart = Reviewed(StoredCards(userId));
    ASSERT_EQ(afterRestart.size(), reviewed.size());
    for (const auto& [key, card] : reviewed) {
        EXPECT_EQ(afterRestart.at(key).due, card.due);
        EXPECT_EQ(afterRestart.at(key).reviews, card.reviews);
    }
    CloseCompanion(m_trainer, kTrainerWindow);
    Exit(*program);
}

} // namespace
