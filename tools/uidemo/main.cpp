// Shows the program's skinned windows with their buttons, a scrolling text panel and pictures, so
// the toolkit and the artwork can be looked at together.
//
//   uidemo [lesson|catalog|login|tip|usertip|settings|detail]
//
// The skins are read from the program folder beside the executable's build folder.

#include "app/Globals.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/OlePicture.h"
#include "ui/ScrollPanel.h"
#include "ui/SkinDialog.h"
#include "ui/SkinLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <functional>

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// A skinned dialog that paints something over its skin.
class DemoDialog : public SkinDialog {
public:
    DemoDialog(const QString& skin, std::function<void(QPainter&)> overlay = {})
        : SkinDialog(QSize(400, 300), nullptr), m_overlay(std::move(overlay)) {
        InitSkin((QApplication::applicationDirPath() + "/../program/" + skin).toStdString());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        SkinDialog::paintEvent(event);
        if (m_overlay) {
            QPainter painter(this);
            m_overlay(painter);
        }
    }

private:
    std::function<void(QPainter&)> m_overlay;
};

BitmapButton* AddButton(QWidget* parent, const QRect& place, int hoverId, int normalId,
                        const QString& tooltip = {}) {
    auto* button = new BitmapButton(parent);
    button->setGeometry(place);
    button->SetBitmaps(hoverId, kRed, normalId, kRed);
    if (!tooltip.isEmpty())
        button->SetTooltipText(tooltip);
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
    return button;
}

// The text panel of the lesson window with enough lines to scroll.
ScrollPanel* AddTextPanel(QWidget* parent, const QRect& frame) {
    auto* panel = new ScrollPanel(parent);
    panel->setGeometry(frame);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, g_clrListBk);
    panel->setPalette(colours);
    panel->InitPanel();
    const char* lines[] = {"Nǐ hǎo! Hello!",
                           "Nǐ jiào shénme míngzi? What is your name?",
                           "Wǒ jiào Lǐ Míng. My name is Li Ming.",
                           "Rènshi nǐ hěn gāoxìng. Nice to meet you.",
                           "Nǐ shì nǎ guó rén? Where are you from?",
                           "Wǒ shì Zhōngguó rén. I am Chinese."};
    int y = 10;
    for (int i = 0; i < 24; ++i) {
        auto* label =
            new QLabel(QStringLiteral("%1.  %2").arg(i + 1).arg(QString::fromUtf8(lines[i % 6])), panel);
        label->setGeometry(12, y, frame.width() - 24, 24);
        y += 34;
    }
    panel->SetContentSize(frame, y + 10);
    panel->setGeometry(frame);
    panel->SetScrollState(y + 10 >= frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits);
    return panel;
}

// Shows the up and down buttons as the lesson window does for a scroll state.
void ShowScrollButtons(int state, QWidget* up, QWidget* down) {
    up->setVisible(state == ScrollModel::kAtBottom || state == ScrollModel::kBetween);
    down->setVisible(state == ScrollModel::kAtTop || state == ScrollModel::kBetween);
}

