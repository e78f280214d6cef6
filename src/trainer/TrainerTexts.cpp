#include "trainer/TrainerTexts.h"

namespace {

// In the order of TrainerText.
constexpr InterfaceTexts::Entry kEntries[] = {
    {"Title", "New words \u00B7 %1"},
    {"DueToday", "%1 cards to practise today"},
    {"Progress", "%1 of %2"},
    {"AskRecognise", "Do you know this word: its sound and its meaning? Space shows the answer."},
    {"AskRecallWrite", "Write the character with this meaning and sound."},
    {"AskRecallPick", "Which word has this meaning and sound?"},
    {"Show", "Show"},
    {"AskGrade", "How well did you know it? Keys 1 to 4."},
    {"Again", "Again"},
    {"Hard", "Hard"},
    {"Good", "Good"},
    {"Easy", "Easy"},
    {"Days", "next in %1 d"},
    {"Finished", "Done for today!"},
    {"NothingDue", "Nothing to practise today."},
    {"NextDue", "Next practice: %1"},
    {"ChartTitle", "Cards due in the next 14 days"},
    {"SaveFailed", "This review could not be saved: %1"},
    {"NoWords", "No words yet: open a lesson in the main program and its new words come here."},
    {"StrokeOrder", "That stroke does not follow the stroke order. Please write it again."},
    {"Replay", "Hear it again"},
    {"Close", "Close"},
};
static_assert(std::size(kEntries) == static_cast<size_t>(TrainerText::Count));

} // namespace

const char* TrainerTexts::English(TrainerText which) {
    return kEntries[static_cast<size_t>(which)].english;
}

void TrainerTexts::Load(const std::string& programFolder, const std::string& languageSuffix) {
    m_texts.Load(programFolder + "newword_" + languageSuffix + ".ini", "Trainer", kEntries,
                 std::size(kEntries));
}
