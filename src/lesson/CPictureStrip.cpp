#include "lesson/CPictureStrip.h"
#include "render/BmpReader.h"

#include <QPainter>

CPictureStrip::CPictureStrip(QWidget* parent) : QWidget(parent) {}

bool CPictureStrip::Load(const std::string& path) {
    m_picture = LoadPictureFile(path);
    update();
    return !m_picture.isNull();
}

void CPictureStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(QRect(QPoint(0, 0), m_picture.size()), m_picture);
}
