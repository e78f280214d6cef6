#pragma once

#include <QImage>
#include <QPoint>

#include <string_view>
#include <vector>

class CBmpPicture;

// The sentence grid of the speaking practice: one picture per non-blank character, up to three
// lines of 22, 18 pixels apart, lines 20 pixels apart, starting at x = 40; the fewer the lines,
// the lower the first one. Sentences of 66 or more characters are not drawn.
inline constexpr int kSentenceGridCapacity = 100;

// Where picture i of `count` goes; empty when the sentence is too long to draw.
std::vector<QPoint> SentenceGridPositions(int count);

// One character picture per non-blank character of the sentence (at most the capacity; the rest
// is cut off).
std::vector<CBmpPicture> LoadSentencePictures(std::u16string_view sentence);

// Draws the pictures in blue at their grid positions.
void DrawSentenceGrid(QImage& target, std::vector<CBmpPicture>& pictures);
