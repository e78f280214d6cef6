#include "LessonPictureStep.h"

#include "LessonDatabaseWriter.h"
#include "LessonIds.h"
#include "LessonPictures.h"
#include "LetterPictures.h"
#include "PicturePage.h"

namespace lessons {

bool LessonPictureStep::operator()(sqlite3* db, const std::vector<LessonSource>& lessons,
                                   std::string& error) const {
    *m_stored = 0;
    error = letters::MissingFontError();
    if (!error.empty())
        return false;
    for (const PictureTexts& texts : m_texts)
        for (const LessonSource& lesson : lessons)
            if (!FillLesson(db, lesson, texts, error))
                return false;
    return true;
}

bool LessonPictureStep::FillLesson(sqlite3* db, const LessonSource& lesson, const PictureTexts& texts,
                                   std::string& error) const {
    const std::string& language = texts.Language();
    const std::string number = std::to_string(lesson.number);
    if (!Store(db, "tbl_lesson_main_" + language, "lessonhead", "id", number,
               LessonHeadPicture(lesson, texts), error))
        return false;
    for (size_t c = 0; c < lesson.childLessons.size(); ++c) {
        const int index = static_cast<int>(c);
        if (!Store(db, "tbl_lesson_childlesson_" + language, "scenedescimg", "id",
                   ids::ChildLesson(lesson.number, index + 1),
                   ChildTitlePicture(lesson.childLessons[c], index, language), error))
            return false;
    }
    for (size_t k = 0; k < lesson.notes.size(); ++k)
        if (!Store(db, "tbl_sentence_notes_" + language, "notesimg", "id",
                   ids::Note(lesson.number, static_cast<int>(k) + 1), NotePicture(lesson.notes[k], language),
                   error))
            return false;
    return lesson.languagePoints.empty() ||
           Store(db, "tbl_lesson_langpoint_" + language, "langpointimg", "lesssonid", number,
                 LanguagePointsPicture(lesson.languagePoints, language), error);
}

bool LessonPictureStep::Store(sqlite3* db, const std::string& table, const std::string& column,
                              const std::string& keyColumn, const std::string& key, const QImage& picture,
                              std::string& error) const {
    if (!StoreBlob(db, table, column, keyColumn, key, pictures::PictureBytes(picture), error))
        return false;
    ++*m_stored;
    return true;
}

bool LoadPictureTexts(const std::string& folder, const std::vector<std::string>& languages,
                      std::vector<PictureTexts>& texts, std::string& error) {
    texts.clear();
    for (const std::string& language : languages) {
        PictureTexts languageTexts;
        if (!languageTexts.Load(folder, language, error))
            return false;
        texts.push_back(std::move(languageTexts));
    }
    return true;
}

} // namespace lessons
