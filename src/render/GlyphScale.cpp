#include "render/GlyphScale.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace glyphscale {

int NormalTextSize(int percent) {
    // Halfway between two sizes the larger wins: whoever asked for more wants larger text.
    int nearest = kTextSizes[0];
    for (const int size : kTextSizes)
        if (std::abs(static_cast<long>(size) - percent) <= std::abs(static_cast<long>(nearest) - percent))
            nearest = size;
    return nearest;
}

int ChoosePictureScale(int textSizePercent, double devicePixelRatio) {
    const double ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    // A little slack, so that 1.5 × 100 % computed in floating point still picks the 150 pictures.
    const double needed = textSizePercent * ratio - 1e-6;
    for (const int scale : kPictureScales)
        if (scale >= needed)
            return scale;
    return kPictureScales[std::size(kPictureScales) - 1];
}

int Scaled(int basePixels, int percent) {
    return static_cast<int>(std::lround(static_cast<double>(basePixels) * percent / 100.0));
}

} // namespace glyphscale

int GlyphDisplay::ToLogical(int devicePixels) const {
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    return static_cast<int>(std::ceil(devicePixels / ratio - 1e-6));
}

int GlyphDisplay::ToDevice(int logicalPixels) const {
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    return static_cast<int>(std::lround(logicalPixels * ratio));
}

namespace {

std::function<int()>& Source() {
    static std::function<int()> source;
    return source;
}

} // namespace

int CurrentChineseTextSize() {
    return Source() ? glyphscale::NormalTextSize(Source()()) : glyphscale::kTextSizes[0];
}

void SetChineseTextSizeSource(std::function<int()> source) {
    Source() = std::move(source);
}

GlyphDisplay CurrentGlyphDisplay(double devicePixelRatio) {
    return GlyphDisplay{CurrentChineseTextSize(), devicePixelRatio};
}
