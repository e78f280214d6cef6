#include "WindowPictures.h"

#include "ArtStyle.h"
#include "ArtTexts.h"
#include "ui/ArtworkIds.h"
#include "ui/SkinLayout.h"

#include <QPainterPath>

using art::Icon;

namespace {

const QColor kHeaderText{255, 253, 247};
const QColor kHeaderSubtext{207, 230, 226};

// The common window: a rounded cream body with a teal header band and a dark teal border.
void WindowBody(QPainter& painter, QSize size, int headerHeight, const QString& title,
                const QString& subtitle) {
    const QRectF body = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    const double radius = std::min(20.0, size.height() / 6.0);
    art::Panel(painter, body, radius, art::kCream.lighter(102), art::kCream, art::kTealDark, 0);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    painter.save();
    painter.setClipPath(shape);
    QLinearGradient band(0, 0, 0, headerHeight);
    band.setColorAt(0, art::kTeal.lighter(108));
    band.setColorAt(1, art::kTealDark);
    painter.fillRect(QRectF(0, 0, size.width(), headerHeight), band);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(art::kTealDark, 2));
    painter.drawRoundedRect(body, radius, radius);
    if (!title.isEmpty()) {
        const double titleHeight = subtitle.isEmpty() ? headerHeight : headerHeight * 0.62;
        art::Label(painter, QRectF(28, 0, size.width() - 56, titleHeight), title,
                   headerHeight >= 80 ? 28 : 20, kHeaderText,
                   Qt::AlignLeft | (subtitle.isEmpty() ? Qt::AlignVCenter : Qt::AlignBottom), true);
        if (!subtitle.isEmpty())
            art::Label(painter,
                       QRectF(28, titleHeight + 2, size.width() - 56, headerHeight - titleHeight - 2),
                       subtitle, 14, kHeaderSubtext, Qt::AlignLeft | Qt::AlignTop);
    }
}

// A dark message body on which the dialogs paint their white text.
void MessageBody(QPainter& painter, QSize size) {
    const QRectF body = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    art::Panel(painter, body, 18, art::kTeal, art::kTealDark, art::kTealDark.darker(125), 2);
}

QImage CatalogSkin() {
    using namespace skinlayout::catalog;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        WindowBody(painter, kSize, 96, arttexts::Say(QStringLiteral("Tessalyne Lessons")),
                   arttexts::Say(QStringLiteral("Chinese for beginners \u00B7 choose a lesson to study")));
        // The guide panel; the explanation picture appears over it while the pointer is inside.
        art::Inset(painter, QRectF(kExplain), art::kPaper, 16);
        art::Label(painter, QRectF(kExplain).adjusted(20, 18, -20, 0), arttexts::Say(QStringLiteral("Guide")),
                   20, art::kTealDark, Qt::AlignLeft | Qt::AlignTop, true);
        art::Label(painter, QRectF(kExplain).adjusted(20, 54, -20, 0),
                   arttexts::Say(
                       QStringLiteral("Point here to see how a lesson is built: the text with pinyin and "
                                      "translation, new words, notes, grammar, typical sentences, the scene "
                                      "and the speaking practice.")),
                   14, art::kInk, Qt::AlignLeft | Qt::AlignTop);
        const struct {
            QColor fill, border;
            const char* text;
        } legend[] = {{art::kPaper, art::kTealLight.darker(125), "New lesson"},
                      {art::kAmberLight, art::kAmber, "Started"},
                      {art::kGreenLight, art::kGreen, "Finished"}};
        for (int i = 0; i < 3; ++i) {
            const QRectF swatch(kExplain.left() + 24, kExplain.bottom() - 130 + i * 36, 26, 26);
            art::Panel(painter, swatch, 6, legend[i].fill, legend[i].fill, legend[i].border, 2);
            art::Label(painter, QRectF(swatch.right() + 12, swatch.top(), 200, swatch.height()),
                       arttexts::Say(QString::fromLatin1(legend[i].text)), 14, art::kInk,
                       Qt::AlignLeft | Qt::AlignVCenter);
        }
        // The lesson grid and the command row.
        const QRect first = LessonButton(1), last = LessonButton(35);
        art::Inset(painter, QRectF(first.topLeft(), last.bottomRight()).adjusted(-12, -12, 12, 12),
                   art::kPaper, 16);
        painter.setPen(QPen(art::kTealLight.darker(110), 1));
        painter.drawLine(QPointF(CommandButton(0).left(), CommandButton(0).top() - 10),
                         QPointF(CommandButton(kCommandCount - 1).right(), CommandButton(0).top() - 10));
    });
}

