#include "PicturePage.h"

#include "LetterPictures.h"
#include "PinyinText.h"
#include "SceneArt.h"
#include "render/BmpWriter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>

namespace lessons::pictures {
namespace {

constexpr int kParagraphGap = 5;
constexpr int kWordGap = 6;        // between two words of a row
constexpr int kPunctuationGap = 1; // after a punctuation mark
constexpr int kRowGap = 4;         // between wrapped rows of words
constexpr int kAccentWidth = 4;

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

struct PlacedWord {
    QString word;
    QString pinyin; // empty for punctuation
    int width = 0;
};

std::vector<PlacedWord> PlaceWords(const std::string& words, const std::string& pinyin,
                                   const QFontMetrics& chinese, const QFontMetrics& letters) {
    const std::vector<std::string> wordList = SplitWords(words);
    const std::vector<std::string> groups = SplitWords(pinyin);
    std::vector<PlacedWord> placed;
    for (size_t i = 0; i < wordList.size(); ++i) {
        if (wordList[i].empty() || wordList[i] == "*")
            continue;
        PlacedWord word;
        word.word = QString::fromStdString(wordList[i]);
        if (PunctuationPinyin(wordList[i]).empty() && i < groups.size())
            word.pinyin = QString::fromStdString(groups[i]);
        word.width = std::max(chinese.horizontalAdvance(word.word), letters.horizontalAdvance(word.pinyin));
        placed.push_back(word);
    }
    return placed;
}

// French sets a space before ":", ";", "?", "!" and "»" and after "«"; no line may break there.
QString KeepMarksWithWords(QString text) {
    static const QRegularExpression before(QStringLiteral(" ([:;?!\\x{BB}])"));
    static const QRegularExpression after(QStringLiteral("(\\x{AB}) "));
    text.replace(before, QChar(0xA0) + QStringLiteral("\\1"));
    text.replace(after, QStringLiteral("\\1") + QChar(0xA0));
    return text;
}

} // namespace

QFont TextFont(int pixelSize, bool bold, bool italic) {
    QFont font;
    font.setFamilies({letters::LetterFontFamily(), letters::SongFontFamily()});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

PicturePage::PicturePage(QPainter* painter, int left, int top, int width)
    : m_painter(painter), m_left(left), m_top(top), m_width(width) {}

void PicturePage::Paragraph(const QString& text, const QFont& font, const QColor& colour, int indent) {
    const QFontMetrics metrics(font);
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const QString paragraph = KeepMarksWithWords(paragraphs[i].trimmed());
        const QRect room(m_left + indent, m_top, m_width - indent, 100000);
        const QRect used = metrics.boundingRect(room, kTextFlags, paragraph);
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->setPen(colour);
            m_painter->drawText(room, kTextFlags, paragraph);
        }
        m_top += used.height() + (i + 1 < paragraphs.size() ? kParagraphGap : 0);
    }
}

void PicturePage::WordRow(const std::string& words, const std::string& pinyin, int chinesePixels,
                          int indent) {
    const QFont chineseFont = sceneart::ChineseFont(chinesePixels);
    const QFont pinyinFont = TextFont(std::max(11, chinesePixels * 3 / 5));
    const QFontMetrics chinese(chineseFont), letters(pinyinFont);
    const int pinyinHeight = letters.height();
    const int rowHeight = pinyinHeight + 1 + chinese.height();
    int x = 0;
    bool rowUsed = false;
    for (const PlacedWord& word : PlaceWords(words, pinyin, chinese, letters)) {
        if (rowUsed && x + word.width > m_width - indent) {
            m_top += rowHeight + kRowGap;
            x = 0;
        }
        if (m_painter) {
            const int left = m_left + indent + x;
            m_painter->setFont(pinyinFont);
            m_painter->setPen(kPinyinColour);
            m_painter->drawText(QRect(left, m_top, word.width, pinyinHeight),
                                Qt::AlignHCenter | Qt::AlignBottom, word.pinyin);
            m_painter->setFont(chineseFont);
            m_painter->setPen(kWordColour);
            m_painter->drawText(QRect(left, m_top + pinyinHeight + 1, word.width, chinese.height()),
                                Qt::AlignHCenter | Qt::AlignVCenter, word.word);
        }
        x += word.width + (word.pinyin.isEmpty() ? kPunctuationGap : kWordGap);
        rowUsed = true;
    }
    if (rowUsed)
        m_top += rowHeight;
}

void PicturePage::Card(const CardStyle& style, const std::function<void(PicturePage&)>& content) {
    const int inner = style.accent.isValid() ? style.padding + kAccentWidth : style.padding;
    PicturePage measure(nullptr, m_left + inner, m_top + style.padding, m_width - inner - style.padding);
    content(measure);
    const int height = measure.Top() + style.padding - m_top;
    if (m_painter) {
        const QRectF card(m_left + 0.5, m_top + 0.5, m_width - 1, height - 1);
        m_painter->setPen(QPen(style.border, 1));
        m_painter->setBrush(style.fill);
        m_painter->drawRoundedRect(card, style.radius, style.radius);
        if (style.accent.isValid()) {
            QPainterPath shape;
            shape.addRoundedRect(card, style.radius, style.radius);
            m_painter->save();
            m_painter->setClipPath(shape);
            m_painter->fillRect(QRectF(m_left, m_top, kAccentWidth, height), style.accent);
            m_painter->restore();
        }
        PicturePage draw(m_painter, m_left + inner, m_top + style.padding, m_width - inner - style.padding);
        content(draw);
    }
    m_top += height;
}

QImage ComposePicture(int width, const QColor& background, int margin,
                      const std::function<void(PicturePage&)>& content) {
    PicturePage measure(nullptr, margin, margin, width - 2 * margin);
    content(measure);
    return DrawnPicture(QSize(width, std::max(1, measure.Top() + margin)), background,
                        [&](QPainter& painter) {
                            PicturePage draw(&painter, margin, margin, width - 2 * margin);
                            content(draw);
                        });
}

QImage DrawnPicture(QSize size, const QColor& background, const std::function<void(QPainter&)>& draw) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter);
    return picture;
}

void FittedLine(QPainter& painter, const QRect& rect, const QString& text, QFont font, const QColor& colour,
                int smallestPixels, Qt::Alignment align) {
    while (font.pixelSize() > smallestPixels && QFontMetrics(font).horizontalAdvance(text) > rect.width())
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, int(align), metrics.elidedText(text, Qt::ElideRight, rect.width()));
}

std::vector<unsigned char> PictureBytes(const QImage& picture) {
    return bmp::WriteBmp(picture, bmp::Depth::Palette8);
}

} // namespace lessons::pictures
