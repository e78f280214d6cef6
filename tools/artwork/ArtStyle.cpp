#include "ArtStyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace art {

QImage Canvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QPainter* BeginPainter(QPainter& painter, QImage& canvas) {
    painter.begin(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    return &painter;
}

QImage Drawn(QSize size, QRgb key, const std::function<void(QPainter&)>& draw) {
    QImage canvas = Canvas(size);
    QPainter painter;
    BeginPainter(painter, canvas);
    draw(painter);
    painter.end();
    return Flatten(canvas, key);
}

QImage Flatten(const QImage& canvas, QRgb key) {
    const QImage source = canvas.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            QRgb pixel = qAlpha(in[x]) < 128 ? key : (in[x] | 0xFF000000u);
            // A drawn pixel that happens to equal the key would become a hole: nudge it.
            if (qAlpha(in[x]) >= 128 && pixel == key)
                pixel = qRgb(qRed(key) == 255 ? 254 : qRed(key), qGreen(key) == 255 ? 254 : qGreen(key),
                             qBlue(key));
            out[x] = pixel;
        }
    }
    return flat;
}

QFont UiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Panel(QPainter& painter, const QRectF& rect, double radius, const QColor& top, const QColor& bottom,
           const QColor& border, double borderWidth) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setBrush(fill);
    if (borderWidth > 0)
        painter.setPen(QPen(border, borderWidth));
    else
        painter.setPen(Qt::NoPen);
    const double inset = borderWidth / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
}

void Inset(QPainter& painter, const QRectF& rect, const QColor& fill, double radius) {
    Panel(painter, rect, radius, fill, fill, kTealLight.darker(118), 1.2);
}

QColor HeaderInsetFill() {
    return kTeal.lighter(118);
}

void Field(QPainter& painter, const QRectF& rect) {
    painter.setBrush(Qt::white);
    painter.setPen(QPen(kTealLight.darker(115), 1));
    painter.drawRoundedRect(rect.adjusted(-3.5, -3.5, 3.5, 3.5), 6, 6);
}

void Label(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, const QColor& colour,
           Qt::Alignment align, bool bold) {
    painter.setFont(UiFont(pixelSize, bold));
    painter.setPen(colour);
    painter.drawText(rect, int(align) | Qt::TextWordWrap, text);
}

