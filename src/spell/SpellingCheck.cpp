#include "spell/SpellingCheck.h"

#include "spell/TypedPinyin.h"

#include <algorithm>

namespace spelling {

int DictionaryTone(char16_t character) {
    return character == u'一' ? 1 : character == u'不' ? 4 : 0;
}

Verdict Check(std::u16string_view typed, const std::u16string& answerPinyin,
              const std::u16string& characters) {
    Verdict verdict;
    const typedpinyin::Reading given = typedpinyin::Read(typed);
    verdict.readable = given.ok;
    verdict.problem = given.problem;
    const typedpinyin::Reading answer = typedpinyin::Read(answerPinyin);
    if (!answer.ok) {
        verdict.problem = "the lesson's pinyin cannot be read";
        return verdict;
    }
    // Characters and syllables go together when there is one syllable for each.
    const bool aligned = answer.syllables.size() == characters.size();
    for (size_t i = 0; i < answer.syllables.size(); ++i) {
        SyllableCheck check;
        check.expected = answer.syllables[i];
        if (given.ok && i < given.syllables.size()) {
            check.typed = true;
            check.given = given.syllables[i];
            check.initialRight = check.given.initial == check.expected.initial;
            check.finalRight = check.given.final == check.expected.final;
            check.toneRight = check.given.tone == check.expected.tone;
            const char16_t character = aligned ? characters[i] : 0;
            if (!check.toneRight && check.initialRight && check.finalRight &&
                check.given.tone == DictionaryTone(character)) {
                check.toneRight = true;
                check.toneChange = character;
            }
        }
        verdict.syllables.push_back(check);
    }
    if (given.ok && given.syllables.size() > answer.syllables.size())
        verdict.extraSyllables = static_cast<int>(given.syllables.size() - answer.syllables.size());
    verdict.right = given.ok && verdict.extraSyllables == 0 &&
                    std::all_of(verdict.syllables.begin(), verdict.syllables.end(),
                                [](const SyllableCheck& s) { return s.Right(); });
    return verdict;
}

} // namespace spelling
