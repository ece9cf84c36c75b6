// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/surface.h"

#include "surface/picture_memory.h"
#include "surface/thin_circle.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace surface {

namespace {

constexpr double twipsPerInch = 1440.0;

std::function<void(const DrawCall&)>& recorder() {
    static std::function<void(const DrawCall&)> instance;
    return instance;
}

CallTranscript*& transcript() {
    static CallTranscript* innermost = nullptr;
    return innermost;
}

std::uint64_t nextId() {
    static std::uint64_t last = 0;
    return ++last;
}

Qt::PenStyle qtPenStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Dashed:
        return Qt::DashLine;
    case PenStyle::Dotted:
        return Qt::DotLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

Surface::Surface(QSize logicalSize, qreal devicePixelRatio, qreal logicalDpi, QColor background)
    : id_(nextId()), image_(std::make_unique<QImage>(
                         newPicture(QSize(qRound(logicalSize.width() * devicePixelRatio),
                                          qRound(logicalSize.height() * devicePixelRatio)),
                                    devicePixelRatio))),
      background_(background), paintSize_(logicalSize), rasterPerPaint_(devicePixelRatio),
      penScale_(1), unitsPerInch_(logicalDpi), pointScale_(logicalDpi / 72.0) {
    image_->fill(background_);
    tiles_ = ChangedTiles(image_->size());
    tiles_.markAll();
    shownMoment_ = 0;
    clearedMoment_ = tiles_.takeMoment();
    width_ = paintSize_.width() * twipsPerInch / unitsPerInch_;
    height_ = paintSize_.height() * twipsPerInch / unitsPerInch_;
}

Surface::Surface(QPainter& pagePainter, QSizeF paintSize, qreal unitsPerInch, QColor background)
    : id_(nextId()), pagePainter_(&pagePainter), background_(background), paintSize_(paintSize),
      penScale_(unitsPerInch / 96.0), unitsPerInch_(unitsPerInch) {
    width_ = paintSize_.width() * twipsPerInch / unitsPerInch_;
    height_ = paintSize_.height() * twipsPerInch / unitsPerInch_;
}

Surface::~Surface() = default;

void Surface::Scale(double x1, double y1, double x2, double y2) {
    left_ = x1;
    top_ = y1;
    width_ = x2 - x1;
    height_ = y2 - y1;
}

double Surface::ScaleX(double length) const {
    return length / width_ * paintSize_.width() * rasterPerPaint_;
}

double Surface::ScaleY(double length) const {
    return length / height_ * paintSize_.height() * rasterPerPaint_;
}

QPointF Surface::toPaint(double x, double y) const {
    return {(x - left_) / width_ * paintSize_.width(), (y - top_) / height_ * paintSize_.height()};
}

QPointF Surface::fromPaint(QPointF p) const {
    return {left_ + p.x() / paintSize_.width() * width_,
            top_ + p.y() / paintSize_.height() * height_};
}

double Surface::twipsToFrameX(double twips) const {
    return twips / twipsPerInch * unitsPerInch_ / paintSize_.width() * std::abs(width_);
}

double Surface::twipsToFrameY(double twips) const {
    return twips / twipsPerInch * unitsPerInch_ / paintSize_.height() * height_;
}

QPainter& Surface::painter() {
    if (pagePainter_)
        return *pagePainter_;
    if (!imagePainter_)
        imagePainter_ = std::make_unique<QPainter>(image_.get());
    return *imagePainter_;
}

void Surface::endPainting() {
    imagePainter_.reset();
}

const QImage& Surface::image() const {
    // The raster engine writes straight into the image, so the picture is
    // complete even while a painter is open on it.
    return *image_;
}

void Surface::setRecorder(std::function<void(const DrawCall&)> r) {
    recorder() = std::move(r);
}

bool Surface::recording() {
    return bool(recorder());
}

CallTranscript::CallTranscript() : outer_(transcript()) {
    transcript() = this;
}

CallTranscript::~CallTranscript() {
    transcript() = outer_;
}

void Surface::reportAgain(const std::vector<DrawCall>& calls) {
    if (!recorder())
        return;
    for (const DrawCall& call : calls) {
        if (transcript())
            transcript()->calls_.push_back(call);
        recorder()(call);
    }
}

void Surface::record(DrawCall call) const {
    if (!recorder())
        return;
    call.drawWidth = DrawWidth;
    call.drawStyle = DrawStyle;
    if (transcript())
        transcript()->calls_.push_back(call);
    recorder()(call);
}

SurfaceSnapshot Surface::snapshot(QImage reuse) {
    copyPicture(*image_, reuse);
    snapshotKey_ = reuse.cacheKey();
    snapshotMoment_ = tiles_.takeMoment();
    return {reuse,    DrawWidth, DrawStyle, FillStyle, FillColor,
            FontSize, CurrentX,  CurrentY,  ForeColor};
}

void Surface::restore(const SurfaceSnapshot& snapshot) {
    const QImage& from = snapshot.picture;
    const bool lastMatched = snapshotKey_ != 0 && from.cacheKey() == snapshotKey_;
    if (lastMatched) {
        QImage& to = writablePicture();
        for (const QRect& area : tiles_.since(snapshotMoment_)) {
            const std::size_t bytes = std::size_t(area.width()) * 4;
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::memcpy(to.scanLine(y) + std::size_t(area.left()) * 4,
                            from.constScanLine(y) + std::size_t(area.left()) * 4, bytes);
            touchPixels(area);
        }
    } else {
        // Through the painter already open on the picture: its copy of a large image is
        // faster than one plain copy of the bytes.
        QPainter& p = painter();
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, from);
        p.restore();
        touchPixels(image_->rect());
        snapshotKey_ = from.cacheKey();
    }
    snapshotMoment_ = tiles_.takeMoment();
    DrawWidth = snapshot.drawWidth;
    DrawStyle = snapshot.drawStyle;
    FillStyle = snapshot.fillStyle;
    FillColor = snapshot.fillColor;
    FontSize = snapshot.fontSize;
    CurrentX = snapshot.currentX;
    CurrentY = snapshot.currentY;
    ForeColor = snapshot.foreColor;
}

