#include "CharacterStudyFixture.h"

#include "OpenDataSources.h"
#include "StrokeGraphics.h"
#include "app/CLog.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"
#include "render/BmpWriter.h"

#include <sqlite3.h>

namespace charstudyfixtures {
namespace {

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement& Text(int i, const std::string& s) {
        sqlite3_bind_text(m_stmt, i, s.c_str(), -1, SQLITE_TRANSIENT);
        return *this;
    }
    Statement& Int(int i, int v) {
        sqlite3_bind_int(m_stmt, i, v);
        return *this;
    }
    Statement& Blob(int i, const std::vector<unsigned char>& b) {
        sqlite3_bind_blob(m_stmt, i, b.data(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        return *this;
    }
    bool Run() { return m_stmt && sqlite3_step(m_stmt) == SQLITE_DONE; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool AddCharacter(sqlite3* db, const char* character, const char* id, std::string& error) {
    const auto data = opendata::LoadStrokeData(CONTENT_TEST_DATA, QString::fromUtf8(character));
    const auto pictures = data ? strokes::MakeCharacterPictures(*data) : std::nullopt;
    if (!pictures) {
        error = std::string("no stroke data for ") + character;
        return false;
    }
    bool ok = Statement(db, "UPDATE tbl_hz_image_song SET emptyimg = ? WHERE id = ?")
                  .Blob(1, bmp::WriteBmp(pictures->outline, bmp::Depth::Mono1, strokes::kOutlineGrey))
                  .Text(2, id)
                  .Run();
    for (size_t s = 0; ok && s < pictures->strokes.size(); ++s) {
        const strokes::StrokePicture& stroke = pictures->strokes[s];
        ok = Statement(db,
                       "INSERT INTO tbl_hz_bhimg_song (hzid, djh, direction, offsetx, offsety, IsOneStroke, "
                       "img) VALUES (?, ?, ?, ?, ?, 1, ?)")
                 .Text(1, id)
                 .Int(2, static_cast<int>(s) + 1)
                 .Int(3, stroke.direction)
                 .Int(4, stroke.offsetX)
                 .Int(5, stroke.offsetY)
                 .Blob(6, bmp::WriteBmp(stroke.image, bmp::Depth::Mono1))
                 .Run();
    }
    std::vector<unsigned char> strokeFile;
    ok = ok && strokefile::WriteStrokeFile(pictures->referenceStrokes, strokeFile, error);
    ok = ok && Statement(db, "INSERT INTO tbl_hz_bhpos_song (id, posdata) VALUES (?, ?)")
                   .Text(1, id)
                   .Blob(2, strokeFile)
                   .Run();
    if (!ok && error.empty())
        error = sqlite3_errmsg(db);
    return ok;
}

bool AddPhrase(sqlite3* db, const char* id, const char* text, const char* pinyin) {
    return Statement(db,
                     "INSERT INTO tbl_phrase_main (id, cz, czpinyin, cxid, imgflag, sound) VALUES (?, ?, ?, "
                     "'CX01', 0, ?)")
        .Text(1, id)
        .Text(2, text)
        .Text(3, pinyin)
        .Blob(4, SoundBytes(text))
        .Run();
}

} // namespace

std::vector<unsigned char> SoundBytes(const std::string& tag) {
    const std::string text = "SOUND:" + tag;
    return {text.begin(), text.end()};
}

bool AddCharacterStudyData(const std::string& wordDatabasePath, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(wordDatabasePath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        error = "cannot open " + wordDatabasePath;
        sqlite3_close(db);
        return false;
    }
    bool ok = AddCharacter(db, "你", fixtures::FixtureIds::kCharacterNi, error) &&
              AddCharacter(db, "好", kCharacterHao, error) &&
              AddPhrase(db, kPhraseHaoxue, "好学", "hàoxué") && AddPhrase(db, "PH0003", "西安", "xī'ān");
    for (const char* syllable : {"nǐ", "hǎo"})
        ok = ok && Statement(db, "INSERT INTO tbl_pinyin_rule (pinyin, sound) VALUES (?, ?)")
                       .Text(1, syllable)
                       .Blob(2, SoundBytes(syllable))
                       .Run();
    if (!ok && error.empty())
        error = sqlite3_errmsg(db);
    sqlite3_close(db);
    return ok;
}

} // namespace charstudyfixtures

namespace {
// One log file for the whole test program, in a folder that outlives every test.
const std::string& LogPath() {
    static TempFolder folder;
    static const std::string path = folder / "charstudy.log";
    return path;
}
} // namespace

void CharacterStudyTest::SetUp() {
    g_log.SetPath(LogPath());
    m_logStart = ReadWholeFile(LogPath()).value_or("").size();
    std::string error;
    ASSERT_TRUE(fixtures::BuildProgramFolder(m_dir.Path(), error)) << error;
    ASSERT_TRUE(fixtures::AddWordPictures(m_dir / "db/word.dll", error)) << error;
    ASSERT_TRUE(charstudyfixtures::AddCharacterStudyData(m_dir / "db/word.dll", error)) << error;
    ASSERT_TRUE(m_lessonDb.Open("Data Source=" + (m_dir / "db/lesson.dll")));
    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_dir / "db/word.dll")));
    g_pLessonDb = &m_lessonDb;
    g_pWordDb = &m_wordDb;
    g_strLangSuffix = "en";
    g_strTempLessonDir = m_dir / "templesson";
    ASSERT_TRUE(MakeDirectoryPath(g_strTempLessonDir));
    m_previousNotice = SetUserNotice(&m_notice);
}

void CharacterStudyTest::TearDown() {
    SetUserNotice(m_previousNotice);
    g_pLessonDb = nullptr;
    g_pWordDb = nullptr;
}

std::string CharacterStudyTest::LogSinceStart() const {
    const std::string log = ReadWholeFile(LogPath()).value_or("");
    return log.size() > m_logStart ? log.substr(m_logStart) : std::string();
}
