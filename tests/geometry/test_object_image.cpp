// SPDX-License-Identifier: GPL-3.0-or-later
// The object's image, checked against references written here: the thick-lens formulas in
// the usual sign convention, and a ray tracer by the vector law of refraction through the two
// faces of the lens.
#include "checks.h"
#include "geometry/lens.h"
#include "geometry/object_image.h"
#include "geometry/state.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace {

using checks::check;
using checks::near;

struct Case {
    const char* name;
    double front, rear, thickness, aperture, index;
};

// Radii as the lens bench takes them: positive bulges outwards, negative is hollow, 0 flat.
const Case lenses[] = {
    {"start-up", 180, 180, 30, 0, 2},
    {"biconvex, index 1.5", 180, 180, 30, 0, 1.5},
    {"plano-convex", 0, 180, 30, 60, 1.5},
    {"convex-plane", 120, 0, 25, 60, 1.6},
    {"converging meniscus", 100, -200, 20, 50, 1.5},
    {"biconcave", -150, -150, 10, 50, 1.5},
    {"plano-concave", 0, -120, 8, 50, 1.5},
    {"diverging meniscus", -200, 100, 10, 50, 1.5},
};

geometry::Lens lensOf(const Case& c, double aperture) {
    geometry::LensGiven g;
    g.frontRadius = c.front;
    g.rearRadius = c.rear;
    g.thickness = c.thickness;
    g.aperture = aperture;
    g.speedOutside = 2;
    g.speedInside = float(2 / c.index);
    return geometry::Lens(g);
}

double indexOf(const geometry::Lens& lens) {
    return double(lens.speedAir()) / double(lens.speedLens());
}

// The thick lens in the usual convention, light from the left: R1 > 0 and R2 < 0 for a
// biconvex lens, infinite for a flat face.
struct Reference {
    double f, h1, h2;
};

Reference reference(const Case& c, double n) {
    const double inf = INFINITY;
    const double r1 = c.front == 0 ? inf : c.front;
    const double r2 = c.rear == 0 ? inf : -c.rear;
    const double d = c.thickness;
    const double power = (n - 1) * (1 / r1 - 1 / r2 + (n - 1) * d / (n * r1 * r2));
    const double f = 1 / power;
    const double v1 = -d / 2;
    const double v2 = d / 2;
    return {f, v1 - f * (n - 1) * d / (n * r2), v2 - f * (n - 1) * d / (n * r1)};
}

struct Ray {
    double x, y, dx, dy;
};

// Refracts a ray at a face (vertex vx, radius r in the usual convention, 0 flat) from index
// n1 into n2; none when it misses the face or reflects totally.
std::optional<Ray> refractAt(Ray ray, double vx, double r, double n1, double n2) {
    double x, y, nx, ny;
    if (r == 0) {
        const double t = (vx - ray.x) / ray.dx;
        x = ray.x + t * ray.dx;
        y = ray.y + t * ray.dy;
        nx = 1;
        ny = 0;
    } else {
        const double cx = vx + r;
        const double px = ray.x - cx;
        const double b = px * ray.dx + ray.y * ray.dy;
        const double disc = b * b - (px * px + ray.y * ray.y - r * r);
        if (disc < 0)
            return std::nullopt;
        // The crossing nearer the vertex.
        const double t1 = -b - std::sqrt(disc);
        const double t2 = -b + std::sqrt(disc);
        const double xa = ray.x + t1 * ray.dx;
        const double xb = ray.x + t2 * ray.dx;
        const double t = std::abs(xa - vx) < std::abs(xb - vx) ? t1 : t2;
        x = ray.x + t * ray.dx;
        y = ray.y + t * ray.dy;
        nx = (x - cx) / std::abs(r);
        ny = y / std::abs(r);
        if (nx < 0) {
            nx = -nx;
            ny = -ny;
        }
    }
    const double eta = n1 / n2;
    const double c = ray.dx * nx + ray.dy * ny;
    const double root = 1 - eta * eta * (1 - c * c);
    if (root < 0)
        return std::nullopt;
    const double k = std::sqrt(root) - eta * c;
    return Ray{x, y, eta * ray.dx + k * nx, eta * ray.dy + k * ny};
}

