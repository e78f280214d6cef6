#pragma once

#include "app/InterfaceTexts.h"

#include <string>

// The spelling program's interface texts in the interface language, from the section "Spell" of
// spell_<suffix>.ini beside the program; a text the file lacks is the English one.
enum class SpellText {
    Title, // "Spelling · Lesson %1"
    Progress,
    Instruction,
    ListenOnly,
    LivePrompt,
    NotPinyin, // "%1" is why
    Right,
    Wrong,
    Extra, // "%1" is the number of syllables
    ToneChangeYi,
    ToneChangeBu,
    Comeback,
    Check,
    Next,
    GiveUp,
    Replay,
    Close,
    TryAgain,
    Finish,
    SummaryTitle,
    SummaryRight, // "%1 of %2"
    ToneErrorsTitle,
    ToneError, // "%1 typed as %2: %3 times"
    ToneErrorOnce,
    NoToneErrors,
    Tone1,
    Tone2,
    Tone3,
    Tone4,
    Tone5,
    NoMaterial,
    Count
};

class SpellTexts {
public:
    void Load(const std::string& programFolder, const std::string& languageSuffix);
    const std::string& Get(SpellText which) const { return m_texts.Get(static_cast<size_t>(which)); }
    // "3rd tone", "neutral tone".
    const std::string& ToneName(int tone) const;

    static const char* English(SpellText which);

private:
    InterfaceTexts m_texts;
};
