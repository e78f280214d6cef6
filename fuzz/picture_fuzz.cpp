// Picture bytes of any kind (skins, title pictures, scenes): loading never fails badly, the movie
// format is told from the first bytes, and the skin region of whatever loads covers exactly the
// pixels that are not pure green, inside the picture.
#include "ui/ButtonFace.h"
#include "ui/MovieFormat.h"
#include "ui/OlePicture.h"
#include "ui/SkinRegion.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void CheckRegion(const QImage& image) {
    const std::optional<std::vector<QRect>> rects = BuildRegionRects(image, kSkinTransparent);
    if (!rects)
        return;
    long long covered = 0;
    for (const QRect& rect : *rects) {
        if (rect.height() != 1 || rect.left() < 0 || rect.right() >= image.width() || rect.top() < 0 ||
            rect.top() >= image.height())
            std::abort();
        covered += rect.width();
    }
    long long opaque = 0;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            opaque += pixels.pixel(x, y) != kSkinTransparent;
    // Opaque formats compare whole colours; 16-bit pixels compare packed and alpha formats whole words.
    const bool exact = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_RGB888;
    if (exact && covered != opaque)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)SniffMovieFormat(std::string_view(reinterpret_cast<const char*>(data), size));
    OlePicture picture;
    if (!picture.LoadFromMemory(data, size))
        return 0;
    const QImage& image = picture.Image();
    if (static_cast<long long>(image.width()) * image.height() > 512LL * 512)
        return 0;
    CheckRegion(image);
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_RGB16, QImage::Format_RGB888})
        CheckRegion(image.convertToFormat(format));
    (void)ButtonFace::Masked(image, 0xFFFF0000, image.size());
    return 0;
}