QImage LessonSkin() {
    using namespace skinlayout::lesson;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        WindowBody(painter, kSize, 92, {}, {});
        // Header insets where the lesson head picture and the pane title picture are drawn.
        art::Inset(painter, QRectF(kHead).adjusted(-6, -6, 6, 6), art::HeaderInsetFill(), 10);
        art::Inset(painter, QRectF(kTitle).adjusted(-6, -2, 6, 6), art::HeaderInsetFill(), 10);
        // Left: child-lesson selector, title strip, sentence panel; right: the panes.
        art::Inset(painter, QRectF(kSelector).adjusted(-2, -2, 2, 2), art::kCream, 10);
        art::Inset(painter, QRectF(kChildTitle, kChildTitleSize).adjusted(-3, -2, 3, 2), art::kPaper, 8);
        art::Inset(painter, QRectF(kSentencePanel).adjusted(-4, -4, 4, 4), art::kCream, 12);
        art::Inset(painter, QRectF(kRightPane).adjusted(-4, -4, 14, 4), Qt::white, 12);
        // The button band along the bottom.
        const QRect firstButton = BottomButton(0), lastButton = BottomButton(kBottomButtonCount - 1);
        art::Panel(painter, QRectF(firstButton.topLeft(), lastButton.bottomRight()).adjusted(-10, -8, 10, 8),
                   14, art::kTealLight.lighter(106), art::kTealLight, art::kTealLight.darker(118), 1.2);
    });
}

QImage LoginSkin() {
    using namespace skinlayout::login;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        WindowBody(painter, kSize, 66, arttexts::Say(QStringLiteral("Welcome")),
                   arttexts::Say(QStringLiteral("Sign in to keep your progress")));
        art::Label(painter, QRectF(30, kUser.top(), 110, kUser.height()),
                   arttexts::Say(QStringLiteral("User name")), 14, art::kInk,
                   Qt::AlignLeft | Qt::AlignVCenter, true);
        art::Label(painter, QRectF(30, kPassword.top(), 110, kPassword.height()),
                   arttexts::Say(QStringLiteral("Password")), 14, art::kInk, Qt::AlignLeft | Qt::AlignVCenter,
                   true);
        art::Field(painter, QRectF(kUser));
        art::Field(painter, QRectF(kPassword));
    });
}

QImage TipSkin() {
    using namespace skinlayout::tip;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        MessageBody(painter, kSize);
        painter.setPen(Qt::NoPen);
        painter.setBrush(art::kTealLight);
        painter.drawEllipse(QRectF(26, 28, 56, 56));
        art::DrawIcon(painter, Icon::Info, QRectF(32, 34, 44, 44), art::kTealDark);
    });
}

QImage UserTipSkin() {
    using namespace skinlayout::usertip;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        MessageBody(painter, kSize);
        art::Label(painter, QRectF(20, 6, 280, 22), arttexts::Say(QStringLiteral("Welcome back")), 14,
                   art::kTealLight, Qt::AlignLeft | Qt::AlignVCenter, true);
        art::Panel(painter, QRectF(kAskAgain).adjusted(-6, -3, 6, 3), 8, art::kTealLight, art::kTealLight,
                   art::kTealLight, 0);
    });
}

