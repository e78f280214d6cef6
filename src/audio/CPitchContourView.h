#pragma once

#include "audio/PitchTracker.h"
#include "audio/ToneScoring.h"

#include <QWidget>

#include <string>
#include <vector>

// The pitch of the model and of the learner's recording on the model's time axis, the learner's
// syllables moved onto the model's as the tone scoring lined them up; each syllable is labelled
// with its pinyin and, once rated, its tone score.
class CPitchContourView : public QWidget {
    Q_OBJECT
public:
    explicit CPitchContourView(QWidget* parent = nullptr);

    void SetContours(const PitchContour& model, const PitchContour& learner, const tones::ToneScore& score,
                     const std::vector<std::string>& syllables);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF Point(double frame, float semitones) const;
    void DrawModel(QPainter& painter) const;
    void DrawLearner(QPainter& painter) const;
    void DrawSyllables(QPainter& painter) const;

    PitchContour m_model;
    PitchContour m_learner;
    tones::ToneScore m_score;
    std::vector<std::string> m_syllables;
    std::size_t m_firstFrame = 0;
    std::size_t m_frameCount = 0;
};
