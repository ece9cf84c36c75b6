// The constructions without a window and without Qt: this program links only the geometry.
#include "geometry/beam_ray_construction.h"
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/search.h"
#include "geometry/state.h"

#include <cmath>
#include <cstdio>

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char* what) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL: %s\n", what);
}

void near(double actual, double expected, double tolerance, const char* what) {
    const bool ok = std::abs(actual - expected) <= tolerance;
    if (!ok)
        std::printf("  %s: %.9g, expected %.9g ± %g\n", what, actual, expected, tolerance);
    check(ok, what);
}

void theWorkedExample() {
    const geometry::Point t = geometry::rearSurfacePoint(30);
    const geometry::LensSearch s =
        geometry::searchLensEntry(-200, 0, t.x, t.y, geometry::StepTest::Single);
    check(s.found, "the worked example's search finds its point");
    near(s.x, -12.454, 5e-4, "P.x");
    near(s.y, 30.166, 5e-4, "P.y");
    near(s.time, 119.92, 5e-3, "time");
    check(s.evaluations == 76, "76 evaluations");
    check(s.reversals == 19, "19 reversals");

    const geometry::LensEntry entry = geometry::findLensEntry(-200, 0, t.x, t.y);
    check(entry.found && entry.x == float(s.x) && entry.y == float(s.y) &&
              entry.time == float(s.time),
          "findLensEntry gives the same point as 32-bit floats");
}

void oneBeamRay() {
    const geometry::Source source{-200, 50};
    const geometry::Point p = geometry::rearSurfacePoint(30);
    const geometry::BeamRayConstruction ray = geometry::constructBeamRay(source, p.x, p.y, 1e-12f);
    check(!ray.totalReflection && ray.leaves, "the ray leaves the lens");
    check(ray.failedSearches == 0, "no search gives up");
    check(ray.passes == 5, "the tight tolerance runs all five passes");
    near(ray.sineRatio, 2, 0.01, "the measured index is the speed ratio");
    near(std::sin(ray.refraction), 2 * std::sin(ray.incidence), 0.02, "Snell's law at P");
    check(ray.qx == p.x + 250, "Q lies 250 units right of P");
    check(ray.mx > p.x, "the wavefront point lies ahead of P");
}

} // namespace

int main() {
    geometry::setUpLens();
    theWorkedExample();
    oneBeamRay();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