QImage& Surface::writablePicture() {
    if (!image_->isDetached())
        endPainting();
    return *image_;
}

void Surface::touch(QRectF paintArea) {
    if (!image_)
        return;
    const double margin = penWidth() + 1;
    const QRectF widened = paintArea.normalized().adjusted(-margin, -margin, margin, margin);
    touchPixels(QRectF(widened.topLeft() * rasterPerPaint_, widened.size() * rasterPerPaint_)
                    .toAlignedRect());
}

void Surface::touchSegment(QPointF from, QPointF to) {
    if (image_)
        tiles_.markSegment(from * rasterPerPaint_, to * rasterPerPaint_,
                           (penWidth() + 1) * rasterPerPaint_);
}

void Surface::touchPixels(QRect pixels) {
    tiles_.mark(pixels);
}

QRegion Surface::takeChangedArea() {
    if (!image_)
        return {};
    const std::vector<QRect> pixels = tiles_.since(shownMoment_);
    shownMoment_ = tiles_.takeMoment();
    QRegion area;
    for (const QRectF raster : pixels)
        area += QRectF(raster.topLeft() / rasterPerPaint_, raster.size() / rasterPerPaint_)
                    .toAlignedRect();
    return area;
}

double Surface::penWidth() const {
    if (!image_)
        return DrawWidth * penScale_;
    // Whole raster pixels: at a pixel ratio of 1.5 an aliased pen 1.5 pixels wide comes out
    // now one, now two pixels wide, and outlines look frayed.
    return std::max(1.0, std::round(DrawWidth * rasterPerPaint_)) / rasterPerPaint_;
}

