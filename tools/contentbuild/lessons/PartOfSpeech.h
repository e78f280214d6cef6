#pragma once

#include <string>
#include <string_view>
#include <vector>

// The word classes of the new-word lists. A lesson source names a class by its code ("n", "v");
// the lesson database stores its `cxid`, the key of the class in `tbl_hz_cx` of the word
// database, whose `meaning` is the label shown beside the word.
namespace lessons {

struct PartOfSpeech {
    const char* code;
    const char* cxid;
    const char* label;
};

const std::vector<PartOfSpeech>& PartsOfSpeech();

// The class with this code, or nullptr.
const PartOfSpeech* FindPartOfSpeech(std::string_view code);

} // namespace lessons
