#pragma once

#include "render/CBmpPicture.h"
#include "render/GlyphScale.h"
#include "render/WordItem.h"

#include <QImage>

#include <array>

// The pictures of one word and its pinyin, the measuring and drawing behind the word control:
// loaded once per item, drawn on every paint without a query.
class WordPictures {
public:
    static constexpr int kLetterCapacity = 200;
    static constexpr int kCharacterCapacity = 100;
    static constexpr QRgb kStarColour = qRgb(224, 0, 0);

    // The text size and screen the next SetItem loads its pictures for (by default the base size
    // on a screen of ratio 1).
    void SetDisplay(const GlyphDisplay& display) { m_display = display; }
    const GlyphDisplay& Display() const { return m_display; }

    // Stores the item (texts cut to their capacity), checks it against the lesson's new words,
    // loads the pictures and returns the width in logical pixels the control needs: the
    // characters (mode 0), the wider of characters and pinyin (mode 1) or the pinyin (mode 2).
    int SetItem(const WordItem& item);
    // Draws the word into the control's picture, one picture pixel per pixel of `target` (which
    // holds device pixels); the ground is left as it is.
    void Paint(QImage& target, QRgb characterColour, QRgb newWordColour, QRgb pinyinColour);
    // Frees every picture's bytes.
    void Free();

    const WordItem& Item() const { return m_item; }
    bool IsNewWord() const { return m_newWord; }
    int LetterCount() const { return m_letterCount; }
    // Widths of the loaded pictures, in device pixels.
    int PinyinWidth();
    int CharacterWidth();
    // Kind of the first character's picture: where it came from, or none.
    int FirstCharacterKind() const { return m_characters[0].GetKind(); }
    CBmpPicture& Letter(int i) { return m_letters.at(static_cast<size_t>(i)); }
    CBmpPicture& Character(int i) { return m_characters.at(static_cast<size_t>(i)); }

private:
    void LoadPinyin();
    // The picture of the word's i-th character, shared with every other word showing it.
    void LoadCharacter(int i);
    // The picture of one pinyin letter, shared likewise; false when its lookup could not run.
    bool LoadLetter(std::u16string_view letter, CBmpPicture& picture);
    bool IsLessonNewWord() const;
    int CharacterCount() const;
    void PaintCharacters(QImage& target, int y, QRgb colour);
    void PaintPinyin(QImage& target, int x, QRgb colour);

    WordItem m_item;
    GlyphDisplay m_display;
    std::array<CBmpPicture, kLetterCapacity> m_letters;
    std::array<CBmpPicture, kCharacterCapacity> m_characters;
    int m_letterCount = 0;
    bool m_newWord = false;
};
