#pragma once

#include <QImage>

#include <cstddef>
#include <string>

// Reads a BMP file held in memory: the 14-byte "BM" file header, an information header (core,
// info or a later version), an optional colour table and the pixels at the header's pixel offset.
// 1, 4 and 8 bits per pixel with a colour table, 24 bits, and 32 bits (plain or with the usual
// bit fields) are understood, rows bottom-up or top-down. Anything truncated, inconsistent or of
// another kind is refused with the reason in `error`; the reader never looks past `size` bytes.
// The result is an RGB32 image.
bool ReadBmp(const unsigned char* data, std::size_t size, QImage& image, std::string& error);

// A picture file: a BMP through ReadBmp, which spares a program that shows only BMP files the
// loading of Qt's image-format plugins at start; any other format through Qt. Null when the file
// cannot be read or decoded.
QImage LoadPictureFile(const std::string& path);

// The picture of a BMP held in memory whose pixels already are Qt's RGB32 words: 32 bits per pixel
// without bit fields, rows top-down, every pixel's fourth byte 255 (what the artwork tool writes for
// window skins). The image shows the buffer in place, without a copy; `release(owner)` runs when
// its last copy goes. Null, with nothing released, for any other BMP.
QImage WrapRgb32Bmp(const unsigned char* data, std::size_t size, QImageCleanupFunction release, void* owner);

// Just the pixel width and height from the headers, after the same checks as ReadBmp.
bool ReadBmpSize(const unsigned char* data, std::size_t size, int& width, int& height, std::string& error);
