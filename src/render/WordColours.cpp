#include "render/WordColours.h"

#include <utility>

namespace {

std::function<WordColours()>& Source() {
    static std::function<WordColours()> source;
    return source;
}

} // namespace

WordColours CurrentWordColours() {
    return Source() ? Source()() : WordColours{};
}

void SetWordColoursSource(std::function<WordColours()> source) {
    Source() = std::move(source);
}
