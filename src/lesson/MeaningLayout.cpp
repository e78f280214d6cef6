#include "lesson/MeaningLayout.h"

namespace meaning {
namespace {

// Cuts the text at every blank; a text ending in a blank gives no empty last piece.
template <typename String>
std::vector<String> SplitAtBlanks(const String& text, size_t maxPieces, size_t maxLength) {
    std::vector<String> pieces;
    size_t pos = 0;
    while (pos < text.size() && pieces.size() < maxPieces) {
        size_t end = text.find(static_cast<typename String::value_type>(' '), pos);
        if (end == String::npos)
            end = text.size();
        pieces.push_back(text.substr(pos, std::min(end - pos, maxLength)));
        pos = end + 1;
    }
    return pieces;
}

} // namespace

std::vector<std::string> SplitIds(const std::string& ids) {
    return SplitAtBlanks(ids, kMaxIds, std::string::npos);
}

std::vector<std::u16string> SplitPinyin(const std::u16string& pinyin) {
    return SplitAtBlanks(pinyin.substr(0, kMaxPinyinText), kMaxPinyinGroups, kMaxGroupLength);
}

bool IsClosingMark(const std::u16string& word) {
    return word.size() == 1 &&
           std::u16string_view(u"？。，！、”）").find(word[0]) != std::u16string_view::npos;
}

Layout LayOut(const std::u16string& wordsText, const std::u16string& pinyinText, const std::string& idsText,
              const LayoutParams& p, const MeasureWord& measure) {
    const std::u16string text = wordsText.substr(0, kMaxWordsText);
    const std::vector<std::u16string> groups = SplitPinyin(pinyinText);
    const std::vector<std::string> ids = SplitIds(idsText);
    Layout layout;
    int x = p.firstIndent, y = 0;
    size_t pos = 0;
    while (pos < text.size() && layout.words.size() < kMaxWords) {
        size_t end = text.find(u' ', pos);
        if (end == std::u16string::npos)
            end = text.size();
        const size_t index = layout.words.size();
        PlacedWord word;
        word.text = text.substr(pos, std::min(end - pos, kMaxGroupLength));
        word.pinyin = index < groups.size() ? groups[index] : std::u16string();
        word.id = index < ids.size() ? ids[index] : std::string();
        pos = end + 1;

        std::u16string next;
        if (pos < text.size()) {
            const size_t nextEnd = text.find(u' ', pos);
            next = text.substr(pos, nextEnd == std::u16string::npos ? std::u16string::npos : nextEnd - pos);
        }

        word.width = measure(word);
        const int w = word.width + p.wordGap;
        const bool overflows = p.width < x + w;
        const bool keepWithMark = IsClosingMark(next) && p.width < x + 50 + w;
        if (overflows || keepWithMark) {
            y += p.lineHeight + p.lineGap;
            layout.height += p.lineHeight + p.lineGap;
            word.x = 0;
            x = w;
        } else {
            word.x = x;
            x += w;
        }
        word.y = y;
        layout.words.push_back(std::move(word));
    }
    layout.height += p.lineHeight;
    return layout;
}

} // namespace meaning
