#pragma once

#include <QImage>

#include <string_view>
#include <vector>

// A pinyin text drawn as one picture: the letter and punctuation pictures of the word database
// (g_pWordDb) side by side, for the word-study window. Letters are never grouped: "zh" is the
// picture of z followed by the picture of h. A null image means no character had a picture.
QImage RenderPinyinBitmap(std::u16string_view pinyin);

// The steps of RenderPinyinBitmap. Each gives a null image when there is no picture.

// The picture of a Western punctuation mark (the apostrophe included).
QImage PunctuationBitmap(std::u16string_view mark);
// An initial letter (lower or upper case) from the initials table, anything else from the finals.
QImage LetterBitmap(std::u16string_view letter);
QImage InitialLetterBitmap(std::u16string_view letter, bool capital);
QImage FinalBitmap(std::u16string_view text);
// Left and right side by side on white, as high as the right piece (a null left adds nothing).
QImage AppendBitmap(const QImage& left, const QImage& right);
// The picture of a BMP file's bytes; null unless they begin with "BM" and read cleanly.
QImage BitmapFromBmpBytes(const std::vector<unsigned char>& bytes);