QImage SettingsSkin() {
    using namespace skinlayout::settings;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        WindowBody(painter, kSize, 56, arttexts::Say(QStringLiteral("Display settings")), {});
        const char* colours[] = {"Colour of new words", "Colour of words", "Colour of pinyin",
                                 "Colour of meanings"};
        for (int i = 0; i < 4; ++i) {
            const QRect picker = Picker(i);
            art::Label(painter, QRectF(40, picker.top(), 250, picker.height()),
                       arttexts::Say(QString::fromLatin1(colours[i])), 14, art::kInk,
                       Qt::AlignLeft | Qt::AlignVCenter);
            art::Field(painter, QRectF(picker));
        }
        painter.setPen(QPen(art::kTealLight.darker(110), 1));
        painter.drawLine(QPointF(36, kAskAgain.top() - 8), QPointF(kSize.width() - 36, kAskAgain.top() - 8));
        art::Label(painter, QRectF(kAskAgain.right() + 10, kAskAgain.top() - 2, 340, kAskAgain.height() + 4),
                   arttexts::Say(QStringLiteral("Offer the last lesson again when I log in")), 14, art::kInk,
                   Qt::AlignLeft | Qt::AlignVCenter);
        art::Label(painter, QRectF(40, kSentenceDistance.top(), 250, kSentenceDistance.height()),
                   arttexts::Say(QStringLiteral("Space between sentences")), 14, art::kInk,
                   Qt::AlignLeft | Qt::AlignVCenter);
        art::Label(painter, QRectF(40, kLineDistance.top(), 250, kLineDistance.height()),
                   arttexts::Say(QStringLiteral("Space between lines")), 14, art::kInk,
                   Qt::AlignLeft | Qt::AlignVCenter);
        art::Field(painter, QRectF(kSentenceDistance));
        art::Field(painter, QRectF(kLineDistance));
        art::Field(painter, QRectF(kTextSize)); // its label comes from the interface texts
    });
}

QImage DetailSkin() {
    using namespace skinlayout::detail;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        WindowBody(painter, kSize, 56, arttexts::Say(QStringLiteral("Typical sentence")), {});
        art::Inset(painter, QRectF(kContent), art::kPaper, 12);
    });
}

QImage WritingPadSkin(int percent) {
    using namespace skinlayout::writingpad;
    return art::Drawn(Size(percent), art::kGreenKey, [&](QPainter& painter) {
        // The title (the character and its reading) is written by the window.
        WindowBody(painter, Size(percent), kHeaderHeight, {}, {});
        art::Inset(painter, QRectF(Pad(percent)).adjusted(-6, -6, 6, 6), art::kPaper, 12);
    });
}

QImage GradePicture() {
    const QSize size = skinlayout::kGradeSize;
    return art::Drawn(size, art::kCream.rgb(), [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), art::kCream);
        art::Panel(painter, QRectF(2, 2, size.width() - 4, size.height() - 4), 10, art::kPaper, art::kCream,
                   art::kAmber, 1.5);
        art::DrawIcon(painter, Icon::Star, QRectF(10, 6, 18, 18), art::kAmber);
        art::Label(painter, QRectF(32, 4, 160, 22), arttexts::Say(QStringLiteral("Your grade")), 13,
                   art::kInk, Qt::AlignLeft | Qt::AlignVCenter, true);
    });
}

QImage PadBackground() {
    const QSize size = skinlayout::kPadBackgroundSize;
    return art::Drawn(size, art::kCream.rgb(), [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), art::kCream);
        art::Panel(painter, QRectF(8, 8, size.width() - 16, size.height() - 16), 14, art::kPaper, art::kCream,
                   art::kTealLight.darker(118), 1.2);
        art::DrawIcon(painter, Icon::Pen, QRectF(28, 16, 22, 22), art::kTeal);
        art::Label(painter, QRectF(56, 14, 180, 26), arttexts::Say(QStringLiteral("Write the character")), 14,
                   art::kTealDark, Qt::AlignLeft | Qt::AlignVCenter, true);
    });
}

QImage SpeakerIcon(Icon icon, const QColor& ground, const QColor& ink) {
    const QSize size = skinlayout::kSpeakerIconSize;
    return art::Drawn(size, art::kCream.rgb(), [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), art::kCream);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ground);
        painter.drawEllipse(QRectF(1, 1, size.width() - 2, size.height() - 2));
        art::DrawIcon(painter, icon, QRectF(5, 5, size.width() - 10, size.height() - 10), ink);
    });
}

