#include "SceneArt.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainterPath>

#include <array>

namespace sceneart {
namespace {

const QString kChineseFamily = QStringLiteral("AR PL UMing CN");
const QString kLatinFamily = QStringLiteral("DejaVu Sans");

void DrawHair(QPainter& painter, const QRectF& head, const Look& look, double scale) {
    painter.setBrush(look.hair);
    if (look.hairStyle == 1) {
        // Long hair falls behind the head down to the shoulders.
        const double radius = head.width() / 2;
        painter.drawRoundedRect(QRectF(head.left() - 4 * scale, head.top() - 3 * scale,
                                       head.width() + 8 * scale, head.height() * 1.3),
                                radius, radius * 0.8);
    } else if (look.hairStyle == 2) {
        const double bun = head.width() * 0.22;
        painter.drawEllipse(QPointF(head.center().x(), head.top() - bun * 0.55), bun, bun);
    }
}

void DrawFringe(QPainter& painter, const QRectF& head, const Look& look) {
    painter.setBrush(look.hair);
    QPainterPath fringe;
    fringe.moveTo(head.left(), head.center().y() - head.height() * 0.02);
    fringe.arcTo(head, 180, -180);
    fringe.quadTo(QPointF(head.center().x() + head.width() * 0.1, head.top() + head.height() * 0.38),
                  QPointF(head.left() + head.width() * 0.2, head.top() + head.height() * 0.3));
    fringe.closeSubpath();
    painter.drawPath(fringe);
}

void DrawFace(QPainter& painter, QPointF head, double scale, bool mouthOpen) {
    painter.setBrush(kInk);
    const double eye = 2.6 * scale;
    painter.drawEllipse(QPointF(head.x() - 8 * scale, head.y() + 3 * scale), eye, eye);
    painter.drawEllipse(QPointF(head.x() + 8 * scale, head.y() + 3 * scale), eye, eye);
    painter.setBrush(QColor(242, 160, 150));
    painter.drawEllipse(QPointF(head.x() - 13 * scale, head.y() + 10 * scale), 3.5 * scale, 2.2 * scale);
    painter.drawEllipse(QPointF(head.x() + 13 * scale, head.y() + 10 * scale), 3.5 * scale, 2.2 * scale);
    if (mouthOpen) {
        painter.setBrush(QColor(166, 62, 62));
        painter.drawEllipse(QPointF(head.x(), head.y() + 13 * scale), 4.5 * scale, 4 * scale);
        return;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.8 * scale, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(head.x() - 6 * scale, head.y() + 5 * scale, 12 * scale, 9 * scale), 200 * 16,
                    140 * 16);
    painter.setPen(Qt::NoPen);
}

} // namespace

Look LookFor(int index) {
    static const std::array<Look, kLookCount> looks{{
        {art::kTeal, QColor(246, 215, 184), QColor(59, 46, 42), 0},
        {art::kCoral, QColor(242, 203, 166), QColor(42, 42, 51), 1},
        {QColor(78, 99, 184), QColor(233, 192, 154), QColor(90, 63, 46), 2},
        {QColor(201, 138, 27), QColor(246, 215, 184), QColor(42, 42, 51), 0},
        {QColor(154, 78, 143), QColor(221, 176, 138), QColor(59, 46, 42), 1},
    }};
    return looks[static_cast<std::size_t>(index) % looks.size()];
}

QFont ChineseFont(int pixelSize) {
    QFont font(kChineseFamily);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont LatinFont(int pixelSize, bool bold) {
    QFont font(kLatinFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

std::vector<std::string> MissingFonts() {
    std::vector<std::string> missing;
    for (const QString& family : {kChineseFamily, kLatinFamily})
        if (!QFontDatabase::hasFamily(family))
            missing.push_back(family.toStdString());
    return missing;
}

QString MissingGlyphs(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QString missing;
    for (const uint character : text.toUcs4())
        if (!QChar::isSpace(character) && !metrics.inFontUcs4(character))
            missing += QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1);
    return missing;
}

void DrawFigure(QPainter& painter, QPointF head, double scale, const Look& look, bool mouthOpen) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double radius = 24 * scale;
    const QRectF headRect(head.x() - radius, head.y() - radius, 2 * radius, 2 * radius);
    DrawHair(painter, headRect, look, scale);

    QPainterPath body;
    body.addRoundedRect(QRectF(head.x() - 31 * scale, head.y() + 28 * scale, 62 * scale, 60 * scale),
                        20 * scale, 20 * scale);
    painter.setBrush(look.coat);
    painter.drawPath(body);
    painter.setBrush(look.skin);
    painter.drawRect(QRectF(head.x() - 6 * scale, head.y() + radius - 4 * scale, 12 * scale, 10 * scale));
    painter.setBrush(look.coat.lighter(125));
    painter.drawEllipse(QPointF(head.x(), head.y() + 30 * scale), 9 * scale, 4 * scale);

    painter.setBrush(look.skin);
    painter.drawEllipse(headRect);
    DrawFringe(painter, headRect, look);
    DrawFace(painter, head, scale, mouthOpen);
    painter.restore();
}

void DrawPanel(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPaperEdge, 2));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(area, 14, 14);
    painter.restore();
}

} // namespace sceneart
