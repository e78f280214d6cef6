#include "lesson/LessonContent.h"

#include "app/TextEncoding.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"

#include <exception>

namespace lesson {
namespace {

// Runs a query whose failure the pane reports; false with the query text when it did not open.
bool OpenMain(CADORecordset& rs, CADODatabase* db, const SqlQuery& query, std::string& failedSql) {
    if (OpenContentQuery(rs, db, query))
        return true;
    failedSql = query.Text();
    return false;
}

// Opens a per-language (or other secondary) lookup: true when it yields a row.
bool FirstRow(CADORecordset& rs, CADODatabase* db, const SqlQuery& query) {
    return OpenContentQuery(rs, db, query) && !rs.IsEOF();
}

std::string Text(const CADORecordset& rs, const char* field) {
    std::string value;
    rs.GetFieldValue(field, value);
    return value;
}

std::u16string Wide(const CADORecordset& rs, const char* field) {
    std::u16string value;
    rs.GetFieldValue(field, value);
    return value;
}

// A new word's own columns; its class and explanation come from other tables.
NewWord NewWordOf(const CADORecordset& row) {
    NewWord w;
    w.word = Wide(row, "word");
    w.pinyin = Wide(row, "pinyin");
    w.id = Text(row, "id");
    return w;
}

// Walks the rows of an opened recordset, at most `limit` of them.
template <typename Row> bool ForRows(CADORecordset& rs, size_t limit, Row&& row) {
    try {
        for (size_t n = 0; !rs.IsEOF() && n < limit; rs.MoveNext(), ++n)
            row(rs);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool ReadChildLessons(CADODatabase* db, const std::string& suffix, int lessonNumber,
                      std::vector<ChildLesson>& out, std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kChildLessonsOfLesson, {lessonNumber}), failedSql))
        return false;
    return ForRows(rs, static_cast<size_t>(-1), [&](CADORecordset& row) {
        if (out.size() >= kMaxChildLessons)
            return;
        const std::string id = Text(row, "id");
        CADORecordset translated;
        if (FirstRow(translated, db, SqlQuery::Format(sql::kChildLessonText, {suffix, id})))
            out.push_back({id, Text(translated, "translation")});
    });
}

bool ReadSentences(CADODatabase* db, const std::string& suffix, const std::string& childLessonId,
                   std::vector<Sentence>& out, std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kSentencesOfChildLesson, {childLessonId}), failedSql))
        return false;
    return ForRows(rs, kMaxSentences, [&](CADORecordset& row) {
        Sentence s;
        s.words = Wide(row, "sentence");
        s.wordIds = Text(row, "Wordid");
        s.id = Text(row, "id");
        s.pinyin = Wide(row, "sentencepinyin");
        s.noteId = Text(row, "noteid");
        CADORecordset explain;
        if (FirstRow(explain, db, SqlQuery::Format(sql::kSentenceExplain, {suffix, s.id}))) {
            s.titleExplain = Text(explain, "titleexplain");
            s.title = Wide(explain, "title");
            s.titlePinyin = Wide(explain, "titlepinyin");
            s.titleWordIds = Text(explain, "titlewordid");
            s.explain = Text(explain, "explain");
        }
        out.push_back(std::move(s));
    });
}

bool ReadNewWords(CADODatabase* db, CADODatabase* wordDb, const std::string& suffix, int lessonNumber,
                  std::vector<NewWord>& out, std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kNewWordsOfLesson, {lessonNumber}), failedSql))
        return false;
    return ForRows(rs, kMaxNewWords, [&](CADORecordset& row) {
        NewWord w = NewWordOf(row);
        CADORecordset wordClass;
        if (FirstRow(wordClass, wordDb, SqlQuery::Format(sql::kWordClassForNewWords, {Text(row, "cxid")})))
            w.wordClass = Text(wordClass, "meaning");
        CADORecordset explain;
        if (FirstRow(explain, db, SqlQuery::Format(sql::kNewWordExplain, {suffix, w.id})))
            w.explanation = Text(explain, "explain");
        out.push_back(std::move(w));
    });
}

