#include "ui/MovieFormat.h"

#include <gtest/gtest.h>
#include <string>

TEST(MovieFormatTest, FirstBytesDecideTheFormat) {
    using namespace std::string_literals;
    EXPECT_EQ(SniffMovieFormat("GIF89a\x01\x00"s), MovieFormat::Gif);
    EXPECT_EQ(SniffMovieFormat("GIF87a"), MovieFormat::Gif);
    EXPECT_EQ(SniffMovieFormat("\x89PNG\r\n\x1a\n\0\0"s), MovieFormat::Png);
    EXPECT_EQ(SniffMovieFormat("RIFF\x10\0\0\0WEBPVP8 "s), MovieFormat::Webp);
    EXPECT_EQ(SniffMovieFormat("RIFF\x10\0\0\0WAVEfmt "s), MovieFormat::Unknown);
    EXPECT_EQ(SniffMovieFormat("FWS\x09"), MovieFormat::Swf);
    EXPECT_EQ(SniffMovieFormat("CWS\x0a"), MovieFormat::Swf);
    EXPECT_EQ(SniffMovieFormat("ZWS\x0d"), MovieFormat::Swf);
    EXPECT_EQ(SniffMovieFormat("GIF8"), MovieFormat::Unknown);
    EXPECT_EQ(SniffMovieFormat(""), MovieFormat::Unknown);
    EXPECT_STREQ(MovieDecoderName(MovieFormat::Gif), "gif");
    EXPECT_STREQ(MovieDecoderName(MovieFormat::Swf), "");
}
