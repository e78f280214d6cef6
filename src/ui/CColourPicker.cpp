#include "ui/CColourPicker.h"

#include <QColorDialog>
#include <QPainter>

CColourPicker::CColourPicker(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QPushButton::clicked, this, &CColourPicker::Choose);
}

void CColourPicker::SetColour(const QColor& colour) {
    m_colour = colour;
    update();
}

void CColourPicker::Choose() {
    const QColor chosen = QColorDialog::getColor(m_colour, this);
    if (chosen.isValid())
        SetColour(chosen);
}

void CColourPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(rect().adjusted(4, 4, -4, -4), m_colour);
}
