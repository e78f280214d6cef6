#pragma once

#include "render/CBmpPicture.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <tuple>

class CADODatabase;

// Glyph pictures already read from a word database, kept per opening of the file, kind of glyph,
// text and scale, so that a glyph shown many times is looked up and decoded once and its copies
// share one bitmap. Only found pictures are kept: a lookup that finds nothing runs (and is logged)
// again.
class SharedGlyphs {
public:
    enum class Kind { Character, Letter };

    static SharedGlyphs& Instance();

    bool Find(const CADODatabase* db, Kind kind, std::u16string_view text, int scale, CBmpPicture& picture);
    void Keep(const CADODatabase* db, Kind kind, std::u16string_view text, int scale,
              const CBmpPicture& picture);

private:
    // More glyphs than a whole course shows; past it the store starts over.
    static constexpr size_t kCapacity = 20000;

    using Key = std::tuple<std::uint64_t, Kind, std::u16string, int>;
    std::mutex m_mutex;
    std::map<Key, CBmpPicture, std::less<>> m_pictures;
};