bool ReadNewWordsOfLessons(CADODatabase* db, CADODatabase* wordDb, const std::string& suffix,
                           const std::set<int>& lessons, std::map<int, std::vector<NewWord>>& out,
                           std::string& failedSql) {
    out.clear();
    if (lessons.empty())
        return true;
    // The part-of-speech names are a handful: all of them at once, found as the lookup finds them
    // (the ids compare without regard to ASCII case).
    std::map<std::string, std::string> classes;
    CADORecordset classRows;
    if (OpenContentQuery(classRows, wordDb, SqlQuery(sql::kWordClasses)))
        ForRows(classRows, static_cast<size_t>(-1), [&](CADORecordset& row) {
            classes.emplace(text::AsciiLower(Text(row, "id")), Text(row, "meaning"));
        });
    CADORecordset rs;
    const SqlQuery query = lessons.size() == 1
                               ? SqlQuery::Format(sql::kNewWordsOfOneLesson, {suffix, *lessons.begin()})
                               : SqlQuery::Format(sql::kNewWordsOfCourse, {suffix});
    if (!OpenContentQuery(rs, db, query)) {
        // Content the joined query cannot read (an explanation table missing, say) is read lesson
        // by lesson, which keeps every word it can.
        for (int lesson : lessons) {
            std::vector<NewWord> words;
            if (!ReadNewWords(db, wordDb, suffix, lesson, words, failedSql))
                return false;
            if (!words.empty())
                out[lesson] = std::move(words);
        }
        return true;
    }
    return ForRows(rs, static_cast<size_t>(-1), [&](CADORecordset& row) {
        int lesson = 0;
        row.GetFieldValue("lessonid", lesson);
        if (lessons.count(lesson) == 0)
            return;
        std::vector<NewWord>& words = out[lesson];
        if (words.size() >= kMaxNewWords)
            return;
        NewWord w = NewWordOf(row);
        if (const auto found = classes.find(text::AsciiLower(Text(row, "cxid"))); found != classes.end())
            w.wordClass = found->second;
        w.explanation = Text(row, "explain");
        words.push_back(std::move(w));
    });
}

bool ReadNotes(CADODatabase* db, const std::string& suffix, int lessonNumber, std::vector<Note>& out,
               std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kNotesOfLesson, {suffix, lessonNumber}), failedSql))
        return false;
    return ForRows(rs, kMaxNotes, [&](CADORecordset& row) {
        Note n;
        row.GetChunk("notesimg", n.picture);
        n.id = Text(row, "ID");
        out.push_back(std::move(n));
    });
}

bool ReadTypicals(CADODatabase* db, const std::string& suffix, int lessonNumber, std::vector<Typical>& out,
                  std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kTypicalOfLesson, {lessonNumber}), failedSql))
        return false;
    return ForRows(rs, kMaxTypicals, [&](CADORecordset& row) {
        Typical t;
        t.sentence = Wide(row, "sentence");
        t.id = Text(row, "id");
        t.pinyin = Wide(row, "pinyin");
        CADORecordset translated;
        if (FirstRow(translated, db, SqlQuery::Format(sql::kTypicalTranslation, {suffix, t.id})))
            t.translation = Text(translated, "translation");
        out.push_back(std::move(t));
    });
}

bool ReadTypicalExamples(CADODatabase* db, const std::string& suffix, const std::string& typicalId,
                         std::vector<TypicalExample>& out, std::string& failedSql) {
    out.clear();
    CADORecordset rs;
    if (!OpenMain(rs, db, SqlQuery::Format(sql::kTypicalDemos, {typicalId}), failedSql))
        return false;
    return ForRows(rs, static_cast<size_t>(-1), [&](CADORecordset& row) {
        TypicalExample e;
        e.id = Text(row, "ID");
        e.content = Wide(row, "content");
        e.partSentence = Wide(row, "partsentence");
        e.pinyin = Wide(row, "pinyin");
        e.partPinyin = Wide(row, "partpinyin");
        CADORecordset translated;
        if (FirstRow(translated, db, SqlQuery::Format(sql::kTypicalDemoText, {suffix, e.id}))) {
            e.translation = Text(translated, "translation");
            e.meaning = Text(translated, "meaning");
        }
        out.push_back(std::move(e));
    });
}

} // namespace lesson
