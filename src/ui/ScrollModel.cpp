#include "ui/ScrollModel.h"

#include <algorithm>

void ScrollModel::Initialise(int windowHeight) {
    if (m_contentEqualsWindow)
        m_contentHeight = windowHeight;
    m_state = m_contentHeight < windowHeight ? kFits : kAtTop;
    m_position = 0;
    m_pageHeight = 0;
}

void ScrollModel::SetContentHeight(int contentHeight) {
    m_position = 0;
    m_pageHeight = 0;
    m_contentHeight = contentHeight;
}

int ScrollModel::StepFor(int divisor) const {
    const int quotient = Range() / divisor;
    return quotient < 6 ? 5 : quotient;
}

int ScrollModel::Move(int distance) {
    m_position += distance;
    return distance;
}

int ScrollModel::LineUp() {
    if (m_position <= 0) {
        m_state = kAtTop;
        return 0;
    }
    m_state = kBetween;
    return Move(-std::min(LineStep(), m_position));
}

int ScrollModel::LineDown() {
    if (m_position >= Range()) {
        m_state = kAtBottom;
        return 0;
    }
    m_state = kBetween;
    return Move(std::min(LineStep(), Range() - m_position));
}

int ScrollModel::PageUp() {
    if (m_position <= 0)
        return 0;
    return Move(-std::min(PageStep(), m_position));
}

int ScrollModel::PageDown() {
    if (m_position >= Range())
        return 0;
    return Move(std::min(PageStep(), Range() - m_position));
}

int ScrollModel::ThumbTo(int requestedPosition) {
    return Move(requestedPosition - m_position);
}

int ScrollModel::Wheel(int angleDelta, int pixelDelta) {
    if (m_state == kFits)
        return 0;
    int distance = -pixelDelta;
    if (pixelDelta == 0) {
        const int scaled = -angleDelta * LineStep() + m_wheelRest;
        distance = scaled / kNotch;
        m_wheelRest = scaled % kNotch;
    } else {
        m_wheelRest = 0;
    }
    distance = std::clamp(distance, -m_position, std::max(0, Range() - m_position));
    Move(distance);
    SettleState();
    return distance;
}

void ScrollModel::SettleState() {
    if (m_contentHeight < m_pageHeight)
        m_state = kFits;
    else if (m_position <= 0)
        m_state = kAtTop;
    else if (m_position >= Range())
        m_state = kAtBottom;
    else
        m_state = kBetween;
}

int ScrollModel::ScrollTo(int y) {
    const int distance = Move(y - m_position);
    m_state = y > 0 ? kBetween : kAtTop;
    return distance;
}
