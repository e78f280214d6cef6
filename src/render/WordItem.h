#pragma once

#include <array>
#include <string>

// What an owner hands a word control: the word, how to show it and what it links to. The
// initialisers are the defaults every owner starts from.
struct WordItem {
    // Display modes.
    static constexpr int kCharactersOnly = 0;
    static constexpr int kPinyinAbove = 1;
    static constexpr int kPinyinOnly = 2;
    // The longest word and pinyin texts a control holds; longer ones are cut.
    static constexpr std::size_t kMaxTextLength = 99;

    std::u16string word;
    int lessonNumber = 0; // the lesson whose new words are highlighted
    int clickable = 0;    // non-zero: a click opens the word
    int cellWidth = 30;   // character cell width in pixels
    int lineHeight = 50;  // line height in pixels
    int displayMode = kCharactersOnly;
    int spareWidth = 30;    // not read by the control
    int pinyinFactor = 10;  // pinyin row factor (cell width / 3)
    int characterRowY = 50; // y of the character row in mode 1 (the line height)
    // Pinyin texts; the control shows the first, the word's pinyin.
    std::array<std::u16string, 100> pinyin;
    int spare = 0;      // not read by the control
    std::string wordId; // id of the word in the content database
    std::string extra;  // not read by the control
};
