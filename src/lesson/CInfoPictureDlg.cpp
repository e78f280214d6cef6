#include "lesson/CInfoPictureDlg.h"

#include "lesson/DialogControls.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/ResourceImages.h"

#include <QPainter>

namespace {

int PictureOf(int templateId) {
    switch (templateId) {
    case 293:
        return artwork::kInfoPicture293;
    case 339:
        return artwork::kInfoPicture339;
    case 340:
        return artwork::kInfoPicture340;
    default:
        return artwork::kInfoPicture341;
    }
}

} // namespace

CInfoPictureDlg::CInfoPictureDlg(int templateId, QWidget* parent)
    : QDialog(parent), m_picture(LoadBitmapResource(PictureOf(templateId))) {
    setObjectName(QString::number(templateId));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    resize(m_picture.isNull() ? QSize(375, 317) : m_picture.size());
    const QString tooltip = templateId == 293 || templateId == 339 ? QStringLiteral("exit") : QString();
    auto* close = dialogs::AddButton(this, 2, QRect(width() - 36, 8, 28, 24), 266, 265, tooltip);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CInfoPictureDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}