QImage MenuSideStrip() {
    const QSize size(24, 200);
    return art::Drawn(size, art::kCream.rgb(), [&](QPainter& painter) {
        QLinearGradient band(0, 0, 0, size.height());
        band.setColorAt(0, art::kTeal);
        band.setColorAt(1, art::kTealDark);
        painter.fillRect(QRect(QPoint(0, 0), size), band);
        painter.translate(0, size.height());
        painter.rotate(-90);
        art::Label(painter, QRectF(10, 0, size.height() - 20, size.width()), QStringLiteral("Tessalyne"), 13,
                   kHeaderText, Qt::AlignLeft | Qt::AlignVCenter, true);
    });
}

QImage InfoPicture(QSize size, const QString& title, const QStringList& paragraphs, const QString& footer) {
    return art::Drawn(size, art::kCream.rgb(), [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), art::kCream);
        const int header = size.height() > 400 ? 80 : 58;
        QLinearGradient band(0, 0, 0, header);
        band.setColorAt(0, art::kTeal.lighter(108));
        band.setColorAt(1, art::kTealDark);
        painter.fillRect(QRectF(0, 0, size.width(), header), band);
        art::Label(painter, QRectF(28, 0, size.width() - 56, header), title, header > 60 ? 26 : 20,
                   kHeaderText, Qt::AlignLeft | Qt::AlignVCenter, true);
        const int textSize = size.width() > 500 ? 16 : 13;
        double y = header + 22;
        painter.setFont(art::UiFont(textSize));
        for (const QString& paragraph : paragraphs) {
            const QRectF box(32, y, size.width() - 64, size.height());
            const QRectF used =
                painter.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, paragraph);
            art::Label(painter, box, paragraph, textSize, art::kInk, Qt::AlignLeft | Qt::AlignTop);
            y = used.bottom() + textSize * 0.9;
        }
        if (!footer.isEmpty()) {
            art::Panel(painter,
                       QRectF(24, size.height() - 24 - textSize * 2.6, size.width() - 48, textSize * 2.2), 10,
                       art::kTealLight, art::kTealLight, art::kTealLight, 0);
            art::Label(painter,
                       QRectF(24, size.height() - 24 - textSize * 2.6, size.width() - 48, textSize * 2.2),
                       footer, textSize, art::kTealDark, Qt::AlignCenter, true);
        }
    });
}

} // namespace

