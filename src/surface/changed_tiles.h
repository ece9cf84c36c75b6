// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace surface {

// Which parts of a picture were drawn on since a given moment. The picture is cut into square
// tiles, each stamped with the moment it was last drawn on; a moment is taken before the
// drawing it should tell apart. A wavefront's circles cross a fifth of a 4K picture's tiles,
// while their bounding box is all of it: clearing, restoring and repainting tiles costs what
// was drawn, not the whole picture.
class ChangedTiles {
public:
    static constexpr int tileShift = 6; // 64 x 64 raster pixels

    explicit ChangedTiles(QSize pixels = {});

    // Draws from now on are told apart from those before the moment this returns.
    std::uint64_t takeMoment() { return ++now_; }

    // Drawing on a pixel inside the picture, on an area, along a segment (in raster pixels;
    // the segment's tiles within `reach` of it).
    void markPixel(int x, int y) {
        stamps_[std::size_t(y >> tileShift) * columns_ + std::size_t(x >> tileShift)] = now_;
    }
    void mark(QRect pixels);
    void markSegment(QPointF from, QPointF to, double reach);
    void markAll() { mark(QRect(QPoint(0, 0), size_)); }

    // The tiles drawn on at or after a moment, clipped to the picture: for each row of tiles,
    // the runs of neighbouring ones, top to bottom and left to right.
    std::vector<QRect> since(std::uint64_t moment) const;

private:
    QSize size_;
    std::size_t columns_ = 0;
    std::size_t rows_ = 0;
    std::uint64_t now_ = 1;
    std::vector<std::uint64_t> stamps_;
};

} // namespace surface
