#pragma once

#include "ui/ButtonFace.h"

#include <QPushButton>
#include <QString>

// A push button drawn from two bitmap resources (hover and normal) whose pixels of a transparent
// colour let the background show through, with its own tooltip look and cursor. Only the resource
// ids are kept; every paint loads the bitmaps again.
class BitmapButton : public QPushButton {
public:
    explicit BitmapButton(QWidget* parent);

    // Stores the ids and colours (normalId 0: no second image). 0 on success, 1 when a bitmap
    // cannot be read, 2 when its mask cannot be built.
    int SetBitmaps(int hoverId, QRgb hoverTransparent, int normalId, QRgb normalTransparent);
    // Sets the tooltip text and (de)activates it; a null text does nothing.
    void SetTooltipText(const QString& text, bool activate = true);
    // Lets the parent's pixels show around the image instead of a background colour.
    void DrawTransparent(bool repaint = true);
    void SetBorder(bool border, bool repaint = true);
    // Loads the cursor resource (0 removes the cursor); 1 when loading fails, else 0.
    int SetCursorResource(int id, bool repaint = true);
    // Image and text placement 0..2; 4 for other values.
    int SetAlign(int align, bool repaint = true);

    bool IsHover() const { return m_bHover; }
    QString TooltipText() const { return m_strTooltip; }
    // The tooltip as shown: its font, colour and maximum width applied.
    QString TooltipHtml() const;
    bool IsTooltipActive() const { return m_bTooltipActive; }
    // The face the next paint shows: the hover or the normal bitmap.
    ButtonFace::Image CurrentImage() const;
    // The resource id of that face.
    int FaceId() const { return CurrentImage() == ButtonFace::Image::Hover ? m_nHoverId : m_nNormalId; }

    // Look of the tooltip: "Arial" 24 pixels high, normal weight, this colour, at most 400 wide.
    static constexpr QRgb kTooltipColour = 0xFF1902FE;
    static constexpr int kTooltipFontHeight = 24;
    static constexpr int kTooltipMaxWidth = 400;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ClearHover();
    QRect ImageRect(QSize imageSize) const;

    int m_nHoverId = 0;
    QRgb m_crHoverTrans = 0;
    int m_nNormalId = 0;
    QRgb m_crNormalTrans = 0;
    bool m_bHover = false;
    bool m_bTransparent = false;
    bool m_bBorder = true;
    int m_nAlign = 0;
    QString m_strTooltip;
    bool m_bTooltipActive = false;
    ButtonFace::Colours m_background;
    ButtonFace::Colours m_text;
};

// Sets a button up the way every window does: faces (pure red transparent), the tooltip when one is
// given, transparent drawing, no border and the hand cursor.
void SetUpBitmapButton(BitmapButton* button, int hoverId, int normalId, const QString& tooltip = {});
