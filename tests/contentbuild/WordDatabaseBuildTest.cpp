#include "ContactSheet.h"
#include "ContentCheck.h"
#include "WordDatabaseBuilder.h"
#include "app/FileUtils.h"
#include "charstudy/StrokeFile.h"
#include "fixtures/TempFolder.h"
#include "render/GlyphScale.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

using Blob = std::vector<unsigned char>;

// Builds a word database from the three characters of the test data (三, 你, 好) through the same
// code the content build runs, with one lesson word list.
class WordDatabaseBuild : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(WriteTextFile(*s_folder / "words.txt", "# more words\n三\n"));
        ASSERT_TRUE(WriteTextFile(*s_folder / "lessons/lesson01.txt",
                                  "[lesson 1]\ntitle.en: Hello!\n\n[word]\nzh: 你好\npy: nǐhǎo\npos: int\n"
                                  "en: hello\nfr: bonjour\n\n[sentence a]\nzh: 你好 ， 三 ！\n"
                                  "py: nǐhǎo , sān !\nen: Hello, three!\n"));
        WordDatabaseSources sources = Sources({*s_folder / "words.txt"});
        sources.lessonFolders = {*s_folder / "lessons"};
        WordDatabaseSummary summary;
        std::string error;
        ASSERT_TRUE(BuildWordDatabase(sources, Options(), DatabasePath(), summary, error)) << error;
        EXPECT_TRUE(summary.warnings.empty());
        EXPECT_EQ(summary.characters, 3u);
        EXPECT_EQ(summary.readings, 4u); // 好 has two
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    static WordDatabaseSources Sources(const std::vector<std::string>& wordLists) {
        WordDatabaseSources sources;
        sources.strokeDataFolder = CONTENT_TEST_DATA;
        sources.dictionaryPath = CONTENT_TEST_DATA "cedict.u8";
        sources.characterFrequencyPath = CONTENT_TEST_DATA "junda.txt";
        sources.wordFrequencyPath = CONTENT_TEST_DATA "leiden.txt";
        sources.wordLists = wordLists;
        return sources;
    }
    static WordDatabaseOptions Options() {
        WordDatabaseOptions options;
        options.commonCharacters = 3;
        options.frequentWords = 10;
        options.languageSuffixes = {"en", "fr"};
        return options;
    }
    static std::string DatabasePath() { return *s_folder / "word.dll"; }

    void SetUp() override {
        ASSERT_EQ(sqlite3_open_v2(DatabasePath().c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    }
    void TearDown() override { sqlite3_close(m_db); }

    // The rows of a query, each column as text (blobs by their size).
    std::vector<std::vector<std::string>> Query(const std::string& sql) {
        std::vector<std::vector<std::string>> rows;
        sqlite3_stmt* s = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(m_db, sql.c_str(), -1, &s, nullptr), SQLITE_OK) << sql;
        while (s && sqlite3_step(s) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                const unsigned char* text = sqlite3_column_text(s, c);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(s);
        return rows;
    }

    Blob BlobOf(const std::string& sql) {
        Blob bytes;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW) {
            const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(s, 0));
            bytes.assign(data, data + sqlite3_column_bytes(s, 0));
        }
        sqlite3_finalize(s);
        return bytes;
    }

    void Execute(const std::string& sql) {
        ASSERT_EQ(sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    }

    static std::unique_ptr<TempFolder> s_folder;
    sqlite3* m_db = nullptr;
};

std::unique_ptr<TempFolder> WordDatabaseBuild::s_folder;

using Rows = std::vector<std::vector<std::string>>;

