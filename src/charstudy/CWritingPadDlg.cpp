#include "charstudy/CWritingPadDlg.h"

#include "app/ContentPath.h"
#include "charstudy/CWritingPad.h"
#include "ui/BitmapButton.h"
#include "ui/DialogKeys.h"
#include "ui/ProgramLook.h"
#include "ui/SkinLayout.h"

#include <QKeyEvent>
#include <QLabel>

using namespace skinlayout::writingpad;

namespace {

const QColor kTitleInk(255, 253, 247);

BitmapButton* MakeButton(QWidget* parent, int id, int hover, int normal, const std::string& tooltip,
                         const QRect& place, std::function<void()> command) {
    auto* button = new BitmapButton(parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(place);
    SetUpBitmapButton(button, hover, normal, QString::fromStdString(tooltip));
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, parent, std::move(command));
    return button;
}

} // namespace

CWritingPadDlg::CWritingPadDlg(QWidget* parent, int percent, Commands commands, const Tooltips& tooltips)
    : SkinDialog(Size(percent), parent), m_percent(percent), m_title(new QLabel(this)) {
    setObjectName("WritingPad");
    setModal(true);
    InitSkin(GetProgramFolder() + "image\\writingpad" + std::to_string(percent) + ".bmp");
    m_title->setObjectName("title");
    m_title->setGeometry(Title(percent));
    m_title->setFont(programlook::Font(22, true));
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, kTitleInk);
    m_title->setPalette(palette);
    // The same bitmaps and ids as the page's buttons: the learner knows them from there.
    MakeButton(this, 1009, 299, 300, tooltips.animate, Command(percent, 0), std::move(commands.animate));
    MakeButton(this, 1010, 302, 301, tooltips.practise, Command(percent, 1), std::move(commands.practise));
    MakeButton(this, 1011, 305, 298, tooltips.grade, Command(percent, 2), std::move(commands.grade));
    MakeButton(this, kCloseId, 329, 328, "exit", Close(percent), [this] { reject(); });
}

void CWritingPadDlg::HoldPad(CWritingPad* pad) {
    m_pad = pad;
    pad->Create(this, kPadOrigin.x(), kPadOrigin.y());
}

void CWritingPadDlg::SetTitle(const QString& title) {
    m_title->setText(title);
}

void CWritingPadDlg::done(int result) {
    if (m_pad && m_pad->Mode() == CWritingPad::modeAnimation) {
        m_pad->StopAnimation();
        m_pad->ShowWhole();
    }
    SkinDialog::done(result);
}

void CWritingPadDlg::keyPressEvent(QKeyEvent* event) {
    // Enter must not close the window; Escape does, like the close button.
    if (event->key() == Qt::Key_Escape || !SwallowDialogKeys(event))
        SkinDialog::keyPressEvent(event);
}
