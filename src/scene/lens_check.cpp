// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/lens_check.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace scene {

namespace {

// The spin boxes show two decimals: an aperture typed as the meeting height rounded is that
// height.
constexpr double apertureSlack = 0.005;

// How far a face at height h lies inward from its vertex: positive for a convex face.
double sag(double radius, double h) {
    if (radius == 0)
        return 0;
    const double r = std::abs(radius);
    return std::copysign(r - std::sqrt(r * r - h * h), radius);
}

// The lens's thickness at height h.
double thicknessAt(const geometry::LensGiven& lens, double h) {
    return lens.thickness - sag(lens.frontRadius, h) - sag(lens.rearRadius, h);
}

// The greatest height both faces reach.
double faceReach(const geometry::LensGiven& lens) {
    double reach = std::numeric_limits<double>::infinity();
    for (double radius : {lens.frontRadius, lens.rearRadius})
        if (radius != 0)
            reach = std::min(reach, std::abs(radius));
    return reach;
}

} // namespace

double facesMeet(const geometry::LensGiven& lens) {
    if (lens.thickness <= 0)
        return 0;
    const double reach = faceReach(lens);
    // The thickness changes one way from the axis to the rim, so it crosses zero at most once.
    if (std::isinf(reach) || thicknessAt(lens, reach) > 0)
        return std::numeric_limits<double>::infinity();
    double inside = 0;
    double outside = reach;
    for (int i = 0; i < 200 && outside - inside > 1e-12; ++i) {
        const double middle = (inside + outside) / 2;
        (thicknessAt(lens, middle) > 0 ? inside : outside) = middle;
    }
    return inside;
}

double apertureOf(const geometry::LensGiven& lens) {
    return lens.aperture > 0 ? lens.aperture : facesMeet(lens);
}

geometry::LensGiven withAperture(geometry::LensGiven lens, double aperture) {
    lens.aperture = aperture == facesMeet(lens) ? 0 : aperture;
    return lens;
}

std::optional<LensProblem> lensProblem(const geometry::LensGiven& lens) {
    if (!(lens.thickness > 0))
        return LensProblem{
            "thickness",
            QCoreApplication::translate(
                "Lens", "οι δύο επιφάνειες τέμνονται πάνω στον άξονα: το πάχος πρέπει να είναι "
                        "θετικό")};
    const double aperture = apertureOf(lens);
    if (!(aperture > 0) || std::isinf(aperture))
        return LensProblem{
            "aperture", QCoreApplication::translate("Lens", "το άνοιγμα πρέπει να είναι θετικό")};
    if (lens.frontRadius != 0 && std::abs(lens.frontRadius) < aperture)
        return LensProblem{
            "frontRadius",
            QCoreApplication::translate(
                "Lens", "η ακτίνα της μπροστινής επιφάνειας είναι μικρότερη από το άνοιγμα")};
    if (lens.rearRadius != 0 && std::abs(lens.rearRadius) < aperture)
        return LensProblem{
            "rearRadius",
            QCoreApplication::translate(
                "Lens", "η ακτίνα της πίσω επιφάνειας είναι μικρότερη από το άνοιγμα")};
    if (aperture > facesMeet(lens) + apertureSlack)
        return LensProblem{
            "aperture", QCoreApplication::translate(
                            "Lens", "οι δύο επιφάνειες τέμνονται πριν από το χείλος, στο ύψος %1")
                            .arg(QLocale().toString(facesMeet(lens), 'f', 2))};
    if (!(lens.speedInside > 0 && lens.speedOutside > 0))
        return LensProblem{
            "index", QCoreApplication::translate("Lens", "ο δείκτης πρέπει να είναι θετικός")};
    // Anything else the constructions cannot draw.
    switch (geometry::whyNoLens(lens)) {
    case geometry::LensFault::None:
        break;
    case geometry::LensFault::IndexOutOfRange:
    case geometry::LensFault::SpeedNotPositive:
        return LensProblem{
            "index", QCoreApplication::translate("Lens", "ο δείκτης πρέπει να είναι από 1 ως 3")};
    case geometry::LensFault::FacesCrossOnAxis:
        return LensProblem{
            "thickness",
            QCoreApplication::translate(
                "Lens", "οι δύο επιφάνειες τέμνονται πάνω στον άξονα: το πάχος πρέπει να είναι "
                        "θετικό")};
    case geometry::LensFault::RadiusBelowAperture:
    case geometry::LensFault::ApertureNegative:
    case geometry::LensFault::NoRim:
    case geometry::LensFault::NotANumber:
        return LensProblem{
            "aperture", QCoreApplication::translate("Lens", "το άνοιγμα πρέπει να είναι θετικό")};
    }
    return std::nullopt;
}

} // namespace scene
