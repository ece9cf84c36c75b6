// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/changed_tiles.h"

#include <algorithm>
#include <cmath>

namespace surface {

namespace {

constexpr int tileSize = 1 << ChangedTiles::tileShift;

} // namespace

ChangedTiles::ChangedTiles(QSize pixels)
    : size_(pixels), columns_(std::size_t(std::max(0, pixels.width() + tileSize - 1) / tileSize)),
      rows_(std::size_t(std::max(0, pixels.height() + tileSize - 1) / tileSize)),
      stamps_(columns_ * rows_, 0) {}

void ChangedTiles::mark(QRect pixels) {
    const QRect inside = pixels & QRect(QPoint(0, 0), size_);
    if (inside.isEmpty())
        return;
    for (int row = inside.top() >> tileShift; row <= inside.bottom() >> tileShift; ++row)
        std::fill_n(stamps_.begin() + std::ptrdiff_t(std::size_t(row) * columns_ +
                                                     std::size_t(inside.left() >> tileShift)),
                    (inside.right() >> tileShift) - (inside.left() >> tileShift) + 1, now_);
}

void ChangedTiles::markSegment(QPointF from, QPointF to, double reach) {
    if (stamps_.empty())
        return;
    // Only the part within reach of the picture matters; a ray may run far beyond it.
    const double margin = reach + tileSize;
    double enter = 0, leave = 1;
    const double start[2] = {from.x(), from.y()};
    const double delta[2] = {to.x() - from.x(), to.y() - from.y()};
    const double high[2] = {size_.width() + margin, size_.height() + margin};
    for (int axis = 0; axis < 2; ++axis) {
        if (!std::isfinite(start[axis]) || !std::isfinite(delta[axis]))
            return markAll();
        if (delta[axis] == 0) {
            if (start[axis] < -margin || start[axis] > high[axis])
                return;
            continue;
        }
        double a = (-margin - start[axis]) / delta[axis];
        double b = (high[axis] - start[axis]) / delta[axis];
        if (a > b)
            std::swap(a, b);
        enter = std::max(enter, a);
        leave = std::min(leave, b);
    }
    if (enter > leave)
        return;
    // Squares of half a tile along the segment, each widened by the reach, cover every pixel
    // within the reach of it.
    const QPointF first = from + (to - from) * enter;
    const QPointF last = from + (to - from) * leave;
    const double step = tileSize / 2.0;
    const int pieces =
        std::max(1, int(std::ceil(std::hypot(last.x() - first.x(), last.y() - first.y()) / step)));
    const double across = reach + step / 2;
    const double lastColumn = double(columns_) - 1;
    const double lastRow = double(rows_) - 1;
    auto tile = [](double at, double highest) {
        return std::size_t(std::clamp(std::floor(at / tileSize), 0.0, highest));
    };
    for (int k = 0; k <= pieces; ++k) {
        const QPointF at = first + (last - first) * (double(k) / pieces);
        if (at.x() + across < 0 || at.y() + across < 0 || at.x() - across >= size_.width() ||
            at.y() - across >= size_.height())
            continue;
        const std::size_t left = tile(at.x() - across, lastColumn);
        const std::size_t right = tile(at.x() + across, lastColumn);
        for (std::size_t row = tile(at.y() - across, lastRow);
             row <= tile(at.y() + across, lastRow); ++row)
            std::fill(stamps_.begin() + std::ptrdiff_t(row * columns_ + left),
                      stamps_.begin() + std::ptrdiff_t(row * columns_ + right + 1), now_);
    }
}

std::vector<QRect> ChangedTiles::since(std::uint64_t moment) const {
    std::vector<QRect> runs;
    const QRect picture(QPoint(0, 0), size_);
    for (std::size_t row = 0; row < rows_; ++row) {
        const std::uint64_t* stamps = stamps_.data() + row * columns_;
        for (std::size_t column = 0; column < columns_;) {
            if (stamps[column] < moment) {
                ++column;
                continue;
            }
            const std::size_t first = column;
            while (column < columns_ && stamps[column] >= moment)
                ++column;
            runs.push_back(QRect(int(first) * tileSize, int(row) * tileSize,
                                 int(column - first) * tileSize, tileSize) &
                           picture);
        }
    }
    return runs;
}

} // namespace surface
