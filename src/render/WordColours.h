#pragma once

#include <QRgb>

#include <functional>

// The colours word controls draw with, from the display settings: characters, new words, pinyin.
struct WordColours {
    QRgb word = qRgb(0, 0, 0);
    QRgb newWord = qRgb(0, 0, 0);
    QRgb pinyin = qRgb(0, 0, 0);
};

// The colours as the display settings hold them now. Until the settings install their source
// every colour is black (the settings' own default).
WordColours CurrentWordColours();
// Installs the function that reads the display settings; an empty function restores the default.
void SetWordColoursSource(std::function<WordColours()> source);
