// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/measuring_drawing.h"

#include "surface/format.h"
#include "surface/picture_inks.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace surface {

namespace {

constexpr double tickSpacing = 10;  // scene units between the ruler's ticks
constexpr double tickPixels = 4;    // half a tick's length
constexpr double arcPixels = 28;    // the protractor's arc, at most
constexpr double captionPixels = 8; // from the tool to its reading

// Scene units per window pixel on this surface.
double unitsPerPixel(const Surface& s) {
    return 1 / std::abs(s.toPaint(1, 0).x() - s.toPaint(0, 0).x());
}

void drawWith(Surface& s, const Ink& ink) {
    s.DrawWidth = ink.width;
    s.DrawStyle = ink.style;
}

void drawRuler(Surface& s, const geometry::Ruler& r) {
    const double length = geometry::rulerLength(r);
    drawWith(s, inks::ruler);
    s.Line(r.from.x, r.from.y, r.to.x, r.to.y, inks::ruler.color);
    if (length > 0) {
        const double ux = (r.to.x - r.from.x) / length, uy = (r.to.y - r.from.y) / length;
        for (int k = 1; k * tickSpacing < length; ++k) {
            // Every fifth tick is longer, as on a ruler's half centimetres.
            const double half = tickPixels * unitsPerPixel(s) * (k % 5 == 0 ? 2 : 1);
            const double x = r.from.x + ux * k * tickSpacing, y = r.from.y + uy * k * tickSpacing;
            s.Line(x - uy * half, y + ux * half, x + uy * half, y - ux * half, inks::ruler.color);
        }
    }
    drawWith(s, inks::rulerEnds);
    s.PSet(r.from.x, r.from.y, inks::rulerEnds.color);
    s.PSet(r.to.x, r.to.y, inks::rulerEnds.color);
}

double angleOf(geometry::Point from, geometry::Point to) {
    return std::atan2(to.y - from.y, to.x - from.x);
}

void drawProtractor(Surface& s, const geometry::Protractor& p) {
    drawWith(s, inks::protractor);
    for (const geometry::Point& arm : p.arms)
        s.Line(p.vertex.x, p.vertex.y, arm.x, arm.y, inks::protractor.color);
    const double shorter = std::min(std::hypot(p.arms[0].x - p.vertex.x, p.arms[0].y - p.vertex.y),
                                    std::hypot(p.arms[1].x - p.vertex.x, p.arms[1].y - p.vertex.y));
    const double radius = std::min(shorter / 2, arcPixels * unitsPerPixel(s));
    if (radius > 0) {
        // The arc spans the angle the reading gives, never its complement to a full turn.
        const double a = angleOf(p.vertex, p.arms[0]);
        const double b = angleOf(p.vertex, p.arms[1]);
        double sweep = std::remainder(b - a, 2 * std::numbers::pi);
        const double start = sweep >= 0 ? a : b;
        sweep = std::abs(sweep);
        s.Arc(p.vertex.x, p.vertex.y, radius, start, start + sweep, inks::protractor.color);
    }
    drawWith(s, inks::protractorEnds);
    for (const geometry::Point& end : {p.vertex, p.arms[0], p.arms[1]})
        s.PSet(end.x, end.y, inks::protractorEnds.color);
}

// The reading with its corner towards the tool, captionPixels from the place.
void drawCaption(Surface& s, const CaptionPlace& place, const QString& text, double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    const QSizeF size = QFontMetricsF(font).size(0, text);
    const QPointF at =
        s.fromPaint(captionTopLeft(s.toPaint(place.at.x, place.at.y), place.towards, size));
    s.FontSize = points;
    s.ForeColor = inks::toolCaptions.color;
    s.CurrentX = at.x();
    s.CurrentY = at.y();
    s.Print(text);
}

QPointF unit(double x, double y) {
    const double length = std::hypot(x, y);
    return length > 0 ? QPointF(x / length, y / length) : QPointF(1, -1) / std::sqrt(2.0);
}

} // namespace

QString rulerText(const geometry::Ruler& ruler) {
    return QCoreApplication::translate("Measuring", "μήκος %1")
        .arg(Format(geometry::rulerLength(ruler), "0.00"));
}

QString protractorText(const geometry::Protractor& protractor) {
    return QCoreApplication::translate("Measuring", "γωνία %1°")
        .arg(Format(geometry::protractorDegrees(protractor), "0.00"));
}

CaptionPlace rulerCaptionPlace(const geometry::Ruler& r) {
    // Above the ruler's middle (on the window, y grows downwards), on the side of its normal
    // that points up.
    QPointF normal = unit(-(r.to.y - r.from.y), -(r.to.x - r.from.x));
    if (normal.y() > 0)
        normal = -normal;
    return {{(r.from.x + r.to.x) / 2, (r.from.y + r.to.y) / 2}, normal};
}

CaptionPlace protractorCaptionPlace(const geometry::Protractor& p) {
    const QPointF a = unit(p.arms[0].x - p.vertex.x, -(p.arms[0].y - p.vertex.y));
    const QPointF b = unit(p.arms[1].x - p.vertex.x, -(p.arms[1].y - p.vertex.y));
    return {p.vertex, unit(-(a + b).x(), -(a + b).y())};
}

QPointF captionTopLeft(QPointF toolPixel, QPointF towards, QSizeF size) {
    const QPointF anchor = toolPixel + captionPixels * towards;
    // Sideways, the reading stands above the point: the picture writes its own captions
    // (F1, N2, …) below the points of the axis.
    const bool above = towards.y() < 0.5;
    return {anchor.x() - (towards.x() < 0 ? size.width() : 0),
            anchor.y() - (above ? size.height() : 0)};
}

double toolCaptionPoints(double windowHeight) {
    return 12 * std::clamp(windowHeight / 768, 1.0, 2.0);
}

void drawMeasuringTools(Surface& s, const geometry::MeasuringTools& tools,
                        std::optional<double> readingPoints) {
    if (tools.ruler) {
        drawRuler(s, *tools.ruler);
        if (readingPoints)
            drawCaption(s, rulerCaptionPlace(*tools.ruler), rulerText(*tools.ruler),
                        *readingPoints);
    }
    if (tools.protractor) {
        drawProtractor(s, *tools.protractor);
        if (readingPoints)
            drawCaption(s, protractorCaptionPlace(*tools.protractor),
                        protractorText(*tools.protractor), *readingPoints);
    }
}

} // namespace surface
