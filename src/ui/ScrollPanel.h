#pragma once

#include "ui/ScrollModel.h"

#include <QRect>
#include <QWidget>

#include <functional>

// Base of the scrolling child panels: the content scrolls in line and page steps, by thumb requests
// and the mouse wheel, and no scroll bar is ever shown. Owners read ScrollState() to decide which
// of their scroll buttons to show.
class ScrollPanel : public QWidget {
public:
    // Vertical-scroll requests, as the panel's own scroll messages carry them.
    enum ScrollCode { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kEndScroll };

    explicit ScrollPanel(QWidget* parent);

    // Initialisation, called once the panel has its window rectangle.
    void InitPanel();
    // Resizes the panel to the rectangle's width and the given height without moving it; the
    // content is height pixels tall and starts again at the top.
    void SetContentSize(const QRect& rect, int height);
    // Posts a line step to the panel itself (asynchronous); nothing while the content fits.
    void LineDown();
    void LineUp();
    void ScrollTo(int y);
    // Handles one vertical-scroll request.
    void OnVScroll(ScrollCode code, int position);

    // Told the new state whenever the wheel moved the content, so the owner's scroll buttons
    // follow.
    void SetScrollListener(std::function<void(int state)> listener) { m_listener = std::move(listener); }
    // Lays the content out anew and returns to the position it was at, as far as the new content
    // reaches; the listener is told the state.
    void KeepPosition(int position);

    int ScrollState() const { return m_scroll.m_state; }
    void SetScrollState(int state) { m_scroll.m_state = state; }
    int ScrollPosition() const { return m_scroll.m_position; }
    const ScrollModel& Scroll() const { return m_scroll; }
    int Range() {
        SyncPageHeight();
        return m_scroll.Range();
    }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    ScrollModel m_scroll;
    QRect m_rcWindow;
    bool m_bCaptureOnPress = true;
    bool m_bPressed = false;
    std::function<void(int)> m_listener;

private:
    void TellState();
    void SyncPageHeight();
    void MoveContent(int distance);
    void EndCapture();
};
