#include "ContentCheck.h"

#include "LetterPictures.h"
#include "ReadingChoice.h"
#include "StrokeGraphics.h"
#include "charstudy/StrokeFile.h"

#include <QImage>
#include <algorithm>
#include <map>
#include <mpg123.h>
#include <set>
#include <sqlite3.h>

namespace {

using Blob = std::vector<unsigned char>;

// Runs a query and hands each row to `row`.
template <typename RowFn>
bool ForEachRow(sqlite3* db, const std::string& sql, RowFn row, std::vector<std::string>& problems) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        problems.push_back("cannot run " + sql + ": " + sqlite3_errmsg(db));
        return false;
    }
    while (sqlite3_step(statement) == SQLITE_ROW)
        row(statement);
    sqlite3_finalize(statement);
    return true;
}

std::string Text(sqlite3_stmt* s, int column) {
    const unsigned char* text = sqlite3_column_text(s, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

Blob Bytes(sqlite3_stmt* s, int column) {
    const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(s, column));
    return data ? Blob(data, data + sqlite3_column_bytes(s, column)) : Blob{};
}

QImage Picture(const Blob& bytes) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return {};
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
}

class Checker {
public:
    Checker(sqlite3* db, std::vector<std::string>& problems) : m_db(db), m_problems(problems) {}

    void CheckReadings() {
        std::set<std::pair<std::string, int>> finals;
        ForEachRow(
            m_db, "SELECT ym, tune FROM tbl_pinyin_yunmu",
            [&](sqlite3_stmt* s) { finals.emplace(Text(s, 0), sqlite3_column_int(s, 1)); }, m_problems);
        ForEachRow(
            m_db, "SELECT hz, id, ym, sd, bhs, sm FROM tbl_hz_main ORDER BY rowid",
            [&](sqlite3_stmt* s) {
                const std::string hz = Text(s, 0);
                m_readings[hz].push_back(PinyinSyllable{Text(s, 5), Text(s, 2), sqlite3_column_int(s, 3)});
                m_strokeCounts[hz] = sqlite3_column_int(s, 4);
                if (!m_firstId.count(hz))
                    m_firstId[hz] = Text(s, 1);
                if (!finals.count({Text(s, 2), sqlite3_column_int(s, 3)}))
                    Problem(hz + ": the reading's final " + Text(s, 2) + " tone " +
                            std::to_string(sqlite3_column_int(s, 3)) + " has no tone-marked form");
            },
            m_problems);
    }

    // A character's first reading, the one it is shown with alone, is its most used one.
    void CheckUsualReadings(const ReadingChoice& choice) {
        for (const auto& [hz, readings] : m_readings) {
            const QString character = QString::fromStdString(hz);
            const PinyinSyllable usual = choice.Ordered(character, readings).front();
            if (choice.Weight(character, readings.front()) < choice.Weight(character, usual))
                Problem(hz + ": the first reading is " + readings.front().Marked() + ", but " +
                        usual.Marked() + " is the most used");
        }
    }

    void CheckPictures() {
        std::set<std::string> withImages;
        ForEachRow(
            m_db, "SELECT id, smallimg, emptyimg, blackimg, orderimg FROM tbl_hz_image_song",
            [&](sqlite3_stmt* s) {
                const std::string id = Text(s, 0);
                withImages.insert(id);
                if (Picture(Bytes(s, 1)).size() != QSize(letters::kCellSize, letters::kCellSize))
                    Problem(id + ": the small glyph does not parse or has the wrong size");
                for (int column = 2; column <= 4; ++column)
                    if (Picture(Bytes(s, column)).size() != QSize(strokes::kSquare, strokes::kSquare))
                        Problem(id + ": a character picture does not parse or is not 190 x 190");
            },
            m_problems);
        for (const auto& [hz, id] : m_firstId)
            if (!withImages.count(id))
                Problem(hz + ": no pictures");
    }

    void CheckStrokes() {
        std::map<std::string, int> strokeImages;
        ForEachRow(
            m_db,
            "SELECT hzid, djh, direction, offsetx, offsety, IsOneStroke, img FROM tbl_hz_bhimg_song "
            "ORDER BY hzid, djh",
            [&](sqlite3_stmt* s) {
                const std::string id = Text(s, 0);
                const int number = ++strokeImages[id];
                const QImage image = Picture(Bytes(s, 6));
                const int x = sqlite3_column_int(s, 3);
                const int y = sqlite3_column_int(s, 4);
                if (sqlite3_column_int(s, 1) != number)
                    Problem(id + ": stroke pictures are not numbered 1, 2, 3, ...");
                if (image.isNull())
                    Problem(id + ": a stroke picture does not parse");
                else if (x < 0 || y < 0 || x + image.width() > strokes::kSquare ||
                         y + image.height() > strokes::kSquare)
                    Problem(id + ": stroke " + std::to_string(number) + " leaves the character square");
                if (sqlite3_column_int(s, 2) < 0 || sqlite3_column_int(s, 2) > 3)
                    Problem(id + ": a stroke has no direction");
                if (sqlite3_column_int(s, 5) == 0)
                    Problem(id + ": a stroke picture does not end its stroke");
            },
            m_problems);
        std::map<std::string, size_t> referenceStrokes;
        ForEachRow(
            m_db, "SELECT id, posdata FROM tbl_hz_bhpos_song",
            [&](sqlite3_stmt* s) {
                const Blob bytes = Bytes(s, 1);
                std::vector<strokefile::StrokeObject> objects;
                std::string error;
                if (strokefile::ReadStrokeFile(bytes.data(), bytes.size(), objects, error) !=
                    strokefile::ReadResult::Ok)
                    Problem(Text(s, 0) + ": the stroke file does not read back: " + error);
                referenceStrokes[Text(s, 0)] = objects.size();
            },
            m_problems);
        for (const auto& [hz, id] : m_firstId) {
            const int count = m_strokeCounts[hz];
            if (count <= 0 || strokeImages[id] != count || referenceStrokes[id] != static_cast<size_t>(count))
                Problem(hz + ": stroke count " + std::to_string(count) + ", " +
                        std::to_string(strokeImages[id]) + " stroke pictures, " +
                        std::to_string(referenceStrokes[id]) + " reference strokes");
        }
    }

