#include "ButtonFaces.h"

#include "ArtStyle.h"
#include "ArtTexts.h"
#include "ui/ArtworkIds.h"
#include "ui/SkinLayout.h"

#include <vector>

using art::Icon;

namespace {

enum class Shape { Stacked, Inline, LabelOnly, Round, Square };

struct FaceSpec {
    int hoverId;
    int normalId;
    QSize size;
    Shape shape;
    Icon icon;
    QString label;
    QColor accent; // fill of the hover face
};

struct Look {
    QColor top, bottom, border, content;
};

Look FaceLook(const FaceSpec& spec, bool hover) {
    if (hover)
        return {spec.accent.lighter(115), spec.accent.darker(108), spec.accent.darker(130), Qt::white};
    return {art::kPaper, art::kCream.darker(103), spec.accent, art::kTealDark};
}

QImage DrawFace(const FaceSpec& spec, bool hover) {
    return art::Drawn(spec.size, art::kRedKey, [&](QPainter& painter) {
        const Look look = FaceLook(spec, hover);
        const QRectF area = QRectF(QPointF(0, 0), QSizeF(spec.size)).adjusted(1, 1, -1, -1);
        const double h = area.height();
        if (spec.shape == Shape::Round) {
            QLinearGradient fill(area.topLeft(), area.bottomLeft());
            fill.setColorAt(0, look.top);
            fill.setColorAt(1, look.bottom);
            painter.setBrush(fill);
            painter.setPen(QPen(look.border, 1.5));
            painter.drawEllipse(area.adjusted(0.75, 0.75, -0.75, -0.75));
        } else {
            art::Panel(painter, area, std::min(10.0, h / 3), look.top, look.bottom, look.border);
        }
        switch (spec.shape) {
        case Shape::Stacked: {
            const QRectF iconRect(area.left(), area.top() + 4, area.width(), h * 0.46);
            art::DrawIcon(painter, spec.icon, iconRect, look.content);
            art::Label(painter, QRectF(area.left() + 2, iconRect.bottom() + 1, area.width() - 4, h * 0.36),
                       arttexts::Say(spec.label), 11, look.content, Qt::AlignHCenter | Qt::AlignTop, true);
            break;
        }
        case Shape::Inline: {
            const double iconSide = std::min(22.0, h * 0.56);
            const QRectF iconRect(area.left() + 8, area.center().y() - iconSide / 2, iconSide, iconSide);
            art::DrawIcon(painter, spec.icon, iconRect, look.content);
            art::Label(painter,
                       QRectF(iconRect.right() + 4, area.top(), area.right() - iconRect.right() - 8, h),
                       arttexts::Say(spec.label), 11, look.content, Qt::AlignCenter, true);
            break;
        }
        case Shape::LabelOnly:
            art::Label(painter, area, arttexts::Say(spec.label), 14, look.content, Qt::AlignCenter, true);
            break;
        case Shape::Round:
        case Shape::Square: {
            const double side = h * 0.78;
            art::DrawIcon(painter, spec.icon,
                          QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side),
                          look.content);
            break;
        }
        }
    });
}

