#include "charstudy/StrokeFile.h"

#include "app/FileUtils.h"

#include <array>
#include <map>

namespace strokefile {
namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassFlag = 0x80000000u; // in the 32-bit index after kBigObjectTag
constexpr std::uint16_t kSchema = 1;

struct ClassInfo {
    ObjectKind kind;
    const char* name;
    std::uint32_t typeTag;
    int valueCount; // coordinates after type tag and colour; -1 for the polyline's own layout
};

constexpr std::array<ClassInfo, 6> kClasses = {{
    {ObjectKind::PLine, "CDrawPLine", 0x800E, -1},
    {ObjectKind::Line, "CDrawLine", 0x8010, 4},
    {ObjectKind::Rect, "CDrawRect", 0x800A, 4},
    {ObjectKind::Ellipse, "CDrawEllipse", 0x800C, 4},
    {ObjectKind::Circle, "CDrawCircle", 0x800D, 3},
    {ObjectKind::Font, "CDrawFont", 0x8014, 2},
}};

const ClassInfo& Info(ObjectKind kind) {
    for (const ClassInfo& info : kClasses)
        if (info.kind == kind)
            return info;
    return kClasses[0];
}

class ByteWriter {
public:
    explicit ByteWriter(std::vector<unsigned char>& out) : m_out(out) {}
    void U16(std::uint16_t v) {
        m_out.push_back(static_cast<unsigned char>(v));
        m_out.push_back(static_cast<unsigned char>(v >> 8));
    }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }

private:
    std::vector<unsigned char>& m_out;
};

