#include "data/Schema.h"

#include "app/FileUtils.h"

#include <sqlite3.h>

namespace schema {
namespace {

// "{s}" in a template stands for the language suffix.
std::string ForEachSuffix(const std::string& templ, const std::vector<std::string>& suffixes) {
    std::string out;
    for (const std::string& suffix : suffixes) {
        std::string t = templ;
        for (size_t pos; (pos = t.find("{s}")) != std::string::npos;)
            t.replace(pos, 3, suffix);
        out += t;
    }
    return out;
}

const char* const kLessonTables = R"SQL(
CREATE TABLE tbl_lesson_main (id INTEGER PRIMARY KEY, sound BLOB);
CREATE TABLE tbl_lesson_childlesson (id TEXT COLLATE NOCASE PRIMARY KEY, lessonid INTEGER, indexid INTEGER, scene BLOB);
CREATE INDEX ix_childlesson_lesson ON tbl_lesson_childlesson (lessonid, indexid);
CREATE TABLE tbl_lesson_sentence (id TEXT COLLATE NOCASE PRIMARY KEY, childlessonid TEXT COLLATE NOCASE,
  sentenceindex INTEGER, sentence TEXT COLLATE NOCASE, sentencepinyin TEXT COLLATE NOCASE,
  Wordid TEXT COLLATE NOCASE, noteid TEXT COLLATE NOCASE, sound BLOB);
CREATE INDEX ix_sentence_child ON tbl_lesson_sentence (childlessonid, sentenceindex);
CREATE TABLE tbl_lesson_newword (id TEXT COLLATE NOCASE PRIMARY KEY, lessonid INTEGER, word TEXT COLLATE NOCASE,
  pinyin TEXT COLLATE NOCASE, cxid TEXT COLLATE NOCASE);
CREATE INDEX ix_newword_lesson ON tbl_lesson_newword (lessonid);
CREATE TABLE tbl_lesson_typical (id TEXT COLLATE NOCASE PRIMARY KEY, lessonid INTEGER, indexid INTEGER,
  sentence TEXT COLLATE NOCASE, pinyin TEXT COLLATE NOCASE, sound BLOB);
CREATE INDEX ix_typical_lesson ON tbl_lesson_typical (lessonid, indexid);
CREATE TABLE tbl_lesson_typical_demo (ID TEXT COLLATE NOCASE PRIMARY KEY, typicalid TEXT COLLATE NOCASE,
  content TEXT COLLATE NOCASE, partsentence TEXT COLLATE NOCASE, pinyin TEXT COLLATE NOCASE,
  partpinyin TEXT COLLATE NOCASE, sound BLOB);
CREATE INDEX ix_typical_demo_typical ON tbl_lesson_typical_demo (typicalid);
)SQL";

const char* const kLearnerTables = R"SQL(
CREATE TABLE tbl_user_main (id TEXT COLLATE NOCASE PRIMARY KEY, username TEXT COLLATE NOCASE,
  password22 TEXT COLLATE NOCASE);
CREATE INDEX ix_user_name ON tbl_user_main (username);
CREATE TABLE tbl_user_lesson (id TEXT COLLATE NOCASE, lessonindex INTEGER, score INTEGER,
  PRIMARY KEY (id, lessonindex));
CREATE TABLE tbl_user_lesson_opened (id TEXT COLLATE NOCASE, lessonindex INTEGER,
  PRIMARY KEY (id, lessonindex));
CREATE TABLE tbl_user_card (id TEXT COLLATE NOCASE, word TEXT COLLATE NOCASE, pinyin TEXT COLLATE NOCASE,
  direction INTEGER, stability REAL, difficulty REAL, due TEXT COLLATE NOCASE, lastreview TEXT COLLATE NOCASE,
  reps INTEGER, lapses INTEGER, introduced TEXT COLLATE NOCASE, PRIMARY KEY (id, word, pinyin, direction));
CREATE TABLE tbl_user_review (id TEXT COLLATE NOCASE, word TEXT COLLATE NOCASE, pinyin TEXT COLLATE NOCASE,
  direction INTEGER, reviewed TEXT COLLATE NOCASE, elapsed INTEGER, grade INTEGER, stability REAL,
  difficulty REAL, due TEXT COLLATE NOCASE);
)SQL";

