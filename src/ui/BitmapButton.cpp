#include "ui/BitmapButton.h"

#include "ui/ArtworkIds.h"
#include "ui/ResourceImages.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

BitmapButton::BitmapButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setMouseTracking(true);
    const QPalette& colours = palette();
    m_background = {colours.color(QPalette::Button), colours.color(QPalette::Button),
                    colours.color(QPalette::Button)};
    m_text = {colours.color(QPalette::ButtonText), colours.color(QPalette::ButtonText),
              colours.color(QPalette::ButtonText)};
}

int BitmapButton::SetBitmaps(int hoverId, QRgb hoverTransparent, int normalId, QRgb normalTransparent) {
    m_nHoverId = hoverId;
    m_crHoverTrans = hoverTransparent;
    m_nNormalId = normalId;
    m_crNormalTrans = normalTransparent;
    // Only the sizes are checked here; the faces are decoded when they are first drawn (a window
    // with many buttons opens faster).
    const QSize hover = BitmapResourceSize(hoverId);
    const QSize normal = normalId != 0 ? BitmapResourceSize(normalId) : QSize();
    int result = 0;
    if (!hover.isValid() || (normalId != 0 && !normal.isValid()))
        result = 1;
    else if (hover.isEmpty())
        result = 2; // no face could be masked to an empty size
    update();
    return result;
}

void BitmapButton::SetTooltipText(const QString& text, bool activate) {
    if (text.isNull())
        return;
    m_strTooltip = text;
    m_bTooltipActive = activate;
}

void BitmapButton::DrawTransparent(bool repaint) {
    m_bTransparent = true;
    if (repaint)
        update();
}

void BitmapButton::SetBorder(bool border, bool repaint) {
    m_bBorder = border;
    if (repaint)
        update();
}

int BitmapButton::SetCursorResource(int id, bool repaint) {
    int result = 0;
    if (id == 0) {
        unsetCursor();
    } else if (std::optional<QCursor> cursor = LoadCursorResource(id)) {
        setCursor(*cursor);
    } else {
        unsetCursor();
        result = 1;
    }
    if (repaint)
        update();
    return result;
}

int BitmapButton::SetAlign(int align, bool repaint) {
    if (align < 0 || align > 2)
        return 4;
    m_nAlign = align;
    if (repaint)
        update();
    return 0;
}

ButtonFace::Image BitmapButton::CurrentImage() const {
    return ButtonFace::Choose(isDown(), m_bHover, m_nNormalId != 0);
}

QRect BitmapButton::ImageRect(QSize imageSize) const {
    const QRect area = rect();
    QRect placed(QPoint(0, 0), imageSize);
    placed.moveCenter(area.center());
    if (text().isEmpty())
        return placed;
    // With a caption: 0 image left, 1 image on top, 2 image right.
    if (m_nAlign == 0)
        placed.moveLeft(area.left());
    else if (m_nAlign == 1)
        placed.moveTop(area.top());
    else
        placed.moveRight(area.right());
    return placed;
}

void BitmapButton::paintEvent(QPaintEvent*) {
    const QSize size = BitmapResourceSize(m_nHoverId);
    const bool hasNormal = m_nNormalId != 0 && BitmapResourceSize(m_nNormalId).isValid();
    const bool pressed = isDown();
    const bool focus = hasFocus();

    QPainter painter(this);
    if (!m_bTransparent)
        painter.fillRect(rect(), ButtonFace::Background(m_background, m_bHover || pressed, focus));
    if (m_bBorder && !m_bTransparent) {
        painter.setPen(m_text.normal);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    const bool useHover = ButtonFace::Choose(pressed, m_bHover, hasNormal) == ButtonFace::Image::Hover;
    const QImage face = useHover ? ButtonFace::Masked(LoadBitmapResource(m_nHoverId), m_crHoverTrans, size)
                                 : ButtonFace::Masked(LoadBitmapResource(m_nNormalId), m_crNormalTrans, size);
    QRect imageRect;
    if (!face.isNull()) {
        imageRect = ImageRect(face.size());
        painter.drawImage(imageRect.topLeft(), face);
    }
    if (!text().isEmpty()) {
        QRect textRect = rect();
        if (!imageRect.isNull() && m_nAlign == 0)
            textRect.setLeft(imageRect.right() + 4);
        else if (!imageRect.isNull() && m_nAlign == 1)
            textRect.setTop(imageRect.bottom() + 2);
        else if (!imageRect.isNull())
            textRect.setRight(imageRect.left() - 4);
        painter.setPen(isEnabled() ? ButtonFace::Background(m_text, m_bHover || pressed, focus)
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter, text());
    }
    // A widget cannot draw outside itself, so the focus frame of a bordered button sits inside.
    if (focus && !isFlat()) {
        painter.setPen(QPen(m_text.focus, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void BitmapButton::mouseMoveEvent(QMouseEvent* event) {
    if (isFlat() && !m_bHover && rect().contains(event->position().toPoint())) {
        m_bHover = true;
        update();
    }
    QPushButton::mouseMoveEvent(event);
}

void BitmapButton::leaveEvent(QEvent* event) {
    ClearHover();
    QPushButton::leaveEvent(event);
}

void BitmapButton::focusOutEvent(QFocusEvent* event) {
    ClearHover();
    QPushButton::focusOutEvent(event);
}

void BitmapButton::changeEvent(QEvent* event) {
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        ClearHover();
    QPushButton::changeEvent(event);
}

bool BitmapButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (m_bTooltipActive && !m_strTooltip.isEmpty())
            QToolTip::showText(help->globalPos(), TooltipHtml(), this, rect());
        else
            QToolTip::hideText();
        return true;
    }
    return QPushButton::event(event);
}

QString BitmapButton::TooltipHtml() const {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kTooltipFontHeight);
    QString text = QStringLiteral("<span style=\"font-family:Arial; font-size:%1px; font-weight:normal; "
                                  "color:#%2;\">%3</span>")
                       .arg(kTooltipFontHeight)
                       .arg(kTooltipColour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                       .arg(m_strTooltip.toHtmlEscaped());
    // Longer texts wrap at the maximum tip width.
    if (QFontMetrics(font).horizontalAdvance(m_strTooltip) <= kTooltipMaxWidth)
        return text;
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>").arg(kTooltipMaxWidth).arg(text);
}

void BitmapButton::ClearHover() {
    if (!m_bHover)
        return;
    m_bHover = false;
    update();
}

void SetUpBitmapButton(BitmapButton* button, int hoverId, int normalId, const QString& tooltip) {
    constexpr QRgb kRed = 0xFFFF0000;
    button->SetBitmaps(hoverId, kRed, normalId, kRed);
    if (!tooltip.isEmpty())
        button->SetTooltipText(tooltip);
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
}
