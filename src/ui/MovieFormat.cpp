#include "ui/MovieFormat.h"

MovieFormat SniffMovieFormat(std::string_view bytes) {
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
        return MovieFormat::Gif;
    if (bytes.starts_with(std::string_view("\x89PNG\r\n\x1a\n", 8)))
        return MovieFormat::Png;
    if (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP")
        return MovieFormat::Webp;
    // Flash files: uncompressed, zlib- or LZMA-compressed.
    if (bytes.size() >= 3 &&
        (bytes.starts_with("FWS") || bytes.starts_with("CWS") || bytes.starts_with("ZWS")))
        return MovieFormat::Swf;
    return MovieFormat::Unknown;
}

const char* MovieDecoderName(MovieFormat format) {
    switch (format) {
    case MovieFormat::Gif:
        return "gif";
    case MovieFormat::Png:
        return "png";
    case MovieFormat::Webp:
        return "webp";
    default:
        return "";
    }
}
