#pragma once

// The scroll decisions of a panel that scrolls its content without a visible scroll bar. Every
// operation returns the distance in pixels the content has to move (positive: towards the bottom).
//
// States: 0 the content fits, nothing to scroll; 1 at the top; 2 at the bottom; 3 in between. Line
// steps reach 1 or 2 only when tried at an end, which the scroll buttons of the lesson window use to
// swap themselves.
class ScrollModel {
public:
    enum State { kFits = 0, kAtTop = 1, kAtBottom = 2, kBetween = 3 };

    // Initialisation with the panel's window height: a content height that equals the window
    // height (the default until SetContentSize) takes it over.
    void Initialise(int windowHeight);
    // The panel was sized: the page is the new client height.
    void SetPageHeight(int clientHeight) { m_pageHeight = clientHeight; }
    // New content: position and page height start again from 0.
    void SetContentHeight(int contentHeight);

    int LineUp();
    int LineDown();
    int PageUp();
    int PageDown();
    int ThumbTo(int requestedPosition);
    // Wheel turned by angleDelta in eighths of a degree (negative: towards the learner, moves
    // down), a notch of 120 being a line step and finer wheels moving in proportion; a touchpad's
    // pixelDelta, when it gives one, moves by exactly that. The state tells where it stopped.
    int Wheel(int angleDelta, int pixelDelta = 0);
    // The state for the position: fits, at the top, at the bottom or in between.
    void SettleState();
    // Jumps to y; the state becomes 3 below the top, else 1.
    int ScrollTo(int y);

    int Range() const { return m_contentHeight - m_pageHeight; }
    int LineStep() const { return StepFor(20); }
    int PageStep() const { return StepFor(10); }

    int m_state = kAtTop;
    int m_position = 0;
    int m_pageHeight = 0;
    int m_contentHeight = 0;
    bool m_contentEqualsWindow = true;

private:
    static constexpr int kNotch = 120;
    int m_wheelRest = 0; // parts of a notch not yet moved
    int StepFor(int divisor) const;
    int Move(int distance);
};
