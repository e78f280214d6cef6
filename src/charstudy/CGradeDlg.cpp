#include "charstudy/CGradeDlg.h"

#include "app/ContentPath.h"
#include "app/Globals.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr char kPictureFile[] = "image\\grade.bmp";
// 151 x 38 dialog units of the box's Times New Roman face.
constexpr QSize kBoxSize(227, 62);
} // namespace

CGradeDlg::CGradeDlg(const QString& message, QWidget* parent)
    : QDialog(parent), m_text(new QLabel(message, this)), m_close(new QToolButton(this)) {
    setObjectName("330");
    setModal(true);
    setFixedSize(kBoxSize);
    setFont(QFont("Times New Roman", 10));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, g_clrListBk);
    setPalette(palette);
    setAutoFillBackground(true);
    m_picture.load(QString::fromStdString(ResolveContentPath(GetProgramFolder() + kPictureFile)));

    m_text->setObjectName(QString::number(kTextId));
    m_text->setGeometry(12, 30, 205, 18);
    m_close->setObjectName(QString::number(kCloseId));
    m_close->setGeometry(kBoxSize.width() - 16, 0, 16, 16);
    m_close->setText(QStringLiteral("×"));
    m_close->setAutoRaise(true);
    m_close->setToolTip("exit");
    m_close->setCursor(Qt::PointingHandCursor);
    connect(m_close, &QToolButton::clicked, this, &QDialog::accept);
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
