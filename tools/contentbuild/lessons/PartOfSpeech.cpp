#include "PartOfSpeech.h"

namespace lessons {

const std::vector<PartOfSpeech>& PartsOfSpeech() {
    static const std::vector<PartOfSpeech> parts = {
        {"n", "CX01", "n."},       {"v", "CX02", "v."},        {"adj", "CX03", "adj."},
        {"adv", "CX04", "adv."},   {"pron", "CX05", "pron."},  {"num", "CX06", "num."},
        {"m", "CX07", "m."},       {"prep", "CX08", "prep."},  {"conj", "CX09", "conj."},
        {"part", "CX10", "part."}, {"int", "CX11", "interj."}, {"pn", "CX12", "pn."},
        {"mv", "CX13", "mod. v."}, {"phr", "CX14", "phr."},    {"t", "CX15", "t."},
    };
    return parts;
}

const PartOfSpeech* FindPartOfSpeech(std::string_view code) {
    for (const PartOfSpeech& part : PartsOfSpeech())
        if (code == part.code)
            return &part;
    return nullptr;
}

} // namespace lessons