class ByteReader {
public:
    ByteReader(const unsigned char* data, size_t size) : m_data(data), m_size(size) {}
    bool U16(std::uint16_t& v) {
        if (m_size - m_pos < 2)
            return false;
        v = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool U32(std::uint32_t& v) {
        if (m_size - m_pos < 4)
            return false;
        v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(m_data[m_pos + i]) << (8 * i);
        m_pos += 4;
        return true;
    }
    bool I32(std::int32_t& v) {
        std::uint32_t u = 0;
        if (!U32(u))
            return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool Text(size_t length, std::string& text) {
        if (m_size - m_pos < length)
            return false;
        text.assign(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return true;
    }
    size_t Position() const { return m_pos; }

private:
    const unsigned char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void WriteObjectData(ByteWriter& w, const StrokeObject& object) {
    w.U32(object.typeTag);
    w.U32(object.colour);
    if (object.kind == ObjectKind::PLine) {
        w.U32(static_cast<std::uint32_t>(object.points.size()));
        w.I32(object.strokeNumber);
        w.I32(object.penWidth);
        for (const StrokePoint& p : object.points) {
            w.I32(p.x);
            w.I32(p.y);
        }
        return;
    }
    for (std::int32_t v : object.values)
        w.I32(v);
}

// Reads the archive's data of one object of the given class into `object`.
ReadResult ReadObjectData(ByteReader& r, const ClassInfo& info, StrokeObject& object) {
    object = StrokeObject{};
    object.kind = info.kind;
    if (!r.U32(object.typeTag) || !r.U32(object.colour))
        return ReadResult::Truncated;
    if (info.valueCount >= 0) {
        object.values.resize(static_cast<size_t>(info.valueCount));
        for (std::int32_t& v : object.values)
            if (!r.I32(v))
                return ReadResult::Truncated;
        return ReadResult::Ok;
    }
    std::uint32_t count = 0;
    if (!r.U32(count) || !r.I32(object.strokeNumber) || !r.I32(object.penWidth))
        return ReadResult::Truncated;
    if (count > kMaxPolylinePoints)
        return ReadResult::TooManyPoints;
    object.points.resize(count);
    for (StrokePoint& p : object.points)
        if (!r.I32(p.x) || !r.I32(p.y))
            return ReadResult::Truncated;
    return ReadResult::Ok;
}

// What an archive index stands for: a class (by its table entry) or an object read earlier.
struct IndexEntry {
    const ClassInfo* classInfo = nullptr;
    size_t objectPosition = 0; // into the result array, when classInfo is null
};

class ArchiveReader {
public:
    ArchiveReader(const unsigned char* data, size_t size, std::vector<StrokeObject>& objects)
        : m_reader(data, size), m_objects(objects) {}

    ReadResult Read(std::string& error) {
        std::uint32_t count = 0;
        ReadResult result = ReadCount(count);
        for (std::uint32_t i = 0; result == ReadResult::Ok && i < count; ++i)
            result = ReadElement();
        if (result != ReadResult::Ok)
            error = Describe(result) + " at byte " + std::to_string(m_reader.Position());
        return result;
    }

private:
    ReadResult ReadCount(std::uint32_t& count) {
        std::uint16_t shortCount = 0;
        if (!m_reader.U16(shortCount))
            return ReadResult::Truncated;
        count = shortCount;
        if (shortCount == 0xFFFF && !m_reader.U32(count))
            return ReadResult::Truncated;
        return ReadResult::Ok;
    }

    ReadResult ReadElement() {
        std::uint16_t tag = 0;
        if (!m_reader.U16(tag))
            return ReadResult::Truncated;
        if (tag == kNullTag)
            return ReadResult::Ok;
        if (tag == kNewClassTag)
            return ReadNewClass();
        if (tag & kClassTag)
            return ReadObjectOfClass(tag & ~kClassTag);
        std::uint32_t index = tag;
        if (tag == kBigObjectTag && !m_reader.U32(index))
            return ReadResult::Truncated;
        if (index & kBigClassFlag)
            return ReadObjectOfClass(index & ~kBigClassFlag);
        return RepeatObject(index);
    }

    ReadResult ReadNewClass() {
        std::uint16_t schema = 0;
        std::uint16_t length = 0;
        std::string name;
        if (!m_reader.U16(schema) || !m_reader.U16(length) || !m_reader.Text(length, name))
            return ReadResult::Truncated;
        if (schema != kSchema)
            return ReadResult::BadSchema;
        const ClassInfo* info = nullptr;
        for (const ClassInfo& candidate : kClasses)
            if (name == candidate.name)
                info = &candidate;
        if (!info)
            return ReadResult::UnknownClass;
        m_index[++m_lastIndex] = IndexEntry{info, 0};
        return ReadObject(*info);
    }

    ReadResult ReadObjectOfClass(std::uint32_t classIndex) {
        const auto found = m_index.find(classIndex);
        if (found == m_index.end())
            return ReadResult::BadReference;
        if (!found->second.classInfo)
            return ReadResult::NotAnObjectClass;
        return ReadObject(*found->second.classInfo);
    }

    ReadResult ReadObject(const ClassInfo& info) {
        StrokeObject object;
        const ReadResult result = ReadObjectData(m_reader, info, object);
        if (result != ReadResult::Ok)
            return result;
        m_index[++m_lastIndex] = IndexEntry{nullptr, m_objects.size()};
        m_objects.push_back(std::move(object));
        return ReadResult::Ok;
    }

    ReadResult RepeatObject(std::uint32_t index) {
        const auto found = m_index.find(index);
        if (found == m_index.end())
            return ReadResult::BadReference;
        if (found->second.classInfo)
            return ReadResult::NotAnObjectClass;
        m_objects.push_back(m_objects[found->second.objectPosition]);
        return ReadResult::Ok;
    }

    static std::string Describe(ReadResult result) {
        switch (result) {
        case ReadResult::Truncated:
            return "the stroke file ends inside a record";
        case ReadResult::BadSchema:
            return "a class record has a schema other than 1";
        case ReadResult::UnknownClass:
            return "a class record names a class that is not a drawing object";
        case ReadResult::TooManyPoints:
            return "a polyline claims more than 80 points";
        case ReadResult::BadReference:
            return "a reference names an index not defined yet";
        case ReadResult::NotAnObjectClass:
            return "a reference names a class where an object belongs, or an object where a class belongs";
        case ReadResult::CannotOpen:
            return "the stroke file cannot be read";
        case ReadResult::Ok:
            break;
        }
        return "no error";
    }

    ByteReader m_reader;
    std::vector<StrokeObject>& m_objects;
    std::map<std::uint32_t, IndexEntry> m_index;
    std::uint32_t m_lastIndex = 0;
};

} // namespace

StrokeObject MakeStrokePolyline(std::int32_t strokeNumber, std::vector<StrokePoint> points) {
    StrokeObject object;
    object.strokeNumber = strokeNumber;
    object.points = std::move(points);
    return object;
}

const char* ClassName(ObjectKind kind) {
    return Info(kind).name;
}

bool WriteStrokeFile(const std::vector<StrokeObject>& objects, std::vector<unsigned char>& out,
                     std::string& error) {
    for (const StrokeObject& object : objects) {
        const ClassInfo& info = Info(object.kind);
        if (object.kind == ObjectKind::PLine && object.points.size() > kMaxPolylinePoints) {
            error = "a polyline has more than 80 points";
            return false;
        }
        if (info.valueCount >= 0 && object.values.size() != static_cast<size_t>(info.valueCount)) {
            error = std::string("a ") + info.name + " needs " + std::to_string(info.valueCount) + " values";
            return false;
        }
    }
    out.clear();
    ByteWriter w(out);
    if (objects.size() < 0xFFFF) {
        w.U16(static_cast<std::uint16_t>(objects.size()));
    } else {
        w.U16(0xFFFF);
        w.U32(static_cast<std::uint32_t>(objects.size()));
    }
    std::map<ObjectKind, std::uint32_t> classIndex;
    std::uint32_t lastIndex = 0;
    for (const StrokeObject& object : objects) {
        const auto known = classIndex.find(object.kind);
        if (known != classIndex.end() && known->second < kBigObjectTag) {
            w.U16(static_cast<std::uint16_t>(kClassTag | known->second));
        } else if (known != classIndex.end()) {
            w.U16(kBigObjectTag);
            w.U32(kBigClassFlag | known->second);
        } else {
            const std::string name = ClassName(object.kind);
            w.U16(kNewClassTag);
            w.U16(kSchema);
            w.U16(static_cast<std::uint16_t>(name.size()));
            out.insert(out.end(), name.begin(), name.end());
            classIndex[object.kind] = ++lastIndex;
        }
        ++lastIndex;
        WriteObjectData(w, object);
    }
    return true;
}

ReadResult ReadStrokeFile(const unsigned char* data, size_t size, std::vector<StrokeObject>& objects,
                          std::string& error) {
    objects.clear();
    ArchiveReader reader(data, size, objects);
    const ReadResult result = reader.Read(error);
    if (result != ReadResult::Ok)
        objects.clear();
    return result;
}

ReadResult ReadStrokeFile(const std::string& path, std::vector<StrokeObject>& objects, std::string& error) {
    objects.clear();
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        error = "the stroke file cannot be read: " + path;
        return ReadResult::CannotOpen;
    }
    return ReadStrokeFile(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size(), objects,
                          error);
}

} // namespace strokefile
