#include "charstudy/RefusalExplanation.h"

namespace {

using Verdict = StrokeChecker::Verdict;

const std::string& TextOf(const RefusalTexts& texts, Verdict reason) {
    switch (reason) {
    case Verdict::WrongOrder:
        return texts.wrongOrder;
    case Verdict::WrongDirection:
        return texts.wrongDirection;
    case Verdict::WrongShape:
        return texts.wrongShape;
    case Verdict::TooShort:
        return texts.tooShort;
    case Verdict::TooLong:
        return texts.tooLong;
    default:
        return texts.tooFar;
    }
}

const char* EnglishTextOf(Verdict reason) {
    switch (reason) {
    case Verdict::WrongOrder:
        return "Wrong order: stroke %d comes now. Watch it flash, then write it.";
    case Verdict::WrongDirection:
        return "Wrong direction: start stroke %d at the green dot and follow the arrow.";
    case Verdict::WrongShape:
        return "Wrong shape: stroke %d goes along the red line.";
    case Verdict::TooShort:
        return "Too short: draw stroke %d to the end of the red line.";
    case Verdict::TooLong:
        return "Too long: stroke %d ends where the red line ends.";
    default:
        return "Too far off: write stroke %d over the red line.";
    }
}

std::string WithNumber(std::string text, int number) {
    const size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

} // namespace

RefusalExplanation ExplainRefusal(const RefusalTexts& texts, const HandwritingPractice::Refusal& refusal) {
    RefusalExplanation explanation;
    if (refusal.reason == Verdict::Accepted)
        return explanation;
    const std::string& text = TextOf(texts, refusal.reason);
    explanation.text =
        WithNumber(text.empty() ? EnglishTextOf(refusal.reason) : text, refusal.expectedNumber);
    explanation.highlightedStroke = refusal.expectedNumber;
    explanation.flash = refusal.reason == Verdict::WrongOrder;
    explanation.showDirection = true;
    return explanation;
}
