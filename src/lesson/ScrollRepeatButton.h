#pragma once

#include "ui/BitmapButton.h"

#include <functional>

class IClock;
class ScrollPanel;

// A scroll button of the lesson window that repeats while held: every 100 ms it moves its target a
// line up or down and, from the target's scroll state, shows or hides itself and its partner.
class ScrollRepeatButton : public BitmapButton {
public:
    enum Direction { kUp = 0, kDown = 1 };
    static constexpr int kRepeatMs = 100;

    ScrollRepeatButton(QWidget* parent, int kind, Direction direction, IClock& clock);
    ~ScrollRepeatButton() override;

    // The panel that a target kind stands for (1 sentences ... 6 single note).
    void SetTargetResolver(std::function<ScrollPanel*(int kind)> resolver) {
        m_resolver = std::move(resolver);
    }
    // The button of the other direction on the same target.
    void SetPartner(ScrollRepeatButton* partner) { m_partner = partner; }
    void SetKind(int kind) { m_nKind = kind; }
    int Kind() const { return m_nKind; }
    bool IsRepeating() const { return m_timer != 0; }

    // Shows the pair of buttons for a target's scroll state: 1 down only, 2 up only, 3 both, 0 none.
    static void ShowForState(QWidget* up, QWidget* down, int state);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void StartRepeat();
    void StopRepeat();
    void ArmTimer();
    void OnTick(int generation);
    ScrollPanel* Target() const { return m_resolver ? m_resolver(m_nKind) : nullptr; }

    IClock& m_clock;
    int m_nKind;
    Direction m_direction;
    std::function<ScrollPanel*(int)> m_resolver;
    ScrollRepeatButton* m_partner = nullptr;
    int m_timer = 0;      // the clock's timer while repeating
    int m_generation = 0; // ticks of an earlier press are ignored
};
