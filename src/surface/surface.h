// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/changed_tiles.h"

#include "geometry/drawing_properties.h"
#include <QColor>

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace surface {

using PenStyle = geometry::PenStyle;
using FillMode = geometry::FillMode;

// One drawing call as the program handed it to a surface, in the surface's own
// frame; tests watch these to see what was drawn without reading pixels.
struct DrawCall {
    enum class Kind { Line, Circle, Arc, Dot, Text, Fill, Clear };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0; // start of a line, centre of a circle or arc, a dot, text position
    double x2 = 0, y2 = 0; // end of a line; start and end angle of an arc
    double radius = 0;
    QColor color{};
    int drawWidth = 1;
    PenStyle drawStyle = PenStyle::Solid;
    bool filled = false; // a full circle filled with the fill colour
    QString text{};
};

// The retained picture and the drawing properties at one moment, to come back to.
struct SurfaceSnapshot {
    QImage picture;
    int drawWidth = 1;
    PenStyle drawStyle = PenStyle::Solid;
    FillMode fillStyle = FillMode::Transparent;
    QColor fillColor;
    double fontSize = 10;
    double currentX = 0;
    double currentY = 0;
    QColor foreColor;
};

// While one lives, every call the surfaces report to the recorder is also kept here, so that
// a picture put back from a snapshot can report its calls again.
class CallTranscript {
public:
    CallTranscript();
    ~CallTranscript();
    CallTranscript(const CallTranscript&) = delete;
    CallTranscript& operator=(const CallTranscript&) = delete;
    const std::vector<DrawCall>& calls() const { return calls_; }

private:
    friend class Surface;
    std::vector<DrawCall> calls_;
    CallTranscript* outer_;
};

// The drawing operations the program relies on, over either the window's retained
// image or a printer page. Coordinates are in the user frame set by Scale; pen
// widths are in the window's logical pixels (1/96 inch on paper).
class Surface {
public:
    // The window's retained picture: logicalSize pixels at the given device pixel
    // ratio; logicalDpi fixes twips and points.
    Surface(QSize logicalSize, qreal devicePixelRatio, qreal logicalDpi, QColor background);
    // A page: the painter is already active on it; paintSize is the printable area in
    // the painter's units and unitsPerInch their resolution. Cls paints it the background.
    Surface(QPainter& pagePainter, QSizeF paintSize, qreal unitsPerInch,
            QColor background = Qt::white);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The frame: (x1, y1) becomes the top-left corner and (x2, y2) the bottom-right.
    void Scale(double x1, double y1, double x2, double y2);
    float ScaleLeft() const { return float(left_); }
    float ScaleTop() const { return float(top_); }
    float ScaleWidth() const { return float(width_); }
    float ScaleHeight() const { return float(height_); }
    // A length in the frame as pixels of the surface's own raster (sign kept).
    double ScaleX(double length) const;
    double ScaleY(double length) const;

    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, QColor color);
    void LineTo(double x2, double y2); // from the current point
    void LineTo(double x2, double y2, QColor color);
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, QColor color);
    // An unfilled arc from start to end angle, in radians, from +x towards +y.
    void Arc(double x, double y, double radius, double start, double end, QColor color);
    void PSet(double x, double y);
    void PSet(double x, double y, QColor color);
    void Print(const QString& text);
    void Refresh();
    // Fills from an image pixel up to the border colour, 4-connected, with FillColor.
    void FloodFill(int pixelX, int pixelY, QColor border);
    // Fills a closed outline given in the frame with a colour, without a pen: what a flood
    // fill does on a raster, for surfaces that have none.
    void FillPolygon(const QPolygonF& outline, QColor color);

    int DrawWidth = 1;
    PenStyle DrawStyle = PenStyle::Solid;
    FillMode FillStyle = FillMode::Transparent;
    QColor FillColor = Qt::black;
    double FontSize = 10;
    double CurrentX = 0;
    double CurrentY = 0;
    QColor ForeColor = Qt::black;

    // Conversions between the frame and the painter's units (logical pixels on the
    // window), for placing controls and reading the mouse.
    QPointF toPaint(double x, double y) const;
    QPointF fromPaint(QPointF p) const;
    double twipsToFrameX(double twips) const; // a horizontal length in twips
    double twipsToFrameY(double twips) const; // a vertical length in twips, sign kept

    // The retained picture (window surfaces only).
    const QImage& image() const;
    bool hasImage() const { return image_ != nullptr; }
    // What Cls paints.
    QColor background() const { return background_; }
    // Tells this surface from every other made while the program runs, even one made later
    // at the same address.
    std::uint64_t id() const { return id_; }

    // The picture and properties as they are now, and back to them (window surfaces only,
    // of the same size). A snapshot reuses the memory of `reuse` when it can. Restoring the
    // snapshot the picture last matched copies back only what was drawn since.
    SurfaceSnapshot snapshot(QImage reuse = {});
    void restore(const SurfaceSnapshot& snapshot);

    // The part of the picture, in the painter's units, changed since the last call: what the
    // window has to show again (window surfaces only; empty for a page).
    QRegion takeChangedArea();

    void setRefreshHandler(std::function<void()> handler) { onRefresh_ = std::move(handler); }
    // Every surface reports each call to the recorder, if one is set (tests only).
    static void setRecorder(std::function<void(const DrawCall&)> recorder);
    static bool recording();
    // Reports calls a transcript kept to the recorder again, as if drawn now.
    static void reportAgain(const std::vector<DrawCall>& calls);

private:
    QPainter& painter();
    void endPainting();
    void record(DrawCall call) const;
    void preparePen(QPainter& p, QColor color) const;
    double penWidth() const;
    void drawLine(double x1, double y1, double x2, double y2, QColor color);
    // The picture for writing pixels without the painter: a shared picture is first detached,
    // so the painter must not go on drawing into memory another holder now owns.
    QImage& writablePicture();
    // Notes an area or a segment drawn on, in the painter's units, widened by the pen.
    void touch(QRectF paintArea);
    void touchSegment(QPointF from, QPointF to);
    void touchPixels(QRect pixels);

    const std::uint64_t id_;
    std::unique_ptr<QImage> image_;
    std::unique_ptr<QPainter> imagePainter_;
    QPainter* pagePainter_ = nullptr;
    QColor background_ = Qt::white;
    QSizeF paintSize_;         // drawable area in painter units
    qreal rasterPerPaint_ = 1; // own raster pixels per painter unit
    qreal penScale_ = 1;       // painter units per logical pixel
    qreal unitsPerInch_ = 96;  // painter units per inch
    qreal pointScale_ = 0;     // painter units per point; 0 lets the painter size fonts
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    // Where the picture was drawn on, and the moments it is compared with: when it last
    // equalled the snapshot with key snapshotKey_ (0: none), when takeChangedArea last asked,
    // and the last Cls (what was drawn on since is all that is not background). Each moment
    // is written by the call it is named after, and by restore for the snapshot's.
    ChangedTiles tiles_;
    qint64 snapshotKey_ = 0;
    std::uint64_t snapshotMoment_ = 0;
    std::uint64_t shownMoment_ = 0;
    std::uint64_t clearedMoment_ = 0;
    std::function<void()> onRefresh_;
};

} // namespace surface
