#include "charstudy/StrokeFile.h"

#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

using namespace strokefile;

namespace {

using Bytes = std::vector<unsigned char>;

void U16(Bytes& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
}

void U32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void ClassRecord(Bytes& b, const std::string& name, unsigned schema = 1) {
    U16(b, 0xFFFF);
    U16(b, schema);
    U16(b, static_cast<unsigned>(name.size()));
    b.insert(b.end(), name.begin(), name.end());
}

void PLineData(Bytes& b, std::uint32_t points, std::int32_t stroke) {
    U32(b, 0x800E);
    U32(b, 0x0000FF);
    U32(b, points);
    U32(b, static_cast<std::uint32_t>(stroke));
    U32(b, 1);
    for (std::uint32_t i = 0; i < points; ++i) {
        U32(b, 10 + i);
        U32(b, 20 + i);
    }
}

ReadResult Read(const Bytes& bytes, std::vector<StrokeObject>& objects) {
    std::string error;
    const ReadResult result = ReadStrokeFile(bytes.data(), bytes.size(), objects, error);
    EXPECT_EQ(result == ReadResult::Ok, error.empty()) << error;
    return result;
}

std::vector<StrokeObject> TwoStrokes() {
    return {MakeStrokePolyline(1, {{10, 20}, {60, 22}, {120, 25}}),
            MakeStrokePolyline(2, {{30, 90}, {30, 150}})};
}

TEST(StrokeFile, TwoPolylinesAreWrittenInTheArchiveLayoutAndReadBack) {
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(WriteStrokeFile(TwoStrokes(), bytes, error)) << error;

    Bytes expected;
    U16(expected, 2);
    ClassRecord(expected, "CDrawPLine");
    U32(expected, 0x800E);
    U32(expected, 0x0000FF);
    U32(expected, 3);
    U32(expected, 1);
    U32(expected, 1);
    for (auto [x, y] : {std::pair{10, 20}, {60, 22}, {120, 25}}) {
        U32(expected, static_cast<std::uint32_t>(x));
        U32(expected, static_cast<std::uint32_t>(y));
    }
    U16(expected, 0x8001); // the second object names the class by its index
    U32(expected, 0x800E);
    U32(expected, 0x0000FF);
    U32(expected, 2);
    U32(expected, 2);
    U32(expected, 1);
    for (auto [x, y] : {std::pair{30, 90}, {30, 150}}) {
        U32(expected, static_cast<std::uint32_t>(x));
        U32(expected, static_cast<std::uint32_t>(y));
    }
    EXPECT_EQ(bytes, expected);

    std::vector<StrokeObject> objects;
    ASSERT_EQ(Read(bytes, objects), ReadResult::Ok);
    EXPECT_EQ(objects, TwoStrokes());
    EXPECT_EQ(objects[1].strokeNumber, 2);
    EXPECT_EQ(objects[1].colour, 0x0000FFu);
    EXPECT_EQ(objects[1].penWidth, 1);
}

TEST(StrokeFile, OtherDrawingObjectsNullsRepeatsAndLongCountsRead) {
    StrokeObject line;
    line.kind = ObjectKind::Line;
    line.typeTag = 0x8010;
    line.values = {1, 2, 3, 4};
    std::vector<StrokeObject> written = {line, MakeStrokePolyline(1, {{5, 5}})};
    Bytes bytes;
    std::string error;
    ASSERT_TRUE(WriteStrokeFile(written, bytes, error));
    std::vector<StrokeObject> objects;
    ASSERT_EQ(Read(bytes, objects), ReadResult::Ok);
    EXPECT_EQ(objects, written);

    // A null element is skipped; a second reference (index 2: the first object) yields a copy.
    Bytes handMade;
    U16(handMade, 3);
    ClassRecord(handMade, "CDrawPLine");
    PLineData(handMade, 2, 7);
    U16(handMade, 0x0000);
    U16(handMade, 0x0002);
    ASSERT_EQ(Read(handMade, objects), ReadResult::Ok);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0], objects[1]);
    EXPECT_EQ(objects[0].strokeNumber, 7);

    // The count escape: 0xFFFF then a 32-bit count.
    Bytes escaped;
    U16(escaped, 0xFFFF);
    U32(escaped, 1);
    ClassRecord(escaped, "CDrawPLine");
    PLineData(escaped, 80, 1);
    ASSERT_EQ(Read(escaped, objects), ReadResult::Ok);
    EXPECT_EQ(objects.at(0).points.size(), 80u);
}

TEST(StrokeFile, MalformedFilesAreRefusedWithoutPartObjects) {
    std::vector<StrokeObject> objects;
    Bytes badSchema;
    U16(badSchema, 1);
    ClassRecord(badSchema, "CDrawPLine", 2);
    PLineData(badSchema, 1, 1);
    EXPECT_EQ(Read(badSchema, objects), ReadResult::BadSchema);

    Bytes unknown;
    U16(unknown, 1);
    ClassRecord(unknown, "CDrawStar");
    PLineData(unknown, 1, 1);
    EXPECT_EQ(Read(unknown, objects), ReadResult::UnknownClass);

    Bytes tooMany;
    U16(tooMany, 1);
    ClassRecord(tooMany, "CDrawPLine");
    PLineData(tooMany, 81, 1);
    EXPECT_EQ(Read(tooMany, objects), ReadResult::TooManyPoints);

    Bytes undefinedClass;
    U16(undefinedClass, 1);
    U16(undefinedClass, 0x8003);
    PLineData(undefinedClass, 1, 1);
    EXPECT_EQ(Read(undefinedClass, objects), ReadResult::BadReference);

    Bytes classAsObject;
    U16(classAsObject, 2);
    ClassRecord(classAsObject, "CDrawPLine");
    PLineData(classAsObject, 1, 1);
    U16(classAsObject, 0x0001); // index 1 is the class, not an object
    EXPECT_EQ(Read(classAsObject, objects), ReadResult::NotAnObjectClass);
    EXPECT_TRUE(objects.empty());

    // Every cut of a good file ends inside some record.
    Bytes good;
    std::string error;
    ASSERT_TRUE(WriteStrokeFile(TwoStrokes(), good, error));
    for (size_t size = 0; size < good.size(); ++size) {
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(Read(cut, objects), ReadResult::Truncated) << size;
        EXPECT_TRUE(objects.empty());
    }
}

TEST(StrokeFile, WriterRefusesWhatTheArchiveCannotHoldAndFilesReadFromDisk) {
    std::vector<StrokePoint> points(81, StrokePoint{1, 1});
    Bytes bytes;
    std::string error;
    EXPECT_FALSE(WriteStrokeFile({MakeStrokePolyline(1, points)}, bytes, error));
    EXPECT_FALSE(error.empty());
    StrokeObject circle;
    circle.kind = ObjectKind::Circle;
    circle.values = {1, 2};
    EXPECT_FALSE(WriteStrokeFile({circle}, bytes, error));

    TempFolder folder;
    ASSERT_TRUE(WriteStrokeFile(TwoStrokes(), bytes, error));
    ASSERT_TRUE(WriteTextFile(folder / "PLineForRead_3.data", std::string(bytes.begin(), bytes.end())));
    std::vector<StrokeObject> objects;
    EXPECT_EQ(ReadStrokeFile(folder / "PLineForRead_3.data", objects, error), ReadResult::Ok);
    EXPECT_EQ(objects, TwoStrokes());
    EXPECT_EQ(ReadStrokeFile(folder / "missing.data", objects, error), ReadResult::CannotOpen);
    EXPECT_TRUE(objects.empty());
}

} // namespace
