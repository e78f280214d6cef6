#pragma once

#include "ui/ScrollPanel.h"

#include <vector>

class CMeaningDia;
class CMeaningText;
class LessonContentService;

// The lesson's typical sentences, each a line of words with pinyin and its translation under it;
// a click on a line opens the detail dialog for that sentence through the lesson window.
class CTypicalPanel : public ScrollPanel {
public:
    CTypicalPanel(LessonContentService& content, QWidget* parent);

    // The rectangle the panel returns to after sizing.
    void SetFrame(const QRect& frame);
    void Fill(int lessonNumber);

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    CMeaningDia* Line(int n) const { return m_lines[static_cast<size_t>(n)].words; }
    CMeaningText* LineTranslation(int n) const { return m_lines[static_cast<size_t>(n)].translation; }
    int ContentHeight() const { return m_scroll.m_contentHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Entry {
        CMeaningDia* words = nullptr;
        CMeaningText* translation = nullptr;
    };
    void Clear();

    LessonContentService& m_content;
    std::vector<Entry> m_lines;
    QRect m_frame;
};
