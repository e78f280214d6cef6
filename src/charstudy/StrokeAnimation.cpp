#include "charstudy/StrokeAnimation.h"

#include <QPainter>

bool StrokeAnimation::PartialStep(const StrokeImage& image, Step& step) const {
    const int w = image.bitmap.width(), h = image.bitmap.height();
    const QPoint at = kSquareOrigin + QPoint(image.offsetX, image.offsetY);
    const int advance = m_index * kStepPixels;
    switch (image.direction) {
    case StrokeImage::kTopToBottom:
        if (advance >= h)
            return false;
        step.source = QRect(0, 0, w, advance);
        step.target = at;
        return true;
    case StrokeImage::kRightToLeft: {
        const int s = w - 1 - advance;
        if (s < 0)
            return false;
        step.source = QRect(s, 0, w - s - 1, h);
        step.target = at + QPoint(s, 0);
        return true;
    }
    case StrokeImage::kBottomToTop: {
        const int s = h - 1 - advance;
        if (s < 0)
            return false;
        step.source = QRect(0, s, w, h - s - 1);
        step.target = at + QPoint(0, s);
        return true;
    }
    default:
        if (advance >= w)
            return false;
        step.source = QRect(0, 0, advance, h);
        step.target = at;
        return true;
    }
}

bool StrokeAnimation::Next(Step& step) {
    if (m_record >= m_images.size())
        return false;
    const StrokeImage& image = m_images[m_record];
    step = Step{};
    step.record = static_cast<int>(m_record);
    if (PartialStep(image, step)) {
        step.waitMs = kStepMilliseconds;
        ++m_index;
        return true;
    }
    step.whole = true;
    step.source = image.bitmap.rect();
    step.target = kSquareOrigin + QPoint(image.offsetX, image.offsetY);
    step.waitMs = image.isOneStroke ? kStrokePauseMilliseconds : 0;
    ++m_record;
    m_index = 0;
    return true;
}

void StrokeAnimation::AndInto(QImage& pad, const QImage& picture, QRect source, QPoint target) {
    if (picture.isNull() || source.isEmpty())
        return;
    QPainter painter(&pad);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target, picture.convertToFormat(QImage::Format_RGB32), source);
}

void StrokeAnimation::StampAll(QImage& pad, const std::vector<StrokeImage>& images) {
    for (const StrokeImage& image : images)
        AndInto(pad, image.bitmap, image.bitmap.rect(), kSquareOrigin + QPoint(image.offsetX, image.offsetY));
}