TEST_F(WordDatabaseBuild, CharactersHaveTheirReadingsPicturesStrokesAndReferenceStrokes) {
    EXPECT_EQ(Query("SELECT hz, id, bhs, sm, ym, sd FROM tbl_hz_main ORDER BY id"),
              (Rows{{"三", "HZ04e09", "3", "s", "an", "1"},
                    {"你", "HZ04f60", "7", "n", "i", "3"},
                    {"好", "HZ0597d", "6", "h", "ao", "3"},
                    {"好", "HZ0597d-2", "6", "h", "ao", "4"}}));
    for (const char* column : {"emptyimg", "blackimg", "orderimg"}) {
        const Blob bmp =
            BlobOf(std::string("SELECT ") + column + " FROM tbl_hz_image_song WHERE id = 'HZ0597d'");
        EXPECT_EQ(QImage::fromData(bmp.data(), static_cast<int>(bmp.size()), "BMP").size(), QSize(190, 190))
            << column;
    }
    const Blob small = BlobOf("SELECT smallimg FROM tbl_hz_image_song WHERE id = 'HZ04e09'");
    EXPECT_EQ(QImage::fromData(small.data(), static_cast<int>(small.size()), "BMP").size(), QSize(18, 18));

    // 三: three stroke pictures in order, the first near the top and written left to right.
    const Rows strokes = Query("SELECT djh, direction, offsetx, offsety, IsOneStroke FROM tbl_hz_bhimg_song "
                               "WHERE hzid = 'HZ04e09' ORDER BY djh");
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[0][0], "1");
    EXPECT_EQ(strokes[0][1], "0");
    EXPECT_LT(std::stoi(strokes[0][3]), 60);
    EXPECT_EQ(strokes[2][4], "1");

    const Blob file = BlobOf("SELECT posdata FROM tbl_hz_bhpos_song WHERE id = 'HZ04e09'");
    std::vector<strokefile::StrokeObject> polylines;
    std::string error;
    ASSERT_EQ(strokefile::ReadStrokeFile(file.data(), file.size(), polylines, error),
              strokefile::ReadResult::Ok);
    ASSERT_EQ(polylines.size(), 3u);
    EXPECT_EQ(polylines[0].strokeNumber, 1);
    EXPECT_LT(polylines[0].points.front().y, 60);
    EXPECT_LT(polylines[0].points.front().x, polylines[0].points.back().x);
}

TEST_F(WordDatabaseBuild, PhrasesCarryPinyinExplanationsAndSounds) {
    // The lessons' words first (the new word with its part of speech and explanations), then the
    // word list's, then the frequent words whose characters are all in (not 你们).
    EXPECT_EQ(Query("SELECT cz, czpinyin, cxid FROM tbl_phrase_main ORDER BY id"),
              (Rows{{"你好", "nǐhǎo", "CX11"},
                    {"三", "sān", ""},
                    {"你", "nǐ", ""},
                    {"好", "hǎo", ""},
                    {"好好", "hǎohǎo", ""}}));
    EXPECT_EQ(Query("SELECT e.explain FROM tbl_phrase_explain_fr e JOIN tbl_phrase_main p ON p.id = e.wordid "
                    "WHERE p.cz = '你好'"),
              (Rows{{"bonjour"}}));
    EXPECT_EQ(Query("SELECT e.explain FROM tbl_phrase_explain_en e JOIN tbl_phrase_main p ON p.id = e.wordid "
                    "WHERE p.cz = '三'"),
              (Rows{{"three; 3"}}));
    // The dictionary's English stands in for a missing French explanation, marked as English.
    EXPECT_EQ(Query("SELECT e.explain FROM tbl_phrase_explain_fr e JOIN tbl_phrase_main p ON p.id = e.wordid "
                    "WHERE p.cz = '三'"),
              (Rows{{"(en) three; 3"}}));
    EXPECT_TRUE(Mp3Decodes(BlobOf("SELECT sound FROM tbl_phrase_main WHERE cz = '你好'")));

    EXPECT_EQ(Query("SELECT pinyin FROM tbl_pinyin_rule ORDER BY pinyin"),
              (Rows{{"hào"}, {"hǎo"}, {"nǐ"}, {"sān"}})); // in byte order
    EXPECT_TRUE(Mp3Decodes(BlobOf("SELECT sound FROM tbl_pinyin_rule WHERE pinyin = 'hào'")));
}

