#include "StrokeGraphics.h"

#include "charstudy/StrokeChecker.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace strokes {
namespace {

QTransform DataToSquare() {
    const double scale = static_cast<double>(kSquare) / 1024.0;
    return QTransform(scale, 0, 0, -scale, 0, 900.0 * scale);
}

QImage WhiteSquare() {
    QImage image(kSquare, kSquare, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage FilledCharacter(const std::vector<QPainterPath>& paths, QColor colour) {
    QImage image = WhiteSquare();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPainterPath& path : paths)
        painter.fillPath(path, colour);
    return image;
}

// The part of the square a stroke covers, one pixel of margin for anti-aliasing.
QRect CropOf(const QPainterPath& path) {
    const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    return bounds.intersected(QRect(0, 0, kSquare, kSquare));
}

StrokePicture MakeStrokePicture(const QPainterPath& path, const std::vector<QPointF>& squareMedian) {
    StrokePicture stroke;
    const QRect crop = CropOf(path);
    stroke.offsetX = crop.x();
    stroke.offsetY = crop.y();
    stroke.direction = DirectionOf(squareMedian);
    stroke.image = QImage(std::max(crop.width(), 1), std::max(crop.height(), 1), QImage::Format_RGB32);
    stroke.image.fill(Qt::white);
    QPainter painter(&stroke.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-crop.x(), -crop.y());
    painter.fillPath(path, Qt::black);
    return stroke;
}

QImage StrokeOrderPicture(const std::vector<QPainterPath>& paths,
                          const std::vector<std::vector<QPointF>>& squareMedians) {
    QImage image = WhiteSquare();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    for (const QPainterPath& path : paths)
        painter.drawPath(path);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    std::vector<QRectF> placed;
    for (size_t i = 0; i < squareMedians.size(); ++i) {
        const QString number = QString::number(i + 1);
        QRectF box(0, 0, 7.0 * number.size() + 2, 13);
        box.moveCenter(squareMedians[i].front());
        // Numbers of strokes that start close together go side by side instead of on top.
        for (int tries = 0; tries < 4 && std::any_of(placed.begin(), placed.end(),
                                                     [&](const QRectF& r) { return r.intersects(box); });
             ++tries)
            box.translate(box.width() + 1, 0);
        box.moveLeft(std::clamp(box.left(), 0.0, kSquare - box.width()));
        box.moveTop(std::clamp(box.top(), 0.0, kSquare - box.height()));
        placed.push_back(box);
        painter.fillRect(box, Qt::white);
        painter.drawText(box, Qt::AlignCenter, number);
    }
    return image;
}

// Reads the numbers of one SVG command; false when fewer than `count` follow.
bool ReadNumbers(const QStringList& tokens, qsizetype& at, int count, std::vector<double>& out) {
    out.clear();
    for (int i = 0; i < count; ++i) {
        if (at >= tokens.size())
            return false;
        bool ok = false;
        out.push_back(tokens[at++].toDouble(&ok));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::vector<strokefile::StrokePoint> ReferencePoints(const std::vector<QPointF>& squareMedian) {
    std::vector<strokefile::StrokePoint> points;
    const double length = StrokeChecker::Length(squareMedian);
    const int pieces = std::clamp(static_cast<int>(std::lround(length / kReferenceSpacing)), 1,
                                  strokefile::kMaxPolylinePoints - 1);
    for (const QPointF& p : StrokeChecker::Resample(squareMedian, pieces + 1)) {
        const strokefile::StrokePoint point{static_cast<std::int32_t>(std::lround(p.x())),
                                            static_cast<std::int32_t>(std::lround(p.y()))};
        if (points.empty() || !(points.back() == point))
            points.push_back(point);
    }
    return points;
}

QPointF ToSquare(QPointF dataPoint) {
    return DataToSquare().map(dataPoint);
}

std::optional<QPainterPath> ParseSvgPath(const QString& text) {
    QString spaced;
    for (QChar c : text) {
        if (QStringLiteral("MLQCZmlqcz").contains(c))
            spaced += u' ' + QString(c) + u' ';
        else
            spaced += (c == u',') ? QChar(u' ') : c;
    }
    const QStringList tokens = spaced.split(u' ', Qt::SkipEmptyParts);
    QPainterPath path;
    std::vector<double> n;
    for (qsizetype at = 0; at < tokens.size();) {
        const QString command = tokens[at++];
        if (command == u"M" && ReadNumbers(tokens, at, 2, n))
            path.moveTo(n[0], n[1]);
        else if (command == u"L" && ReadNumbers(tokens, at, 2, n))
            path.lineTo(n[0], n[1]);
        else if (command == u"Q" && ReadNumbers(tokens, at, 4, n))
            path.quadTo(n[0], n[1], n[2], n[3]);
        else if (command == u"C" && ReadNumbers(tokens, at, 6, n))
            path.cubicTo(n[0], n[1], n[2], n[3], n[4], n[5]);
        else if (command == u"Z")
            path.closeSubpath();
        else
            return std::nullopt;
    }
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

int DirectionOf(const std::vector<QPointF>& squareMedian) {
    if (squareMedian.size() < 2)
        return LeftToRight;
    const QPointF d = squareMedian.back() - squareMedian.front();
    if (std::abs(d.x()) >= std::abs(d.y()))
        return d.x() >= 0 ? LeftToRight : RightToLeft;
    return d.y() >= 0 ? TopToBottom : BottomToTop;
}

std::optional<CharacterPictures> MakeCharacterPictures(const CharacterStrokeData& data) {
    const QTransform toSquare = DataToSquare();
    std::vector<QPainterPath> paths;
    std::vector<std::vector<QPointF>> medians;
    for (size_t i = 0; i < data.outlines.size(); ++i) {
        const auto path = ParseSvgPath(data.outlines[i]);
        if (!path)
            return std::nullopt;
        paths.push_back(toSquare.map(*path));
        std::vector<QPointF> median;
        for (const QPointF& p : data.medians[i])
            median.push_back(toSquare.map(p));
        medians.push_back(std::move(median));
    }
    CharacterPictures pictures;
    pictures.outline = FilledCharacter(paths, kOutlineGrey);
    pictures.black = FilledCharacter(paths, Qt::black);
    pictures.strokeOrder = StrokeOrderPicture(paths, medians);
    for (size_t i = 0; i < paths.size(); ++i) {
        pictures.strokes.push_back(MakeStrokePicture(paths[i], medians[i]));
        pictures.referenceStrokes.push_back(
            strokefile::MakeStrokePolyline(static_cast<std::int32_t>(i + 1), ReferencePoints(medians[i])));
    }
    return pictures;
}

} // namespace strokes
