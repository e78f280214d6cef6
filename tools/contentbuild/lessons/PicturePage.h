#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <string>

class QPainter;

// Lays out the blocks of a content picture (paragraphs, Chinese words with their pinyin above,
// framed cards) from top to bottom at a fixed width. A page without a painter only measures, so a
// picture is composed twice: once for its height, once to draw.
namespace lessons::pictures {

// Text in the sans face, with the Song face drawing the Chinese characters inside it (Chinese
// lines use sceneart::ChineseFont).
QFont TextFont(int pixelSize, bool bold = false, bool italic = false);

// The colours the lesson window's settings give to Chinese words, pinyin and translations.
inline const QColor kWordColour{24, 44, 52};
inline const QColor kPinyinColour{20, 112, 110};
inline const QColor kMeaningColour{70, 74, 78};

struct CardStyle {
    QColor fill;
    QColor border;
    QColor accent; // a bar along the left edge; invalid for none
    int padding = 10;
    double radius = 10;
};

class PicturePage {
public:
    PicturePage(QPainter* painter, int left, int top, int width);

    // Wrapped text; a line break in it starts a new paragraph.
    void Paragraph(const QString& text, const QFont& font, const QColor& colour, int indent = 0);
    // Chinese words (separated by single spaces) with each word's pinyin group centred above it,
    // wrapping between words. Punctuation marks get no pinyin.
    void WordRow(const std::string& words, const std::string& pinyin, int chinesePixels, int indent = 0);
    // A framed block: the content is measured first, then drawn on the card.
    void Card(const CardStyle& style, const std::function<void(PicturePage&)>& content);
    void Space(int pixels) { m_top += pixels; }

    QPainter* Painter() const { return m_painter; }
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }

private:
    QPainter* m_painter;
    int m_left;
    int m_top;
    int m_width;
};

// A picture `width` wide and as high as its content plus `margin` above and below, on a plain
// background; `content` gets a page inset by `margin` on every side.
QImage ComposePicture(int width, const QColor& background, int margin,
                      const std::function<void(PicturePage&)>& content);

// A picture of a fixed size on a plain background, drawn by `draw` with antialiasing.
QImage DrawnPicture(QSize size, const QColor& background, const std::function<void(QPainter&)>& draw);

// Draws `text` on one line in `rect`, making the face smaller (down to `smallestPixels`) until it
// fits and eliding what still does not.
void FittedLine(QPainter& painter, const QRect& rect, const QString& text, QFont font, const QColor& colour,
                int smallestPixels, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// The BMP bytes of a picture, with a colour table of its most used colours.
std::vector<unsigned char> PictureBytes(const QImage& picture);

} // namespace lessons::pictures
