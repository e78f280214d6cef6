#pragma once

#include <string_view>

// What a movie file holds, told by its first bytes (not by its name: scenes are stored as ".swf"
// whatever they contain).
enum class MovieFormat { Unknown, Gif, Png, Webp, Swf };

MovieFormat SniffMovieFormat(std::string_view bytes);

// The image-format name the decoder uses for the format ("gif", "png", "webp"), or empty.
const char* MovieDecoderName(MovieFormat format);