QImage MakeAppIcon(int side) {
    QImage canvas = art::Canvas(QSize(side, side));
    QPainter painter;
    art::BeginPainter(painter, canvas);
    // Drawn on a 64-unit square, so every size is the same picture.
    painter.scale(side / 64.0, side / 64.0);
    art::Panel(painter, QRectF(2, 2, 60, 60), 14, art::kTeal.lighter(110), art::kTealDark, art::kTealDark, 0);
    art::Label(painter, QRectF(2, 0, 60, 60), QStringLiteral("T"), 40, kHeaderText, Qt::AlignCenter, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(art::kAmber);
    painter.drawEllipse(QPointF(47, 47), 6, 6);
    painter.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

QImage ExerciseSkin() {
    using namespace skinlayout::exercise;
    return art::Drawn(kSize, art::kGreenKey, [&](QPainter& painter) {
        // The title is written by the window in the interface language.
        WindowBody(painter, kSize, kHeaderHeight, {}, {});
        art::Inset(painter, QRectF(kPrompt).adjusted(-8, -8, 8, 8), art::kPaper, 14);
        art::Inset(painter, QRectF(kAnswers).adjusted(-8, -8, 8, 8), art::kCream.lighter(103), 14);
    });
}

std::vector<ProgramPicture> MakeProgramPictures() {
    return {
        {QStringLiteral("skins/Lesson/Login.bmp"), CatalogSkin()},
        {QStringLiteral("skins/Lesson/lesson.bmp"), LessonSkin()},
        {QStringLiteral("skins/Exercise/exercise.bmp"), ExerciseSkin()},
        {QStringLiteral("image/userpass.bmp"), LoginSkin()},
        {QStringLiteral("image/tipdia.bmp"), TipSkin()},
        {QStringLiteral("image/usertip.bmp"), UserTipSkin()},
        {QStringLiteral("image/systensetting.bmp"), SettingsSkin()},
        {QStringLiteral("image/dxj.bmp"), DetailSkin()},
        {QStringLiteral("image/writingpad150.bmp"), WritingPadSkin(150)},
        {QStringLiteral("image/writingpad200.bmp"), WritingPadSkin(200)},
        {QStringLiteral("image/grade.bmp"), GradePicture()},
        {QStringLiteral("image/lesson_wordstudy.bmp"), PadBackground()},
        {QStringLiteral("image/general.bmp"), SpeakerIcon(Icon::Speaker, art::kTealLight, art::kTealDark)},
        {QStringLiteral("image/laba1.bmp"), SpeakerIcon(Icon::SpeakerWaves, art::kAmber, Qt::white)},
        {QStringLiteral("image/stop.bmp"),
         SpeakerIcon(Icon::SpeakerMuted, QColor(226, 229, 232), art::kMuted)},
    };
}

std::map<int, QImage> MakeResourcePictures() {
    const QStringList about = {
        QStringLiteral("Tessalyne Lessons is a beginner course in Mandarin Chinese: 35 lessons with "
                       "dialogues and short texts, new words, notes, grammar points and typical sentences."),
        QStringLiteral("Every sentence has a recorded model you can listen to and repeat. Click any "
                       "word to study it: watch the stroke order, write it on the pad and get a grade."),
        QStringLiteral("Your progress is kept for each user name on this computer."),
    };
    const QStringList help = {
        QStringLiteral("1. Log in with your name and pick a lesson."),
        QStringLiteral("2. Read the text; click the speaker beside a sentence to hear it."),
        QStringLiteral("3. Use the buttons below the text for new words, notes, grammar and patterns."),
        QStringLiteral("4. Click a word to study and write its characters."),
    };
    using namespace artwork;
    return {
        {297, MenuSideStrip()},
        {kInfoPicture293, InfoPicture(QSize(640, 494), QStringLiteral("About Tessalyne Lessons"), about,
                                      QStringLiteral("More courses: www.tessalyne.example"))},
        {kInfoPicture339, InfoPicture(QSize(640, 494), QStringLiteral("About Tessalyne Lessons"), about,
                                      QStringLiteral("Ask your teacher about more courses"))},
        {kInfoPicture340, InfoPicture(QSize(375, 317), QStringLiteral("How to study"), help,
                                      QStringLiteral("www.tessalyne.example"))},
        {kInfoPicture341, InfoPicture(QSize(375, 317), QStringLiteral("How to study"), help, {})},
        {kAppIcon, MakeAppIcon(64)},
    };
}

QImage MakeHandCursor() {
    QImage canvas = art::Canvas(QSize(32, 32));
    QPainter painter;
    art::BeginPainter(painter, canvas);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(2.5, 0.5, 5.5, 17), 2.75, 2.75); // index finger, tip at the hot spot
    hand.addRoundedRect(QRectF(7.5, 8.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(11.5, 9.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(15.5, 10.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(2.5, 13, 17.5, 17), 5, 5);
    hand.addRoundedRect(QRectF(0.7, 15, 4.3, 8.5), 2.1, 2.1); // thumb
    hand.setFillRule(Qt::WindingFill);
    painter.setPen(QPen(art::kInk, 1.3));
    painter.setBrush(Qt::white);
    painter.drawPath(hand.simplified());
    painter.end();
    QImage cursor = canvas.convertToFormat(QImage::Format_ARGB32);
    cursor.setText(QStringLiteral("HotSpotX"), QString::number(artwork::kHandCursorHotSpot.x()));
    cursor.setText(QStringLiteral("HotSpotY"), QString::number(artwork::kHandCursorHotSpot.y()));
    return cursor;
}