TEST_F(WordDatabaseBuild, PinyinLettersFinalsAndPunctuationShareTheirPictureSizes) {
    EXPECT_EQ(Query("SELECT ymtune FROM tbl_pinyin_yunmu WHERE ym = 'ao' AND tune = 3"), (Rows{{"ǎo"}}));
    EXPECT_EQ(Query("SELECT ymtune FROM tbl_pinyin_yunmu WHERE ym = 'ü' AND tune = 4"), (Rows{{"ǜ"}}));
    EXPECT_EQ(Query("SELECT count(*) FROM tbl_pinyin_yunmu WHERE ym = 'i'"), (Rows{{"5"}}));
    EXPECT_EQ(Query("SELECT count(*) FROM tbl_pinyin_shengmu"), (Rows{{"20"}}));
    EXPECT_EQ(Query("SELECT sm FROM tbl_pinyin_shengmu WHERE bigsm = 'Z'"), (Rows{{"z"}}));
    EXPECT_EQ(Query("SELECT bden FROM tbl_biaodian_main WHERE bd = '。'"), (Rows{{"."}}));
    const Blob a = BlobOf("SELECT img FROM tbl_pinyin_yunmu WHERE ymtune = 'ā'");
    const Blob g = BlobOf("SELECT img FROM tbl_pinyin_shengmu WHERE sm = 'g'");
    const Blob comma = BlobOf("SELECT imgen FROM tbl_biaodian_main WHERE bden = ','");
    for (const Blob* picture : {&a, &g, &comma})
        EXPECT_EQ(QImage::fromData(picture->data(), static_cast<int>(picture->size()), "BMP").height(), 16);

    EXPECT_TRUE(CheckWordDatabase(DatabasePath(), {"en", "fr"}).empty());
}

QImage PictureOf(const Blob& bytes) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(WordDatabaseBuild, EveryGlyphIsDrawnAgainAtTheLargerSizes) {
    const QImage base = PictureOf(BlobOf("SELECT smallimg FROM tbl_hz_image_song WHERE id = 'HZ04f60'"));
    const QImage baseA = PictureOf(BlobOf("SELECT img FROM tbl_pinyin_yunmu WHERE ymtune = 'ā'"));
    ASSERT_EQ(base.size(), QSize(18, 18));
    for (const auto& [scale, cell] : {std::pair{150, 27}, {200, 36}, {300, 54}}) {
        const std::string at = " AND scale = " + std::to_string(scale);
        const QImage ni =
            PictureOf(BlobOf("SELECT img FROM tbl_glyph_size WHERE source = 'hz' AND glyph = '你'" + at));
        EXPECT_EQ(ni.size(), QSize(cell, cell)) << scale;
        // Drawn from the face at that size: finer than the small picture blown up.
        EXPECT_NE(ni, base.scaled(ni.size())) << scale;
        const QImage a = PictureOf(
            BlobOf("SELECT img FROM tbl_glyph_size WHERE source = 'py' AND glyph = 'ā' COLLATE BINARY" + at));
        EXPECT_EQ(a.size(), QSize(glyphscale::Scaled(baseA.width(), scale), glyphscale::Scaled(16, scale)));
        EXPECT_EQ(Query("SELECT count(*) FROM tbl_glyph_size WHERE source = 'hz' AND glyph = '。'" + at),
                  (Rows{{"1"}}));
    }
    // Letters that differ only in case keep one picture each.
    EXPECT_EQ(
        Query("SELECT count(*) FROM tbl_glyph_size WHERE source = 'py' AND glyph = 'a' AND scale = 200"),
        (Rows{{"2"}}));
    EXPECT_EQ(Query("SELECT count(*) FROM tbl_glyph_size WHERE scale = 100"), (Rows{{"0"}}));
}

