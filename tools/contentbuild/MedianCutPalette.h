#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

// A palette of at most `maxColours` colours for a set of pictures, made by median cut over their
// colour histogram (5 bits a channel), and the nearest palette entry for any colour. Flat colours
// come out exact: an entry is the mean of the pixels it stands for, not the centre of its box.
class MedianCutPalette {
public:
    // Counts the pixels of a picture in `area` (alpha is ignored); a movie counts what each frame
    // changes, so a background all frames share counts once.
    void AddPicture(const QImage& picture, const QRect& area);
    // Splits the counted colours into at most `maxColours` entries (1..256).
    void Build(int maxColours);

    const std::vector<QRgb>& Colours() const { return m_colours; }
    // The entry nearest to `colour`; Build must have run.
    std::uint8_t IndexOf(QRgb colour);

private:
    struct Bin {
        std::uint64_t count = 0;
        std::uint64_t red = 0, green = 0, blue = 0;
    };
    struct Box;
    static int BinOf(QRgb colour);
    std::uint8_t Nearest(QRgb colour) const;

    std::vector<Bin> m_bins = std::vector<Bin>(1 << 15);
    std::vector<QRgb> m_colours;
    // The entry chosen for each bin, or -1 when not looked up yet.
    std::vector<std::int16_t> m_lookup;
};
