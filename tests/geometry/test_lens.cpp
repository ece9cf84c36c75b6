// SPDX-License-Identifier: GPL-3.0-or-later
// The lens as a value, without a window and without Qt: its derived numbers for lenses other
// than the start-up one, and a beam that meets the surfaces of the lens it was traced for.
#include "checks.h"
#include "geometry/beam_trace.h"
#include "geometry/lens.h"
#include "geometry/state.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

using checks::check;
using checks::near;

struct Case {
    const char* name;
    double radius;
    double thickness;
    float speedInside;
    float speedOutside;
};

const Case cases[] = {
    {"start-up", 180, 30, 1, 2},
    {"radius 200, thickness 40", 200, 40, 1, 2},
    {"radius 120, thickness 20, index 1.5", 120, 20, 1, 1.5f},
    {"radius 250, thickness 60, slow inside", 250, 60, 0.5f, 2},
};

geometry::Lens lensOf(const Case& c) {
    geometry::LensGiven given;
    given.frontRadius = given.rearRadius = c.radius;
    given.thickness = c.thickness;
    given.speedInside = c.speedInside;
    given.speedOutside = c.speedOutside;
    return geometry::Lens(given);
}

// Two circles of radius r through the vertices at ∓thickness/2, meeting at the rims.
void derivedNumbers(const Case& c) {
    const geometry::Lens lens = lensOf(c);
    const double centre = c.radius - c.thickness / 2;
    const double rim = std::sqrt(c.radius * c.radius - centre * centre);
    const double theta = std::atan2(rim, centre);
    const double pi = float(std::numbers::pi);

    near(lens.curveCentreX(), centre, 1e-4, "centre of curvature", c.name);
    near(lens.curveRadius(), c.radius, 0, "radius", c.name);
    near(lens.halfHeight(), rim, 1e-4, "rim height", c.name);
    near(lens.rimHeight(), rim, 1e-4, "rim height in double precision", c.name);
    check(lens.halfHeight() == float(lens.rimHeight()), "the float rim is the double one rounded",
          c.name);
    near(lens.rimAngle(), theta, 1e-6, "rim angle", c.name);
    near(lens.leftArcStart(), pi - theta, 1e-6, "front arc start", c.name);
    near(lens.leftArcEnd(), pi + theta, 1e-6, "front arc end", c.name);
    near(lens.rightArcStart(), 2 * pi - theta, 1e-6, "rear arc start", c.name);
    near(lens.rightArcEnd(), theta, 1e-6, "rear arc end", c.name);
    near(lens.index(), double(c.speedOutside) / c.speedInside, 1e-7, "index", c.name);

    const geometry::Point front = lens.frontSurfacePoint(0);
    const geometry::Point rear = lens.rearSurfacePoint(0);
    near(front.x, -c.thickness / 2, 1e-4, "front vertex", c.name);
    near(rear.x, c.thickness / 2, 1e-4, "rear vertex", c.name);
    for (double v : {-0.9 * rim, -0.3 * rim, 0.5 * rim, rim}) {
        const geometry::Point f = lens.frontSurfacePoint(v);
        const geometry::Point r = lens.rearSurfacePoint(v);
        near(std::hypot(f.x - centre, f.y), c.radius, 1e-4, "front point on its circle", c.name);
        near(std::hypot(r.x + centre, r.y), c.radius, 1e-4, "rear point on its circle", c.name);
        near(f.y, v, 1e-9, "front point at its height", c.name);
        near(r.y, v, 1e-9, "rear point at its height", c.name);
    }
}

// The numbers the program has always started with.
void startUpNumbers() {
    const geometry::Lens lens = geometry::Lens::standard();
    const char* name = "start-up";
    check(lens.curveCentreX() == 165.0f, "centre 165", name);
    check(lens.curveRadius() == 180.0f, "radius 180", name);
    check(lens.halfHeight() == float(std::sqrt(180.0 * 180 - 165.0 * 165)), "rim", name);
    near(lens.rimAngle(), 0.41114, 1e-5, "θ", name);
    near(lens.leftArcStart(), 2.7305, 1e-4, "front arc start", name);
    near(lens.leftArcEnd(), 3.5527, 1e-4, "front arc end", name);
    near(lens.rightArcStart(), 5.8720, 1e-4, "rear arc start", name);
    check(lens.index() == 2.0f, "index 2", name);
    check(lens == lensOf(cases[0]), "the start-up lens is the first case", name);
    check(!(lens == lensOf(cases[1])), "another radius and thickness is another lens", name);
}

// Every ray of a beam traced for a lens leaves that lens's rear surface and enters at its
// front surface, whatever lens the shared numbers describe.
void beamMeetsItsLens() {
    const Case& c = cases[1];
    const geometry::Lens lens = lensOf(c);
    geometry::shareLens(geometry::Lens::standard());
    const double centre = c.radius - c.thickness / 2;
    constexpr int n = 12;
    for (int i = 0; i <= n; ++i) {
        const geometry::BeamRay ray = geometry::traceRay(lens, {-300, 20}, i, n);
        check(ray.found, "the search finds the entry point", c.name);
        near(std::hypot(ray.exitX + centre, ray.exitY), c.radius, 1e-4,
             "exit point on the rear circle", c.name);
        near(std::hypot(ray.entryX - centre, ray.entryY), c.radius, 1e-4,
             "entry point on the front circle", c.name);
        check(std::abs(ray.exitY) < lens.halfHeight(), "exit point inside the rims", c.name);
    }
}

} // namespace

int main() {
    for (const Case& c : cases)
        derivedNumbers(c);
    startUpNumbers();
    beamMeetsItsLens();
    return checks::summary();
}
