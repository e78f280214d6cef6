#include "lesson/LessonContentService.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "data/ReadTransaction.h"

#include <cstdio>

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
    const ReadTransaction lessonReads(m_lessonDb), wordReads(m_wordDb);
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
    std::map<int, std::vector<lesson::NewWord>> newWords;
    complete = lesson::ReadNewWordsOfLessons(m_lessonDb, m_wordDb, m_suffix, {lesson}, newWords, failedSql) &&
               complete;
    if (const auto found = newWords.find(lesson); found != newWords.end())
        out.newWords = std::move(found->second);
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

bool LessonContentService::ReadNewWordsOfLessons(const std::set<int>& lessons,
                                                 std::map<int, std::vector<lesson::NewWord>>& out) {
    std::string failedSql;
    return lesson::ReadNewWordsOfLessons(m_lessonDb, m_wordDb, m_suffix, lessons, out, failedSql) ||
           Fail(failedSql);
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

bool LessonContentService::ReadLessonList(catalog::LessonList& out) {
    return catalog::LoadLessonList(m_lessonDb, m_suffix, out);
}

LessonContentService::Stored LessonContentService::SaveField(CADODatabase* db, const SqlQuery& query,
                                                             const char* field, const std::string& path,
                                                             bool replaceEarlier) {
    CADORecordset rs;
    if (!OpenContentQuery(rs, db, query)) {
        Fail(query.Text());
        return Stored::kQueryFailed;
    }
    // An earlier sound must never be played in place of this one's.
    if (replaceEarlier)
        std::remove(ResolveContentPath(path).c_str());
    if (rs.IsEOF())
        return Stored::kNoRow;
    return rs.SaveFieldToFile(field, path) ? Stored::kWritten : Stored::kEmpty;
}

LessonContentService::Stored LessonContentService::SaveLessonSound(int lesson, const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kLessonMainById, {lesson}), "sound", path);
}

LessonContentService::Stored LessonContentService::SaveLessonHead(int lesson, const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kLessonTitleById, {m_suffix, lesson}), "lessonhead",
                     path);
}

bool LessonContentService::ReadChildLessons(int lesson, std::vector<lesson::ChildLesson>& out) {
    std::string failedSql;
    return lesson::ReadChildLessons(m_lessonDb, m_suffix, lesson, out, failedSql) || Fail(failedSql);
}

bool LessonContentService::ReadSentences(const std::string& childLessonId,
                                         std::vector<lesson::Sentence>& out) {
    std::string failedSql;
    return lesson::ReadSentences(m_lessonDb, m_suffix, childLessonId, out, failedSql) || Fail(failedSql);
}

bool LessonContentService::ReadNotes(int lesson, std::vector<lesson::Note>& out) {
    std::string failedSql;
    return lesson::ReadNotes(m_lessonDb, m_suffix, lesson, out, failedSql) || Fail(failedSql);
}

bool LessonContentService::ReadTypicals(int lesson, std::vector<lesson::Typical>& out) {
    std::string failedSql;
    return lesson::ReadTypicals(m_lessonDb, m_suffix, lesson, out, failedSql) || Fail(failedSql);
}

bool LessonContentService::ReadTypicalExamples(const std::string& typicalId,
                                               std::vector<lesson::TypicalExample>& out) {
    std::string failedSql;
    return lesson::ReadTypicalExamples(m_lessonDb, m_suffix, typicalId, out, failedSql) || Fail(failedSql);
}

lesson::Typical LessonContentService::ReadTypical(const std::string& typicalId) {
    lesson::Typical typical;
    typical.id = typicalId;
    CADORecordset rs;
    if (FirstRow(rs, m_lessonDb, SqlQuery::Format(sql::kTypicalById, {typicalId}))) {
        rs.GetFieldValue("sentence", typical.sentence);
        rs.GetFieldValue("pinyin", typical.pinyin);
    }
    CADORecordset translated;
    if (FirstRow(translated, m_lessonDb, SqlQuery::Format(sql::kTypicalTranslation, {m_suffix, typicalId})))
        translated.GetFieldValue("translation", typical.translation);
    return typical;
}

LessonContentService::Stored LessonContentService::SaveChildLessonTitle(const std::string& childLessonId,
                                                                        const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kChildLessonText, {m_suffix, childLessonId}),
                     "scenedescimg", path);
}

LessonContentService::Stored LessonContentService::SaveScene(const std::string& childLessonId,
                                                             const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kChildLessonById, {childLessonId}), "scene", path);
}

LessonContentService::Stored LessonContentService::SaveLanguagePoints(int lesson, const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kLanguagePoint, {m_suffix, lesson}), "langpointimg",
                     path);
}

LessonContentService::Stored LessonContentService::SaveNote(const std::string& noteId,
                                                            const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kNoteById, {m_suffix, noteId}), "notesimg", path);
}

LessonContentService::Stored LessonContentService::CopySentenceSound(const std::string& sentenceId,
                                                                     const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kSentenceById, {sentenceId}), "sound", path);
}

LessonContentService::Stored LessonContentService::SaveTypicalSound(const std::string& typicalId,
                                                                    const std::string& path) {
    return SaveField(m_lessonDb, SqlQuery::Format(sql::kTypicalById, {typicalId}), "sound", path, true);
}

std::vector<bool>
LessonContentService::SaveTypicalExampleSounds(const std::string& typicalId,
                                               const std::function<std::string(int)>& pathOf) {
    std::vector<bool> written;
    CADORecordset rs;
    const SqlQuery query = SqlQuery::Format(sql::kTypicalDemos, {typicalId});
    if (!OpenContentQuery(rs, m_lessonDb, query)) {
        Fail(query.Text());
        return written;
    }
    for (int n = 0; !rs.IsEOF(); rs.MoveNext(), ++n) {
        const std::string path = pathOf(n);
        std::remove(ResolveContentPath(path).c_str());
        written.push_back(rs.SaveFieldToFile("sound", path));
    }
    return written;
}
