#pragma once

#include <functional>

// The sizes of the Chinese text pictures. The word database holds every glyph picture at a few
// scales of the base size (18-pixel character cells, 16-pixel letters), each drawn from the font at
// that size; a screen shows the smallest one that covers the learner's text size times the screen's
// device pixel ratio, so that every picture pixel lands on one device pixel.
namespace glyphscale {

// Scales of the pictures in the word database, in percent of the base size, smallest first.
inline constexpr int kPictureScales[] = {100, 150, 200, 300};
// The kinds of picture in the word database's table of larger sizes (`source`): the Song glyphs of
// characters and Chinese punctuation in square cells, and the letter pictures of pinyin (letters,
// tone-marked finals, Western punctuation).
inline constexpr char kSongGlyphs[] = "hz";
inline constexpr char kLetterGlyphs[] = "py";
// The choices of the "Chinese text size" display setting, in percent.
inline constexpr int kTextSizes[] = {100, 150, 200};

// The offered text size nearest to `percent` (a value read from a settings file may be anything).
int NormalTextSize(int percent);
// The picture scale for a text size on a screen: the smallest scale at or above text size × device
// pixel ratio, or the largest scale when none is that large.
int ChoosePictureScale(int textSizePercent, double devicePixelRatio);
// A base length in pixels at `percent`, rounded to whole pixels.
int Scaled(int basePixels, int percent);

} // namespace glyphscale

// How one screen shows the Chinese text: the learner's text size and the screen's device pixel
// ratio. Layout works in logical pixels (the base sizes times the text size); pictures are drawn in
// device pixels.
struct GlyphDisplay {
    int textSize = 100;
    double devicePixelRatio = 1.0;

    int PictureScale() const { return glyphscale::ChoosePictureScale(textSize, devicePixelRatio); }
    // A base length of the layout (a line height, a gap) at this text size, in logical pixels.
    int Layout(int basePixels) const { return glyphscale::Scaled(basePixels, textSize); }
    // Logical pixels that hold `devicePixels`, rounded up so that no picture pixel is cut off.
    int ToLogical(int devicePixels) const;
    // The device pixel where a logical position lies.
    int ToDevice(int logicalPixels) const;
    bool operator==(const GlyphDisplay&) const = default;
};

// The text size of the display settings in effect; 100 until the settings install their source.
int CurrentChineseTextSize();
// Installs the function that reads the display settings; an empty function restores the default.
void SetChineseTextSizeSource(std::function<int()> source);
// The current text size on a screen of the given device pixel ratio.
GlyphDisplay CurrentGlyphDisplay(double devicePixelRatio);
