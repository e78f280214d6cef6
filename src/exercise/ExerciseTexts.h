#pragma once

#include "app/InterfaceTexts.h"
#include "exercise/ExerciseQuestion.h"

#include <string>

// The exercise program's interface texts in the interface language, from the section "Exercise"
// of exercise_<suffix>.ini beside the program; a text the file lacks is the English one.
enum class ExerciseText {
    Title,    // "Exercise · Lesson %1"
    Progress, // "Question %1 of %2"
    AskListening,
    AskMeaning,
    AskWordFromMeaning,
    AskTones,
    AskWordOrder,
    AskWriting,
    AskReading,
    Right,
    Wrong,        // followed by the right answer
    WritingRight, // "%1" is the grade
    WritingWrong,
    StrokeOrder,
    Check,
    Next,
    GiveUp,
    Replay,
    Close,
    TryAgain,
    Finish,
    ScoreTitle,
    Saved, // "%1" is the best score
    SavedBetter,
    NotSaved, // "%1" is the reason
    NotSavedTitle,
    ReviewTitle,
    NothingToReview,
    NoMaterial,
    NoSound,
    ContentError, // "%1" is what could not be read
    Count
};

class ExerciseTexts {
public:
    // Reads the file for the language suffix; English where it is missing.
    void Load(const std::string& programFolder, const std::string& languageSuffix);
    const std::string& Get(ExerciseText which) const { return m_texts.Get(static_cast<size_t>(which)); }
    // The instruction of a kind of question.
    const std::string& Instruction(exercise::QuestionKind kind) const;

    static const char* Key(ExerciseText which);
    static const char* English(ExerciseText which);

private:
    InterfaceTexts m_texts;
};
