#include "render/WordImage.h"

#include "render/WordItem.h"
#include "render/WordPictures.h"

#include <QPainter>

#include <algorithm>
#include <memory>

namespace wordimage {
namespace {

constexpr int kPinyinRowHeight = 22;
constexpr int kCharacterHeight = 20;
constexpr int kWordGap = 8;
constexpr int kRowGap = 10;
constexpr int kBlankWidth = 48;

WordItem MakeItem(const std::u16string& word, const std::u16string& pinyin, int lessonNumber) {
    WordItem item;
    item.word = word;
    item.pinyin[0] = pinyin;
    item.lessonNumber = lessonNumber;
    item.cellWidth = 18;
    item.lineHeight = kPinyinRowHeight + kCharacterHeight;
    item.pinyinFactor = 9;
    item.characterRowY = kPinyinRowHeight;
    item.displayMode = word.empty()     ? WordItem::kPinyinOnly
                       : pinyin.empty() ? WordItem::kCharactersOnly
                                        : WordItem::kPinyinAbove;
    return item;
}

int HeightOf(const WordItem& item) {
    return item.displayMode == WordItem::kPinyinAbove  ? kPinyinRowHeight + kCharacterHeight
           : item.displayMode == WordItem::kPinyinOnly ? kPinyinRowHeight
                                                       : kCharacterHeight;
}

} // namespace

QImage DrawWord(const std::u16string& word, const std::u16string& pinyin, int lessonNumber, QColor ground,
                const WordColours& colours) {
    if (word.empty() && pinyin.empty())
        return {};
    // The pictures of one word are large; they live on the heap for the moment they are drawn.
    auto pictures = std::make_unique<WordPictures>();
    const WordItem item = MakeItem(word, pinyin, lessonNumber);
    const int width = pictures->SetItem(item);
    if (width <= 0)
        return {};
    QImage image(width, HeightOf(item), QImage::Format_RGB32);
    image.fill(ground);
    pictures->Paint(image, colours.word, colours.newWord, colours.pinyin);
    return image;
}

QImage DrawSentence(const std::vector<std::u16string>& words, const std::vector<std::u16string>& pinyins,
                    int blank, int lessonNumber, int width, QColor ground, const WordColours& colours) {
    struct Placed {
        QImage image;
        bool isBlank = false;
    };
    std::vector<Placed> pieces;
    for (size_t i = 0; i < words.size(); ++i) {
        if (static_cast<int>(i) == blank) {
            pieces.push_back({QImage(), true});
            continue;
        }
        const std::u16string pinyin = i < pinyins.size() ? pinyins[i] : std::u16string();
        QImage image = DrawWord(words[i], pinyin, lessonNumber, ground, colours);
        if (!image.isNull())
            pieces.push_back({std::move(image), false});
    }
    const int rowHeight = kPinyinRowHeight + kCharacterHeight;
    // Lay the pieces out in rows, then draw them.
    std::vector<QPoint> positions;
    int x = 0, y = 0, widest = 0;
    for (const Placed& piece : pieces) {
        const int pieceWidth = piece.isBlank ? kBlankWidth : piece.image.width();
        if (x > 0 && x + pieceWidth > width) {
            x = 0;
            y += rowHeight + kRowGap;
        }
        positions.emplace_back(x, y);
        x += pieceWidth + kWordGap;
        widest = std::max(widest, x - kWordGap);
    }
    if (pieces.empty())
        return {};
    QImage image(std::max(1, widest), y + rowHeight, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].isBlank) {
            painter.setPen(QPen(QColor(colours.newWord), 2));
            const int lineY = positions[i].y() + rowHeight - 2;
            painter.drawLine(positions[i].x() + 2, lineY, positions[i].x() + kBlankWidth - 2, lineY);
        } else {
            painter.drawImage(positions[i], pieces[i].image);
        }
    }
    return image;
}

} // namespace wordimage
