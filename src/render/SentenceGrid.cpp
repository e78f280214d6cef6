#include "render/SentenceGrid.h"

#include "render/CBmpPicture.h"
#include "render/CharacterPicture.h"

namespace {

constexpr int kPerLine = 22;
constexpr int kLines = 3;
constexpr int kLeft = 40;
constexpr int kStep = 18;
constexpr int kLineHeight = 20;

int FirstLineY(int count) {
    if (count < kPerLine)
        return 30;
    if (count < 2 * kPerLine)
        return 20;
    return 10;
}

} // namespace

std::vector<QPoint> SentenceGridPositions(int count) {
    std::vector<QPoint> positions;
    if (count <= 0 || count >= kPerLine * kLines)
        return positions;
    QPoint point(kLeft, FirstLineY(count));
    for (int i = 0; i < count; ++i) {
        positions.push_back(point);
        if (i % kPerLine == kPerLine - 1)
            point = QPoint(kLeft, point.y() + kLineHeight);
        else
            point.rx() += kStep;
    }
    return positions;
}

std::vector<CBmpPicture> LoadSentencePictures(std::u16string_view sentence) {
    std::vector<CBmpPicture> pictures;
    for (const char16_t c : sentence) {
        if (c == u' ')
            continue;
        if (static_cast<int>(pictures.size()) == kSentenceGridCapacity)
            break;
        LoadCharacterPicture(std::u16string_view(&c, 1), pictures.emplace_back());
    }
    return pictures;
}

void DrawSentenceGrid(QImage& target, std::vector<CBmpPicture>& pictures) {
    const std::vector<QPoint> positions = SentenceGridPositions(static_cast<int>(pictures.size()));
    for (size_t i = 0; i < positions.size(); ++i)
        pictures[i].DrawColorWord(target, positions[i].x(), positions[i].y(), qRgb(0, 0, 255));
}
