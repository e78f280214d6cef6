#include "spell/SpellTexts.h"

namespace {

// In the order of SpellText.
constexpr InterfaceTexts::Entry kEntries[] = {
    {"Title", "Spelling \u00B7 Lesson %1"},
    {"Progress", "Item %1 of %2"},
    {"Instruction", "Listen, then type the pinyin with its tones (ni3hao3 or nǐhǎo) and press Enter."},
    {"ListenOnly", "Listen only (hide the characters)"},
    {"LivePrompt", "What you type shows here with tone marks."},
    {"NotPinyin", "Not pinyin yet: %1"},
    {"Right", "Right!"},
    {"Wrong", "Not quite. Syllable by syllable:"},
    {"Extra", "%1 syllable(s) too many."},
    {"ToneChangeYi", "一 is yī on its own; before a 4th tone it is spoken yí, before the other tones yì."},
    {"ToneChangeBu", "不 is bù on its own; before a 4th tone it is spoken bú."},
    {"Comeback", "Once more, from earlier in the round:"},
    {"Check", "Check"},
    {"Next", "Next"},
    {"GiveUp", "Show me"},
    {"Replay", "Hear it again"},
    {"Close", "Close"},
    {"TryAgain", "New round"},
    {"Finish", "Summary"},
    {"SummaryTitle", "Round finished"},
    {"SummaryRight", "Right at the first try: %1 of %2"},
    {"ToneErrorsTitle", "Tones to watch:"},
    {"ToneError", "%1 typed as %2: %3 times"},
    {"ToneErrorOnce", "%1 typed as %2: once"},
    {"NoToneErrors", "No tone was typed wrong. Well done!"},
    {"Tone1", "1st tone"},
    {"Tone2", "2nd tone"},
    {"Tone3", "3rd tone"},
    {"Tone4", "4th tone"},
    {"Tone5", "neutral tone"},
    {"NoMaterial", "This lesson has nothing to spell yet."},
};
static_assert(std::size(kEntries) == static_cast<size_t>(SpellText::Count));

} // namespace

const char* SpellTexts::English(SpellText which) {
    return kEntries[static_cast<size_t>(which)].english;
}

void SpellTexts::Load(const std::string& programFolder, const std::string& languageSuffix) {
    m_texts.Load(programFolder + "spell_" + languageSuffix + ".ini", "Spell", kEntries, std::size(kEntries));
}

const std::string& SpellTexts::ToneName(int tone) const {
    const int index = static_cast<int>(SpellText::Tone1) + (tone >= 1 && tone <= 4 ? tone - 1 : 4);
    return Get(static_cast<SpellText>(index));
}
