#include "render/WordPictures.h"

#include "app/Globals.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "render/CharacterPicture.h"
#include "render/LetterPicture.h"
#include "render/SharedGlyphs.h"

#include <algorithm>

int WordPictures::SetItem(const WordItem& item) {
    Free();
    m_item = item;
    if (m_item.word.size() > WordItem::kMaxTextLength)
        m_item.word.resize(WordItem::kMaxTextLength);
    for (std::u16string& pinyin : m_item.pinyin)
        if (pinyin.size() > WordItem::kMaxTextLength)
            pinyin.resize(WordItem::kMaxTextLength);
    // A control given another word starts over: the highlight belongs to the old word.
    m_newWord = false;
    m_letterCount = 0;
    if (m_item.displayMode == WordItem::kPinyinOnly) {
        LoadPinyin();
        return m_display.ToLogical(PinyinWidth());
    }
    m_newWord = IsLessonNewWord();
    for (int i = 0; i < CharacterCount(); ++i)
        LoadCharacter(i);
    const int characterWidth = CharacterWidth();
    if (m_item.displayMode != WordItem::kPinyinAbove)
        return m_display.ToLogical(characterWidth);
    LoadPinyin();
    return m_display.ToLogical(std::max(characterWidth, PinyinWidth()));
}

void WordPictures::Free() {
    for (CBmpPicture& picture : m_letters)
        picture = CBmpPicture();
    for (CBmpPicture& picture : m_characters)
        picture = CBmpPicture();
}

bool WordPictures::IsLessonNewWord() const {
    const SqlQuery query = SqlQuery::Format(sql::kNewWordsOfLesson, {m_item.lessonNumber});
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pLessonDb, query))
        return false; // logged and noted for the window to tell once
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::u16string word;
        recordset.GetFieldValue("word", word);
        if (word == m_item.word)
            return true;
    }
    return false;
}

void WordPictures::LoadCharacter(int i) {
    const std::u16string_view character = std::u16string_view(m_item.word).substr(static_cast<size_t>(i), 1);
    CBmpPicture& picture = m_characters[static_cast<size_t>(i)];
    const int scale = m_display.PictureScale();
    SharedGlyphs& shared = SharedGlyphs::Instance();
    if (shared.Find(g_pWordDb, SharedGlyphs::Kind::Character, character, scale, picture))
        return;
    LoadCharacterPicture(character, picture, scale);
    shared.Keep(g_pWordDb, SharedGlyphs::Kind::Character, character, scale, picture);
}

bool WordPictures::LoadLetter(std::u16string_view letter, CBmpPicture& picture) {
    const int scale = m_display.PictureScale();
    SharedGlyphs& shared = SharedGlyphs::Instance();
    if (shared.Find(g_pWordDb, SharedGlyphs::Kind::Letter, letter, scale, picture))
        return true;
    if (!LoadLetterPicture(letter, picture, scale))
        return false;
    shared.Keep(g_pWordDb, SharedGlyphs::Kind::Letter, letter, scale, picture);
    return true;
}

void WordPictures::LoadPinyin() {
    m_letterCount = 0;
    const std::u16string_view pinyin = m_item.pinyin[0];
    for (size_t i = 0; i < pinyin.size() && m_letterCount < kLetterCapacity; ++i)
        if (LoadLetter(pinyin.substr(i, 1), m_letters[static_cast<size_t>(m_letterCount)]))
            ++m_letterCount;
}

int WordPictures::CharacterCount() const {
    return static_cast<int>(std::min<size_t>(m_item.word.size(), kCharacterCapacity));
}

int WordPictures::PinyinWidth() {
    int width = 0;
    for (int i = 0; i < m_letterCount; ++i)
        width += m_letters[static_cast<size_t>(i)].Width();
    return width;
}

int WordPictures::CharacterWidth() {
    int width = 0;
    for (int i = 0; i < CharacterCount(); ++i)
        width += m_characters[static_cast<size_t>(i)].Width();
    return width;
}

void WordPictures::PaintCharacters(QImage& target, int y, QRgb colour) {
    int x = 0;
    for (int i = 0; i < CharacterCount(); ++i)
        x += m_characters[static_cast<size_t>(i)].Draw(target, x, y, colour).width();
}

void WordPictures::PaintPinyin(QImage& target, int x, QRgb colour) {
    for (int i = 0; i < m_letterCount; ++i)
        x += m_letters[static_cast<size_t>(i)].Draw(target, x, 0, colour).width();
}

void WordPictures::Paint(QImage& target, QRgb characterColour, QRgb newWordColour, QRgb pinyinColour) {
    const QRgb wordColour = m_newWord ? newWordColour : characterColour;
    switch (m_item.displayMode) {
    case WordItem::kCharactersOnly:
        PaintCharacters(target, 0, wordColour);
        break;
    case WordItem::kPinyinAbove:
        PaintCharacters(target, m_display.ToDevice(m_item.characterRowY),
                        m_item.word == u"*" ? kStarColour : wordColour);
        if (m_item.pinyin[0] != u"*")
            PaintPinyin(target, 0, pinyinColour);
        break;
    case WordItem::kPinyinOnly:
        PaintPinyin(target, std::max(0, (target.width() - PinyinWidth() * m_item.pinyinFactor) / 2),
                    pinyinColour);
        break;
    default:
        break;
    }
}
