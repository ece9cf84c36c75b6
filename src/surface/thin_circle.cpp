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

    // The nearest to the circle of the neighbours ahead, clockwise on the screen.
    QPoint next(QPoint p) const {
        const double tx = -(p.y() - cy);
        const double ty = p.x() - cx;
        QPoint best = p;
        double bestError = 0;
        for (int sy = -1; sy <= 1; ++sy)
            for (int sx = -1; sx <= 1; ++sx) {
                if (sx * tx + sy * ty <= 0)
                    continue;
                const double e = error(p.x() + sx, p.y() + sy);
                if (best == p || e < bestError) {
                    best = p + QPoint(sx, sy);
                    bestError = e;
                }
            }
        return best;
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
