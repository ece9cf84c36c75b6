// SPDX-License-Identifier: GPL-3.0-or-later
// The constructions without a window and without Qt: this program links only the geometry.
#include "geometry/beam_ray_construction.h"
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/scene_history.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "geometry/time_profile.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

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
    const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(30);
    const geometry::LensSearch s = geometry::searchLensEntry(geometry::Lens::standard(), -200, 0,
                                                             t.x, t.y, geometry::StepTest::Single);
    check(s.found, "the worked example's search finds its point");
    near(s.x, -12.454, 5e-4, "P.x");
    near(s.y, 30.166, 5e-4, "P.y");
    near(s.time, 119.92, 5e-3, "time");
    check(s.evaluations == 76, "76 evaluations");
    check(s.reversals == 19, "19 reversals");

    const geometry::LensEntry entry =
        geometry::findLensEntry(geometry::Lens::standard(), -200, 0, t.x, t.y);
    check(entry.found && entry.x == float(s.x) && entry.y == float(s.y) &&
              entry.time == float(s.time),
          "findLensEntry gives the same point as 32-bit floats");
}

void oneBeamRay() {
    const geometry::Source source{-200, 50};
    const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(30);
    const geometry::BeamRayConstruction ray =
        geometry::constructBeamRay(geometry::Lens::standard(), source, p.x, p.y, 1e-12f);
    check(!ray.totalReflection && ray.leaves, "the ray leaves the lens");
    check(ray.failedSearches == 0, "no search gives up");
    check(ray.passes == 5, "the tight tolerance runs all five passes");
    near(ray.sineRatio, 2, 0.01, "the measured index is the speed ratio");
    near(std::sin(ray.refraction), 2 * std::sin(ray.incidence), 0.02, "Snell's law at P");
    check(ray.qx == p.x + 250, "Q lies 250 units right of P");
    check(ray.mx > p.x, "the wavefront point lies ahead of P");
}

// The direction light leaves the lens in, by the vector law of refraction: u, the unit ray
// inside the lens, meets the outward unit normal n and goes on into air with index ratio 2.
geometry::Point refracted(geometry::Point u, geometry::Point n) {
    const double ratio = double(geometry::speedAir) / geometry::speedLens;
    const double c = u.x * n.x + u.y * n.y;
    const double k = 1 - ratio * ratio * (1 - c * c);
    const double along = ratio * c - std::sqrt(k);
    return {ratio * u.x - along * n.x, ratio * u.y - along * n.y};
}

// Rays within a hair of the critical angle, where the wavelets around P and its neighbours
// need not cross in the last pass: the ray still leaves as the law of refraction says.
void justUnderTheCriticalAngle() {
    struct Case {
        geometry::Source source;
        int n, i;
    };
    for (const Case& k : {Case{{-59.588619f, -69.785057f}, 40, 15},
                          Case{{-59.588619f, -69.785057f}, 40, 16}, Case{{-200, 50}, 10, 2}}) {
        const double rim = std::atan(double(geometry::lensHalfHeight) / geometry::curveCentreX);
        const double a = -rim + 2 * rim / (k.n + 2) * (k.i + 1);
        const double px = geometry::curveRadius * std::cos(a) - geometry::curveCentreX;
        const double py = geometry::curveRadius * std::sin(a);
        const geometry::BeamRayConstruction ray =
            geometry::constructBeamRay(geometry::Lens::standard(), k.source, px, py, 1e-12f);
        check(!ray.totalReflection && ray.leaves, "a ray under the critical angle leaves");
        const geometry::LensEntry e =
            geometry::findLensEntry(geometry::Lens::standard(), k.source.x, k.source.y, px, py);
        const double inside = std::hypot(px - e.x, py - e.y);
        const geometry::Point out =
            refracted({(px - e.x) / inside, (py - e.y) / inside}, {std::cos(a), std::sin(a)});
        const double expected = std::atan2(out.y, out.x) * 180 / std::numbers::pi;
        near(std::atan2(ray.qy - py, ray.qx - px) * 180 / std::numbers::pi, expected, 0.1,
             "the ray leaves by the law of refraction (degrees)");
    }
}

