#include "LessonDatabaseWriter.h"

#include "LessonIds.h"
#include "PartOfSpeech.h"
#include "PinyinText.h"

#include "app/FileUtils.h"
#include "data/Schema.h"

#include <cstdint>
#include <cstdio>
#include <sqlite3.h>
#include <variant>

namespace lessons {
namespace {

using Value = std::variant<std::monostate, std::string, std::int64_t>;

struct Row {
    std::vector<const char*> columns;
    std::vector<Value> values;
};

// Inserts one row; on failure `error` tells which table and why.
bool Insert(sqlite3* db, const std::string& table, const Row& row, std::string& error) {
    std::string text = "INSERT INTO " + table + " (";
    std::string marks;
    for (size_t i = 0; i < row.columns.size(); ++i) {
        text += std::string(i ? "," : "") + row.columns[i];
        marks += i ? ",?" : "?";
    }
    text += ") VALUES (" + marks + ")";
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db, text.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    for (size_t i = 0; ok && i < row.values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (const auto* s = std::get_if<std::string>(&row.values[i]))
            sqlite3_bind_text(stmt, index, s->c_str(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        else if (const auto* n = std::get_if<std::int64_t>(&row.values[i]))
            sqlite3_bind_int64(stmt, index, *n);
    }
    ok = ok && sqlite3_step(stmt) == SQLITE_DONE;
    if (!ok)
        error = table + ": " + sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    return ok;
}

// Inserts the row made for each language into that language's table (`table` + "_" + suffix).
template <typename MakeRow>
bool InsertPerLanguage(sqlite3* db, const std::vector<std::string>& languages, const std::string& table,
                       MakeRow makeRow, std::string& error) {
    for (const std::string& language : languages)
        if (!Insert(db, table + "_" + language, makeRow(language), error))
            return false;
    return true;
}

std::int64_t Number(size_t index) {
    return static_cast<std::int64_t>(index) + 1;
}

} // namespace

LessonDatabaseWriter::LessonDatabaseWriter(std::vector<std::string> languages)
    : m_languages(std::move(languages)),
      m_wordId([](const std::string&, const std::string&) { return std::string("1"); }) {}

bool LessonDatabaseWriter::Write(const std::string& path, const std::vector<LessonSource>& lessons) {
    m_error.clear();
    m_carriedUsers = m_carriedScores = 0;
    const std::string target = ToSlashes(path);
    const size_t slash = target.find_last_of('/');
    if (slash != std::string::npos && !MakeDirectoryPath(target.substr(0, slash))) {
        m_error = "cannot create the folder of " + target;
        return false;
    }
    const std::string building = target + ".building";
    if (FileExists(building))
        DeleteDirectoryTree(building);
    if (!schema::CreateDatabaseFile(building, schema::LessonDatabaseDdl(m_languages), m_error))
        return false;

    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(building.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (!ok)
        m_error = "cannot open " + building;
    ok = ok && schema::Exec(db, "BEGIN", m_error) && Fill(db, lessons);
    for (size_t i = 0; ok && i < m_steps.size(); ++i)
        ok = m_steps[i](db, lessons, m_error);
    if (ok && FileExists(target))
        ok = CarryUsers(db, target);
    ok = ok && schema::Exec(db, "COMMIT", m_error);
    sqlite3_close(db);
    if (ok && std::rename(building.c_str(), target.c_str()) != 0) {
        m_error = "cannot replace " + target;
        ok = false;
    }
    if (!ok)
        DeleteDirectoryTree(building);
    return ok;
}

bool LessonDatabaseWriter::Fill(sqlite3* db, const std::vector<LessonSource>& lessons) {
    for (const LessonSource& lesson : lessons) {
        const std::int64_t number = lesson.number;
        if (!Insert(db, "tbl_lesson_main", {{"id"}, {number}}, m_error))
            return false;
        const auto title = [&](const std::string& language) {
            return Row{{"id", "title"}, {number, TextIn(lesson.title, language)}};
        };
        if (!InsertPerLanguage(db, m_languages, "tbl_lesson_main", title, m_error))
            return false;
        if (!FillLesson(db, lesson) || !FillTexts(db, lesson) || !FillTypical(db, lesson))
            return false;
    }
    return true;
}

bool LessonDatabaseWriter::FillLesson(sqlite3* db, const LessonSource& lesson) {
    const int n = lesson.number;
    for (size_t c = 0; c < lesson.childLessons.size(); ++c) {
        const ChildLesson& child = lesson.childLessons[c];
        const std::string childId = ids::ChildLesson(n, static_cast<int>(c) + 1);
        if (!Insert(db, "tbl_lesson_childlesson",
                    {{"id", "lessonid", "indexid"}, {childId, std::int64_t{n}, Number(c)}}, m_error))
            return false;
        const auto title = [&](const std::string& language) {
            return Row{{"id", "translation"}, {childId, TextIn(child.title, language)}};
        };
        if (!InsertPerLanguage(db, m_languages, "tbl_lesson_childlesson", title, m_error))
            return false;
        for (size_t s = 0; s < child.sentences.size(); ++s) {
            const Sentence& sentence = child.sentences[s];
            const std::string id = ids::Sentence(n, static_cast<int>(c) + 1, static_cast<int>(s) + 1);
            std::string noteId;
            for (size_t k = 0; k < lesson.notes.size(); ++k)
                if (lesson.notes[k].id == sentence.noteId && !sentence.noteId.empty())
                    noteId = ids::Note(n, static_cast<int>(k) + 1);
            if (!Insert(db, "tbl_lesson_sentence",
                        {{"id", "childlessonid", "sentenceindex", "sentence", "sentencepinyin", "Wordid",
                          "noteid"},
                         {id, childId, Number(s), sentence.words, sentence.pinyin,
                          WordIds(sentence.words, sentence.pinyin), noteId}},
                        m_error))
                return false;
            const Speaker* speaker = lesson.FindSpeaker(sentence.speakerKey);
            const auto explanation = [&](const std::string& language) {
                Row row{{"id", "explain"}, {id, TextIn(sentence.translation, language)}};
                if (speaker) {
                    row.columns.insert(row.columns.end(),
                                       {"title", "titlepinyin", "titleexplain", "titlewordid"});
                    row.values.insert(row.values.end(),
                                      {speaker->words, speaker->pinyin, TextIn(speaker->title, language),
                                       WordIds(speaker->words, speaker->pinyin)});
                }
                return row;
            };
            if (!InsertPerLanguage(db, m_languages, "tbl_sentence_explain", explanation, m_error))
                return false;
        }
    }
    return true;
}

bool LessonDatabaseWriter::FillTexts(sqlite3* db, const LessonSource& lesson) {
    const std::int64_t n = lesson.number;
    for (size_t w = 0; w < lesson.newWords.size(); ++w) {
        const NewWord& word = lesson.newWords[w];
        const std::string id = ids::NewWord(lesson.number, static_cast<int>(w) + 1);
        const PartOfSpeech* part = FindPartOfSpeech(word.partOfSpeech);
        if (!Insert(db, "tbl_lesson_newword",
                    {{"id", "lessonid", "word", "pinyin", "cxid"},
                     {id, n, word.word, word.pinyin, part ? std::string(part->cxid) : std::string()}},
                    m_error))
            return false;
        const auto explanation = [&](const std::string& language) {
            return Row{{"id", "explain"}, {id, TextIn(word.explanation, language)}};
        };
        if (!InsertPerLanguage(db, m_languages, "tbl_lesson_newword", explanation, m_error))
            return false;
    }
    for (const std::string& language : m_languages) {
        for (size_t k = 0; k < lesson.notes.size(); ++k)
            if (!Insert(db, "tbl_sentence_notes_" + language,
                        {{"id", "lessonid", "noteIndex"},
                         {ids::Note(lesson.number, static_cast<int>(k) + 1), n, Number(k)}},
                        m_error))
                return false;
        if (!lesson.languagePoints.empty() &&
            !Insert(db, "tbl_lesson_langpoint_" + language, {{"lesssonid"}, {n}}, m_error))
            return false;
    }
    return true;
}

bool LessonDatabaseWriter::FillTypical(sqlite3* db, const LessonSource& lesson) {
    const int n = lesson.number;
    for (size_t t = 0; t < lesson.typicalSentences.size(); ++t) {
        const TypicalSentence& typical = lesson.typicalSentences[t];
        const std::string id = ids::Typical(n, static_cast<int>(t) + 1);
        if (!Insert(db, "tbl_lesson_typical",
                    {{"id", "lessonid", "indexid", "sentence", "pinyin"},
                     {id, std::int64_t{n}, Number(t), typical.words, typical.pinyin}},
                    m_error))
            return false;
        const auto translation = [&](const std::string& language) {
            return Row{{"id", "translation"}, {id, TextIn(typical.translation, language)}};
        };
        if (!InsertPerLanguage(db, m_languages, "tbl_lesson_typical", translation, m_error))
            return false;
        for (size_t d = 0; d < typical.demos.size(); ++d) {
            const TypicalDemo& demo = typical.demos[d];
            const std::string demoId = ids::TypicalDemo(n, static_cast<int>(t) + 1, static_cast<int>(d) + 1);
            if (!Insert(db, "tbl_lesson_typical_demo",
                        {{"ID", "typicalid", "content", "partsentence", "pinyin", "partpinyin"},
                         {demoId, id, demo.words, demo.partWords, demo.pinyin, demo.partPinyin}},
                        m_error))
                return false;
            const auto texts = [&](const std::string& language) {
                return Row{{"id", "translation", "meaning"},
                           {demoId, TextIn(demo.translation, language), TextIn(demo.meaning, language)}};
            };
            if (!InsertPerLanguage(db, m_languages, "tbl_lesson_typical_demo", texts, m_error))
                return false;
        }
    }
    return true;
}

bool LessonDatabaseWriter::CarryUsers(sqlite3* db, const std::string& oldPath) {
    sqlite3_stmt* attach = nullptr;
    bool ok = sqlite3_prepare_v2(db, "ATTACH DATABASE ? AS old", -1, &attach, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_text(attach, 1, oldPath.c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(attach) == SQLITE_DONE;
    }
    sqlite3_finalize(attach);
    std::string error;
    // Reading the old file's table list also proves that it is a database at all.
    schema::LearnerRowCounts carried;
    ok = ok && schema::Exec(db, "SELECT count(*) FROM old.sqlite_master", error) &&
         schema::CopyLearnerTables(db, "old", "main", true, carried, error);
    m_carriedUsers = carried.users;
    m_carriedScores = carried.scores;
    if (!ok)
        m_error = "cannot carry the user accounts over from " + oldPath + " (" +
                  (error.empty() ? sqlite3_errmsg(db) : error) + "); the old file is left as it was";
    return ok;
}

bool StoreBlob(sqlite3* db, const std::string& table, const std::string& column, const std::string& keyColumn,
               const std::string& key, const std::vector<unsigned char>& bytes, std::string& error) {
    const std::string text = "UPDATE " + table + " SET " + column + " = ? WHERE " + keyColumn + " = ?";
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db, text.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_bind_blob(stmt, 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, key.c_str(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        ok = sqlite3_step(stmt) == SQLITE_DONE;
    }
    if (!ok)
        error = table + "." + column + ": " + sqlite3_errmsg(db);
    else if (sqlite3_changes(db) == 0) {
        error = table + ": no row with " + keyColumn + " " + key;
        ok = false;
    }
    sqlite3_finalize(stmt);
    return ok;
}

std::string LessonDatabaseWriter::WordIds(const std::string& words, const std::string& pinyin) const {
    const std::vector<std::string> w = SplitWords(words), p = SplitWords(pinyin);
    std::string out;
    for (size_t i = 0; i < w.size(); ++i)
        out += (i ? " " : "") + m_wordId(w[i], i < p.size() ? p[i] : std::string());
    return out;
}

} // namespace lessons
