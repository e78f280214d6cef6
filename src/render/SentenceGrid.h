#pragma once

#include "render/GlyphScale.h"

#include <QImage>
#include <QPoint>

#include <string_view>
#include <vector>

class CBmpPicture;

// The sentence grid of the speaking practice: one picture per non-blank character. At the base text
// size up to three lines of 22, 18 pixels apart, lines 20 pixels apart, starting at x = 40; the
// fewer the lines, the lower the first one, within a band from y = 10 to 70. A larger text size
// grows the steps and puts fewer characters on a line, so the lines keep their width; a grid taller
// than the band grows it downwards. Sentences of 66 or more characters are not drawn.
inline constexpr int kSentenceGridCapacity = 100;

// Where picture i of `count` goes at a text size (percent), in logical pixels; empty when the
// sentence is too long to draw.
std::vector<QPoint> SentenceGridPositions(int count, int textSize = 100);
// How far a grid of `count` pictures reaches below the band of the base size (0 when it fits).
int SentenceGridOverflow(int count, int textSize = 100);

// One character picture per non-blank character of the sentence (at most the capacity; the rest
// is cut off), at a picture scale (percent).
std::vector<CBmpPicture> LoadSentencePictures(std::u16string_view sentence, int scale = 100);

// Draws the pictures in blue at their grid positions, into a target of device pixels.
void DrawSentenceGrid(QImage& target, std::vector<CBmpPicture>& pictures, const GlyphDisplay& display = {});
