#pragma once

#include "ui/OlePicture.h"

#include <QWidget>

class CNewWordList;
class LessonContentService;

// The new-word pane: a title picture above the scrolling list of the lesson's new words.
class CNewWordPane : public QWidget {
public:
    // Where the list goes (the pane's frame control 1012).
    static constexpr QRect kListFrame{10, 60, 400, 430};

    CNewWordPane(LessonContentService& content, QWidget* parent);

    // Creates the list on first use and fills it with the lesson's new words.
    void LoadWords(int lessonNumber);
    CNewWordList* List() const { return m_list; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    LessonContentService& m_content;
    OlePicture m_title;
    CNewWordList* m_list = nullptr;
};