QDialog* LessonWindow() {
    using namespace skinlayout::lesson;
    auto picture = std::make_shared<OlePicture>();
    picture->LoadFromResource(":/bitmaps/532.png");
    auto* dialog = new DemoDialog(QStringLiteral("skins/Lesson/lesson.bmp"), [picture](QPainter& painter) {
        picture->Draw(painter, kRightPane.left(), kRightPane.top(), kRightPane.width(), kRightPane.height());
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
        painter.drawText(kHead, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("  Lesson 1  Greetings"));
        painter.drawText(kTitle, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("  Scene"));
    });
    AddButton(dialog, kMinimise, 270, 269);
    AddButton(dialog, kClickSound, 268, 267);
    QObject::connect(AddButton(dialog, kClose, 266, 265), &QPushButton::clicked, dialog, &QDialog::accept);
    const int faces[][2] = {{234, 233}, {238, 237}, {240, 239}, {246, 245}, {244, 243},
                            {260, 259}, {242, 241}, {248, 247}, {292, 291}, {250, 249}};
    const char* tips[] = {"scene",    "new words",         "language points",
                          "notes",    "typical sentences", "read the text",
                          "exercise", "spelling",          "switch off translating the text",
                          "back"};
    for (int i = 0; i < kBottomButtonCount; ++i)
        AddButton(dialog, BottomButton(i), faces[i][0], faces[i][1], QString::fromLatin1(tips[i]));
    ScrollPanel* panel = AddTextPanel(dialog, kSentencePanel);
    BitmapButton* up = AddButton(dialog, kTextUp, 483, 482, QStringLiteral("up"));
    BitmapButton* down = AddButton(dialog, kTextDown, 485, 484, QStringLiteral("down"));
    AddButton(dialog, kPaneUp, 288, 287, QStringLiteral("up"))->hide();
    AddButton(dialog, kPaneDown, 290, 289, QStringLiteral("down"))->hide();
    auto refresh = [panel, up, down] {
        QMetaObject::invokeMethod(
            panel, [=] { ShowScrollButtons(panel->ScrollState(), up, down); }, Qt::QueuedConnection);
    };
    QObject::connect(down, &QPushButton::clicked, panel, [=] {
        for (int i = 0; i < 4; ++i)
            panel->LineDown();
        refresh();
    });
    QObject::connect(up, &QPushButton::clicked, panel, [=] {
        for (int i = 0; i < 4; ++i)
            panel->LineUp();
        refresh();
    });
    ShowScrollButtons(panel->ScrollState(), up, down);
    auto* strip = new QLabel(QStringLiteral("Dialogue 1: Meeting a new classmate"), dialog);
    strip->setGeometry(QRect(kChildTitle, QSize(407, 27)));
    auto* selector = new QLabel(QStringLiteral("  Dialogue 1"), dialog);
    selector->setGeometry(kSelector);
    AddButton(dialog, QRect(kSelector.right() - 32, kSelector.top() + 3, 28, 28), 295, 294);
    return dialog;
}

QDialog* CatalogWindow() {
    using namespace skinlayout::catalog;
    auto* dialog = new DemoDialog(QStringLiteral("skins/Lesson/Login.bmp"));
    for (int lesson = 1; lesson <= 35; ++lesson) {
        const int state = lesson <= 5 ? 1 : lesson <= 7 ? 2 : 0;
        AddButton(dialog, LessonButton(lesson), artwork::LessonFaceId(lesson, state, true),
                  artwork::LessonFaceId(lesson, state, false));
    }
    using namespace artwork;
    const int commands[][2] = {{kWordTrainerHover, kWordTrainerNormal},
                               {kSettingsHover, kSettingsNormal},
                               {kAboutHover, kAboutNormal},
                               {kWebsiteHover, kWebsiteNormal},
                               {kHelpHover, kHelpNormal},
                               {kExitHover, kExitNormal}};
    for (int i = 0; i < kCommandCount; ++i)
        AddButton(dialog, CommandButton(i), commands[i][0], commands[i][1]);
    return dialog;
}

QDialog* LoginWindow() {
    using namespace skinlayout::login;
    auto* dialog = new DemoDialog(QStringLiteral("image/userpass.bmp"));
    auto* user = new QComboBox(dialog);
    user->setEditable(true);
    user->setGeometry(kUser);
    user->setEditText(QStringLiteral("Tessaly"));
    auto* password = new QLineEdit(dialog);
    password->setEchoMode(QLineEdit::Password);
    password->setGeometry(kPassword);
    AddButton(dialog, kOk, artwork::kLoginHover, artwork::kLoginNormal);
    AddButton(dialog, kCancel, artwork::kCancelHover, artwork::kCancelNormal);
    return dialog;
}

void WhiteText(QPainter& painter, const QRect& rect, const QString& text) {
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawText(rect, Qt::TextWordWrap, text);
}

