// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/search.h"

#include "geometry/helpers.h"
#include "geometry/state.h"

#include <cmath>

namespace geometry {

namespace {

std::function<void(const LensSearch&)>& observer() {
    static std::function<void(const LensSearch&)> instance;
    return instance;
}

bool stepIsSmallEnough(float step, StepTest test) {
    if (test == StepTest::Single)
        return std::abs(step) < float(1e-7);
    return double(std::abs(step)) < 1e-7;
}

LensSearch walk(const Lens& lens, float sourceX, float sourceY, double tx, double ty, StepTest test,
                int roundLimit, std::vector<SearchStep>* steps) {
    const LensFace& face = lens.front();

    auto evaluate = [&](double theta, LensSearch& at) {
        const Point p = face.pointAt(theta);
        at.x = p.x;
        at.y = p.y;
        at.time = pathTime(lens, sourceX, sourceY, at.x, at.y, tx, ty);
        ++at.evaluations;
        if (steps)
            steps->push_back({at.x, at.y, at.time});
    };

    LensSearch search;
    double theta = -face.rimParameter;
    float step = float(2 * double(pi) / 180);
    evaluate(theta, search);
    double previousTime = search.time;
    int count = 1;
    for (;;) {
        ++count;
        if (stepIsSmallEnough(step, test)) {
            search.found = true;
            return search;
        }
        if (count > roundLimit) {
            const int evaluations = search.evaluations;
            const int reversals = search.reversals;
            search = LensSearch{};
            search.evaluations = evaluations;
            search.reversals = reversals;
            return search;
        }
        theta += step;
        evaluate(theta, search);
        // Ties count as a rise: the walk turns back with half the step.
        if (!(search.time < previousTime)) {
            step = float(-step / 2.0);
            ++search.reversals;
        }
        previousTime = search.time;
    }
}

} // namespace

LensSearch searchLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty,
                           StepTest test, int roundLimit) {
    const LensSearch search = walk(lens, sourceX, sourceY, tx, ty, test, roundLimit, nullptr);
    if (observer())
        observer()(search);
    return search;
}

LensSearch traceLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty,
                          StepTest test, std::vector<SearchStep>& steps) {
    steps.clear();
    return walk(lens, sourceX, sourceY, tx, ty, test, searchRoundLimit, &steps);
}

LensEntry findLensEntry(const Lens& lens, float sourceX, float sourceY, double tx, double ty) {
    const LensSearch search = searchLensEntry(lens, sourceX, sourceY, tx, ty, StepTest::Double);
    return {float(search.x), float(search.y), float(search.time), search.found};
}

void setSearchObserver(std::function<void(const LensSearch&)> o) {
    observer() = std::move(o);
}

} // namespace geometry
