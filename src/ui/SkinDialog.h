#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <string>

// Base of the skinned top-level dialogs. The skin bitmap gives the window its size, its shape
// (everything but pure green) and its look; the window is dragged by any free spot of its surface.
// Without a skin file the dialog stays a plain rectangle of its template size, still draggable.
class SkinDialog : public QDialog {
public:
    SkinDialog(QSize templateSize, QWidget* parent);

    // Called by every derived dialog from its initialisation; decides once whether the dialog is
    // skinned. Returns true in every case.
    bool InitSkin(const std::string& path);

    // Starts reading the skin that InitSkin(path) will ask for, while the program still opens its
    // content, so that building the window does not wait for the file.
    static void PrefetchSkin(const std::string& path);

    bool IsSkinned() const { return m_bSkin != 0; }
    const std::string& SkinPath() const { return m_strSkinPath; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Colour depth of the display (planes × bits per pixel).
    virtual int DisplayColourDepth() const;

    // Makes the dialog `extra` pixels taller by repeating the skin's row `atRow` (a row of plain
    // ground, so the picture above and below it stays as drawn); the shape follows.
    void StretchSkin(int atRow, int extra);

    std::string m_strSkinPath;
    int m_bSkin = 0;
    QImage m_skin;
    QRegion m_region;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bDragging = false;
    QPoint m_dragAnchor;
};