namespace {

QPen IconPen(const QColor& colour, double unit) {
    return QPen(colour, std::max(1.5, unit * 2.2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Speaker(QPainter& painter, double u, const QColor& colour) {
    QPainterPath body;
    body.moveTo(2 * u, 9 * u);
    body.lineTo(6 * u, 9 * u);
    body.lineTo(11 * u, 4.5 * u);
    body.lineTo(11 * u, 19.5 * u);
    body.lineTo(6 * u, 15 * u);
    body.lineTo(2 * u, 15 * u);
    body.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(body);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void DrawIcon(QPainter& painter, Icon icon, const QRectF& rect, const QColor& colour) {
    const double side = std::min(rect.width(), rect.height());
    const double u = side / 24.0; // icons are designed on a 24-unit square
    painter.save();
    painter.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
    painter.setPen(IconPen(colour, u));
    painter.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Close:
        painter.drawLine(QPointF(6 * u, 6 * u), QPointF(18 * u, 18 * u));
        painter.drawLine(QPointF(18 * u, 6 * u), QPointF(6 * u, 18 * u));
        break;
    case Icon::Minimise:
        painter.drawLine(QPointF(6 * u, 16 * u), QPointF(18 * u, 16 * u));
        break;
    case Icon::Note:
        painter.drawLine(QPointF(15 * u, 4 * u), QPointF(15 * u, 16 * u));
        painter.drawLine(QPointF(15 * u, 4 * u), QPointF(20 * u, 7 * u));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(12 * u, 17 * u), 3.2 * u, 2.6 * u);
        break;
    case Icon::ArrowUp:
        painter.drawLine(QPointF(12 * u, 19 * u), QPointF(12 * u, 6 * u));
        painter.drawPolyline(
            QPolygonF({QPointF(6 * u, 11 * u), QPointF(12 * u, 5 * u), QPointF(18 * u, 11 * u)}));
        break;
    case Icon::ArrowDown:
        painter.drawLine(QPointF(12 * u, 5 * u), QPointF(12 * u, 18 * u));
        painter.drawPolyline(
            QPolygonF({QPointF(6 * u, 13 * u), QPointF(12 * u, 19 * u), QPointF(18 * u, 13 * u)}));
        break;
    case Icon::ChevronDown:
        painter.drawPolyline(
            QPolygonF({QPointF(6 * u, 9 * u), QPointF(12 * u, 15 * u), QPointF(18 * u, 9 * u)}));
        break;
    case Icon::Speaker:
        Speaker(painter, u, colour);
        painter.drawArc(QRectF(9 * u, 7 * u, 8 * u, 10 * u), -60 * 16, 120 * 16);
        break;
    case Icon::SpeakerWaves:
        Speaker(painter, u, colour);
        painter.drawArc(QRectF(9 * u, 7 * u, 8 * u, 10 * u), -60 * 16, 120 * 16);
        painter.drawArc(QRectF(8 * u, 3 * u, 14 * u, 18 * u), -60 * 16, 120 * 16);
        break;
    case Icon::SpeakerMuted:
        Speaker(painter, u, colour);
        painter.drawLine(QPointF(15 * u, 9 * u), QPointF(21 * u, 15 * u));
        painter.drawLine(QPointF(21 * u, 9 * u), QPointF(15 * u, 15 * u));
        break;
    case Icon::Play: {
        QPainterPath triangle;
        triangle.moveTo(8 * u, 5 * u);
        triangle.lineTo(19 * u, 12 * u);
        triangle.lineTo(8 * u, 19 * u);
        triangle.closeSubpath();
        painter.setBrush(colour);
        painter.drawPath(triangle);
        break;
    }
    case Icon::Pen:
        painter.drawLine(QPointF(5 * u, 19 * u), QPointF(17 * u, 7 * u));
        painter.drawLine(QPointF(15 * u, 5 * u), QPointF(19 * u, 9 * u));
        painter.drawLine(QPointF(5 * u, 19 * u), QPointF(4.5 * u, 20 * u));
        painter.drawLine(QPointF(4 * u, 21 * u), QPointF(12 * u, 21 * u));
        break;
    case Icon::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = (i % 2 == 0 ? 9.5 : 4.2) * u;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(12 * u + radius * std::cos(angle), 12.5 * u + radius * std::sin(angle));
        }
        painter.drawPolygon(star);
        break;
    }
    case Icon::Scene:
        painter.drawRoundedRect(QRectF(3 * u, 5 * u, 18 * u, 14 * u), 2 * u, 2 * u);
        painter.drawPolyline(
            QPolygonF({QPointF(5 * u, 17 * u), QPointF(10 * u, 11 * u), QPointF(13 * u, 14 * u),
                       QPointF(15.5 * u, 12 * u), QPointF(19 * u, 17 * u)}));
        painter.drawEllipse(QPointF(16 * u, 8.5 * u), 1.3 * u, 1.3 * u);
        break;
    case Icon::Book:
        painter.drawPolyline(
            QPolygonF({QPointF(12 * u, 7 * u), QPointF(6 * u, 5 * u), QPointF(3 * u, 6 * u),
                       QPointF(3 * u, 19 * u), QPointF(6 * u, 18 * u), QPointF(12 * u, 20 * u)}));
        painter.drawPolyline(
            QPolygonF({QPointF(12 * u, 7 * u), QPointF(18 * u, 5 * u), QPointF(21 * u, 6 * u),
                       QPointF(21 * u, 19 * u), QPointF(18 * u, 18 * u), QPointF(12 * u, 20 * u)}));
        painter.drawLine(QPointF(12 * u, 7 * u), QPointF(12 * u, 20 * u));
        break;
    case Icon::Page:
        painter.drawRoundedRect(QRectF(5 * u, 3 * u, 14 * u, 18 * u), 2 * u, 2 * u);
        for (int line = 0; line < 3; ++line)
            painter.drawLine(QPointF(8.5 * u, (8 + 4 * line) * u), QPointF(15.5 * u, (8 + 4 * line) * u));
        break;
    case Icon::Bulb:
        painter.drawArc(QRectF(6 * u, 3 * u, 12 * u, 12 * u), -30 * 16, 240 * 16);
        painter.drawLine(QPointF(7.2 * u, 12 * u), QPointF(9.5 * u, 16 * u));
        painter.drawLine(QPointF(16.8 * u, 12 * u), QPointF(14.5 * u, 16 * u));
        painter.drawLine(QPointF(9.5 * u, 17 * u), QPointF(14.5 * u, 17 * u));
        painter.drawLine(QPointF(10 * u, 20.5 * u), QPointF(14 * u, 20.5 * u));
        break;
    case Icon::Quote:
        painter.drawRoundedRect(QRectF(3 * u, 4 * u, 18 * u, 12 * u), 3 * u, 3 * u);
        painter.drawPolyline(
            QPolygonF({QPointF(8 * u, 16 * u), QPointF(7 * u, 21 * u), QPointF(12 * u, 16 * u)}));
        painter.drawLine(QPointF(7 * u, 9 * u), QPointF(17 * u, 9 * u));
        painter.drawLine(QPointF(7 * u, 12.5 * u), QPointF(13 * u, 12.5 * u));
        break;
    case Icon::Letters:
        painter.setFont(UiFont(int(std::round(13 * u)), true));
        painter.drawText(QRectF(0, 0, 24 * u, 24 * u), Qt::AlignCenter, QStringLiteral("Aa"));
        break;
    case Icon::Pinyin:
        painter.setFont(UiFont(int(std::round(11 * u)), true));
        painter.drawText(QRectF(0, 0, 24 * u, 24 * u), Qt::AlignCenter, QStringLiteral("p\u012Bn"));
        break;
    case Icon::Back:
        painter.drawLine(QPointF(19 * u, 12 * u), QPointF(5 * u, 12 * u));
        painter.drawPolyline(
            QPolygonF({QPointF(11 * u, 6 * u), QPointF(5 * u, 12 * u), QPointF(11 * u, 18 * u)}));
        break;
    case Icon::Check:
        painter.drawPolyline(
            QPolygonF({QPointF(5 * u, 12.5 * u), QPointF(10 * u, 17.5 * u), QPointF(19 * u, 7 * u)}));
        break;
    case Icon::Info:
        painter.drawEllipse(QPointF(12 * u, 12 * u), 9 * u, 9 * u);
        painter.drawLine(QPointF(12 * u, 11 * u), QPointF(12 * u, 17 * u));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(12 * u, 7.5 * u), 0.6 * u, 0.6 * u);
        break;
    case Icon::Globe:
        painter.drawEllipse(QPointF(12 * u, 12 * u), 9 * u, 9 * u);
        painter.drawEllipse(QPointF(12 * u, 12 * u), 4 * u, 9 * u);
        painter.drawLine(QPointF(3 * u, 12 * u), QPointF(21 * u, 12 * u));
        break;
    case Icon::Help:
        painter.drawEllipse(QPointF(12 * u, 12 * u), 9 * u, 9 * u);
        painter.drawArc(QRectF(9 * u, 6 * u, 6 * u, 6 * u), 180 * 16, -240 * 16);
        painter.drawLine(QPointF(12 * u, 12.5 * u), QPointF(12 * u, 14 * u));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(12 * u, 17.3 * u), 0.6 * u, 0.6 * u);
        break;
    case Icon::Exit:
        painter.drawPolyline(QPolygonF({QPointF(13 * u, 4 * u), QPointF(5 * u, 4 * u), QPointF(5 * u, 20 * u),
                                        QPointF(13 * u, 20 * u)}));
        painter.drawLine(QPointF(10 * u, 12 * u), QPointF(21 * u, 12 * u));
        painter.drawPolyline(
            QPolygonF({QPointF(17 * u, 8 * u), QPointF(21 * u, 12 * u), QPointF(17 * u, 16 * u)}));
        break;
    case Icon::Cards:
        painter.drawRoundedRect(QRectF(7 * u, 3 * u, 13 * u, 16 * u), 2 * u, 2 * u);
        painter.drawPolyline(
            QPolygonF({QPointF(4 * u, 7 * u), QPointF(4 * u, 21 * u), QPointF(15 * u, 21 * u)}));
        break;
    case Icon::Sliders:
        for (int line = 0; line < 3; ++line) {
            const double y = (6 + 6 * line) * u;
            painter.drawLine(QPointF(4 * u, y), QPointF(20 * u, y));
            painter.setBrush(colour);
            painter.drawEllipse(QPointF((line == 1 ? 15 : 9) * u, y), 2.2 * u, 2.2 * u);
            painter.setBrush(Qt::NoBrush);
        }
        break;
    case Icon::Refresh:
        painter.drawArc(QRectF(5 * u, 5 * u, 14 * u, 14 * u), 90 * 16, 270 * 16);
        painter.drawPolyline(
            QPolygonF({QPointF(12 * u, 2 * u), QPointF(15 * u, 5 * u), QPointF(12 * u, 8 * u)}));
        break;
    case Icon::Film:
        painter.drawRoundedRect(QRectF(3 * u, 6 * u, 13 * u, 12 * u), 2 * u, 2 * u);
        painter.drawPolygon(QPolygonF({QPointF(16 * u, 10 * u), QPointF(21 * u, 7 * u),
                                       QPointF(21 * u, 17 * u), QPointF(16 * u, 14 * u)}));
        break;
    }
    painter.restore();
}

} // namespace art
