// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/thin_circle.h"

#include "surface/changed_tiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace surface {

namespace {

// Beyond this the squares of the distances lose the precision of a pixel.
constexpr double largestRadius = 1 << 20;

// Where a column is farther than this from the centre, the circle there is steeper than a
// diagonal and the rows give all its pixels; the same, turned, for rows. The extra pixel and
// a half covers the half pixel by which a crossing is rounded and the curvature over it.
double diagonalReach(double r) {
    return std::min(r, r * 0.70710678118654757 + 1.5);
}

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

// The pixel nearest a crossing of the circle with a grid line, halves rounded up. A floor by
// truncation costs a third of std::floor's; a circle that reaches the picture keeps its
// crossings within a few million pixels of it, well inside an int.
int nearest(double at) {
    const double v = at + 0.5;
    const int t = int(v);
    return t - (t > v);
}

// Half the chord a grid line at this distance from the centre cuts from the circle.
double crossing(double rr, double distance) {
    return std::sqrt(std::max(0.0, rr - distance * distance));
}

// Below this a circle round a corner of four pixels can have them all nearest its crossings;
// the one farthest from the circle goes, to keep the ring one pixel wide, and so does any
// pixel it alone joined to the ring.
constexpr double smallRadius = 1.5;

// The pixels of a small circle, whole, before clipping: at most a few dozen.
std::vector<QPoint> smallCircle(double cx, double cy, double rr, double firstX, double lastX,
                                double firstY, double lastY) {
    std::vector<QPoint> pixels;
    auto add = [&](int x, int y) {
        if (std::find(pixels.begin(), pixels.end(), QPoint(x, y)) == pixels.end())
            pixels.emplace_back(x, y);
    };
    for (double x = firstX; x <= lastX; ++x) {
        const double half = crossing(rr, x - cx);
        add(int(x), nearest(cy - half));
        add(int(x), nearest(cy + half));
    }
    for (double y = firstY; y <= lastY; ++y) {
        const double half = crossing(rr, y - cy);
        add(nearest(cx - half), int(y));
        add(nearest(cx + half), int(y));
    }
    auto has = [&](QPoint p) { return std::find(pixels.begin(), pixels.end(), p) != pixels.end(); };
    auto offCircle = [&](QPoint p) {
        return std::abs(std::hypot(p.x() - cx, p.y() - cy) - std::sqrt(rr));
    };
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPoint corner = pixels[i];
        const QPoint block[4] = {corner, corner + QPoint(1, 0), corner + QPoint(0, 1),
                                 corner + QPoint(1, 1)};
        if (!std::all_of(std::begin(block), std::end(block), has))
            continue;
        const QPoint worst =
            *std::max_element(std::begin(block), std::end(block),
                              [&](QPoint a, QPoint b) { return offCircle(a) < offCircle(b); });
        pixels.erase(std::find(pixels.begin(), pixels.end(), worst));
        i = std::size_t(-1);
    }
    // A pixel the removed one joined to the ring would be left a loose end.
    auto looseEnd = [&](QPoint p) {
        int neighbours = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                neighbours += (dx || dy) && has(p + QPoint(dx, dy));
        return neighbours < 2;
    };
    while (true) {
        const auto end = std::find_if(pixels.begin(), pixels.end(), looseEnd);
        if (end == pixels.end())
            return pixels;
        pixels.erase(end);
    }
}

} // namespace

// The pixels are those nearest the circle's crossings with the grid lines through pixel
// centres: on each column the rows nearest its two crossings, and on each row the columns.
// Each pixel is within half a pixel of a point of the circle along its grid line, so within
// half a pixel of the circle, and such a set of a smooth curve is 8-connected. Every pixel
// depends only on its own column or row, so a circle drawn in part of the picture sets the
// same pixels there as the whole circle does, and only the visible columns and rows cost
// anything: one square root for each pair of pixels.
bool drawThinCircle(QImage& image, QPointF centre, double radius, QRgb colour,
                    ChangedTiles* drawnOn) {
    if (!(radius >= 1 && radius <= largestRadius) || !std::isfinite(centre.x()) ||
        !std::isfinite(centre.y()))
        return false;
    const double cx = centre.x();
    const double cy = centre.y();
    if (missesImage(image, cx, cy, radius))
        return true;
    const double rr = radius * radius;
    const double reach = diagonalReach(radius);
    const double firstX = std::ceil(cx - reach), lastX = std::floor(cx + reach);
    const double firstY = std::ceil(cy - reach), lastY = std::floor(cy + reach);
    const int width = image.width();
    const int height = image.height();
    if (radius < smallRadius) {
        for (const QPoint p : smallCircle(cx, cy, rr, firstX, lastX, firstY, lastY))
            if (p.x() >= 0 && p.y() >= 0 && p.x() < width && p.y() < height) {
                image.setPixel(p, colour | 0xff000000u);
                if (drawnOn)
                    drawnOn->markPixel(p.x(), p.y());
            }
        return true;
    }
    const QRgb opaque = colour | 0xff000000u;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto plot = [&](int x, int y) {
        if (unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height)) {
            reinterpret_cast<QRgb*>(bits + y * stride)[x] = opaque;
            if (drawnOn)
                drawnOn->markPixel(x, y);
        }
    };
    const int columnsEnd = int(std::min(lastX, double(width - 1)));
    for (int x = int(std::max(firstX, 0.0)); x <= columnsEnd; ++x) {
        const double half = crossing(rr, x - cx);
        plot(x, nearest(cy - half));
        plot(x, nearest(cy + half));
    }
    const int rowsEnd = int(std::min(lastY, double(height - 1)));
    for (int y = int(std::max(firstY, 0.0)); y <= rowsEnd; ++y) {
        const double half = crossing(rr, y - cy);
        plot(nearest(cx - half), y);
        plot(nearest(cx + half), y);
    }
    return true;
}

} // namespace surface
