#include "ui/ScrollPanel.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

ScrollPanel::ScrollPanel(QWidget* parent) : QWidget(parent) {}

void ScrollPanel::InitPanel() {
    m_rcWindow = geometry();
    m_scroll.Initialise(m_rcWindow.height());
}

void ScrollPanel::SetContentSize(const QRect& rect, int height) {
    resize(rect.width(), height);
    m_scroll.SetContentHeight(height);
}

void ScrollPanel::LineDown() {
    if (m_scroll.m_state != ScrollModel::kFits)
        QMetaObject::invokeMethod(
            this, [this] { OnVScroll(kLineDown, 0); }, Qt::QueuedConnection);
}

void ScrollPanel::LineUp() {
    if (m_scroll.m_state != ScrollModel::kFits)
        QMetaObject::invokeMethod(
            this, [this] { OnVScroll(kLineUp, 0); }, Qt::QueuedConnection);
}

void ScrollPanel::ScrollTo(int y) {
    SyncPageHeight();
    MoveContent(m_scroll.ScrollTo(y));
}

// A hidden panel gets its resize events only when shown; the page is its height all the same.
void ScrollPanel::SyncPageHeight() {
    if (testAttribute(Qt::WA_PendingResizeEvent))
        m_scroll.SetPageHeight(height());
}

void ScrollPanel::OnVScroll(ScrollCode code, int position) {
    SyncPageHeight();
    switch (code) {
    case kLineUp:
        MoveContent(m_scroll.LineUp());
        break;
    case kLineDown:
        MoveContent(m_scroll.LineDown());
        break;
    case kPageUp:
        MoveContent(m_scroll.PageUp());
        break;
    case kPageDown:
        MoveContent(m_scroll.PageDown());
        break;
    case kThumbPosition:
    case kThumbTrack:
        MoveContent(m_scroll.ThumbTo(position));
        break;
    default:
        break;
    }
}

void ScrollPanel::MoveContent(int distance) {
    if (distance == 0)
        return;
    // Children and painted content move up when the position grows.
    scroll(0, -distance);
}

void ScrollPanel::resizeEvent(QResizeEvent* event) {
    m_scroll.SetPageHeight(height());
    QWidget::resizeEvent(event);
}

void ScrollPanel::wheelEvent(QWheelEvent* event) {
    SyncPageHeight();
    MoveContent(m_scroll.Wheel(event->angleDelta().y(), event->pixelDelta().y()));
    TellState();
    event->accept();
}

void ScrollPanel::KeepPosition(int position) {
    SyncPageHeight();
    if (m_scroll.m_state != ScrollModel::kFits) {
        MoveContent(m_scroll.ThumbTo(std::clamp(position, 0, std::max(0, m_scroll.Range()))));
        m_scroll.SettleState();
    }
    TellState();
}

void ScrollPanel::TellState() {
    if (m_listener)
        m_listener(m_scroll.m_state);
}

void ScrollPanel::mousePressEvent(QMouseEvent* event) {
    // A press on the panel's own surface holds the mouse until release; nothing scrolls.
    if (m_bCaptureOnPress && event->button() == Qt::LeftButton) {
        m_bPressed = true;
        grabMouse();
    }
    QWidget::mousePressEvent(event);
}

void ScrollPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        EndCapture();
    QWidget::mouseReleaseEvent(event);
}

void ScrollPanel::focusOutEvent(QFocusEvent* event) {
    EndCapture();
    QWidget::focusOutEvent(event);
}

void ScrollPanel::EndCapture() {
    if (!m_bPressed)
        return;
    m_bPressed = false;
    releaseMouse();
}
