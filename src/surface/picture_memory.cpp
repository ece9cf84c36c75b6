// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/picture_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace surface {

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

// A picture smaller than one huge page costs little either way.
constexpr std::size_t worthHugePages = hugePage;

// Advice only: a kernel without huge pages, or memory that cannot have them, changes nothing.
void adviseHugePages(const void* start, std::size_t bytes) {
#if defined(MADV_HUGEPAGE)
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + hugePage - 1) & ~(hugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(hugePage - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

} // namespace

QImage newPicture(QSize pixels, qreal devicePixelRatio) {
    const qsizetype bytesPerLine = qsizetype(pixels.width()) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(pixels.height());
    QImage image;
    if (bytes >= worthHugePages) {
        const std::size_t rounded = (bytes + hugePage - 1) & ~(hugePage - 1);
        if (void* memory = std::aligned_alloc(hugePage, rounded)) {
            adviseHugePages(memory, rounded);
            image = QImage(static_cast<uchar*>(memory), pixels.width(), pixels.height(),
                           bytesPerLine, QImage::Format_RGB32, std::free, memory);
        }
    }
    if (image.isNull())
        image = QImage(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

void copyPicture(const QImage& from, QImage& into) {
    const bool reusable = into.size() == from.size() && into.format() == from.format() &&
                          into.bytesPerLine() == from.bytesPerLine() && into.isDetached();
    if (!reusable)
        into = newPicture(from.size(), from.devicePixelRatio());
    if (into.bytesPerLine() == from.bytesPerLine()) {
        std::memcpy(into.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
    } else {
        const std::size_t row = std::size_t(from.width()) * 4;
        for (int y = 0; y < from.height(); ++y)
            std::memcpy(into.scanLine(y), from.constScanLine(y), row);
    }
    into.setDevicePixelRatio(from.devicePixelRatio());
}

void preferHugePagesFor(const QPaintDevice* device) {
    // Raster devices paint into an image; others have nothing to advise. The same memory
    // needs the advice once.
    static const void* advised = nullptr;
    const auto* image = dynamic_cast<const QImage*>(device);
    if (!image || image->constBits() == advised)
        return;
    advised = image->constBits();
    adviseHugePages(image->constBits(), std::size_t(image->sizeInBytes()));
}

} // namespace surface
