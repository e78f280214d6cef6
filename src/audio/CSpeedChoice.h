#pragma once

#include <QWidget>

// The speed the model sentence is heard at: one segment per speed (1×, 0.75×, 0.5×), the chosen
// one filled. A click chooses; the owner decides what follows and shows the choice back.
class CSpeedChoice : public QWidget {
    Q_OBJECT
public:
    explicit CSpeedChoice(QWidget* parent = nullptr);

    void SetSpeed(int percent);
    int Speed() const { return m_speed; }
    // The segment of a speed, in this control's coordinates.
    QRect SegmentRect(int percent) const;

signals:
    void speedChosen(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_speed = 100;
};
