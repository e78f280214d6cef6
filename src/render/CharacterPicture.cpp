#include "render/CharacterPicture.h"

#include "app/Globals.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "render/CBmpPicture.h"
#include "render/ContentImage.h"
#include "render/GlyphScale.h"
#include "render/LargerGlyph.h"

#include <optional>
#include <string>
#include <vector>

namespace {

enum class Step { NextCharacter, TryPunctuation, Stop };

// The id of the row whose character is exactly `c`; nothing when no row matches.
std::optional<std::string> CharacterId(CADORecordset& recordset, char16_t c) {
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::u16string hz;
        recordset.GetFieldValue("hz", hz);
        if (!hz.empty() && hz[0] == c) {
            std::string id;
            recordset.GetFieldValue("id", id);
            return id;
        }
    }
    return std::nullopt;
}

Step LoadCharacterImage(char16_t c, CBmpPicture& picture, int scale) {
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb, SqlQuery::Format(sql::kCharacterByChar, {c})))
        return Step::NextCharacter;
    const std::optional<std::string> id = CharacterId(recordset, c);
    recordset.Close();
    if (!id)
        return Step::TryPunctuation;
    CADORecordset images;
    if (!OpenContentQuery(images, g_pWordDb, SqlQuery::Format(sql::kCharacterImagesForText, {*id})))
        return Step::NextCharacter;
    if (images.IsEOF())
        return Step::NextCharacter;
    std::vector<unsigned char> bytes;
    if (!ReadImageField(images, "smallimg", bytes))
        return Step::Stop; // an empty picture ends the whole load
    picture.Load(std::move(bytes));
    picture.SetKind(CBmpPicture::kindCharacter);
    LoadGlyphAtScale(glyphscale::kSongGlyphs, std::u16string_view(&c, 1), scale, picture);
    return Step::NextCharacter;
}

void LoadPunctuationImage(std::u16string_view text, CBmpPicture& picture, int scale) {
    for (const char16_t c : text) {
        const SqlQuery query = SqlQuery::Format(sql::kPunctuationByChineseChar, {c});
        CADORecordset recordset;
        if (!OpenContentQuery(recordset, g_pWordDb, query))
            continue; // logged and noted for the window to tell once
        if (recordset.IsEOF())
            continue;
        std::vector<unsigned char> bytes;
        if (ReadImageField(recordset, "img", bytes)) {
            picture.Load(std::move(bytes));
            picture.SetKind(CBmpPicture::kindPunctuation);
            LoadGlyphAtScale(glyphscale::kSongGlyphs, std::u16string_view(&c, 1), scale, picture);
        }
        return;
    }
}

} // namespace

void LoadCharacterPicture(std::u16string_view text, CBmpPicture& picture, int scale) {
    for (const char16_t c : text) {
        const Step step = LoadCharacterImage(c, picture, scale);
        if (step == Step::Stop)
            return;
        if (step == Step::TryPunctuation)
            return LoadPunctuationImage(text, picture, scale);
    }
}
