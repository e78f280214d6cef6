#pragma once

#include <QImage>
#include <QWidget>

#include <string>

// A child window that draws a bitmap file at its own size, or white when it has no picture.
class CPictureStrip : public QWidget {
public:
    explicit CPictureStrip(QWidget* parent);
    // Loads the file; false (and a white strip) when it is no picture.
    bool Load(const std::string& path);
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
