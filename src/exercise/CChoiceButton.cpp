#include "exercise/CChoiceButton.h"

#include "exercise/PracticeColours.h"

#include "ui/ArtworkIds.h"
#include "ui/ResourceImages.h"

#include <QPainter>
#include <QPainterPath>

using namespace practicecolours;

namespace {

constexpr int kPadding = 12;

} // namespace

const QColor CChoiceButton::kGround = practicecolours::kGround;

CChoiceButton::CChoiceButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(LoadCursorResource(artwork::kHandCursor).value_or(QCursor(Qt::PointingHandCursor)));
    setFocusPolicy(Qt::NoFocus);
    QFont captionFont = font();
    captionFont.setPixelSize(17);
    setFont(captionFont);
}

void CChoiceButton::SetKey(int key) {
    m_key = key;
    update();
}

void CChoiceButton::SetPicture(const QImage& picture) {
    m_picture = picture;
    setText({});
    update();
}

void CChoiceButton::SetCaption(const QString& caption, int pixelSize) {
    m_picture = QImage();
    if (pixelSize > 0) {
        QFont captionFont = font();
        captionFont.setPixelSize(pixelSize);
        setFont(captionFont);
    }
    setText(caption);
    update();
}

void CChoiceButton::SetMark(Mark mark) {
    m_mark = mark;
    update();
}

QSize CChoiceButton::sizeHint() const {
    if (!m_picture.isNull())
        return m_picture.size() + QSize(2 * kPadding + (m_key ? 20 : 0), 2 * kPadding);
    return QSize(200, 56);
}

void CChoiceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor fill = kGround, border = m_hover && isEnabled() ? kTeal : kTealLight.darker(115);
    if (m_mark == Mark::Right) {
        fill = kRightLight;
        border = kRight;
    } else if (m_mark == Mark::Wrong) {
        fill = kWrongLight;
        border = kWrong;
    }
    painter.setPen(QPen(border, m_hover || m_mark != Mark::None ? 2.5 : 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(card, 12, 12);

    QRect content = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    if (m_key) {
        const QRectF badge(6, 6, 22, 22);
        painter.setPen(Qt::NoPen);
        painter.setBrush(border);
        painter.drawEllipse(badge);
        painter.setPen(Qt::white);
        QFont keyFont = font();
        keyFont.setPixelSize(13);
        keyFont.setBold(true);
        painter.setFont(keyFont);
        painter.drawText(badge, Qt::AlignCenter, QString::number(m_key));
        content.setLeft(content.left() + 20);
    }
    if (!m_picture.isNull()) {
        // The glyphs were drawn over the card's own ground; a marked card gets a frame of it.
        QRect placed(QPoint(0, 0), m_picture.size());
        placed.moveCenter(content.center());
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGround);
        painter.drawRoundedRect(QRectF(placed).adjusted(-4, -3, 4, 3), 6, 6);
        painter.drawImage(placed.topLeft(), m_picture);
    } else {
        painter.setPen(isEnabled() || m_mark != Mark::None ? kInk : kInk.lighter(170));
        painter.setFont(font());
        painter.drawText(content, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}

void CChoiceButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CChoiceButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