// The search's own outcome for the yellow point at height v, as the button runs it, and
// what the observer was told of it.
geometry::LensSearch buttonSearch(geometry::Source source, double v, int& observedEvaluations) {
    const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(v);
    geometry::setSearchObserver(
        [&](const geometry::LensSearch& s) { observedEvaluations = s.evaluations; });
    const geometry::LensSearch s = geometry::searchLensEntry(
        geometry::Lens::standard(), source.x, source.y, t.x, t.y, geometry::StepTest::Single);
    geometry::setSearchObserver({});
    return s;
}

// Each step walks the front-surface circle by the step of the one before, or turns back
// with half of it exactly when the time did not fall; each time is the path's own.
bool stepsFollowTheWalk(const std::vector<geometry::SearchStep>& steps, geometry::Source source,
                        double v) {
    const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(v);
    const double c = geometry::curveCentreX;
    auto angle = [&](const geometry::SearchStep& s) { return std::atan2(s.y, c - s.x); };
    for (const geometry::SearchStep& s : steps)
        if (std::abs(s.time - geometry::pathTime(geometry::Lens::standard(), source.x, source.y,
                                                 s.x, s.y, t.x, t.y)) > 1e-9)
            return false;
    if (std::abs(angle(steps[0]) + geometry::Lens::standard().rimAngle()) > 1e-6)
        return false;
    for (std::size_t i = 2; i < steps.size(); ++i) {
        const double before = angle(steps[i - 1]) - angle(steps[i - 2]);
        const double now = angle(steps[i]) - angle(steps[i - 1]);
        const bool turned = !(steps[i - 1].time < steps[i - 2].time);
        const double expected = turned ? -before / 2 : before;
        if (std::abs(now - expected) > 1e-6 * std::abs(before) + 1e-12)
            return false;
    }
    return true;
}

void theProfile(geometry::Source source, double v, const char* what) {
    int observed = -1;
    const geometry::LensSearch s = buttonSearch(source, v, observed);
    const geometry::TimeProfile profile =
        geometry::timeProfile(geometry::Lens::standard(), source, v, 400);
    std::printf("%s\n", what);
    check(profile.samples.size() == 400, "400 samples");
    check(profile.minimum.has_value() == s.found, "a minimum exactly when the search finds one");
    check(profile.steps.size() == std::size_t(observed), "one step per evaluation");
    check(!profile.steps.empty() && profile.steps.back().y == s.y &&
              profile.steps.back().time == s.time,
          "the last step is the search's point");
    check(stepsFollowTheWalk(profile.steps, source, v), "the steps are the search's walk");
    if (!profile.minimum)
        return;
    check(profile.minimum->y == s.y && profile.minimum->time == s.time,
          "the minimum is the button's point and time");
    check(profile.low <= -profile.rim && profile.high >= profile.rim, "rim to rim");
    check(profile.low <= s.y && s.y <= profile.high, "the minimum lies on the curve");
    check(profile.samples.front().y == profile.low && profile.samples.back().y == profile.high,
          "the samples span the range");
    bool noneBelow = true;
    for (const geometry::ProfileSample& sample : profile.samples)
        noneBelow = noneBelow && sample.time >= s.time - 1e-3;
    check(noneBelow, "no sample below the minimum");
}

