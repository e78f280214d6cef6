#include "charstudy/StrokeChecker.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Squared distances are compared; the root is taken once a distance is chosen.
double SquaredDistance(QPointF a, QPointF b) {
    const double dx = a.x() - b.x(), dy = a.y() - b.y();
    return dx * dx + dy * dy;
}

double Distance(QPointF a, QPointF b) {
    return std::sqrt(SquaredDistance(a, b));
}

double SquaredDistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double squared = QPointF::dotProduct(ab, ab);
    if (squared <= 0)
        return SquaredDistance(p, a);
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / squared, 0.0, 1.0);
    return SquaredDistance(p, a + t * ab);
}

double DistanceToPolyline(QPointF p, const std::vector<QPointF>& line) {
    if (line.size() == 1)
        return Distance(p, line.front());
    double nearest = std::numeric_limits<double>::max();
    for (size_t i = 1; i < line.size(); ++i)
        nearest = std::min(nearest, SquaredDistanceToSegment(p, line[i - 1], line[i]));
    return std::sqrt(nearest);
}

double MeanDistanceToPolyline(const std::vector<QPointF>& points, const std::vector<QPointF>& line) {
    double sum = 0;
    for (QPointF p : points)
        sum += DistanceToPolyline(p, line);
    return sum / static_cast<double>(points.size());
}

// Mean distance between the points of two equally long point lists taken in order, the second
// read backwards when `reversed`.
double MeanPairedDistance(const std::vector<QPointF>& a, const std::vector<QPointF>& b, bool reversed) {
    double sum = 0;
    const size_t n = a.size();
    for (size_t i = 0; i < n; ++i)
        sum += Distance(a[i], b[reversed ? n - 1 - i : i]);
    return sum / static_cast<double>(n);
}

// The discrete Fréchet distance between two point lists once their first points lie on each other:
// the difference in shape alone, wherever the stroke was started.
double ShapeDistance(const std::vector<QPointF>& a, const std::vector<QPointF>& b) {
    const QPointF shift = b.front() - a.front();
    const size_t n = a.size(), m = b.size();
    std::vector<double> previous(m), row(m);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < m; ++j) {
            const double d = SquaredDistance(a[i] + shift, b[j]);
            if (i == 0)
                row[j] = j == 0 ? d : std::max(row[j - 1], d);
            else if (j == 0)
                row[j] = std::max(previous[0], d);
            else
                row[j] = std::max(std::min({previous[j], previous[j - 1], row[j - 1]}), d);
        }
        std::swap(previous, row);
    }
    return std::sqrt(previous[m - 1]);
}

