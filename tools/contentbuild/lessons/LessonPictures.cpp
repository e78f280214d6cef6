#include "LessonPictures.h"

#include "ArtStyle.h"
#include "PicturePage.h"
#include "PictureTexts.h"
#include "ui/SkinLayout.h"

#include <QPainter>

#include <algorithm>

namespace lessons {
namespace {

using pictures::CardStyle;
using pictures::PicturePage;

// The panes behind notes and language points are white; pictures keep a margin on every side so
// that notes stacked one under another stay apart.
constexpr int kPaneMargin = 8;
constexpr int kBadge = 22;

QString Translated(const Translations& texts, const std::string& language) {
    return QString::fromStdString(TextIn(texts, language));
}

CardStyle NoteCard() {
    return {art::kPaper, art::kTealLight.darker(112), art::kAmber, 12, 10};
}

CardStyle PointCard() {
    return {art::kPaper, art::kTealLight.darker(112), art::kTeal, 12, 10};
}

CardStyle ExampleCard() {
    return {art::kCream, art::kCream, QColor(), 8, 8};
}

// A round number badge at the page's current place.
void NumberBadge(PicturePage& page, int number, int diameter, const QColor& fill, int pixelSize) {
    QPainter* painter = page.Painter();
    if (!painter)
        return;
    const QRectF badge(page.Left(), page.Top(), diameter, diameter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawEllipse(badge);
    painter->setFont(pictures::TextFont(pixelSize, true));
    painter->setPen(Qt::white);
    painter->drawText(badge, Qt::AlignCenter, QString::number(number));
}

void DrawExample(PicturePage& page, const Example& example, const std::string& language) {
    page.WordRow(example.words, example.pinyin, 18);
    page.Space(3);
    page.Paragraph(Translated(example.translation, language), pictures::TextFont(13, false, true),
                   pictures::kMeaningColour);
}

void DrawPoint(PicturePage& page, const LanguagePoint& point, int number, const std::string& language) {
    constexpr int kTitleIndent = kBadge + 8;
    const int top = page.Top();
    NumberBadge(page, number, kBadge, art::kTeal, 12);
    page.Space(2);
    page.Paragraph(Translated(point.title, language), pictures::TextFont(16, true), art::kTealDark,
                   kTitleIndent);
    page.Space(std::max(0, top + kBadge - page.Top()) + 8);
    page.Paragraph(Translated(point.text, language), pictures::TextFont(14), art::kInk);
    for (const Example& example : point.examples) {
        page.Space(8);
        page.Card(ExampleCard(), [&](PicturePage& inner) { DrawExample(inner, example, language); });
    }
}

} // namespace

QImage NotePicture(const Note& note, const std::string& language) {
    const int width = skinlayout::lesson::kRightPane.width();
    return pictures::ComposePicture(width, Qt::white, kPaneMargin, [&](PicturePage& page) {
        page.Card(NoteCard(), [&](PicturePage& card) {
            if (!note.words.empty()) {
                card.WordRow(note.words, note.pinyin, 22);
                card.Space(8);
            }
            card.Paragraph(Translated(note.text, language), pictures::TextFont(14), art::kInk);
        });
    });
}

QImage LanguagePointsPicture(const std::vector<LanguagePoint>& points, const std::string& language) {
    const int width = skinlayout::lesson::kRightPane.width();
    return pictures::ComposePicture(width, Qt::white, kPaneMargin, [&](PicturePage& page) {
        for (size_t i = 0; i < points.size(); ++i) {
            if (i > 0)
                page.Space(12);
            page.Card(PointCard(), [&](PicturePage& card) {
                DrawPoint(card, points[i], static_cast<int>(i) + 1, language);
            });
        }
    });
}

QImage LessonHeadPicture(const LessonSource& lesson, const PictureTexts& texts) {
    const QSize size = skinlayout::lesson::kHead.size();
    return pictures::DrawnPicture(size, art::HeaderInsetFill(), [&](QPainter& painter) {
        const QRectF badge(4, 6, 48, 48);
        art::Panel(painter, badge, 10, art::kPaper, art::kCream, art::kTealDark, 0);
        painter.setFont(pictures::TextFont(26, true));
        painter.setPen(art::kTealDark);
        painter.drawText(badge, Qt::AlignCenter, QString::number(lesson.number));
        const int textLeft = static_cast<int>(badge.right()) + 12;
        const int textWidth = size.width() - textLeft - 6;
        pictures::FittedLine(painter, QRect(textLeft, 5, textWidth, 18),
                             texts.Text("Lesson", "Head").arg(lesson.number).toUpper(),
                             pictures::TextFont(12, true), art::kAmberLight, 10);
        pictures::FittedLine(painter, QRect(textLeft, 23, textWidth, 32),
                             Translated(lesson.title, texts.Language()), pictures::TextFont(24, true),
                             Qt::white, 15);
    });
}

QImage ChildTitlePicture(const ChildLesson& child, int index, const std::string& language) {
    const QSize size = skinlayout::lesson::kChildTitleSize;
    return pictures::DrawnPicture(size, art::kPaper, [&](QPainter& painter) {
        PicturePage badge(&painter, 4, 3, size.height());
        NumberBadge(badge, index + 1, 21, art::kAmber, 12);
        pictures::FittedLine(painter, QRect(33, 0, size.width() - 38, size.height()),
                             Translated(child.title, language), pictures::TextFont(15, true), art::kTealDark,
                             11);
    });
}

} // namespace lessons