void profiles() {
    theProfile({-200, 0}, 30, "worked example");
    const geometry::TimeProfile worked =
        geometry::timeProfile(geometry::Lens::standard(), {-200, 0}, 30, 400);
    check(worked.steps.size() == 76, "76 steps for the worked example");
    near(worked.minimum->y, 30.17, 5e-3, "worked example: minimum y");
    near(worked.minimum->time, 119.92, 5e-3, "worked example: minimum t");
    near(worked.rim, 71.94, 5e-3, "the rim");

    const struct {
        float x, y;
        double v;
    } pairs[] = {{-200, 10, 0},    {-150, 40, -50}, {-300, 0, 60},   {-250, 80, -20},
                 {-180, -30, 40},  {-400, 100, 0},  {-120, 20, 10},  {-220, -90, -70},
                 {-350, 50, 80},   {-160, 60, -90}, {-500, -20, 30}, {-140, -50, 50},
                 {-260, 120, 5},   {-190, -10, -5}, {-310, 70, -40}, {-230, 30, 99},
                 {-170, -70, -99}, {-450, 0, 70},   {-130, 10, -60}, {-280, -40, 15}};
    for (const auto& pair : pairs)
        theProfile({pair.x, pair.y}, pair.v, "a source and a yellow point");

    const geometry::TimeProfile beyond =
        geometry::timeProfile(geometry::Lens::standard(), {-200, -60}, 90, 400);
    near(beyond.minimum->y, 76.44, 5e-3, "a minimum beyond the upper rim");
    check(beyond.high == beyond.minimum->y && beyond.low == -beyond.rim,
          "the curve widens to the minimum beyond the rim");

    const geometry::TimeProfile trialCase =
        geometry::timeProfile(geometry::Lens::standard(), {-150, 40}, -50, 400);
    near(trialCase.minimum->y, -48.26, 5e-3, "trial example: minimum y");
    near(trialCase.minimum->time, 99.84, 5e-3, "trial example: minimum t");
    const geometry::ProfileSample trial =
        geometry::trialSample(geometry::Lens::standard(), {-150, 40},
                              geometry::Lens::standard().frontSurfacePoint(15), -50);
    near(trial.y, 15, 1e-12, "the blue point's height");
    near(trial.time, 137.67, 5e-3, "the blue point's time");
}

// A tie turns the walk back, as a rise does. From this source the walk meets an exact tie; a
// walk that went on through it takes one evaluation more and ends 2e-5 lower.
void aTieTurnsTheWalkBack() {
    const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(-93);
    const geometry::LensSearch s = geometry::searchLensEntry(
        geometry::Lens::standard(), -772.16351f, 0, t.x, t.y, geometry::StepTest::Single);
    check(s.found, "the search finds its point");
    check(s.evaluations == 61, "61 evaluations");
    near(s.y, -79.926561, 5e-7, "P.y after the tie");
}

// Both step tests stop the walk at the same step: the first step, 2π/180 as a float, halved,
// never falls between 1e-7 and 1e-7 rounded to a float.
void bothStepTestsAgree() {
    const float first = float(2 * 3.1415927410125732 / 180);
    bool agree = true;
    for (int halvings = 0; halvings < 60; ++halvings) {
        const float step = std::ldexp(first, -halvings);
        agree = agree && ((std::abs(step) < float(1e-7)) == (double(std::abs(step)) < 1e-7));
    }
    check(agree, "single and double step tests agree on every step");
}

// Undo walks back through the scenes noted, redo forward again; a new step forgets what was
// undone, an unchanged scene is no step, and only the latest steps are kept.
void aHistoryOfScenes() {
    const auto sceneAt = [](int time) {
        geometry::SceneState scene;
        scene.xronosmetato = std::int16_t(time);
        return scene;
    };
    geometry::SceneHistory history(sceneAt(5));
    check(!history.canUndo() && !history.canRedo(), "a new history has nothing to undo or redo");
    for (int time = 6; time <= 9; ++time)
        history.note(sceneAt(time));
    history.note(sceneAt(9));
    check(history.undo().xronosmetato == 8, "an unchanged scene is no step");
    check(history.undo().xronosmetato == 7, "undo walks back");
    check(history.redo().xronosmetato == 8, "redo walks forward");
    history.note(sceneAt(20));
    check(!history.canRedo(), "a new step forgets the steps undone");
    check(history.undo().xronosmetato == 8, "and follows the step it came after");

    geometry::SceneHistory longLesson(sceneAt(0));
    const int steps = int(geometry::SceneHistory::capacity) + 50;
    for (int time = 1; time <= steps; ++time)
        longLesson.note(sceneAt(time));
    int undone = 0;
    while (longLesson.canUndo()) {
        longLesson.undo();
        ++undone;
    }
    check(undone == int(geometry::SceneHistory::capacity), "the latest steps are kept");
    check(undone >= 200, "at least 200 steps can be undone");
    check(longLesson.present().xronosmetato == steps - undone, "the oldest kept is the earliest");
}

} // namespace

int main() {
    geometry::shareLens(geometry::Lens::standard());
    theWorkedExample();
    oneBeamRay();
    justUnderTheCriticalAngle();
    profiles();
    aTieTurnsTheWalkBack();
    bothStepTestsAgree();
    aHistoryOfScenes();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
