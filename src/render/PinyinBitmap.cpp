#include "render/PinyinBitmap.h"

#include "app/Globals.h"
#include "data/Queries.h"
#include "render/BmpReader.h"
#include "render/ContentImage.h"
#include "render/PinyinText.h"

#include <algorithm>
#include <string>

namespace {

QImage ImageFromQuery(const SqlQuery& query, const std::string& field) {
    std::vector<unsigned char> bytes;
    if (!ReadFirstRowImage(g_pWordDb, query, field, bytes))
        return {};
    return BitmapFromBmpBytes(bytes);
}

bool Contains(const char16_t* letters, std::u16string_view letter) {
    return letter.size() == 1 && std::u16string_view(letters).find(letter[0]) != std::u16string_view::npos;
}

// Copies `piece` unscaled to (x, 0) of `target`, clipped to the target.
void CopyInto(QImage& target, const QImage& piece, int x) {
    const QImage source = piece.convertToFormat(QImage::Format_RGB32);
    const int rows = std::min(source.height(), target.height());
    const int columns = std::min(source.width(), target.width() - x);
    for (int y = 0; y < rows; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y)) + x;
        std::copy(in, in + columns, out);
    }
}

} // namespace

QImage BitmapFromBmpBytes(const std::vector<unsigned char>& bytes) {
    QImage image;
    std::string error;
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M' ||
        !ReadBmp(bytes.data(), bytes.size(), image, error))
        return {};
    return image;
}

QImage PunctuationBitmap(std::u16string_view mark) {
    const SqlQuery query = mark == u"'" ? SqlQuery(sql::kPunctuationApostrophe)
                                        : SqlQuery::Format(sql::kPunctuationByWestern, {mark});
    return ImageFromQuery(query, "imgen");
}

QImage InitialLetterBitmap(std::u16string_view letter, bool capital) {
    if (letter.empty())
        return {};
    if (capital)
        return ImageFromQuery(SqlQuery::Format(sql::kCapitalInitialImage, {letter}), "bigimg");
    return ImageFromQuery(SqlQuery::Format(sql::kInitialImage, {letter}), "img");
}

QImage FinalBitmap(std::u16string_view text) {
    return ImageFromQuery(SqlQuery::Format(sql::kFinalByMarkedText, {text}), "img");
}

QImage LetterBitmap(std::u16string_view letter) {
    if (Contains(kInitialLetters, letter))
        return InitialLetterBitmap(letter, false);
    if (Contains(kCapitalInitialLetters, letter))
        return InitialLetterBitmap(letter, true);
    return FinalBitmap(letter);
}

QImage AppendBitmap(const QImage& left, const QImage& right) {
    const int leftWidth = left.isNull() ? 0 : left.width();
    QImage joined(leftWidth + right.width(), right.height(), QImage::Format_RGB32);
    joined.fill(qRgb(255, 255, 255));
    if (!left.isNull())
        CopyInto(joined, left, 0);
    CopyInto(joined, right, leftWidth);
    return joined;
}

QImage RenderPinyinBitmap(std::u16string_view pinyin) {
    QImage result;
    for (size_t i = 0; i < pinyin.size(); ++i) {
        const std::u16string_view character = pinyin.substr(i, 1);
        QImage piece = PunctuationBitmap(character);
        if (piece.isNull() && character != u" ")
            piece = LetterBitmap(character);
        if (!piece.isNull())
            result = AppendBitmap(result, piece);
    }
    return result;
}
