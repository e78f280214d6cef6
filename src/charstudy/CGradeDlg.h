#pragma once

#include <QDialog>
#include <QImage>

class BitmapButton;
class QLabel;

// The grade box: a small modal dialog with the grade text (static 1106), a close button (1107)
// that ends it like OK, and the picture "image\grade.bmp" as its ground.
class CGradeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextId = 1106;
    static constexpr int kCloseId = 1107;

    explicit CGradeDlg(const QString& message, QWidget* parent = nullptr);
    QString Message() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QLabel* m_text;
    BitmapButton* m_close;
};
