#include "lesson/ScrollRepeatButton.h"

#include "audio/IClock.h"
#include "ui/ScrollModel.h"
#include "ui/ScrollPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <chrono>

ScrollRepeatButton::ScrollRepeatButton(QWidget* parent, int kind, Direction direction, IClock& clock)
    : BitmapButton(parent), m_clock(clock), m_nKind(kind), m_direction(direction) {}

ScrollRepeatButton::~ScrollRepeatButton() {
    StopRepeat();
}

void ScrollRepeatButton::ShowForState(QWidget* up, QWidget* down, int state) {
    up->setVisible(state == ScrollModel::kAtBottom || state == ScrollModel::kBetween);
    down->setVisible(state == ScrollModel::kAtTop || state == ScrollModel::kBetween);
}

void ScrollRepeatButton::mousePressEvent(QMouseEvent* event) {
    BitmapButton::mousePressEvent(event);
    // A right-button press counts as a mere mouse move.
    if (event->button() == Qt::LeftButton)
        StartRepeat();
}

void ScrollRepeatButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        StopRepeat();
        if (ScrollPanel* target = Target())
            target->update();
    }
    BitmapButton::mouseReleaseEvent(event);
}

void ScrollRepeatButton::StartRepeat() {
    StopRepeat();
    ArmTimer();
}

void ScrollRepeatButton::ArmTimer() {
    const int generation = ++m_generation;
    // Ticks come on the clock's thread; the step itself runs on the button's thread.
    m_timer = m_clock.StartTimer(std::chrono::milliseconds(kRepeatMs), [this, generation] {
        QMetaObject::invokeMethod(
            this, [this, generation] { OnTick(generation); }, Qt::AutoConnection);
    });
}

void ScrollRepeatButton::StopRepeat() {
    if (m_timer != 0) {
        m_clock.CancelTimer(m_timer);
        m_timer = 0;
    }
    ++m_generation;
}

void ScrollRepeatButton::OnTick(int generation) {
    if (generation != m_generation || m_timer == 0)
        return;
    m_timer = 0;
    ScrollPanel* target = Target();
    if (!target || target->ScrollState() == ScrollModel::kFits)
        return;
    if (m_direction == kDown)
        target->LineDown();
    else
        target->LineUp();
    // The step is posted to the panel; take it now so its state is the one after this step.
    QCoreApplication::sendPostedEvents(target, QEvent::MetaCall);
    const int state = target->ScrollState();
    QWidget* up = m_direction == kUp ? static_cast<QWidget*>(this) : m_partner;
    QWidget* down = m_direction == kDown ? static_cast<QWidget*>(this) : m_partner;
    const bool atEnd = (m_direction == kDown && state == ScrollModel::kAtBottom) ||
                       (m_direction == kUp && state == ScrollModel::kAtTop);
    if (atEnd || state == ScrollModel::kBetween) {
        if (up && down)
            ShowForState(up, down, state);
    }
    if (atEnd) {
        target->update();
        return;
    }
    ArmTimer();
}
