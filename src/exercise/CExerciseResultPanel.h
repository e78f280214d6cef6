#pragma once

#include "exercise/ExerciseQuestion.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

// The end of an exercise run: the score, whether it was kept, and the items worth another look,
// each with its Chinese drawn from the glyphs and its meaning.
class CExerciseResultPanel : public QWidget {
public:
    using WordDrawer = std::function<QImage(const std::u16string& word, const std::u16string& pinyin)>;

    CExerciseResultPanel(WordDrawer drawWord, QWidget* parent);

    // Where the score and where the review list go, in the panel's coordinates.
    void SetAreas(const QRect& scoreArea, const QRect& reviewArea);

    void ShowResult(const QString& scoreTitle, int score, const QString& keptMessage, bool kept,
                    const QString& reviewTitle, const std::vector<exercise::ReviewItem>& review);

private:
    void ClearReview();

    WordDrawer m_drawWord;
    QLabel* m_scoreTitle = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_kept = nullptr;
    QLabel* m_reviewTitle = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_reviewList = nullptr;
    QVBoxLayout* m_reviewRows = nullptr;
};
