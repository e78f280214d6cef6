// The spelling program started from the lesson window and typed into with the keyboard: pinyin
// with tone numbers is checked syllable by syllable. The test makes the same round as the program
// from the seed it logged, and reads the check of each syllable through the test probe.
#include "InstalledCourse.h"
#include "LearnerSession.h"

#include "spell/SpellTexts.h"
#include "spell/SpellingRound.h"
#include "spell/TypedPinyin.h"

#include <QString>
#include <memory>

namespace {

using namespace e2e;

constexpr int kLesson = 1;
constexpr char kSpellingButton[] = "1047";
constexpr char kSpellWindow[] = "CSpellDlg";

// The syllables as a learner types them with tone numbers: "ni3 hao3", erhua "dian3r".
std::string WithToneNumbers(const std::vector<PinyinSyllable>& syllables) {
    std::string typed;
    for (const PinyinSyllable& syllable : syllables) {
        if (syllable.initial.empty() && syllable.final == "r")
            typed += "r";
        else
            typed += (typed.empty() ? "" : " ") + syllable.Numbered();
    }
    return typed;
}

// A tone other than the syllable's that the check cannot take for right: not the dictionary tone
// of 一 or 不 either.
int WrongTone(const PinyinSyllable& syllable, char16_t character) {
    for (int tone = syllable.tone % 4 + 1;; tone = tone % 4 + 1)
        if (tone != syllable.tone && tone != spelling::DictionaryTone(character))
            return tone;
}

// How the probe shows the check of the syllables when only the one at `wrongTone` has a wrong
// tone (-1: none): "ni3:right hao3:tone".
std::string CheckShown(const std::vector<PinyinSyllable>& syllables, int wrongTone) {
    std::string shown;
    for (int i = 0; i < static_cast<int>(syllables.size()); ++i)
        shown += (i ? " " : "") + syllables[i].Numbered() + (i == wrongTone ? ":tone" : ":right");
    return shown;
}

size_t SyllableCount(const SpellItem& item) {
    return typedpinyin::Read(item.pinyin).syllables.size();
}

std::string ShownText(const Widgets& all, const std::string& type, const std::string& name) {
    return e2e::ShownText(all, type, name, kSpellWindow);
}

class LessonSpelling : public LearnerSession {
protected:
    // The round the spelling window shows: made again from the seed it logged.
    std::unique_ptr<SpellingRound> CurrentRound() {
        const std::vector<std::string> seeds = m_spell.AwaitLoggedValues("spell: lesson 1, seed ", 1, 20000);
        const std::string suffix = m_spell.LanguageSuffix();
        if (seeds.empty() || suffix.empty()) {
            ADD_FAILURE() << "the spelling log names no seed or language:\n" << m_spell.Output();
            return nullptr;
        }
        m_texts.Load(Program() + "/", suffix);
        InstalledCourse course(Program(), suffix, LearnerFile());
        return std::make_unique<SpellingRound>(SpellingRound::ItemsOf(course.ReadLesson(kLesson)),
                                               static_cast<std::uint32_t>(std::stoul(seeds.front())));
    }

    // Waits until the window asks for the round's current item, nothing typed yet.
    Widgets AwaitItem(const SpellingRound& round) {
        const std::string progress = QString::fromStdString(m_texts.Get(SpellText::Progress))
                                         .arg(round.Position() + 1)
                                         .arg(round.Length())
                                         .toStdString();
        const auto shown = m_spell.WaitFor([&](const Widgets& all) {
            return ShownText(all, "QLabel", "progresstext") == progress &&
                   !Find(all, "BitmapButton", "check", kSpellWindow).empty() &&
                   ShownText(all, "QLineEdit", "typed").empty();
        });
        if (!shown) {
            ADD_FAILURE() << "the window does not show \"" << progress << "\"; it shows \""
                          << ShownText(m_spell.Describe(), "QLabel", "progresstext") << "\"";
            return {};
        }
        return *shown;
    }