    void CheckPhrases(const std::vector<std::string>& suffixes) {
        ForEachRow(
            m_db, "SELECT id, cz, sound FROM tbl_phrase_main",
            [&](sqlite3_stmt* s) {
                const QString word = QString::fromStdString(Text(s, 1));
                for (char32_t c : word.toUcs4())
                    if (!m_firstId.count(QString::fromUcs4(&c, 1).toStdString()))
                        Problem(Text(s, 1) + ": a character of the phrase is not in the database");
                if (!Mp3Decodes(Bytes(s, 2)))
                    Problem(Text(s, 1) + ": the phrase's sound does not decode");
            },
            m_problems);
        for (const std::string& suffix : suffixes)
            ForEachRow(
                m_db,
                "SELECT p.cz FROM tbl_phrase_main p LEFT JOIN tbl_phrase_explain_" + suffix +
                    " e ON e.wordid = p.id WHERE e.explain IS NULL OR e.explain = ''",
                [&](sqlite3_stmt* s) { Problem(Text(s, 0) + ": no explanation (" + suffix + ")"); },
                m_problems);
        if (std::find(suffixes.begin(), suffixes.end(), "en") == suffixes.end())
            return;
        for (const std::string& suffix : suffixes)
            if (suffix != "en")
                ForEachRow(
                    m_db,
                    "SELECT p.cz FROM tbl_phrase_main p JOIN tbl_phrase_explain_en e ON e.wordid = p.id "
                    "JOIN tbl_phrase_explain_" +
                        suffix + " t ON t.wordid = p.id WHERE t.explain = e.explain",
                    [&](sqlite3_stmt* s) {
                        Problem(Text(s, 0) + ": the " + suffix + " explanation is the English one, unmarked");
                    },
                    m_problems);
    }

    void CheckSyllableSounds() {
        ForEachRow(
            m_db, "SELECT pinyin, sound FROM tbl_pinyin_rule",
            [&](sqlite3_stmt* s) {
                if (!Mp3Decodes(Bytes(s, 1)))
                    Problem(Text(s, 0) + ": the syllable's sound does not decode");
            },
            m_problems);
    }

    void CheckLetters() {
        const auto checkHeight = [&](const std::string& sql) {
            ForEachRow(
                m_db, sql,
                [&](sqlite3_stmt* s) {
                    if (Picture(Bytes(s, 1)).height() != letters::kLetterHeight)
                        Problem(Text(s, 0) + ": the letter picture does not parse or has the wrong height");
                },
                m_problems);
        };
        checkHeight("SELECT ymtune, img FROM tbl_pinyin_yunmu");
        checkHeight("SELECT sm, img FROM tbl_pinyin_shengmu");
        checkHeight("SELECT bigsm, bigimg FROM tbl_pinyin_shengmu");
        checkHeight("SELECT bden, imgen FROM tbl_biaodian_main WHERE bden <> ''");
        ForEachRow(
            m_db, "SELECT bd, img FROM tbl_biaodian_main",
            [&](sqlite3_stmt* s) {
                if (Picture(Bytes(s, 1)).isNull())
                    Problem(Text(s, 0) + ": the punctuation picture does not parse");
            },
            m_problems);
    }

private:
    void Problem(const std::string& text) { m_problems.push_back(text); }

    sqlite3* m_db;
    std::vector<std::string>& m_problems;
    std::map<std::string, int> m_strokeCounts;
    std::map<std::string, std::string> m_firstId;
    std::map<std::string, std::vector<PinyinSyllable>> m_readings;
};

} // namespace

bool Mp3Decodes(const std::vector<unsigned char>& mp3) {
    if (mp3.empty())
        return false;
    mpg123_init();
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle)
        return false;
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    size_t decoded = 0;
    bool broken = mpg123_open_feed(handle) != MPG123_OK;
    if (!broken) {
        std::vector<unsigned char> pcm(65536);
        size_t done = 0;
        int result = mpg123_decode(handle, mp3.data(), mp3.size(), pcm.data(), pcm.size(), &done);
        decoded += done;
        while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
            result = mpg123_decode(handle, nullptr, 0, pcm.data(), pcm.size(), &done);
            decoded += done;
        }
        broken = result != MPG123_NEED_MORE && result != MPG123_DONE;
    }
    mpg123_delete(handle);
    return !broken && decoded > 0;
}

std::vector<std::string> CheckWordDatabase(const std::string& path,
                                           const std::vector<std::string>& languageSuffixes,
                                           const ReadingChoice* readingChoice) {
    std::vector<std::string> problems;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problems.push_back("cannot open " + path);
        sqlite3_close(db);
        return problems;
    }
    Checker checker(db, problems);
    checker.CheckReadings();
    if (readingChoice)
        checker.CheckUsualReadings(*readingChoice);
    checker.CheckPictures();
    checker.CheckStrokes();
    checker.CheckPhrases(languageSuffixes);
    checker.CheckSyllableSounds();
    checker.CheckLetters();
    sqlite3_close(db);
    return problems;
}
