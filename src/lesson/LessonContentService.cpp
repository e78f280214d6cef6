#include "lesson/LessonContentService.h"

#include "app/FileUtils.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"

namespace {

// Opens a lookup that is expected to give a row.
bool FirstRow(CADORecordset& rs, CADODatabase* db, const SqlQuery& query) {
    return OpenContentQuery(rs, db, query) && !rs.IsEOF();
}

} // namespace

LessonContentService::LessonContentService(CADODatabase* lessonDb, CADODatabase* wordDb,
                                           std::string languageSuffix)
    : m_lessonDb(lessonDb), m_wordDb(wordDb), m_suffix(std::move(languageSuffix)) {}

bool LessonContentService::Fail(const std::string& failedSql) {
    m_lastError = failedSql;
    return false;
}

bool LessonContentService::LessonExists(int lesson) {
    CADORecordset rs;
    const SqlQuery query = SqlQuery::Format(sql::kLessonMainById, {lesson});
    if (!OpenContentQuery(rs, m_lessonDb, query))
        return Fail(query.Text());
    return !rs.IsEOF();
}

bool LessonContentService::ReadLesson(int lesson, LessonMaterial& out) {
    out = LessonMaterial();
    out.number = lesson;
    CADORecordset title;
    if (FirstRow(title, m_lessonDb, SqlQuery::Format(sql::kLessonTitleById, {m_suffix, lesson})))
        title.GetFieldValue("title", out.title);

    std::string failedSql;
    std::vector<lesson::ChildLesson> childLessons;
    bool complete = lesson::ReadChildLessons(m_lessonDb, m_suffix, lesson, childLessons, failedSql);
    for (lesson::ChildLesson& child : childLessons) {
        LessonMaterial::Dialogue dialogue{std::move(child), {}};
        complete = lesson::ReadSentences(m_lessonDb, m_suffix, dialogue.childLesson.id, dialogue.sentences,
                                         failedSql) &&
                   complete;
        out.dialogues.push_back(std::move(dialogue));
    }
    complete =
        lesson::ReadNewWords(m_lessonDb, m_wordDb, m_suffix, lesson, out.newWords, failedSql) && complete;
    std::vector<lesson::Typical> typicals;
    complete = lesson::ReadTypicals(m_lessonDb, m_suffix, lesson, typicals, failedSql) && complete;
    for (lesson::Typical& typical : typicals) {
        LessonMaterial::Pattern pattern{std::move(typical), {}};
        complete = lesson::ReadTypicalExamples(m_lessonDb, m_suffix, pattern.typical.id, pattern.examples,
                                               failedSql) &&
                   complete;
        out.patterns.push_back(std::move(pattern));
    }
    for (const lesson::NewWord& word : out.newWords)
        if (word.word.size() == 1 && HasStrokeData(word.word))
            out.writableCharacters.push_back(word);
    return complete || Fail(failedSql);
}

bool LessonContentService::ReadNewWords(int lesson, std::vector<lesson::NewWord>& out) {
    std::string failedSql;
    return lesson::ReadNewWords(m_lessonDb, m_wordDb, m_suffix, lesson, out, failedSql) || Fail(failedSql);
}

bool LessonContentService::SaveSentenceSound(const std::string& sentenceId, const std::string& path) {
    DeleteDirectoryTree(path);
    CADORecordset rs;
    return FirstRow(rs, m_lessonDb, SqlQuery::Format(sql::kSentenceById, {sentenceId})) &&
           rs.SaveFieldToFile("sound", path);
}

bool LessonContentService::SaveWordSound(const std::u16string& word, const std::u16string& pinyin,
                                         const std::string& path) {
    DeleteDirectoryTree(path);
    CADORecordset phrase;
    if (FirstRow(phrase, m_wordDb, SqlQuery::Format(sql::kPhraseByTextAndPinyin, {word, pinyin})) &&
        phrase.SaveFieldToFile("sound", path))
        return true;
    CADORecordset reading;
    return FirstRow(reading, m_wordDb, SqlQuery::Format(sql::kPhraseByPinyin, {pinyin})) &&
           reading.SaveFieldToFile("sound", path);
}

bool LessonContentService::SaveSyllableSound(const std::u16string& syllable, const std::string& path) {
    DeleteDirectoryTree(path);
    CADORecordset rs;
    return FirstRow(rs, m_wordDb, SqlQuery::Format(sql::kPinyinRule, {syllable})) &&
           rs.SaveFieldToFile("sound", path);
}

bool LessonContentService::HasStrokeData(const std::u16string& character) {
    CADORecordset hz;
    if (!FirstRow(hz, m_wordDb, SqlQuery::Format(sql::kCharacterByHz, {character})))
        return false;
    std::string id;
    hz.GetFieldValue("id", id);
    CADORecordset strokes;
    return FirstRow(strokes, m_wordDb, SqlQuery::Format(sql::kStrokePositions, {id})) &&
           strokes.GetFieldActualSize("posdata") > 0;
}
