#include "render/SharedGlyphs.h"

#include "data/CADODatabase.h"

SharedGlyphs& SharedGlyphs::Instance() {
    static SharedGlyphs glyphs;
    return glyphs;
}

bool SharedGlyphs::Find(const CADODatabase* db, Kind kind, std::u16string_view text, int scale,
                        CBmpPicture& picture) {
    if (!db || db->Serial() == 0)
        return false;
    const std::lock_guard lock(m_mutex);
    const auto found = m_pictures.find(Key(db->Serial(), kind, std::u16string(text), scale));
    if (found == m_pictures.end())
        return false;
    picture = found->second;
    return true;
}

void SharedGlyphs::Keep(const CADODatabase* db, Kind kind, std::u16string_view text, int scale,
                        const CBmpPicture& picture) {
    if (!db || db->Serial() == 0 || !picture.HasBytes())
        return;
    const std::lock_guard lock(m_mutex);
    if (m_pictures.size() >= kCapacity)
        m_pictures.clear();
    m_pictures.insert_or_assign(Key(db->Serial(), kind, std::u16string(text), scale), picture);
}
