#include "charstudy/CDrawCircle.h"
#include "charstudy/CDrawEllipse.h"
#include "charstudy/CDrawFont.h"
#include "charstudy/CDrawLine.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CDrawRect.h"
#include "charstudy/DrawObjectFile.h"
#include "fixtures/TempFolder.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

CDrawPLine Polyline(std::vector<QPoint> points) {
    CDrawPLine line;
    line.Start(points[0].x(), points[0].y());
    for (size_t i = 1; i < points.size(); ++i)
        line.AddPoint(points[i].x(), points[i].y());
    return line;
}

QImage WhiteImage() {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(DrawPLine, AVertexIsNearOnlyBelowFourPixels) {
    CDrawPLine line = Polyline({{50, 50}, {50, 100}, {100, 100}});
    // Exactly 4 pixels left of point 2 (and beside, not on, its segments): no hit.
    EXPECT_EQ(line.HitTest(46, 100), 0);
    // The closest whole-pixel offset below 4: sqrt(13), about 3.6.
    EXPECT_EQ(line.HitTest(47, 102), 2);
    EXPECT_TRUE(CDrawObject::IsNear({50, 100}, 46.1, 100));
    EXPECT_FALSE(CDrawObject::IsNear({50, 100}, 46, 100));
    EXPECT_FALSE(CDrawObject::IsNear({50, 100}, 50, 104));
    EXPECT_EQ(line.HitTest(52, 47), 1);
    EXPECT_EQ(line.HitTest(103, 102), 3);
    EXPECT_EQ(line.HitTest(0, 0), 0);
}

TEST(DrawPLine, ASegmentHitSetsTheAnchorAndDragsTheWholeLine) {
    CDrawPLine line = Polyline({{50, 50}, {50, 100}, {100, 100}});
    EXPECT_EQ(line.HitTest(51, 75), -1);
    EXPECT_EQ(line.Anchor(), QPoint(51, 75));
    // Beside the segment's line but past its ends in both directions: no hit.
    EXPECT_EQ(line.HitTest(50, 120), 0);
    QImage image = WhiteImage();
    QPainter dc(&image);
    line.MoveHandle(dc, -1, 61, 80);
    EXPECT_EQ(line.Point(0), QPoint(60, 55));
    EXPECT_EQ(line.Point(2), QPoint(110, 105));
    EXPECT_EQ(line.Anchor(), QPoint(61, 80));
    line.MoveHandle(dc, 2, 70, 120);
    EXPECT_EQ(line.Point(1), QPoint(70, 120));
}

TEST(DrawPLine, HoldsEightyPointsAndSaysWhenFull) {
    CDrawPLine line;
    EXPECT_EQ(line.Colour(), 0x0000FFu);
    EXPECT_EQ(line.PenWidth(), 1);
    EXPECT_EQ(line.PointCount(), 0);
    line.Start(0, 0);
    for (int i = 1; i < 79; ++i)
        EXPECT_EQ(line.AddPoint(i, i), 0);
    EXPECT_EQ(line.AddPoint(79, 79), 1);
    EXPECT_EQ(line.AddPoint(80, 80), 1);
    EXPECT_EQ(line.PointCount(), 80);
    EXPECT_EQ(line.Point(79), QPoint(79, 79));
}

TEST(DrawPLine, DrawsInItsColourAndHandlesToggleByExclusiveOr) {
    CDrawPLine line = Polyline({{20, 20}, {120, 20}});
    QImage image = WhiteImage();
    {
        QPainter dc(&image);
        line.Draw(dc);
    }
    EXPECT_EQ(image.pixel(70, 20), qRgb(255, 0, 0));
    const QImage drawn = image.copy();
    {
        QPainter dc(&image);
        line.Select(dc, true);
        line.Select(dc, true); // no change, nothing drawn
    }
    EXPECT_EQ(image.pixel(120, 23), qRgb(0, 0, 0)); // the white ground inverted
    {
        QPainter dc(&image);
        line.Select(dc, false);
    }
    EXPECT_EQ(image, drawn);
}

TEST(DrawLine, EndsAndBodyAreItsHandles) {
    CDrawLine line;
    line.SetPoints({10, 10}, {110, 10});
    EXPECT_EQ(line.HitTest(11, 11), 1);
    EXPECT_EQ(line.HitTest(108, 9), 2);
    EXPECT_EQ(line.HitTest(60, 11), 3);
    EXPECT_EQ(line.Anchor(), QPoint(60, 11));
    EXPECT_EQ(line.HitTest(60, 14), 0);
    QImage image = WhiteImage();
    QPainter dc(&image);
    line.MoveHandle(dc, 3, 70, 21);
    EXPECT_EQ(line.First(), QPoint(20, 20));
    EXPECT_EQ(line.Second(), QPoint(120, 20));
}

TEST(DrawObject, TheRootDoesNothing) {
    CDrawObject object;
    EXPECT_EQ(object.HitTest(1, 1), 0);
    EXPECT_EQ(object.AddPoint(1, 1), 0);
    EXPECT_EQ(object.PenWidth(), 1);
}

TEST(DrawObjectFile, EveryKindRoundTripsThroughAStrokeFile) {
    TempFolder dir;
    DrawObjectArray objects;
    auto pline = std::make_unique<CDrawPLine>(Polyline({{1, 2}, {3, 4}, {5, 6}}));
    pline->SetStrokeNumber(3);
    pline->SetPenWidth(2);
    objects.push_back(std::move(pline));
    auto line = std::make_unique<CDrawLine>();
    line->SetPoints({1, 2}, {3, 4});
    line->SetColour(0x00123456);
    objects.push_back(std::move(line));
    auto rect = std::make_unique<CDrawRect>();
    rect->SetPoints({-5, 6}, {7, 8});
    objects.push_back(std::move(rect));
    objects.push_back(std::make_unique<CDrawEllipse>());
    auto circle = std::make_unique<CDrawCircle>();
    circle->SetCircle({9, 10}, 11);
    objects.push_back(std::move(circle));
    auto font = std::make_unique<CDrawFont>();
    font->SetValues(12, 13);
    objects.push_back(std::move(font));
    std::string error;
    ASSERT_TRUE(WriteStrokeFile(dir / "all.data", objects, error)) << error;

    DrawObjectArray read;
    ASSERT_EQ(ReadStrokeFile(dir / "all.data", read, error), strokefile::ReadResult::Ok) << error;
    ASSERT_EQ(read.size(), 6u);
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_STREQ(read[i]->GetClassName(), objects[i]->GetClassName());
        EXPECT_EQ(read[i]->TypeTag(), objects[i]->TypeTag());
        EXPECT_EQ(read[i]->Colour(), objects[i]->Colour());
    }
    const auto& p = dynamic_cast<const CDrawPLine&>(*read[0]);
    EXPECT_EQ(p.StrokeNumber(), 3);
    EXPECT_EQ(p.PenWidth(), 2);
    EXPECT_EQ(p.Points(), (std::vector<QPoint>{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(dynamic_cast<const CDrawRect&>(*read[2]).First(), QPoint(-5, 6));
    EXPECT_EQ(dynamic_cast<const CDrawCircle&>(*read[4]).Radius(), 11);
    EXPECT_EQ(dynamic_cast<const CDrawFont&>(*read[5]).Values()[1], 13);
}

TEST(DrawObjectFile, AMissingFileLeavesTheArrayAndADamagedOneEmptiesIt) {
    TempFolder dir;
    DrawObjectArray objects;
    objects.push_back(std::make_unique<CDrawPLine>());
    std::string error;
    EXPECT_EQ(ReadStrokeFile(dir / "none.data", objects, error), strokefile::ReadResult::CannotOpen);
    EXPECT_EQ(objects.size(), 1u);
    ASSERT_TRUE(WriteTextFile(dir / "bad.data", std::string("\x01\x00\xff\xff\x02\x00", 6)));
    EXPECT_EQ(ReadStrokeFile(dir / "bad.data", objects, error), strokefile::ReadResult::Truncated);
    EXPECT_TRUE(objects.empty());
    EXPECT_FALSE(error.empty());
}

} // namespace
