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

// Just the pixel width and height from the headers, after the same checks as ReadBmp.
bool ReadBmpSize(const unsigned char* data, std::size_t size, int& width, int& height, std::string& error);
