#pragma once

#include "ui/ScrollPanel.h"

#include <string>

class CPictureStrip;
class CShockwaveFlash;
class LessonContentService;

// One picture page: the lesson's language points, or a single note opened from the text; the
// no-content movie when there is no picture.
class CNotePage : public ScrollPanel {
public:
    CNotePage(LessonContentService& content, QWidget* parent);

    void SetLessonNumber(int lessonNumber) { m_lessonNumber = lessonNumber; }
    // With `languagePoints` the lesson's language points, otherwise the note with this id.
    void ShowPage(bool languagePoints, const std::string& noteId);

    CPictureStrip* Picture() const { return m_strip; }
    CShockwaveFlash* NoContentMovie() const { return m_movie; }
    bool ShowsPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Writes the page's picture into `file`; false when the query failed.
    void WriteLanguagePoints(const std::string& file);
    void WriteNote(const std::string& noteId, const std::string& file);

    LessonContentService& m_content;
    int m_lessonNumber = 0;
    CPictureStrip* m_strip = nullptr;
    CShockwaveFlash* m_movie = nullptr;
};
