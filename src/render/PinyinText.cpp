#include "render/PinyinText.h"

#include "app/Globals.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"

#include <vector>

std::u16string ToneMarkedFinal(std::u16string_view plainFinal, int tone) {
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb,
                          SqlQuery::Format(sql::kFinalByPlainAndTone, {plainFinal, tone})))
        return {};
    std::u16string marked;
    if (!recordset.IsEOF())
        recordset.GetFieldValue("ymtune", marked);
    recordset.Close();
    return marked;
}

namespace {

struct Reading {
    std::u16string pinyin;
    bool inContext = false;
};

std::vector<Reading> ReadingsOf(std::u16string_view character) {
    std::vector<Reading> readings;
    CADORecordset recordset;
    if (!OpenContentQuery(recordset, g_pWordDb, SqlQuery::Format(sql::kCharacterByHz, {character})))
        return readings;
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        std::u16string initial;
        std::u16string plainFinal;
        int tone = 0;
        recordset.GetFieldValue("sm", initial);
        recordset.GetFieldValue("ym", plainFinal);
        recordset.GetFieldValue("sd", tone);
        readings.push_back({initial + ToneMarkedFinal(plainFinal, tone)});
    }
    recordset.Close();
    return readings;
}

} // namespace

std::u16string CharacterPinyin(std::u16string_view character, std::u16string_view contextPinyin) {
    std::vector<Reading> readings = ReadingsOf(character);
    if (readings.empty())
        return {};
    if (readings.size() == 1 || contextPinyin.empty())
        return readings.front().pinyin;
    std::u16string result;
    int marked = 0;
    for (Reading& r : readings) {
        r.inContext = contextPinyin.find(r.pinyin) != std::u16string_view::npos;
        if (r.inContext) {
            result = r.pinyin;
            ++marked;
        }
    }
    if (marked == 0)
        return readings.front().pinyin;
    if (marked > 1)
        for (const Reading& r : readings)
            if (r.inContext && r.pinyin.size() > result.size())
                result = r.pinyin;
    return result;
}

std::u16string NormalizePinyin(std::u16string_view pinyin) {
    const std::u16string_view capitals(kCapitalInitialLetters);
    std::u16string normal;
    normal.reserve(pinyin.size());
    for (const char16_t c : pinyin) {
        if (c == u' ')
            continue;
        normal += capitals.find(c) != std::u16string_view::npos ? static_cast<char16_t>(c + 32) : c;
    }
    return normal;
}
