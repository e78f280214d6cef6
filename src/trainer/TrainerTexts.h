#pragma once

#include "app/InterfaceTexts.h"

#include <string>

// The new-word trainer's interface texts in the interface language, from the section "Trainer"
// of newword_<suffix>.ini beside the program; a text the file lacks is the English one.
enum class TrainerText {
    Title, // "New words · %1"
    DueToday,
    Progress,
    AskRecognise,
    AskRecallWrite,
    AskRecallPick,
    Show,
    AskGrade,
    Again,
    Hard,
    Good,
    Easy,
    Days, // "%1 d"
    Finished,
    NothingDue,
    NextDue, // "%1" is a date
    ChartTitle,
    SaveFailed,
    NoWords,
    StrokeOrder,
    Replay,
    Close,
    Count
};

class TrainerTexts {
public:
    void Load(const std::string& programFolder, const std::string& languageSuffix);
    const std::string& Get(TrainerText which) const { return m_texts.Get(static_cast<size_t>(which)); }
    static const char* English(TrainerText which);

private:
    InterfaceTexts m_texts;
};
