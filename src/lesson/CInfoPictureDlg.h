#pragma once

#include <QDialog>

// An information page of the catalogue: one full-size picture from the resources and a close
// button (id 2). The template ids 293/339 (about) and 340/341 (help) choose the picture.
class CInfoPictureDlg : public QDialog {
public:
    CInfoPictureDlg(int templateId, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
