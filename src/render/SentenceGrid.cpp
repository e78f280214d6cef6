#include "render/SentenceGrid.h"

#include "render/CBmpPicture.h"
#include "render/CharacterPicture.h"

#include <algorithm>

namespace {

constexpr int kPerLine = 22;
constexpr int kMaxCount = 66; // three lines of the base size
constexpr int kLeft = 40;
constexpr int kStep = 18;
constexpr int kLineHeight = 20;
constexpr int kBandTop = 10;
constexpr int kBandHeight = 60;

int PerLine(int textSize) {
    return std::max(1, kPerLine * 100 / std::max(textSize, 100));
}

// Lines as the first line's height counts them: a sentence that fills a line exactly counts one
// more, so that it sits as high as a sentence of two lines.
int LinesCounted(int count, int textSize) {
    return count / PerLine(textSize) + 1;
}

int GridHeight(int count, int textSize) {
    return LinesCounted(count, textSize) * glyphscale::Scaled(kLineHeight, textSize);
}

int FirstLineY(int count, int textSize) {
    return kBandTop + std::max(0, (kBandHeight - GridHeight(count, textSize)) / 2);
}

} // namespace

std::vector<QPoint> SentenceGridPositions(int count, int textSize) {
    std::vector<QPoint> positions;
    if (count <= 0 || count >= kMaxCount)
        return positions;
    const int perLine = PerLine(textSize);
    const int step = glyphscale::Scaled(kStep, textSize);
    const int lineHeight = glyphscale::Scaled(kLineHeight, textSize);
    QPoint point(kLeft, FirstLineY(count, textSize));
    for (int i = 0; i < count; ++i) {
        positions.push_back(point);
        if (i % perLine == perLine - 1)
            point = QPoint(kLeft, point.y() + lineHeight);
        else
            point.rx() += step;
    }
    return positions;
}

int SentenceGridOverflow(int count, int textSize) {
    if (count <= 0 || count >= kMaxCount)
        return 0;
    return std::max(0, FirstLineY(count, textSize) + GridHeight(count, textSize) - (kBandTop + kBandHeight));
}

std::vector<CBmpPicture> LoadSentencePictures(std::u16string_view sentence, int scale) {
    std::vector<CBmpPicture> pictures;
    for (const char16_t c : sentence) {
        if (c == u' ')
            continue;
        if (static_cast<int>(pictures.size()) == kSentenceGridCapacity)
            break;
        LoadCharacterPicture(std::u16string_view(&c, 1), pictures.emplace_back(), scale);
    }
    return pictures;
}

void DrawSentenceGrid(QImage& target, std::vector<CBmpPicture>& pictures, const GlyphDisplay& display) {
    const std::vector<QPoint> positions =
        SentenceGridPositions(static_cast<int>(pictures.size()), display.textSize);
    for (size_t i = 0; i < positions.size(); ++i)
        pictures[i].DrawColorWord(target, display.ToDevice(positions[i].x()),
                                  display.ToDevice(positions[i].y()), qRgb(0, 0, 255));
}
