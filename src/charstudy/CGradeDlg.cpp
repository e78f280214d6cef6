#include "charstudy/CGradeDlg.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "render/BmpReader.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/ProgramLook.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr char kPictureFile[] = "image\\grade.bmp";
// The box's size in pixels (151 x 38 dialog units).
constexpr QSize kBoxSize(228, 62);
constexpr QSize kCloseSize(28, 24);
constexpr int kCloseHover = 266;
constexpr int kCloseNormal = 265;
// The colour of button faces that lets the ground show through.
constexpr QRgb kFaceTransparent = qRgb(255, 0, 0);
// The ink of the program's texts.
const QColor kInk(46, 58, 75);
} // namespace

CGradeDlg::CGradeDlg(const QString& message, QWidget* parent)
    : QDialog(parent), m_text(new QLabel(message, this)), m_close(new BitmapButton(this)) {
    setObjectName("330");
    setModal(true);
    // Its picture is its frame, as with the program's other small boxes.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedSize(kBoxSize);
    setFont(programlook::Font(13, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, g_clrListBk);
    palette.setColor(QPalette::WindowText, kInk);
    setPalette(palette);
    setAutoFillBackground(true);
    m_picture = LoadPictureFile(ResolveContentPath(GetProgramFolder() + kPictureFile));

    m_text->setObjectName(QString::number(kTextId));
    m_text->setGeometry(8, 30, kBoxSize.width() - 16, 20);
    // The face is made smaller until the whole message fits its line.
    QFont textFace = font();
    while (textFace.pixelSize() > 8 && QFontMetrics(textFace).horizontalAdvance(message) > m_text->width())
        textFace.setPixelSize(textFace.pixelSize() - 1);
    m_text->setFont(textFace);
    m_close->setObjectName(QString::number(kCloseId));
    m_close->setGeometry(kBoxSize.width() - kCloseSize.width(), 0, kCloseSize.width(), kCloseSize.height());
    m_close->SetBitmaps(kCloseHover, kFaceTransparent, kCloseNormal, kFaceTransparent);
    m_close->SetTooltipText("exit");
    m_close->DrawTransparent();
    m_close->SetBorder(false);
    m_close->SetCursorResource(artwork::kHandCursor);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

QString CGradeDlg::Message() const {
    return m_text->text();
}

void CGradeDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!m_picture.isNull()) {
        QPainter dc(this);
        dc.drawImage(QPoint(0, 0), m_picture);
    }
}
