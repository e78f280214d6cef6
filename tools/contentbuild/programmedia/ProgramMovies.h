#pragma once

#include <QSize>

#include <string>

class GifWriter;

// The movies of the program folder, drawn in the style of the lesson scenes.
namespace programmedia {

// Nocontent.swf covers a right pane of the lesson window; loading.swf fills the small window the
// lesson window shows while a page loads.
inline constexpr QSize kNoContentSize{420, 500};
inline constexpr QSize kLoadingSize{200, 120};

// What the no-content movie says in one interface language.
struct NoContentText {
    std::string title;
    std::string text;
};

// A calm looping picture: the text on a paper panel and a figure thinking, dots appearing in its
// thought bubble. False with `error` set when the text needs a glyph the font lacks or does not fit.
bool DrawNoContentMovie(const NoContentText& text, GifWriter& movie, std::string& error);
// A ring of dots with a brighter one going round, without words (one movie for every language).
void DrawLoadingMovie(GifWriter& movie);

} // namespace programmedia
