#include "render/LetterPicture.h"

#include "app/Globals.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "render/CBmpPicture.h"
#include "render/ContentImage.h"
#include "render/GlyphScale.h"
#include "render/LargerGlyph.h"
#include "render/PinyinText.h"

#include <optional>
#include <vector>

namespace {

enum class Lookup { Loaded, NotFound, EmptyImage, Failed };

SqlQuery PunctuationQuery(char16_t mark) {
    return mark == u'\'' ? SqlQuery(sql::kPunctuationApostropheChar)
                         : SqlQuery::Format(sql::kPunctuationByWesternChar, {mark});
}

// One lookup of a Western punctuation mark; a row with an image loads it.
// Loads the base-size picture of a letter and, above the base scale, replaces it with the larger
// one; an empty field empties the picture, as the base tables say.
void LoadLetterBytes(std::vector<unsigned char> bytes, std::u16string_view letter, int scale,
                     CBmpPicture& picture) {
    const bool found = !bytes.empty();
    picture.Load(std::move(bytes));
    if (found)
        LoadGlyphAtScale(glyphscale::kLetterGlyphs, letter, scale, picture);
}

Lookup LoadPunctuation(char16_t mark, CBmpPicture& picture, int scale) {
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb, PunctuationQuery(mark)))
        return Lookup::Failed;
    if (recordset.IsEOF())
        return Lookup::NotFound;
    std::vector<unsigned char> bytes;
    if (!ReadImageField(recordset, "imgen", bytes))
        return Lookup::EmptyImage;
    LoadLetterBytes(std::move(bytes), std::u16string_view(&mark, 1), scale, picture);
    return Lookup::Loaded;
}

// The finals table looked up by the tone-marked text; the row whose text is exactly the letter
// (the engine compares without regard to case) gives the picture. Nothing when no row is exactly
// the letter, so that a capital initial such as M is not hidden by the final m of an
// interjection; false when the query could not be run.
std::optional<bool> LoadFinal(std::u16string_view letter, CBmpPicture& picture, int scale) {
    const SqlQuery condition = SqlQuery::Format(sql::kFinalCondition, {letter});
    const SqlQuery query = SqlQuery::Format(sql::kFinalWhere, {condition});
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb, query))
        return false; // logged and noted for the window to tell once
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::u16string marked;
        recordset.GetFieldValue("ymtune", marked);
        if (marked == letter) {
            std::vector<unsigned char> bytes;
            ReadImageField(recordset, "img", bytes);
            LoadLetterBytes(std::move(bytes), letter, scale, picture);
            return true;
        }
    }
    return std::nullopt;
}

// An initial from the initials table, by its column; true when a row was found.
std::optional<bool> LoadInitial(const char* condition, const char* imageField, std::u16string_view letter,
                                CBmpPicture& picture, int scale) {
    const SqlQuery where = SqlQuery::Format(condition, {letter});
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb, SqlQuery::Format(sql::kInitialWhere, {where})))
        return std::nullopt;
    if (recordset.IsEOF())
        return false;
    std::vector<unsigned char> bytes;
    ReadImageField(recordset, imageField, bytes);
    LoadLetterBytes(std::move(bytes), letter, scale, picture);
    return true;
}

} // namespace

bool LoadLetterPicture(std::u16string_view letter, CBmpPicture& picture, int scale) {
    if (letter.empty())
        return true;
    // 1. Punctuation: a mark whose query cannot be run is logged and the next one tried.
    bool anyLookupRan = false;
    for (const char16_t c : letter) {
        const Lookup found = LoadPunctuation(c, picture, scale);
        if (found == Lookup::Loaded)
            return true;
        if (found == Lookup::Failed)
            continue; // logged and noted for the window to tell once
        anyLookupRan = true;
        break;
    }
    if (!anyLookupRan)
        return true;

    // 2. The finals table.
    const std::optional<bool> final = LoadFinal(letter, picture, scale);
    if (final.has_value())
        return *final;

    // 3. The initials table: capitals by their upper-case column first.
    if (std::u16string_view(kCapitalLetters).find(letter[0]) != std::u16string_view::npos) {
        const std::optional<bool> capital =
            LoadInitial(sql::kCapitalInitialCondition, "bigimg", letter, picture, scale);
        if (!capital.has_value())
            return false;
        if (*capital)
            return true;
    }
    if (!LoadInitial(sql::kInitialCondition, "img", letter, picture, scale).has_value())
        return false;

    // 4. Each character once more as punctuation; a mark listed without a picture is a failure.
    for (const char16_t c : letter) {
        const Lookup found = LoadPunctuation(c, picture, scale);
        if (found == Lookup::Loaded)
            break;
        if (found == Lookup::EmptyImage)
            return false;
    }
    return true;
}
