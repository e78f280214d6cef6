#pragma once

#include "render/GlyphScale.h"

#include <string>

// One line of Chinese words for the meaning popup: the words with their pinyin and ids, where the
// popup goes, how the words wrap and how each word is drawn.
struct MeaningRecord {
    int lessonNumber = 0;  // passed on to every word (new-word check)
    int itemNumber = 0;    // reported by click mode 1
    std::string textKey;   // reported by click mode 2
    std::u16string words;  // Chinese words separated by single blanks
    std::u16string pinyin; // one pinyin group per word, separated by single blanks
    int top = 0;
    int width = 0; // also the wrapping width
    int wordGap = 0;
    int lineGap = 0;
    int left = 0;
    int unused = 0;
    int firstIndent = 0;
    // The word-item integers 2 to 8.
    int clickable = 0;
    int cellWidth = 30;
    int lineHeight = 50;
    int displayMode = 0;
    int spareWidth = 30;
    int pinyinFactor = 10;
    int characterRowY = 50;
    std::string wordIds; // one id per word, separated by single blanks

    // The display mode that shows one framed text line instead of words.
    static constexpr int kTextLineMode = 3;

    // The look of the lesson texts: pinyin above characters in 18-pixel cells, 40-pixel lines,
    // 5 pixels between words, all grown to the Chinese text size (percent).
    void UsePinyinAboveStyle(int textSize = 100) {
        cellWidth = glyphscale::Scaled(18, textSize);
        lineHeight = glyphscale::Scaled(40, textSize);
        displayMode = 1;
        pinyinFactor = 9;
        characterRowY = glyphscale::Scaled(22, textSize);
        wordGap = glyphscale::Scaled(5, textSize);
    }
};