void Surface::preparePen(QPainter& p, QColor color) const {
    // Aliased drawing keeps outlines pure black, so that a flood fill stops at them.
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(color, penWidth(), qtPenStyle(DrawStyle),
             DrawStyle == PenStyle::Solid ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void Surface::Cls() {
    record({.kind = DrawCall::Kind::Clear});
    CurrentX = 0;
    CurrentY = 0;
    if (image_) {
        // Only what was drawn on since the last clear: the rest is background already, and
        // a clear of a 4K picture would cost more than most drawings.
        QImage& picture = writablePicture();
        const QRgb paper = background_.rgb();
        for (const QRect& area : tiles_.since(clearedMoment_)) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
                std::fill(row + area.left(), row + area.left() + area.width(), paper);
            }
            touchPixels(area);
        }
        clearedMoment_ = tiles_.takeMoment();
    } else {
        pagePainter_->fillRect(QRectF(QPointF(0, 0), paintSize_), background_);
    }
}

void Surface::drawLine(double x1, double y1, double x2, double y2, QColor color) {
    record({.kind = DrawCall::Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color});
    const QPointF from = toPaint(x1, y1);
    const QPointF to = toPaint(x2, y2);
    touchSegment(from, to);
    QPainter& p = painter();
    preparePen(p, color);
    p.drawLine(from, to);
    CurrentX = x2;
    CurrentY = y2;
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    drawLine(x1, y1, x2, y2, ForeColor);
}

void Surface::Line(double x1, double y1, double x2, double y2, QColor color) {
    drawLine(x1, y1, x2, y2, color);
}

void Surface::LineTo(double x2, double y2) {
    drawLine(CurrentX, CurrentY, x2, y2, ForeColor);
}

void Surface::LineTo(double x2, double y2, QColor color) {
    drawLine(CurrentX, CurrentY, x2, y2, color);
}

void Surface::Circle(double x, double y, double radius) {
    Circle(x, y, radius, ForeColor);
}

void Surface::Circle(double x, double y, double radius, QColor color) {
    const bool filled = FillStyle == FillMode::Solid;
    record({.kind = DrawCall::Kind::Circle,
            .x1 = x,
            .y1 = y,
            .radius = radius,
            .color = color,
            .filled = filled});
    const double rx = std::abs(radius / width_ * paintSize_.width());
    const double ry = std::abs(radius / height_ * paintSize_.height());
    CurrentX = x;
    CurrentY = y;
    const QPointF centre = toPaint(x, y);
    // One-pixel outlines on the window cost only the pixels they touch; the painter's
    // general path costs far more for the large circles of a wavefront.
    const bool onePixelRound = image_ && !filled && DrawStyle == PenStyle::Solid &&
                               std::round(penWidth() * rasterPerPaint_) == 1 &&
                               std::abs(rx - ry) * rasterPerPaint_ < 0.01;
    if (onePixelRound && drawThinCircle(writablePicture(), centre * rasterPerPaint_,
                                        rx * rasterPerPaint_, color.rgb(), &tiles_))
        return;
    touch(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry));
    QPainter& p = painter();
    preparePen(p, color);
    if (filled)
        p.setBrush(FillColor);
    p.drawEllipse(centre, rx, ry);
}

void Surface::Arc(double x, double y, double radius, double start, double end, QColor color) {
    record({.kind = DrawCall::Kind::Arc,
            .x1 = x,
            .y1 = y,
            .x2 = start,
            .y2 = end,
            .radius = radius,
            .color = color});
    double span = end - start;
    if (span < 0)
        span += 2 * std::numbers::pi;
    // Short chords: about two painter units each, so the arc reads as a curve at any size.
    const double lengthInPaint = span * std::abs(radius / width_ * paintSize_.width());
    const int segments = std::max(16, int(std::ceil(lengthInPaint / 2)));
    QPolygonF polyline;
    polyline.reserve(segments + 1);
    for (int k = 0; k <= segments; ++k) {
        const double angle = start + span * k / segments;
        polyline << toPaint(x + radius * std::cos(angle), y + radius * std::sin(angle));
    }
    touch(polyline.boundingRect());
    QPainter& p = painter();
    preparePen(p, color);
    p.drawPolyline(polyline);
    CurrentX = x;
    CurrentY = y;
}

