#include "SceneStep.h"

#include "GifWriter.h"
#include "LessonDatabaseWriter.h"
#include "LessonIds.h"
#include "SceneMovie.h"

namespace lessons {

bool MakeScene(const LessonSource& lesson, const ChildLesson& child, std::vector<unsigned char>& gif,
               std::string& error) {
    GifWriter movie(kSceneSize);
    return SceneMovie(lesson, child).Draw(movie, error) && movie.Write(gif, error);
}

bool FillScenes(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error) {
    const std::vector<std::string> missing = SceneMovie::MissingFonts();
    if (!missing.empty()) {
        error = "the scenes need the font " + missing.front() + " (see scripts/install-deps.sh)";
        return false;
    }
    for (const LessonSource& lesson : lessons)
        for (std::size_t c = 0; c < lesson.childLessons.size(); ++c) {
            const std::string id = ids::ChildLesson(lesson.number, static_cast<int>(c) + 1);
            std::vector<unsigned char> gif;
            if (!MakeScene(lesson, lesson.childLessons[c], gif, error)) {
                error = "scene of " + id + ": " + error;
                return false;
            }
            if (!StoreBlob(db, "tbl_lesson_childlesson", "scene", "id", id, gif, error))
                return false;
        }
    return true;
}

} // namespace lessons