const char* const kLessonLanguageTables = R"SQL(
CREATE TABLE tbl_lesson_main_{s} (id INTEGER PRIMARY KEY, title TEXT COLLATE NOCASE, lessonhead BLOB);
CREATE TABLE tbl_lesson_childlesson_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, translation TEXT COLLATE NOCASE,
  scenedescimg BLOB);
CREATE TABLE tbl_sentence_explain_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, title TEXT COLLATE NOCASE,
  titlepinyin TEXT COLLATE NOCASE, titleexplain TEXT COLLATE NOCASE, titlewordid TEXT COLLATE NOCASE,
  explain TEXT COLLATE NOCASE);
CREATE TABLE tbl_sentence_notes_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, lessonid INTEGER, noteIndex INTEGER,
  notesimg BLOB);
CREATE INDEX ix_notes_lesson_{s} ON tbl_sentence_notes_{s} (lessonid, noteIndex);
CREATE TABLE tbl_lesson_langpoint_{s} (lesssonid INTEGER PRIMARY KEY, langpointimg BLOB);
CREATE TABLE tbl_lesson_newword_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, explain TEXT COLLATE NOCASE);
CREATE TABLE tbl_lesson_typical_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, translation TEXT COLLATE NOCASE);
CREATE TABLE tbl_lesson_typical_demo_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, translation TEXT COLLATE NOCASE,
  meaning TEXT COLLATE NOCASE);
)SQL";

const char* const kWordTables = R"SQL(
CREATE TABLE tbl_hz_main (hz TEXT COLLATE NOCASE, id TEXT COLLATE NOCASE PRIMARY KEY, bhs INTEGER,
  sm TEXT COLLATE NOCASE, ym TEXT COLLATE NOCASE, sd INTEGER);
CREATE INDEX ix_hz_main_hz ON tbl_hz_main (hz);
CREATE TABLE tbl_hz_image_song (id TEXT COLLATE NOCASE PRIMARY KEY, smallimg BLOB, emptyimg BLOB, blackimg BLOB,
  orderimg BLOB);
CREATE TABLE tbl_hz_bhimg_song (hzid TEXT COLLATE NOCASE, djh INTEGER, direction INTEGER, offsetx INTEGER,
  offsety INTEGER, IsOneStroke INTEGER, img BLOB);
CREATE INDEX ix_bhimg_hz ON tbl_hz_bhimg_song (hzid, djh);
CREATE TABLE tbl_hz_bhpos_song (id TEXT COLLATE NOCASE PRIMARY KEY, posdata BLOB);
CREATE TABLE tbl_hz_cx (id TEXT COLLATE NOCASE PRIMARY KEY, meaning TEXT COLLATE NOCASE);
CREATE TABLE tbl_phrase_main (id TEXT COLLATE NOCASE PRIMARY KEY, cz TEXT COLLATE NOCASE,
  czpinyin TEXT COLLATE NOCASE, cxid TEXT COLLATE NOCASE, imgflag INTEGER, sound BLOB, cipin INTEGER);
CREATE INDEX ix_phrase_cz ON tbl_phrase_main (cz, czpinyin);
CREATE INDEX ix_phrase_pinyin ON tbl_phrase_main (czpinyin);
CREATE TABLE tbl_pinyin_rule (pinyin TEXT COLLATE NOCASE, sound BLOB);
CREATE INDEX ix_pinyin_rule ON tbl_pinyin_rule (pinyin);
CREATE TABLE tbl_pinyin_yunmu (ym TEXT COLLATE NOCASE, tune INTEGER, ymtune TEXT COLLATE NOCASE, img BLOB);
CREATE INDEX ix_yunmu_marked ON tbl_pinyin_yunmu (ymtune);
CREATE INDEX ix_yunmu_plain ON tbl_pinyin_yunmu (ym, tune);
CREATE TABLE tbl_pinyin_shengmu (sm TEXT COLLATE NOCASE, img BLOB, bigsm TEXT COLLATE NOCASE, bigimg BLOB);
CREATE INDEX ix_shengmu_sm ON tbl_pinyin_shengmu (sm);
CREATE INDEX ix_shengmu_bigsm ON tbl_pinyin_shengmu (bigsm);
CREATE TABLE tbl_biaodian_main (bd TEXT COLLATE NOCASE, img BLOB, bden TEXT COLLATE NOCASE, imgen BLOB);
CREATE INDEX ix_biaodian_bd ON tbl_biaodian_main (bd);
CREATE INDEX ix_biaodian_bden ON tbl_biaodian_main (bden);
CREATE TABLE tbl_glyph_size (source TEXT COLLATE NOCASE, glyph TEXT COLLATE NOCASE, scale INTEGER, img BLOB);
CREATE INDEX ix_glyph_size ON tbl_glyph_size (source, glyph, scale);
)SQL";

