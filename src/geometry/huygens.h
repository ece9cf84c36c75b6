// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/crossing.h"
#include "geometry/point.h"
#include "geometry/search.h"

// Huygens's construction at a point P where a ray leaves the lens: the least-time paths
// to P and to two neighbours of P on the rear surface, the wavelets that light spreads
// around the three points by a common later time, and where neighbouring wavelets cross.
// Every continuation beyond the lens, on the window and on the page, builds on it.
namespace geometry {

struct HuygensPass {
    double px = 0, py = 0;         // P, the exit point
    double plusX = 0, plusY = 0;   // P+, step degrees of walk parameter above P on the rear face
    double minusX = 0, minusY = 0; // P-, step degrees below
    LensEntry a, b, c;             // least-time entries and times for P, P+ and P-
    float commonTime = 0;          // the later time T all three wavelets are drawn for
    double rA = 0, rB = 0, rC = 0; // wavelet radii around P, P+ and P-
    CrossingPair plusPair;         // crossings of the wavelets around P and P+
    CrossingPair minusPair;        // crossings of the wavelets around P and P-
};

struct Crossing {
    float x = 0;
    float y = 0;
};

// Where the wavelets around two points of the rear face cross. On a flat face the points lie
// one above the other, which leaves the radical line no slope: there they are crossed with x
// and y exchanged.
CrossingPair waveletCrossing(const Lens& lens, double x1, double y1, double r1, double x2,
                             double y2, double r2);

// One pass of the construction with the neighbours stepDegrees away from P.
HuygensPass huygensPass(const Lens& lens, Source source, double px, double py, double stepDegrees);
// The same with the least-time entry for P already known (it does not change with the step).
HuygensPass huygensPass(const Lens& lens, Source source, double px, double py, double stepDegrees,
                        const LensEntry& a);

// How many of the pass's three searches failed: each is told to the student once.
int failedSearches(const HuygensPass& pass);

// The crossing of a pair farther from (refX, refY); equal distances give the second.
Crossing fartherCrossing(const CrossingPair& pair, double refX, double refY);

// The signed angle from the ray inside the lens (A -> P) to the outward normal at P.
double incidenceAngle(const Lens& lens, const HuygensPass& pass);

// A point well inside the lens's side of the rear face, from which the outgoing wavefront's
// crossings are the farther ones: the rear face's centre of curvature when it bulges.
Point insideReference(const Lens& lens);

} // namespace geometry
