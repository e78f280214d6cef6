#include "ui/BitmapButton.h"

#include "WidgetTestApp.h"
#include "ui/ArtworkIds.h"
#include "ui/ResourceImages.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// True when every pixel of the face that is not the transparent colour shows in the button.
bool ShowsFace(BitmapButton& button, int faceId) {
    const QImage face = LoadBitmapResource(faceId).convertToFormat(QImage::Format_RGB32);
    const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (face.isNull() || shown.size() != face.size())
        return false;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) != kRed && shown.pixel(x, y) != face.pixel(x, y))
                return false;
    return true;
}

void Hover(BitmapButton& button) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &move);
}

struct ButtonOnParent {
    explicit ButtonOnParent(int hoverId, int normalId) : button(&parent) {
        parent.resize(200, 100);
        button.resize(LoadBitmapResource(hoverId).size());
        result = button.SetBitmaps(hoverId, kRed, normalId, kRed);
        parent.show();
    }
    QApplication& app = TestApp();
    QWidget parent;
    BitmapButton button;
    int result = -1;
};

} // namespace

TEST(BitmapButtonTest, OnlyAHoverBitmapShowsInEveryState) {
    ButtonOnParent setup(266, 0);
    ASSERT_EQ(setup.result, 0);
    BitmapButton& button = setup.button;
    EXPECT_TRUE(ShowsFace(button, 266));
    Hover(button);
    EXPECT_TRUE(button.IsHover());
    EXPECT_TRUE(ShowsFace(button, 266));
    button.setDown(true);
    EXPECT_TRUE(ShowsFace(button, 266));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_TRUE(ShowsFace(button, 266));
}

TEST(BitmapButtonTest, NormalFaceUntilHoveredOrPressed) {
    ButtonOnParent setup(266, 265);
    ASSERT_EQ(setup.result, 0);
    BitmapButton& button = setup.button;
    EXPECT_EQ(button.CurrentImage(), ButtonFace::Image::Normal);
    EXPECT_TRUE(ShowsFace(button, 265));
    Hover(button);
    EXPECT_TRUE(ShowsFace(button, 266));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.IsHover());
    EXPECT_TRUE(ShowsFace(button, 265));
    button.setDown(true);
    EXPECT_EQ(button.CurrentImage(), ButtonFace::Image::Hover);
    EXPECT_TRUE(ShowsFace(button, 266));
}

TEST(BitmapButtonTest, DisablingClearsTheHover) {
    ButtonOnParent setup(250, 249);
    Hover(setup.button);
    ASSERT_TRUE(setup.button.IsHover());
    setup.button.setEnabled(false);
    EXPECT_FALSE(setup.button.IsHover());
}

TEST(BitmapButtonTest, TransparentButtonLetsTheParentShowThroughTheKeyColour) {
    ButtonOnParent setup(483, 482);
    setup.parent.setStyleSheet(QStringLiteral("background-color: rgb(10, 200, 30);"));
    setup.button.setStyleSheet(QString());
    setup.button.DrawTransparent();
    const QImage shown = setup.parent.grab(setup.button.geometry()).toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(10, 200, 30)); // a corner of the round face is transparent
    EXPECT_NE(shown.pixel(shown.width() / 2, shown.height() / 2), qRgb(10, 200, 30));
}

TEST(BitmapButtonTest, SetBitmapsReportsUnreadableBitmaps) {
    ButtonOnParent setup(266, 265);
    EXPECT_EQ(setup.button.SetBitmaps(9999, kRed, 0, kRed), 1);
    EXPECT_EQ(setup.button.SetBitmaps(266, kRed, 9998, kRed), 1);
    EXPECT_EQ(setup.button.SetBitmaps(266, kRed, 265, kRed), 0);
}

TEST(BitmapButtonTest, AlignmentAboveTwoIsRefused) {
    ButtonOnParent setup(250, 249);
    EXPECT_EQ(setup.button.SetAlign(1), 0);
    EXPECT_EQ(setup.button.SetAlign(2), 0);
    EXPECT_EQ(setup.button.SetAlign(3), 4);
    EXPECT_EQ(setup.button.SetAlign(-1), 4);
}

TEST(BitmapButtonTest, HandCursorHasItsHotSpotAtTheFingerTip) {
    ButtonOnParent setup(250, 249);
    EXPECT_EQ(setup.button.SetCursorResource(artwork::kHandCursor), 0);
    EXPECT_EQ(setup.button.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(setup.button.cursor().hotSpot(), QPoint(5, 0));
    EXPECT_EQ(setup.button.SetCursorResource(9999), 1);
    EXPECT_NE(setup.button.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(setup.button.SetCursorResource(0), 0);
}

TEST(BitmapButtonTest, TooltipTextAndActivation) {
    ButtonOnParent setup(250, 249);
    setup.button.SetTooltipText(QString());
    EXPECT_TRUE(setup.button.TooltipText().isNull());
    EXPECT_FALSE(setup.button.IsTooltipActive());
    setup.button.SetTooltipText(QStringLiteral("back"));
    EXPECT_EQ(setup.button.TooltipText(), QStringLiteral("back"));
    EXPECT_TRUE(setup.button.IsTooltipActive());
    setup.button.SetTooltipText(QStringLiteral("up"), false);
    EXPECT_EQ(setup.button.TooltipText(), QStringLiteral("up"));
    EXPECT_FALSE(setup.button.IsTooltipActive());
    setup.button.SetTooltipText(QString());
    EXPECT_EQ(setup.button.TooltipText(), QStringLiteral("up"));
}

TEST(BitmapButtonTest, TooltipUsesItsFontColourAndMaximumWidth) {
    ButtonOnParent setup(250, 249);
    setup.button.SetTooltipText(QStringLiteral("back"));
    const QString shortTip = setup.button.TooltipHtml();
    EXPECT_TRUE(shortTip.contains(QStringLiteral("font-family:Arial")));
    EXPECT_TRUE(shortTip.contains(QStringLiteral("font-size:24px")));
    EXPECT_TRUE(shortTip.contains(QStringLiteral("#1902fe")));
    EXPECT_FALSE(shortTip.contains(QStringLiteral("<table")));
    setup.button.SetTooltipText(QStringLiteral("switch off translating the text of every sentence <now>"));
    const QString longTip = setup.button.TooltipHtml();
    EXPECT_TRUE(longTip.contains(QStringLiteral("<table width=\"400\">")));
    EXPECT_TRUE(longTip.contains(QStringLiteral("&lt;now&gt;")));
}