QDialog* TipWindow() {
    using namespace skinlayout::tip;
    auto* dialog = new DemoDialog(QStringLiteral("image/tipdia.bmp"), [](QPainter& painter) {
        WhiteText(painter, kText, QStringLiteral("Tessaly doesn't exist. Do you want to add this user?"));
    });
    AddButton(dialog, kYes, artwork::kYesHover, artwork::kYesNormal);
    AddButton(dialog, kNo, artwork::kNoHover, artwork::kNoNormal);
    return dialog;
}

QDialog* UserTipWindow() {
    using namespace skinlayout::usertip;
    auto* dialog = new DemoDialog(QStringLiteral("image/usertip.bmp"), [](QPainter& painter) {
        WhiteText(
            painter, kText,
            QStringLiteral("You haven't finished Lesson 3 you studied last time. Do you want to continue?"));
    });
    auto* ask = new QCheckBox(QStringLiteral("Ask me again next time"), dialog);
    ask->setGeometry(kAskAgain);
    ask->setChecked(true);
    AddButton(dialog, kYes, artwork::kYesHover, artwork::kYesNormal);
    AddButton(dialog, kNo, artwork::kNoHover, artwork::kNoNormal);
    return dialog;
}

QDialog* SettingsWindow() {
    using namespace skinlayout::settings;
    auto* dialog = new DemoDialog(QStringLiteral("image/systensetting.bmp"));
    const QColor colours[] = {QColor(200, 60, 40), QColor(30, 30, 30), QColor(40, 90, 180),
                              QColor(60, 110, 60)};
    for (int i = 0; i < 4; ++i) {
        auto* swatch = new QLabel(dialog);
        swatch->setGeometry(Picker(i));
        swatch->setStyleSheet(QStringLiteral("background: %1; border-radius: 4px;").arg(colours[i].name()));
    }
    auto* ask = new QCheckBox(dialog);
    ask->setGeometry(kAskAgain);
    ask->setChecked(true);
    auto* sentence = new QSpinBox(dialog);
    sentence->setGeometry(kSentenceDistance);
    sentence->setValue(12);
    auto* line = new QSpinBox(dialog);
    line->setGeometry(kLineDistance);
    line->setValue(4);
    AddButton(dialog, kDefaults, artwork::kDefaultsHover, artwork::kDefaultsNormal);
    AddButton(dialog, kOk, artwork::kOkHover, artwork::kOkNormal);
    AddButton(dialog, kCancel, artwork::kCancelHover, artwork::kCancelNormal);
    return dialog;
}

QDialog* DetailWindow() {
    using namespace skinlayout::detail;
    auto* dialog = new DemoDialog(QStringLiteral("image/dxj.bmp"), [](QPainter& painter) {
        painter.setPen(QColor(46, 58, 75));
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        painter.drawText(kContent.adjusted(110, 16, -16, 0), Qt::TextWordWrap,
                         QStringLiteral("... shì ... de\nWǒ shì zuótiān lái de.\nI came yesterday."));
    });
    AddButton(dialog, kClose, 329, 328, QStringLiteral("exit"));
    AddButton(dialog, QRect(kContent.left() + 10, kContent.top() + 14, 84, 56), 260, 259,
              QStringLiteral("play"));
    return dialog;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("lesson");
    const std::map<QString, std::function<QDialog*()>> windows = {
        {QStringLiteral("lesson"), LessonWindow},   {QStringLiteral("catalog"), CatalogWindow},
        {QStringLiteral("login"), LoginWindow},     {QStringLiteral("tip"), TipWindow},
        {QStringLiteral("usertip"), UserTipWindow}, {QStringLiteral("settings"), SettingsWindow},
        {QStringLiteral("detail"), DetailWindow}};
    const auto found = windows.find(which);
    if (found == windows.end()) {
        std::fprintf(stderr, "usage: uidemo [lesson|catalog|login|tip|usertip|settings|detail]\n");
        return 2;
    }
    QDialog* dialog = found->second();
    dialog->move(20, 20);
    dialog->show();
    const int result = app.exec();
    delete dialog;
    return result;
}
