#include "render/LargerGlyph.h"

#include "app/Globals.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "render/CBmpPicture.h"
#include "render/ContentImage.h"

#include <string>
#include <vector>

void LoadGlyphAtScale(const char* source, std::u16string_view glyph, int scale, CBmpPicture& picture) {
    if (scale <= 100 || glyph.empty())
        return;
    CADORecordset recordset;
    const SqlQuery query = SqlQuery::Format(sql::kGlyphAtScale, {std::string(source), glyph, scale});
    if (!OpenContentQuery(recordset, g_pWordDb, query))
        return; // logged and noted for the window to tell once
    // The engine compares without regard to case; "A" and "a" are different letters.
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::u16string stored;
        recordset.GetFieldValue("glyph", stored);
        if (stored != glyph)
            continue;
        std::vector<unsigned char> bytes;
        if (ReadImageField(recordset, "img", bytes))
            picture.Load(std::move(bytes));
        return;
    }
}
