#include "ui/ScrollPanel.h"

#include "WidgetTestApp.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWheelEvent>

#include <gtest/gtest.h>
#include <vector>

namespace {

// A panel placed on a 200 × 100 frame whose content is contentHeight pixels tall, with a marker
// child at y = 50 of the content, laid out the way the lesson panels do it.
struct PanelOnFrame {
    explicit PanelOnFrame(int contentHeight, bool shown = true) : panel(&owner) {
        owner.resize(400, 300);
        panel.setGeometry(frame);
        panel.InitPanel();
        marker = new QLabel(QStringLiteral("marker"), &panel);
        marker->setGeometry(0, 50, 100, 20);
        panel.SetContentSize(frame, contentHeight);
        panel.setGeometry(frame); // back onto the frame: the page is the frame height
        panel.SetScrollState(contentHeight >= frame.height() ? ScrollModel::kAtTop : ScrollModel::kFits);
        if (shown)
            owner.show();
    }

    void Settle() { QCoreApplication::processEvents(); }

    QApplication& app = TestApp();
    const QRect frame{10, 10, 200, 100};
    QWidget owner;
    ScrollPanel panel;
    QLabel* marker = nullptr;
};

} // namespace

TEST(ScrollPanelTest, RangeThirtyScrollsFivePixelsAndRangeFourHundredTwenty) {
    PanelOnFrame small(130);
    EXPECT_EQ(small.panel.Range(), 30);
    small.panel.LineDown();
    EXPECT_EQ(small.panel.ScrollPosition(), 0); // posted, not yet handled
    small.Settle();
    EXPECT_EQ(small.panel.ScrollPosition(), 5);
    EXPECT_EQ(small.marker->y(), 45);
    EXPECT_EQ(small.panel.ScrollState(), ScrollModel::kBetween);

    PanelOnFrame large(500);
    large.panel.LineDown();
    large.Settle();
    EXPECT_EQ(large.panel.ScrollPosition(), 20);
    EXPECT_EQ(large.marker->y(), 30);
}

TEST(ScrollPanelTest, LineDownAtTheBottomReportsItAndLineUpMovesBack) {
    PanelOnFrame panel(130);
    panel.panel.ScrollTo(30);
    EXPECT_EQ(panel.marker->y(), 20);
    panel.panel.LineDown();
    panel.Settle();
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kAtBottom);
    EXPECT_EQ(panel.panel.ScrollPosition(), 30);
    EXPECT_EQ(panel.marker->y(), 20);
    panel.panel.LineUp();
    panel.Settle();
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kBetween);
    EXPECT_EQ(panel.panel.ScrollPosition(), 25);
    EXPECT_EQ(panel.marker->y(), 25);
}

TEST(ScrollPanelTest, ContentShorterThanThePanelIgnoresLineSteps) {
    PanelOnFrame panel(60);
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kFits);
    panel.panel.LineDown();
    panel.panel.LineUp();
    panel.Settle();
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kFits);
    EXPECT_EQ(panel.panel.ScrollPosition(), 0);
    EXPECT_EQ(panel.marker->y(), 50);
}

TEST(ScrollPanelTest, WheelAndThumbRequestsMoveTheContent) {
    PanelOnFrame panel(500);
    QWheelEvent towardsLearner(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, -120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
    std::vector<int> told;
    panel.panel.SetScrollListener([&](int state) { told.push_back(state); });
    QCoreApplication::sendEvent(&panel.panel, &towardsLearner);
    EXPECT_EQ(panel.panel.ScrollPosition(), 20);
    EXPECT_EQ(told, std::vector<int>{ScrollModel::kBetween}); // the owner's buttons follow the wheel
    panel.panel.OnVScroll(ScrollPanel::kThumbTrack, 300);
    EXPECT_EQ(panel.panel.ScrollPosition(), 300);
    EXPECT_EQ(panel.marker->y(), -250);
    panel.panel.OnVScroll(ScrollPanel::kPageUp, 0);
    EXPECT_EQ(panel.panel.ScrollPosition(), 260);
    panel.panel.OnVScroll(ScrollPanel::kEndScroll, 0);
    EXPECT_EQ(panel.panel.ScrollPosition(), 260);
}

TEST(ScrollPanelTest, NewContentStartsAtTheTop) {
    PanelOnFrame panel(500);
    panel.panel.ScrollTo(100);
    panel.panel.ScrollTo(0);
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kAtTop);
    EXPECT_EQ(panel.marker->y(), 50);
    panel.panel.SetContentSize(panel.frame, 800);
    EXPECT_EQ(panel.panel.ScrollPosition(), 0);
    EXPECT_EQ(panel.panel.height(), 800);
}

TEST(ScrollPanelTest, PostedStepIsDroppedWhenThePanelIsGone) {
    auto* panel = new PanelOnFrame(500);
    panel->panel.LineDown();
    delete panel;
    QCoreApplication::processEvents(); // must not touch the destroyed panel
    SUCCEED();
}

TEST(ScrollPanelTest, HiddenPanelScrollsWithTheHeightOfItsFrame) {
    PanelOnFrame panel(130, false);
    EXPECT_EQ(panel.panel.Range(), 30);
    panel.panel.LineDown();
    panel.Settle();
    EXPECT_EQ(panel.panel.ScrollPosition(), 5);
    panel.panel.ScrollTo(30);
    panel.panel.LineDown();
    panel.Settle();
    EXPECT_EQ(panel.panel.ScrollState(), ScrollModel::kAtBottom);
    EXPECT_EQ(panel.panel.ScrollPosition(), 30);
}