TEST_F(WordDatabaseBuild, TheContentCheckFindsMistakesALearnerWouldNotice) {
    TempFolder copyFolder;
    const std::string copy = copyFolder / "word.dll";
    Execute("VACUUM INTO '" + copy + "'");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(copy.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "UPDATE tbl_hz_main SET bhs = 4 WHERE hz = '三';"
                 "UPDATE tbl_hz_bhimg_song SET offsetx = 180 WHERE hzid = 'HZ04f60' AND djh = 2;"
                 "UPDATE tbl_pinyin_rule SET sound = x'00112233' WHERE pinyin = 'nǐ';"
                 "DELETE FROM tbl_phrase_explain_fr WHERE explain = 'bonjour';"
                 "UPDATE tbl_phrase_explain_fr SET explain = 'three; 3' WHERE explain = '(en) three; 3';",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::vector<std::string> problems = CheckWordDatabase(copy, {"en", "fr"});
    auto mentions = [&](const std::string& text) {
        for (const std::string& p : problems)
            if (p.find(text) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(mentions("三: stroke count 4, 3 stroke pictures, 3 reference strokes"));
    EXPECT_TRUE(mentions("HZ04f60: stroke 2 leaves the character square"));
    EXPECT_TRUE(mentions("nǐ: the syllable's sound does not decode"));
    EXPECT_TRUE(mentions("你好: no explanation (fr)"));
    EXPECT_TRUE(mentions("三: the fr explanation is the English one, unmarked"));
    EXPECT_EQ(problems.size(), 5u);
}

TEST_F(WordDatabaseBuild, ALessonWordThatDoesNotFitStopsTheBuildAndKeepsTheOldDatabase) {
    TempFolder folder;
    const std::string output = folder / "word.dll";
    ASSERT_TRUE(WriteTextFile(output, "the previous database"));
    WordDatabaseOptions options = Options();
    options.withSound = false;
    WordDatabaseSummary summary;
    std::string error;

    ASSERT_TRUE(WriteTextFile(folder / "wrong.txt", "你好\tnǐ\n"));
    EXPECT_FALSE(BuildWordDatabase(Sources({folder / "wrong.txt"}), options, output, summary, error));
    EXPECT_NE(error.find("does not fit the word 你好"), std::string::npos) << error;

    ASSERT_TRUE(WriteTextFile(folder / "missing.txt", "你们\n"));
    EXPECT_FALSE(BuildWordDatabase(Sources({folder / "missing.txt"}), options, output, summary, error));
    EXPECT_NE(error.find("们 has no stroke data"), std::string::npos) << error;

    EXPECT_FALSE(BuildWordDatabase(Sources({folder / "absent.txt"}), options, output, summary, error));
    EXPECT_EQ(*ReadWholeFile(output), "the previous database");
}

TEST_F(WordDatabaseBuild, LessonWordsWithErhuaAreSpokenAndMisfitsAreLeftToTheLessonCheck) {
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "lessons/lesson02.txt",
                              "[word]\nzh: 好儿\npy: hǎor\npos: adj\nen: good (erhua)\n\n"
                              "[sentence]\nzh: 你好 三\npy: nǐhǎo sā\nen: Hello three\n"));
    WordDatabaseSources sources = Sources({});
    sources.lessonFolders = {folder / "lessons"};
    WordDatabaseSummary summary;
    std::string error;
    ASSERT_TRUE(BuildWordDatabase(sources, Options(), folder / "word.dll", summary, error)) << error;
    EXPECT_EQ(summary.warnings, std::vector<std::string>{"the pinyin \"sā\" does not fit the word 三"});
    EXPECT_EQ(summary.characters, 4u); // 儿 joins for the lesson word

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(std::string(folder / "word.dll").c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT czpinyin, cxid FROM tbl_phrase_main WHERE cz = '好儿'", -1, &s,
                                 nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), "hǎor");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), "CX03");
    sqlite3_finalize(s);
    sqlite3_close(db);
    EXPECT_TRUE(CheckWordDatabase(folder / "word.dll", {"en", "fr"}).empty()); // its sound decodes too
}

TEST_F(WordDatabaseBuild, TheContactSheetShowsEachCharacterInEightPanels) {
    std::string error;
    ASSERT_TRUE(WriteContactSheet(DatabasePath(),
                                  {QStringLiteral("三"), QStringLiteral("你"), QStringLiteral("好")},
                                  CONTACT_SHEET_PATH, error))
        << error;
    const QImage sheet(QStringLiteral(CONTACT_SHEET_PATH));
    EXPECT_EQ(sheet.size(), QSize(8 + 8 * 198, 8 + 3 * 198));
    // The last panel of the first row shows the reference strokes in red.
    bool red = false;
    for (int y = 8; y < 198 && !red; ++y)
        for (int x = 8 + 7 * 198; x < 8 + 7 * 198 + 190 && !red; ++x)
            red = sheet.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);
}

} // namespace