std::optional<Ray> throughLens(const Case& c, double n, Ray ray) {
    const std::optional<Ray> inside = refractAt(ray, -c.thickness / 2, c.front, 1, n);
    if (!inside)
        return std::nullopt;
    return refractAt(*inside, c.thickness / 2, c.rear == 0 ? 0 : -c.rear, n, 1);
}

// Where two rays from the tip, aimed at heights ±h of the front vertex's plane, meet after the
// lens, on their lines either way.
std::optional<geometry::Point> paraxialImage(const Case& c, double n, double x0, double y0,
                                             double h) {
    const auto aimed = [&](double y) {
        const double dx = -c.thickness / 2 - x0;
        const double l = std::hypot(dx, y - y0);
        return throughLens(c, n, Ray{x0, y0, dx / l, (y - y0) / l});
    };
    const std::optional<Ray> a = aimed(h);
    const std::optional<Ray> b = aimed(-h);
    if (!a || !b)
        return std::nullopt;
    return geometry::meetingPoint({a->x, a->y}, {a->dx, a->dy}, {b->x, b->y}, {b->dx, b->dy});
}

void equationAgainstFormulas() {
    for (const Case& c : lenses) {
        const geometry::Lens lens = lensOf(c, c.aperture);
        const double n = indexOf(lens);
        const Reference ref = reference(c, n);
        for (double x : {-400.0, -250.0, -120.0, -60.0, -25.0}) {
            const std::string where = std::string(c.name) + ", object at " + std::to_string(x);
            const char* w = where.c_str();
            const geometry::EquationImage image = geometry::equationImage(lens, {x, 10});
            // The lens keeps its radii in 32-bit floats.
            const auto relative = [](double value) {
                return 1e-5 * std::max(1.0, std::abs(value));
            };
            near(image.points.f, ref.f, relative(ref.f), "f", w);
            near(image.points.h1, ref.h1, relative(ref.h1), "H", w);
            near(image.points.h2, ref.h2, relative(ref.h2), "H′", w);
            const double s = ref.h1 - x;
            const double sPrime = 1 / (1 / ref.f - 1 / s);
            near(image.s, s, relative(s), "s", w);
            // Near F the image runs far off, and the radii's rounding with it.
            near(image.sPrime, sPrime, 10 * relative(sPrime), "s′", w);
            near(image.magnification, -sPrime / s, 10 * relative(sPrime / s), "m", w);
            check(image.real() == (sPrime > 0), "real exactly when s′ > 0", w);
            // Rays of a real lens close to the axis meet where the equation puts the image: a
            // tip a thousandth high, scaled back.
            const double scale = 1e4;
            const std::optional<geometry::Point> traced = paraxialImage(c, n, x, 10 / scale, 1e-4);
            check(traced.has_value(), "paraxial rays meet", w);
            if (traced) {
                near(image.tip.x, traced->x, 1e-3 * std::max(1.0, std::abs(sPrime)), "image x", w);
                near(image.tip.y, traced->y * scale, 1e-3 * std::max(1.0, std::abs(image.tip.y)),
                     "image height", w);
            }
        }
    }
}

// The numbers the lesson quotes for the start-up lens.
void startUpNumbers() {
    const geometry::Lens lens = geometry::Lens::standard();
    const geometry::EquationImage far = geometry::equationImage(lens, {-300, 20});
    const char* w = "start-up lens, object at -300";
    near(far.points.f, 93.91, 0.005, "f", w);
    near(far.points.h1, -7.17, 0.005, "H", w);
    near(far.points.h2, 7.17, 0.005, "H′", w);
    near(far.s, 292.83, 0.005, "s", w);
    near(far.sPrime, 138.25, 0.005, "s′", w);
    near(far.magnification, -0.47, 0.005, "m", w);
    near(far.tip.x, 145.43, 0.005, "image x", w);
    check(far.real() && far.tip.y < 0, "a real, inverted image", w);
    const geometry::EquationImage near60 = geometry::equationImage(lens, {-60, 20});
    w = "start-up lens, object at -60";
    near(near60.s, 52.83, 0.005, "s", w);
    near(near60.sPrime, -120.75, 0.005, "s′", w);
    near(near60.magnification, 2.29, 0.005, "m", w);
    near(near60.tip.x, -113.57, 0.005, "image x", w);
    check(!near60.real() && near60.tip.y > 0, "a virtual, upright image", w);
}

