#include "charstudy/StrokeAnimation.h"

#include "render/GlyphScale.h"

#include <QPainter>

#include <algorithm>

StrokeAnimation::StrokeAnimation(const std::vector<StrokeImage>& images, int percent)
    : m_images(images), m_origin(SquareOrigin(percent)),
      m_stepPixels(std::max(1, glyphscale::Scaled(kStepPixels, percent))) {}

QPoint StrokeAnimation::SquareOrigin(int percent) {
    return {glyphscale::Scaled(kSquareOrigin.x(), percent), glyphscale::Scaled(kSquareOrigin.y(), percent)};
}

namespace {

// The picture spanning `from`..`to` of the pad at 100 %, scaled to the span's pixels at `percent`.
QImage ScaledSpan(const QImage& picture, QPoint from, QPoint to, int percent) {
    const QSize size(
        std::max(1, glyphscale::Scaled(to.x(), percent) - glyphscale::Scaled(from.x(), percent)),
        std::max(1, glyphscale::Scaled(to.y(), percent) - glyphscale::Scaled(from.y(), percent)));
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage StrokeAnimation::ScaledPicture(const QImage& picture, int percent) {
    if (percent == 100 || picture.isNull())
        return picture;
    return ScaledSpan(picture, QPoint(0, 0), QPoint(picture.width(), picture.height()), percent);
}

std::vector<StrokeImage> StrokeAnimation::ScaledImages(const std::vector<StrokeImage>& images, int percent) {
    if (percent == 100)
        return images;
    std::vector<StrokeImage> scaled = images;
    for (StrokeImage& image : scaled) {
        const QPoint from(image.offsetX, image.offsetY);
        if (!image.bitmap.isNull())
            image.bitmap = ScaledSpan(image.bitmap, from,
                                      from + QPoint(image.bitmap.width(), image.bitmap.height()), percent);
        image.offsetX = glyphscale::Scaled(from.x(), percent);
        image.offsetY = glyphscale::Scaled(from.y(), percent);
    }
    return scaled;
}

bool StrokeAnimation::PartialStep(const StrokeImage& image, Step& step) const {
    const int w = image.bitmap.width(), h = image.bitmap.height();
    const QPoint at = m_origin + QPoint(image.offsetX, image.offsetY);
    const int advance = m_index * m_stepPixels;
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
    step.target = m_origin + QPoint(image.offsetX, image.offsetY);
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

void StrokeAnimation::StampAll(QImage& pad, const std::vector<StrokeImage>& images, QPoint origin) {
    for (const StrokeImage& image : images)
        AndInto(pad, image.bitmap, image.bitmap.rect(), origin + QPoint(image.offsetX, image.offsetY));
}
