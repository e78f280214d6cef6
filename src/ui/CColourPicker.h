#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the learner choose another with the colour dialog.
class CColourPicker : public QPushButton {
public:
    explicit CColourPicker(QWidget* parent);

    QColor Colour() const { return m_colour; }
    void SetColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    QColor m_colour = Qt::black;
};