// On both sides of F, and at F itself, where no image forms.
void aroundTheFocus() {
    const geometry::Lens lens = geometry::Lens::standard();
    const Reference ref = reference(lenses[0], indexOf(lens));
    const double atF = ref.h1 - ref.f;
    const geometry::EquationImage before = geometry::equationImage(lens, {atF - 5, 10});
    const geometry::EquationImage after = geometry::equationImage(lens, {atF + 5, 10});
    const geometry::EquationImage at = geometry::equationImage(lens, {atF, 10});
    check(before.formed && before.real(), "beyond F: a real image", "around F");
    check(after.formed && !after.real(), "inside F: a virtual image", "around F");
    check(!at.formed, "at F: no image", "around F");
    for (const Case& c : {lenses[5], lenses[6]}) {
        const geometry::EquationImage image =
            geometry::equationImage(lensOf(c, c.aperture), {-200, 10});
        check(image.formed && !image.real() && image.magnification > 0 && image.magnification < 1,
              "a diverging lens: a virtual, upright, smaller image", c.name);
    }
    const Case flat{"two flat faces", 0, 0, 20, 40, 1.5};
    check(!geometry::equationImage(lensOf(flat, flat.aperture), {-200, 10}).formed,
          "no power, no image", flat.name);
}

// The least-time fan comes to the equation's image as the object and the aperture shrink.
void tracedConvergesToEquation() {
    for (const Case& c : {lenses[0], lenses[1], lenses[2], lenses[5]}) {
        for (const double x : {-300.0, -60.0}) {
            const std::string where = std::string(c.name) + ", x " + std::to_string(x);
            const char* w = where.c_str();
            double firstError = 0;
            double lastError = 0;
            for (const double scale : {8.0, 4.0, 2.0, 1.0}) {
                const geometry::ObjectArrow arrow{x, scale};
                const geometry::Lens lens = lensOf(c, 5 * scale);
                const geometry::EquationImage image = geometry::equationImage(lens, arrow);
                const geometry::TracedImage traced = geometry::tracedImage(lens, arrow, 10);
                check(traced.formed, "the fan meets", w);
                if (!traced.formed)
                    return;
                check(traced.real == image.real(), "traced and equation agree real/virtual", w);
                const double sPrime = traced.tip.x - image.points.h2;
                const double error = std::abs(sPrime - image.sPrime) / std::abs(image.sPrime);
                firstError = firstError == 0 ? error : firstError;
                lastError = error;
            }
            check(lastError < 0.005, "traced within 0.5 % at the smallest aperture", w);
            if (lastError >= 0.005)
                std::printf("  error %.4g (first %.4g)\n", lastError, firstError);
            check(lastError <= firstError, "the error shrinks with the aperture", w);
        }
    }
}

void keptInPicture() {
    const geometry::Lens lens = geometry::Lens::standard();
    const geometry::ObjectArrow inLens = geometry::keptInPicture(lens, {10, 20}, -300, 200);
    check(inLens.x < -lens.lensHalfWidth(), "a foot dragged into the lens stays before it", "kept");
    const geometry::ObjectArrow far = geometry::keptInPicture(lens, {-900, 500}, -300, 200);
    check(far.x == -300 && far.height == 200, "the tip stays inside the picture", "kept");
    check(geometry::keptInPicture(lens, {-100, -5}, -300, 200).height == 1,
          "the arrow stands up from the axis", "kept");
}

} // namespace

int main() {
    // The least-time search reads pi as start-up shares it.
    geometry::shareLens(geometry::Lens::standard());
    equationAgainstFormulas();
    startUpNumbers();
    aroundTheFocus();
    tracedConvergesToEquation();
    keptInPicture();
    return checks::summary();
}
