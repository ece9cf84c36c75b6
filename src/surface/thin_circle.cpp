#include "surface/thin_circle.h"

#include <cmath>

namespace surface {

namespace {

// Beyond this a walk round the circle costs more than the painter's general path.
constexpr double largestRadius = 1 << 20;

struct Walk {
    double cx, cy, r;

    double error(int i, int j) const {
        // sqrt rather than hypot: the coordinates are small, and hypot costs several times
        // as much on every pixel of a large circle.
        const double dx = i - cx;
        const double dy = j - cy;
        return std::abs(std::sqrt(dx * dx + dy * dy) - r);
    }

    // The nearest to the circle of the three neighbours around the tangent, clockwise on
    // the screen: the step of the eight nearest to the tangent's direction and the two
    // beside it.
    QPoint next(QPoint p) const {
        static constexpr QPoint ring[8] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                           {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
        const double tx = -(p.y() - cy);
        const double ty = p.x() - cx;
        const int nearest = nearestStep(tx, ty);
        QPoint best = p + ring[nearest];
        double bestError = error(best.x(), best.y());
        for (int side : {7, 1}) {
            const QPoint candidate = p + ring[(nearest + side) % 8];
            const double e = error(candidate.x(), candidate.y());
            if (e < bestError) {
                best = candidate;
                bestError = e;
            }
        }
        return best;
    }

    // Which of the eight steps (counted from +x towards +y) lies nearest a direction.
    static int nearestStep(double x, double y) {
        constexpr double tan22_5 = 0.41421356237309503;
        const double ax = std::abs(x);
        const double ay = std::abs(y);
        int octant; // in the quadrant of +x, +y: 0 along x, 1 diagonal, 2 along y
        if (ay <= tan22_5 * ax)
            octant = 0;
        else if (ax <= tan22_5 * ay)
            octant = 2;
        else
            octant = 1;
        if (x >= 0)
            return y >= 0 ? octant : (8 - octant) % 8;
        return y >= 0 ? 4 - octant : 4 + octant;
    }

    // The pixel of a column nearest the circle among three rows.
    int nearestRow(int column, int row) const {
        int best = row;
        for (int other : {row - 1, row + 1})
            if (error(column, other) < error(column, best))
                best = other;
        return best;
    }
};

bool missesImage(const QImage& image, double cx, double cy, double r) {
    const double w = image.width();
    const double h = image.height();
    if (cx + r < -1 || cy + r < -1 || cx - r > w + 1 || cy - r > h + 1)
        return true;
    // A circle round the whole picture touches none of it.
    const double farthest = std::hypot(std::max(std::abs(cx), std::abs(cx - w)),
                                       std::max(std::abs(cy), std::abs(cy - h)));
    return farthest < r - 1;
}

} // namespace

bool drawThinCircle(QImage& image, QPointF centre, double radius, QRgb colour) {
    if (!(radius >= 1 && radius <= largestRadius) || !std::isfinite(centre.x()) ||
        !std::isfinite(centre.y()))
        return false;
    if (missesImage(image, centre.x(), centre.y(), radius))
        return true;
    const Walk walk{centre.x(), centre.y(), radius};
    const int width = image.width();
    const int height = image.height();
    const QRgb opaque = colour | 0xff000000u;
    // One look-up of the pixels for the whole circle: a scan line per pixel costs more than
    // the pixel.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto plot = [&](QPoint p) {
        if (p.x() >= 0 && p.y() >= 0 && p.x() < width && p.y() < height)
            reinterpret_cast<QRgb*>(bits + p.y() * stride)[p.x()] = opaque;
    };

    // From the pixel nearest the top of the circle in the centre's column, round to it again.
    const int column = int(std::floor(centre.x() + 0.5));
    const QPoint start(column, walk.nearestRow(column, int(std::floor(centre.y() - radius + 0.5))));
    plot(start);
    const long steps = long(std::ceil(8 * (radius + 2)));
    QPoint p = start;
    for (long k = 0; k < steps; ++k) {
        p = walk.next(p);
        if (p == start)
            break;
        plot(p);
    }
    return true;
}

} // namespace surface