    // Types into the answer field and presses Enter; what the window shows once it checked.
    Widgets TypeAndCheck(const std::string& typed) {
        ClickWidget(m_spell, "QLineEdit", "typed", kSpellWindow);
        m_desktop.Type(typed);
        m_desktop.Key("Return");
        const auto checked = m_spell.WaitFor(
            [](const Widgets& all) { return !Find(all, "BitmapButton", "next", kSpellWindow).empty(); });
        if (!checked) {
            ADD_FAILURE() << "\"" << typed << "\" was not checked";
            return {};
        }
        return *checked;
    }

    // Types the current item's pinyin with tone numbers and checks it: the window says it is right,
    // every syllable right; Enter then goes on to the next item. Shoots the check when given a name.
    void AnswerRight(SpellingRound& round, const std::string& shot) {
        const typedpinyin::Reading reading = typedpinyin::Read(round.Current().pinyin);
        ASSERT_TRUE(reading.ok) << reading.problem;
        const std::string typed = WithToneNumbers(reading.syllables);
        const Widgets checked = TypeAndCheck(typed);
        EXPECT_EQ(ShownText(checked, "QLabel", "feedback"), m_texts.Get(SpellText::Right)) << typed;
        EXPECT_EQ(ShownText(checked, "CSyllableFeedback", "syllables"), CheckShown(reading.syllables, -1));
        if (!shot.empty())
            Shoot(shot);
        ASSERT_TRUE(round.Answer(QString::fromStdString(typed).toStdU16String()).right);
        ASSERT_TRUE(round.Next());
        m_desktop.Key("Return");
        ASSERT_FALSE(AwaitItem(round).empty());
    }

    CompanionProgram m_spell{Program() + "/spell", m_root / "probe/spell", LogFolder()};
    SpellTexts m_texts;
};

TEST_F(LessonSpelling, ChecksTypedPinyinSyllableBySyllable) {
    auto program = StartProgram();
    ASSERT_NO_FATAL_FAILURE(LogInAsNewUser(*program, false));
    ASSERT_NO_FATAL_FAILURE(StartFromLessonOne(*program, m_spell, kSpellingButton, kSpellWindow));
    const auto round = CurrentRound();
    ASSERT_TRUE(round && !round->IsFinished()) << "lesson 1 gives nothing to spell";

    // The first item typed right with tone numbers.
    const Widgets first = AwaitItem(*round);
    ASSERT_FALSE(first.empty());
    const std::string title =
        QString::fromStdString(m_texts.Get(SpellText::Title)).arg(kLesson).toStdString();
    EXPECT_EQ(ShownText(first, "QLabel", "title").rfind(title, 0), 0u)
        << "the title says " << ShownText(first, "QLabel", "title");
    Shoot("31_spelling_first_item");
    ASSERT_NO_FATAL_FAILURE(AnswerRight(*round, "32_spelling_right"));

    // An item typed with one tone wrong: the second syllable's, so that the check has to tell the
    // syllables apart. Items of one syllable are answered right until one of two or more comes.
    while (SyllableCount(round->Current()) < 2 && round->Position() + 1 < round->Length())
        ASSERT_NO_FATAL_FAILURE(AnswerRight(*round, ""));
    const SpellItem& item = round->Current();
    const typedpinyin::Reading next = typedpinyin::Read(item.pinyin);
    ASSERT_TRUE(next.ok) << next.problem;
    const int changed = next.syllables.size() >= 2 && next.syllables[1].final != "r" ? 1 : 0;
    std::vector<PinyinSyllable> typed = next.syllables;
    typed[changed].tone =
        WrongTone(typed[changed],
                  changed < static_cast<int>(item.characters.size()) ? item.characters[changed] : u'\0');
    const std::string wrongAnswer = WithToneNumbers(typed);
    const Widgets wrong = TypeAndCheck(wrongAnswer);
    EXPECT_EQ(ShownText(wrong, "QLabel", "feedback"), m_texts.Get(SpellText::Wrong)) << wrongAnswer;
    EXPECT_EQ(ShownText(wrong, "CSyllableFeedback", "syllables"), CheckShown(next.syllables, changed))
        << wrongAnswer << " for " << QString::fromStdU16String(item.pinyin).toStdString();
    Shoot("33_spelling_wrong_tone");

    CloseCompanion(m_spell, kSpellWindow);
    ASSERT_NO_FATAL_FAILURE(CloseLesson(*program));
    Exit(*program);
}

} // namespace
