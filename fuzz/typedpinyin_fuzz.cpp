// Typed pinyin of any UTF-16 text: the reader either refuses it with a reason or gives syllables
// that write back as pinyin it reads the same again.
#include "spell/TypedPinyin.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string typed;
    for (size_t i = 0; i + 1 < size; i += 2)
        typed.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const typedpinyin::Reading reading = typedpinyin::Read(typed);
    if (!reading.ok) {
        if (reading.problem.empty() || !reading.syllables.empty())
            std::abort();
        return 0;
    }
    const typedpinyin::Reading again = typedpinyin::Read(typedpinyin::Marked(reading.syllables));
    if (!again.ok || again.syllables != reading.syllables)
        std::abort();
    return 0;
}
