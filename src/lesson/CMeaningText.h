#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <string>

// A translation text box: one text word-wrapped in the settings font and the meaning colour on a
// background the owner chooses; it takes the height its text needs.
class CMeaningText : public QWidget {
public:
    explicit CMeaningText(QWidget* parent);

    // Moves the box to the rectangle's left and top with its width and the height the wrapped text
    // needs (an empty text counts as one blank); returns that height.
    int SetText(const QRect& rect, const std::string& text);
    void SetBackground(const QColor& colour) { m_background = colour; }

    const std::string& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string m_text;
    QColor m_background;
};
