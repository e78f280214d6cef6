#pragma once

#include "charstudy/HandwritingPractice.h"

#include <string>

// The words that tell the learner why a stroke was refused, and what the pad shows with them.
// Each text may hold "%d" for the number of the stroke that was due; an empty text falls back to
// the English one.
struct RefusalTexts {
    std::string wrongOrder, wrongDirection, wrongShape, tooFar, tooShort, tooLong;
};

struct RefusalExplanation {
    std::string text;
    int highlightedStroke = 0;  // the reference stroke the pad highlights
    bool flash = false;         // flashed rather than just shown (a stroke written out of order)
    bool showDirection = false; // its start and direction are marked
};

RefusalExplanation ExplainRefusal(const RefusalTexts& texts, const HandwritingPractice::Refusal& refusal);