QRectF Bounds(const std::vector<QPointF>& points) {
    double left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (QPointF p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// How far apart two boxes are (0 when they overlap): no two points in them are closer.
double Gap(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
    const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::hypot(dx, dy);
}

bool TouchesAnywhere(const std::vector<QPointF>& stroke, const std::vector<QPointF>& reference) {
    const double reach = StrokeChecker::kTouchDistance + StrokeChecker::kInkRadius;
    const double limit = reach * reach;
    for (QPointF r : reference)
        for (QPointF p : stroke) {
            if (SquaredDistance(p, r) < limit)
                return true;
        }
    return false;
}

} // namespace

StrokeChecker::Strictness StrokeChecker::ParseStrictness(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (lower == "relaxed")
        return Strictness::Relaxed;
    if (lower == "strict")
        return Strictness::Strict;
    return Strictness::Normal;
}

double StrokeChecker::Tolerance() const {
    switch (m_strictness) {
    case Strictness::Relaxed:
        return 1.4;
    case Strictness::Strict:
        return 0.75;
    default:
        return 1.0;
    }
}

double StrokeChecker::Length(const std::vector<QPointF>& line) {
    double length = 0;
    for (size_t i = 1; i < line.size(); ++i)
        length += Distance(line[i - 1], line[i]);
    return length;
}

std::vector<QPointF> StrokeChecker::EvenlySpaced(const std::vector<QPointF>& line, double spacing) {
    const int pieces = static_cast<int>(std::ceil(Length(line) / spacing));
    return Resample(line, std::max(pieces, 1) + 1);
}

std::vector<QPointF> StrokeChecker::Resample(const std::vector<QPointF>& line, int count) {
    std::vector<QPointF> even;
    if (line.empty() || count < 2)
        return even;
    const double total = Length(line);
    if (total <= 0)
        return std::vector<QPointF>(static_cast<size_t>(count), line.front());
    even.reserve(static_cast<size_t>(count));
    even.push_back(line.front());
    const double step = total / (count - 1);
    double walked = 0; // length of the line up to the start of segment i
    size_t i = 1;
    for (int k = 1; k < count - 1; ++k) {
        const double target = step * k;
        double segment = Distance(line[i - 1], line[i]);
        while (walked + segment < target && i + 1 < line.size()) {
            walked += segment;
            ++i;
            segment = Distance(line[i - 1], line[i]);
        }
        const double t = segment > 0 ? std::clamp((target - walked) / segment, 0.0, 1.0) : 0.0;
        even.push_back(line[i - 1] + (line[i] - line[i - 1]) * t);
    }
    even.push_back(line.back());
    return even;
}

StrokeChecker::Reference StrokeChecker::Prepare(int number, const std::vector<QPoint>& squarePoints) {
    Reference reference;
    reference.number = number;
    const std::vector<QPointF> line(squarePoints.begin(), squarePoints.end());
    reference.dense = EvenlySpaced(line, kDenseSpacing);
    reference.even = Resample(line, kComparePoints);
    reference.length = Length(line);
    if (!line.empty())
        reference.bounds = Bounds(line);
    return reference;
}

double StrokeChecker::Closeness(const std::vector<QPointF>& evenA, const std::vector<QPointF>& evenB) {
    if (evenA.empty() || evenB.empty())
        return std::numeric_limits<double>::max();
    return 0.5 * (MeanDistanceToPolyline(evenA, evenB) + MeanDistanceToPolyline(evenB, evenA));
}

double StrokeChecker::StrokeGrade(double closeness) {
    constexpr double kFull = 2.0, kZero = 18.0;
    return 100.0 * std::clamp((kZero - closeness) / (kZero - kFull), 0.0, 1.0);
}

StrokeChecker::Outcome StrokeChecker::Check(const std::vector<QPointF>& stroke,
                                            const std::vector<Reference>& references, size_t expected) const {
    const Reference& reference = references[expected];
    Outcome outcome;
    if (stroke.empty() || reference.even.empty()) {
        outcome.verdict = Verdict::TooFar;
        return outcome;
    }
    const double tolerance = Tolerance();
    const std::vector<QPointF> even = Resample(stroke, kComparePoints);
    const std::vector<QPointF> dense = EvenlySpaced(stroke, kDenseSpacing);
    const double length = Length(stroke);
    const QRectF bounds = Bounds(stroke);
    outcome.closeness = Closeness(even, reference.even);
    const auto farLimit = [&](const Reference& r) { return tolerance * (8.0 + 0.06 * r.length); };

    // A later stroke written in place of this one: it fits that stroke clearly better.
    for (size_t later = expected + 1; later < references.size(); ++later) {
        const Reference& other = references[later];
        // Most later strokes lie elsewhere: their boxes alone rule them out.
        if (other.even.empty() || Gap(bounds, other.bounds) > farLimit(other))
            continue;
        const double fit = Closeness(even, other.even);
        if (fit < 0.7 * outcome.closeness && fit < farLimit(other) && TouchesAnywhere(dense, other.dense)) {
            outcome.verdict = Verdict::WrongOrder;
            outcome.fittedIndex = later;
            return outcome;
        }
    }
    // The checks come in the order of their priority: a stroke that touches the reference but
    // lies too far from it on the whole is told so only when nothing else is wrong.
    if (!TouchesAnywhere(dense, reference.dense))
        outcome.verdict = Verdict::TooFar; // NOLINT(bugprone-branch-clone): see the order above
    else if (MeanPairedDistance(even, reference.even, true) < MeanPairedDistance(even, reference.even, false))
        outcome.verdict = Verdict::WrongDirection;
    else if (length < reference.length * (1.0 - 0.35 * tolerance) - 4.0)
        outcome.verdict = Verdict::TooShort;
    else if (length > reference.length * (1.0 + 0.5 * tolerance) + 10.0 * tolerance)
        outcome.verdict = Verdict::TooLong;
    else if (ShapeDistance(even, reference.even) > tolerance * (8.0 + 0.16 * reference.length))
        outcome.verdict = Verdict::WrongShape;
    else if (outcome.closeness > farLimit(reference))
        outcome.verdict = Verdict::TooFar;
    return outcome;
}
