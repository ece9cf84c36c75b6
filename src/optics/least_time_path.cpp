// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/least_time_path.h"

#include "geometry/lens.h"
#include "geometry/refraction.h"
#include "geometry/search.h"
#include "optics/captions.h"
#include "surface/arrowhead.h"
#include "surface/format.h"
#include "surface/messagebox.h"
#include "surface/picture_inks.h"
#include <QCoreApplication>

#include <cmath>

namespace optics {

namespace {

// The normal at P, dotted, from the centre of curvature through P on to the x halfway
// between P and the source; at a flat face, across the lens and on.
void drawNormal(surface::Surface& s, const geometry::Lens& lens, double px, double py,
                double sourceX) {
    const geometry::LensFace& front = lens.front();
    const double halfway = (sourceX - px) / 2;
    s.DrawStyle = surface::inks::normal.style;
    if (front.flat) {
        s.Line(lens.rear().vertexX, py, px + halfway, py);
    } else {
        const double c = front.centreX;
        // A vertical normal has no slope to carry it on by.
        if (px - c != 0)
            s.Line(c, 0, px + halfway, py + py * halfway / (px - c));
    }
    s.DrawStyle = surface::PenStyle::Solid;
}

} // namespace

LeastTimePath drawLeastTimePath(surface::Surface& s, const geometry::Lens& lens,
                                geometry::Source source, std::int16_t v,
                                const geometry::Layers& layers) {
    const geometry::Point target = lens.rearSurfacePoint(v);
    const geometry::LensSearch entry = geometry::searchLensEntry(
        lens, source.x, source.y, target.x, target.y, geometry::StepTest::Single);
    LeastTimePath path;
    if (!entry.found) {
        surface::MsgBox(geometry::Message::NotFound);
        return path;
    }

    s.Line(source.x, source.y, entry.x, entry.y);
    s.LineTo(target.x, target.y);
    if (layers.directionArrows) {
        surface::drawArrowhead(s, source.x, source.y, entry.x, entry.y);
        surface::drawArrowhead(s, entry.x, entry.y, target.x, target.y);
    }
    path.bluePoint = geometry::Point{entry.x, entry.y};

    const geometry::Refraction angles =
        geometry::refractionAt(lens, source.x, source.y, entry.x, entry.y, target.x, target.y);
    path.labels.set(3, anglesCaption(angles));
    if (std::sin(angles.refraction) != 0) {
        path.labels.set(4, indexCaption(angles));
        path.labels.set(7, QCoreApplication::translate("Captions", "ψ blue = ") +
                               surface::Format(entry.y, "0.0"));
    }
    if (layers.normals)
        drawNormal(s, lens, entry.x, entry.y, source.x);
    path.labels.set(2, timeCaption(entry.time));
    return path;
}

} // namespace optics