const char* const kWordLanguageTables = R"SQL(
CREATE TABLE tbl_phrase_explain_{s} (id TEXT COLLATE NOCASE PRIMARY KEY, wordid TEXT COLLATE NOCASE,
  explain TEXT COLLATE NOCASE);
CREATE INDEX ix_phrase_explain_word_{s} ON tbl_phrase_explain_{s} (wordid);
)SQL";

} // namespace

std::string LessonDatabaseDdl(const std::vector<std::string>& languageSuffixes) {
    return kLessonTables + LearnerDatabaseDdl() + ForEachSuffix(kLessonLanguageTables, languageSuffixes);
}

std::string LearnerDatabaseDdl() {
    return kLearnerTables;
}

std::string WordDatabaseDdl(const std::vector<std::string>& languageSuffixes) {
    return kWordTables + ForEachSuffix(kWordLanguageTables, languageSuffixes);
}

bool CreateDatabaseFile(const std::string& path, const std::string& ddl, std::string& error) {
    if (FileExists(path)) {
        error = "the database file already exists: " + path;
        return false;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return false;
    }
    char* message = nullptr;
    const std::string script = "BEGIN;" + ddl + "COMMIT;";
    const bool ok = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok) {
        error = message ? message : "could not create the tables";
        sqlite3_free(message);
    }
    sqlite3_close(db);
    if (!ok)
        DeleteDirectoryTree(path);
    return ok;
}

namespace {

// The learners' tables with the columns every version of them has had. The accounts and scores are
// as old as the lesson database; older files lack the later tables.
struct LearnerTable {
    const char* name;
    const char* columns;
    bool accounts;
};
const LearnerTable kLearnerTableColumns[] = {
    {"tbl_user_main", "id, username, password22", true},
    {"tbl_user_lesson", "id, lessonindex, score", true},
    {"tbl_user_lesson_opened", "id, lessonindex", false},
    {"tbl_user_card",
     "id, word, pinyin, direction, stability, difficulty, due, lastreview, reps, lapses, introduced", false},
    {"tbl_user_review", "id, word, pinyin, direction, reviewed, elapsed, grade, stability, difficulty, due",
     false},
};

bool HasTable(sqlite3* db, const std::string& schemaName, const char* table) {
    const std::string text =
        "SELECT 1 FROM " + schemaName + ".sqlite_master WHERE type = 'table' AND name = ?";
    sqlite3_stmt* stmt = nullptr;
    bool found = sqlite3_prepare_v2(db, text.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    if (found) {
        sqlite3_bind_text(stmt, 1, table, -1, SQLITE_STATIC);
        found = sqlite3_step(stmt) == SQLITE_ROW;
    }
    sqlite3_finalize(stmt);
    return found;
}

} // namespace

bool Exec(sqlite3* db, const std::string& statements, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    error = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    return false;
}

bool CopyLearnerTables(sqlite3* db, const std::string& from, const std::string& to, bool accountsRequired,
                       LearnerRowCounts& copied, std::string& error) {
    copied = {};
    for (const LearnerTable& table : kLearnerTableColumns) {
        if (!(accountsRequired && table.accounts) && !HasTable(db, from, table.name))
            continue;
        const std::string name = table.name;
        const std::string text = "INSERT INTO " + to + "." + name + " (" + table.columns + ") SELECT " +
                                 table.columns + " FROM " + from + "." + name;
        if (!Exec(db, text, error))
            return false;
        if (name == "tbl_user_main")
            copied.users = sqlite3_changes(db);
        else if (name == "tbl_user_lesson")
            copied.scores = sqlite3_changes(db);
    }
    return true;
}

} // namespace schema