void Surface::PSet(double x, double y) {
    PSet(x, y, ForeColor);
}

void Surface::PSet(double x, double y, QColor color) {
    record({.kind = DrawCall::Kind::Dot, .x1 = x, .y1 = y, .color = color});
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF centre = toPaint(x, y);
    const double across = penWidth();
    touch(QRectF(centre.x() - across, centre.y() - across, 2 * across, 2 * across));
    // A dot one logical pixel across is a square; wider ones are round.
    if (DrawWidth * penScale_ <= 1) {
        p.fillRect(QRectF(centre.x() - across / 2, centre.y() - across / 2, across, across), color);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(centre, across / 2, across / 2);
    }
    CurrentX = x;
    CurrentY = y;
}

void Surface::Print(const QString& text) {
    record({.kind = DrawCall::Kind::Text, .x1 = CurrentX, .y1 = CurrentY, .text = text});
    QPainter& p = painter();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    if (pointScale_ > 0)
        font.setPixelSize(std::max(1, qRound(FontSize * pointScale_)));
    else
        font.setPointSizeF(FontSize);
    p.setFont(font);
    p.setPen(ForeColor);
    const QPointF topLeft = toPaint(CurrentX, CurrentY);
    const QRectF bounds = p.boundingRect(QRectF(topLeft, QSizeF(1, 1)),
                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    p.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
    // Glyphs may reach a little beyond the text's box (italics, accents, overhangs).
    const double overhang = p.fontMetrics().height() / 2.0;
    touch(bounds.adjusted(-overhang, -overhang, overhang, overhang));
    // The next Print starts on the following line at the left edge.
    CurrentX = left_;
    CurrentY += bounds.height() / paintSize_.height() * height_;
}

void Surface::Refresh() {
    if (onRefresh_)
        onRefresh_();
}

void Surface::FillPolygon(const QPolygonF& outline, QColor color) {
    QPolygonF painted;
    for (const QPointF& p : outline)
        painted << toPaint(p.x(), p.y());
    touch(painted.boundingRect());
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(painted);
}

void Surface::FloodFill(int pixelX, int pixelY, QColor border) {
    record({.kind = DrawCall::Kind::Fill,
            .x1 = double(pixelX),
            .y1 = double(pixelY),
            .color = border,
            .filled = true});
    if (!image_)
        return;
    endPainting();
    const int w = image_->width();
    const int h = image_->height();
    if (pixelX < 0 || pixelY < 0 || pixelX >= w || pixelY >= h)
        return;
    const QRgb stop = border.rgb() & RGB_MASK;
    const QRgb paint = FillColor.rgb() | ~RGB_MASK;
    std::vector<bool> visited(std::size_t(w) * std::size_t(h), false);
    auto fillable = [&](int x, int y) {
        const auto* row = reinterpret_cast<const QRgb*>(image_->constScanLine(y));
        return !visited[std::size_t(y) * w + x] && (row[x] & RGB_MASK) != stop;
    };
    QRect filledArea;
    std::vector<QPoint> seeds{{pixelX, pixelY}};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        if (!fillable(seed.x(), seed.y()))
            continue;
        int x0 = seed.x();
        while (x0 > 0 && fillable(x0 - 1, seed.y()))
            --x0;
        int x1 = seed.x();
        while (x1 + 1 < w && fillable(x1 + 1, seed.y()))
            ++x1;
        auto* row = reinterpret_cast<QRgb*>(image_->scanLine(seed.y()));
        for (int x = x0; x <= x1; ++x) {
            row[x] = paint;
            visited[std::size_t(seed.y()) * w + x] = true;
        }
        filledArea |= QRect(x0, seed.y(), x1 - x0 + 1, 1);
        for (int ny : {seed.y() - 1, seed.y() + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int x = x0; x <= x1; ++x) {
                const bool open = fillable(x, ny);
                if (open && !inRun)
                    seeds.push_back({x, ny});
                inRun = open;
            }
        }
    }
    touchPixels(filledArea);
}

} // namespace surface
