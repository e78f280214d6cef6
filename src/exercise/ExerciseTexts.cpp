#include "exercise/ExerciseTexts.h"

namespace {

// In the order of ExerciseText.
constexpr InterfaceTexts::Entry kEntries[] = {
    {"Title", "Exercise \u00B7 Lesson %1"},
    {"Progress", "Question %1 of %2"},
    {"AskListening", "Listen to the sentence and choose what it means."},
    {"AskMeaning", "What does this word mean?"},
    {"AskWordFromMeaning", "Which word has this meaning?"},
    {"AskTones", "Listen to the word and choose its tones."},
    {"AskWordOrder", "Put the words in the right order (click them, or type their numbers)."},
    {"AskWriting", "Write the character stroke by stroke."},
    {"AskReading", "Which word is missing from the sentence?"},
    {"Right", "Right!"},
    {"Wrong", "Not quite. The answer is:"},
    {"WritingRight", "Every stroke in order. Grade: %1"},
    {"WritingWrong", "Watch how it is written, then try it in the next round."},
    {"StrokeOrder", "That stroke does not follow the stroke order. Please write it again."},
    {"Check", "Check"},
    {"Next", "Next"},
    {"GiveUp", "Show me"},
    {"Replay", "Hear it again (Space)"},
    {"Close", "Close"},
    {"TryAgain", "Try again"},
    {"Finish", "Results"},
    {"ScoreTitle", "Your score"},
    {"Saved", "Saved. Your best score for this lesson: %1"},
    {"SavedBetter", "Saved: a new best score for this lesson!"},
    {"NotSaved", "Your score could not be saved: %1"},
    {"NotSavedTitle", "Score not saved"},
    {"ReviewTitle", "Worth another look:"},
    {"NothingToReview", "Nothing to review: every answer was right."},
    {"NoMaterial", "This lesson has nothing to practise yet."},
    {"NoSound", "This one has no recording."},
    {"ContentError", "Part of this lesson could not be read (%1); the questions use the rest."},
};
static_assert(std::size(kEntries) == static_cast<size_t>(ExerciseText::Count));

} // namespace

const char* ExerciseTexts::Key(ExerciseText which) {
    return kEntries[static_cast<size_t>(which)].key;
}

const char* ExerciseTexts::English(ExerciseText which) {
    return kEntries[static_cast<size_t>(which)].english;
}

void ExerciseTexts::Load(const std::string& programFolder, const std::string& languageSuffix) {
    m_texts.Load(programFolder + "exercise_" + languageSuffix + ".ini", "Exercise", kEntries,
                 std::size(kEntries));
}

const std::string& ExerciseTexts::Instruction(exercise::QuestionKind kind) const {
    using exercise::QuestionKind;
    switch (kind) {
    case QuestionKind::Listening:
        return Get(ExerciseText::AskListening);
    case QuestionKind::Meaning:
        return Get(ExerciseText::AskMeaning);
    case QuestionKind::WordFromMeaning:
        return Get(ExerciseText::AskWordFromMeaning);
    case QuestionKind::Tones:
        return Get(ExerciseText::AskTones);
    case QuestionKind::WordOrder:
        return Get(ExerciseText::AskWordOrder);
    case QuestionKind::Writing:
        return Get(ExerciseText::AskWriting);
    case QuestionKind::Reading:
        return Get(ExerciseText::AskReading);
    }
    return Get(ExerciseText::AskListening);
}
