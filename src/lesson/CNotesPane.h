#pragma once

#include "ui/ScrollPanel.h"

#include <string>
#include <vector>

class CPictureStrip;
class CShockwaveFlash;
class LessonContentService;

// All notes of a lesson as pictures one under another, scrolling; the no-content movie when the
// lesson has no notes. The pictures are written to the scratch folder and deleted with the pane.
class CNotesPane : public ScrollPanel {
public:
    CNotesPane(LessonContentService& content, QWidget* parent);
    ~CNotesPane() override;

    void LoadNotes(int lessonNumber);

    int NoteCount() const { return static_cast<int>(m_notes.size()); }
    const std::string& NoteId(int n) const { return m_notes[static_cast<size_t>(n)].id; }
    CPictureStrip* NotePicture(int n) const { return m_notes[static_cast<size_t>(n)].strip; }
    int NoteBottom(int n) const { return m_notes[static_cast<size_t>(n)].bottom; }
    int ContentHeight() const { return m_scroll.m_contentHeight; }
    CShockwaveFlash* NoContentMovie() const { return m_movie; }
    static std::string NoteFile(int n);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Note {
        std::string id;
        int bottom = 0;
        CPictureStrip* strip = nullptr;
    };
    void Clear();

    LessonContentService& m_content;
    int m_lessonNumber = 0;
    std::vector<Note> m_notes;
    CShockwaveFlash* m_movie = nullptr;
};
