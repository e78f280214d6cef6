#include "ProgramMovies.h"

#include "GifWriter.h"
#include "SceneArt.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace programmedia {
namespace {

using namespace sceneart;

constexpr QRect kTextPanel{36, 50, 348, 160};
constexpr QPointF kFigureHead{150, 352};
constexpr int kDotMs = 500;
constexpr int kLoadingDots = 10;
constexpr int kLoadingStepMs = 90;

QColor Blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The largest title and text sizes whose wrapped lines fit the panel; false when none does.
bool FitText(const QString& title, const QString& text, QFont& titleFont, QFont& textFont, int& titleHeight,
             int& textHeight) {
    const QRect inner = kTextPanel.adjusted(20, 20, -20, -20);
    for (int size = 22; size >= 14; size -= 2) {
        titleFont = LatinFont(size, true);
        textFont = LatinFont(size * 2 / 3 + 1);
        const int flags = Qt::TextWordWrap | Qt::AlignHCenter;
        const QRect box(0, 0, inner.width(), 1000);
        const QRect titleBox = QFontMetrics(titleFont).boundingRect(box, flags, title);
        const QRect textBox = QFontMetrics(textFont).boundingRect(box, flags, text);
        titleHeight = titleBox.height();
        textHeight = textBox.height();
        if (titleBox.height() + 14 + textBox.height() <= inner.height() &&
            std::max(titleBox.width(), textBox.width()) <= inner.width())
            return true;
    }
    return false;
}

void DrawThoughtBubble(QPainter& painter, int dots) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPaperEdge, 2));
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(kFigureHead.x() + 34, kFigureHead.y() - 30), 5, 5);
    painter.drawEllipse(QPointF(kFigureHead.x() + 50, kFigureHead.y() - 48), 8, 8);
    const QRectF cloud(kFigureHead.x() + 62, kFigureHead.y() - 104, 150, 64);
    painter.drawRoundedRect(cloud, 30, 30);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(i < dots ? kAccent : kFloor);
        painter.drawEllipse(QPointF(cloud.center().x() + (i - 1) * 30, cloud.center().y()), 7, 7);
    }
}

} // namespace

bool DrawNoContentMovie(const NoContentText& text, GifWriter& movie, std::string& error) {
    const QString title = QString::fromStdString(text.title);
    const QString body = QString::fromStdString(text.text);
    QFont titleFont, textFont;
    int titleHeight = 0, textHeight = 0;
    const QString missing = MissingGlyphs(LatinFont(16), title + body);
    if (!missing.isEmpty()) {
        error = "the font has no glyph for \"" + missing.toStdString() + "\"";
        return false;
    }
    if (!FitText(title, body, titleFont, textFont, titleHeight, textHeight)) {
        error = "the text does not fit the movie: " + text.title;
        return false;
    }
    for (int dots = 0; dots <= 3; ++dots) {
        QImage frame(kNoContentSize, QImage::Format_RGB32);
        frame.fill(kWall);
        QPainter painter(&frame);
        painter.fillRect(QRect(0, 420, kNoContentSize.width(), kNoContentSize.height() - 420), kFloor);
        DrawPanel(painter, QRectF(kTextPanel));
        // The title and the text together, centred in the panel.
        QRect inner = kTextPanel.adjusted(20, 20, -20, -20);
        inner.setTop(inner.top() + (inner.height() - titleHeight - 14 - textHeight) / 2);
        painter.setPen(kInk);
        painter.setFont(titleFont);
        painter.drawText(inner, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, title);
        painter.setPen(kSoftInk);
        painter.setFont(textFont);
        painter.drawText(inner.adjusted(0, titleHeight + 14, 0, 0), Qt::TextWordWrap | Qt::AlignHCenter,
                         body);
        DrawFigure(painter, kFigureHead, 1.1, LookFor(0), false);
        DrawThoughtBubble(painter, dots);
        painter.end();
        movie.AddFrame(frame, dots == 3 ? 3 * kDotMs : kDotMs);
    }
    return true;
}

void DrawLoadingMovie(GifWriter& movie) {
    const QPointF centre(kLoadingSize.width() / 2.0, kLoadingSize.height() / 2.0);
    for (int step = 0; step < kLoadingDots; ++step) {
        QImage frame(kLoadingSize, QImage::Format_RGB32);
        frame.fill(kWall);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawPanel(painter, QRectF(frame.rect()).adjusted(3, 3, -3, -3));
        painter.setPen(Qt::NoPen);
        for (int dot = 0; dot < kLoadingDots; ++dot) {
            // The leading dot is darkest; the ones behind it fade back to the panel's edge colour.
            const int behind = (step - dot + kLoadingDots) % kLoadingDots;
            const double share = std::max(0.0, 1.0 - behind / 4.0);
            const double angle = 2 * std::numbers::pi * dot / kLoadingDots - std::numbers::pi / 2;
            painter.setBrush(Blend(kPaperEdge, kAccent, share));
            painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 32, 5.5 + share * 1.5,
                                5.5 + share * 1.5);
        }
        painter.end();
        movie.AddFrame(frame, kLoadingStepMs);
    }
}

} // namespace programmedia
