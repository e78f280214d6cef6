#pragma once

#include <QAbstractButton>
#include <QImage>

// One answer of an exercise question, or one word tile of a word-order question: a rounded card
// with its number key in the corner and either Chinese (a picture drawn from the glyphs) or a text.
// After the answer it shows whether it was the right one.
class CChoiceButton : public QAbstractButton {
public:
    enum class Mark { None, Right, Wrong };

    // The card's ground, on which its Chinese pictures are drawn.
    static const QColor kGround;

    explicit CChoiceButton(QWidget* parent);

    // The number key shown in the corner (0: none).
    void SetKey(int key);
    void SetPicture(const QImage& picture);
    // A text on the card; `pixelSize` 0 keeps the card's font size.
    void SetCaption(const QString& caption, int pixelSize = 0);
    void SetMark(Mark mark);
    Mark GetMark() const { return m_mark; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_key = 0;
    QImage m_picture;
    Mark m_mark = Mark::None;
    bool m_hover = false;
};
