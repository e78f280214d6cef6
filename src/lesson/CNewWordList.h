#pragma once

#include "ui/ScrollPanel.h"

#include <vector>

class CMeaningText;
class CMutiWord;
class LessonContentService;

// The lesson's new words, one row each: the word (clickable, opening its new-word study) and its
// translation beside it, scrolling.
class CNewWordList : public ScrollPanel {
public:
    static constexpr int kRowGap = 7;
    static constexpr int kWordHeight = 18;

    CNewWordList(LessonContentService& content, QWidget* parent);

    // The rectangle the list returns to after sizing.
    void SetFrame(const QRect& frame);
    void Load(int lessonNumber);

    int WordCount() const { return static_cast<int>(m_rows.size()); }
    CMutiWord* Word(int n) const { return m_rows[static_cast<size_t>(n)].word; }
    CMeaningText* Translation(int n) const { return m_rows[static_cast<size_t>(n)].translation; }
    int ContentHeight() const { return m_scroll.m_contentHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        CMutiWord* word = nullptr;
        CMeaningText* translation = nullptr;
    };
    void Clear();

    LessonContentService& m_content;
    int m_lessonNumber = 0;
    std::vector<Row> m_rows;
    QRect m_frame;
};