// Lesson buttons of the catalogue: number, progress colour and a word for the state.
QImage DrawLessonFace(int lesson, int state, bool pressed) {
    const QSize size = skinlayout::catalog::kLessonButton;
    return art::Drawn(size, art::kRedKey, [&](QPainter& painter) {
        const QColor accent = state == 1 ? art::kGreen : state == 2 ? art::kAmber : art::kTeal;
        const QColor light = state == 1 ? art::kGreenLight : state == 2 ? art::kAmberLight : art::kPaper;
        const QRectF area = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
        if (pressed)
            art::Panel(painter, area, 14, accent.lighter(112), accent.darker(110), accent.darker(130), 2);
        else
            art::Panel(painter, area, 14, light, light.darker(104),
                       state == 0 ? art::kTealLight.darker(125) : accent, 2);
        const QColor ink = pressed ? QColor(Qt::white) : (state == 0 ? art::kTealDark : accent.darker(135));
        art::Label(painter, QRectF(area.left() + 9, area.top() + 6, area.width() - 30, 14),
                   arttexts::Say(QStringLiteral("Lesson")), 11, ink, Qt::AlignLeft | Qt::AlignVCenter);
        art::Label(painter, QRectF(area.left(), area.top() + 20, area.width(), 36), QString::number(lesson),
                   30, ink, Qt::AlignCenter, true);
        const QString stateText = state == 1   ? QStringLiteral("Finished")
                                  : state == 2 ? QStringLiteral("Started")
                                               : QStringLiteral("New");
        art::Label(painter, QRectF(area.left(), area.bottom() - 20, area.width(), 14),
                   arttexts::Say(stateText), 10, ink);
        if (state == 1)
            art::DrawIcon(painter, Icon::Check, QRectF(area.right() - 22, area.top() + 4, 18, 18), ink);
        if (state == 2) {
            painter.setPen(QPen(ink, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRectF(area.right() - 18, area.top() + 7, 11, 11));
            painter.setBrush(ink);
            painter.drawPie(QRectF(area.right() - 18, area.top() + 7, 11, 11), 90 * 16, 180 * 16);
        }
    });
}

std::vector<FaceSpec> FaceSpecs() {
    using namespace artwork;
    const QColor teal = art::kTeal, coral = art::kCoral, amber = art::kAmber;
    const QSize bottom = skinlayout::lesson::kBottomButton;
    const QSize window = skinlayout::lesson::kWindowButton;
    const QSize scroll = skinlayout::lesson::kScrollButton;
    const QSize command = skinlayout::catalog::kCommandButton;
    const QSize dialog{96, 40};
    const QSize study{96, 34};
    return {
        // Lesson window: window buttons, pane buttons and scroll buttons.
        {266, 265, window, Shape::Square, Icon::Close, {}, coral},
        {268, 267, window, Shape::Square, Icon::Note, {}, teal},
        {270, 269, window, Shape::Square, Icon::Minimise, {}, teal},
        {260, 259, bottom, Shape::Stacked, Icon::SpeakerWaves, QStringLiteral("Listen"), teal},
        {242, 241, bottom, Shape::Stacked, Icon::Pen, QStringLiteral("Exercise"), teal},
        {250, 249, bottom, Shape::Stacked, Icon::Back, QStringLiteral("Back"), amber},
        {248, 247, bottom, Shape::Stacked, Icon::Pinyin, QStringLiteral("Spelling"), teal},
        {244, 243, bottom, Shape::Stacked, Icon::Quote, QStringLiteral("Patterns"), teal},
        {246, 245, bottom, Shape::Stacked, Icon::Page, QStringLiteral("Notes"), teal},
        {234, 233, bottom, Shape::Stacked, Icon::Film, QStringLiteral("Scene"), teal},
        {238, 237, bottom, Shape::Stacked, Icon::Book, QStringLiteral("New Words"), teal},
        {240, 239, bottom, Shape::Stacked, Icon::Bulb, QStringLiteral("Grammar"), teal},
        {292, 291, bottom, Shape::Stacked, Icon::Letters, QStringLiteral("Meaning"), teal},
        {483, 482, scroll, Shape::Round, Icon::ArrowUp, {}, teal},
        {485, 484, scroll, Shape::Round, Icon::ArrowDown, {}, teal},
        {288, 287, scroll, Shape::Round, Icon::ArrowUp, {}, teal},
        {290, 289, scroll, Shape::Round, Icon::ArrowDown, {}, teal},
        // Child-lesson list button and the typical-sentence dialog's close button.
        {295, 294, QSize(28, 28), Shape::Round, Icon::ChevronDown, {}, teal},
        {329, 328, skinlayout::detail::kClose.size(), Shape::Round, Icon::Close, {}, coral},
        // Word-study buttons (hover id first, as the page gives them).
        {303, 304, study, Shape::Inline, Icon::Speaker, QStringLiteral("Sound"), teal},
        {299, 300, study, Shape::Inline, Icon::Play, QStringLiteral("Strokes"), teal},
        {302, 301, study, Shape::Inline, Icon::Pen, QStringLiteral("Write"), teal},
        {305, 298, study, Shape::Inline, Icon::Star, QStringLiteral("Grade"), amber},
        // Speaking practice: the small play buttons beside the model's and the learner's waveforms.
        {kPlayModelHover, kPlayModelNormal, QSize(36, 40), Shape::Square, Icon::Play, {}, teal},
        {kPlayLearnerHover, kPlayLearnerNormal, QSize(36, 38), Shape::Square, Icon::Play, {}, amber},
        // Exercise program: round faces whose label the window writes beside them in the interface
        // language, so one face serves every language.
        {kReplayHover, kReplayNormal, QSize(40, 40), Shape::Round, Icon::SpeakerWaves, {}, teal},
        {kCheckHover, kCheckNormal, QSize(40, 40), Shape::Round, Icon::Check, {}, teal},
        {kNextHover, kNextNormal, QSize(40, 40), Shape::Round, Icon::Play, {}, amber},
        {kGiveUpHover, kGiveUpNormal, QSize(40, 40), Shape::Round, Icon::Help, {}, coral},
        {kTryAgainHover, kTryAgainNormal, QSize(40, 40), Shape::Round, Icon::Refresh, {}, teal},
        {kCloseHover,
         kCloseNormal,
         skinlayout::exercise::kClose.size(),
         Shape::Square,
         Icon::Close,
         {},
         coral},
        // Catalogue commands.
        {kWordTrainerHover, kWordTrainerNormal, command, Shape::Inline, Icon::Cards, QStringLiteral("Words"),
         teal},
        {kSettingsHover, kSettingsNormal, command, Shape::Inline, Icon::Sliders, QStringLiteral("Settings"),
         teal},
        {kAboutHover, kAboutNormal, command, Shape::Inline, Icon::Info, QStringLiteral("About"), teal},
        {kWebsiteHover, kWebsiteNormal, command, Shape::Inline, Icon::Globe, QStringLiteral("Website"), teal},
        {kHelpHover, kHelpNormal, command, Shape::Inline, Icon::Help, QStringLiteral("Help"), teal},
        {kExitHover, kExitNormal, command, Shape::Inline, Icon::Exit, QStringLiteral("Exit"), coral},
        {kGoHover, kGoNormal, command, Shape::Inline, Icon::Play, QStringLiteral("Go"), amber},
        // Dialog buttons.
        {kLoginHover, kLoginNormal, dialog, Shape::LabelOnly, Icon::None, QStringLiteral("Log in"), teal},
        {kCancelHover, kCancelNormal, dialog, Shape::LabelOnly, Icon::None, QStringLiteral("Cancel"), coral},
        {kYesHover, kYesNormal, dialog, Shape::LabelOnly, Icon::None, QStringLiteral("Yes"), teal},
        {kNoHover, kNoNormal, dialog, Shape::LabelOnly, Icon::None, QStringLiteral("No"), coral},
        {kOkHover, kOkNormal, dialog, Shape::LabelOnly, Icon::None, QStringLiteral("OK"), teal},
        {kDefaultsHover, kDefaultsNormal, skinlayout::settings::kDefaults.size(), Shape::LabelOnly,
         Icon::None, QStringLiteral("Defaults"), amber},
    };
}

} // namespace

std::map<int, QImage> MakeButtonFaces() {
    std::map<int, QImage> faces;
    for (const FaceSpec& spec : FaceSpecs()) {
        faces[spec.hoverId] = DrawFace(spec, true);
        faces[spec.normalId] = DrawFace(spec, false);
    }
    for (int lesson = 1; lesson <= 35; ++lesson)
        for (int state = 0; state < 3; ++state)
            for (bool pressed : {false, true})
                faces[artwork::LessonFaceId(lesson, state, pressed)] = DrawLessonFace(lesson, state, pressed);
    return faces;
}

std::map<int, QString> ButtonFaceCaptions() {
    std::map<int, QString> captions;
    for (const FaceSpec& spec : FaceSpecs()) {
        captions[spec.hoverId] = QStringLiteral("%1 hover").arg(spec.hoverId);
        captions[spec.normalId] = QStringLiteral("%1 normal").arg(spec.normalId);
    }
    return captions;
}
