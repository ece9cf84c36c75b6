// SPDX-License-Identifier: GPL-3.0-or-later
#include "continuation/captions.h"

#include "geometry/state.h"
#include "surface/format.h"
#include <QCoreApplication>

#include <cmath>

namespace continuation {

namespace {

QString unsignedDegrees(double angle) {
    return surface::Format(std::abs(angle) * 180 / geometry::pi, "0.00");
}

} // namespace

QString totalReflectionCaption(double critical) {
    return QCoreApplication::translate("Captions", "ολική ανάκλαση   ") +
           QCoreApplication::translate("Captions", "  ορική = ") + unsignedDegrees(critical);
}

QString incidenceCaption(double incidence) {
    return QCoreApplication::translate("Captions", "προσπτωσης =") + unsignedDegrees(incidence);
}

QString anglesCaption(double incidence, double refraction) {
    return incidenceCaption(incidence) + QCoreApplication::translate("Captions", " διάθλασης =") +
           unsignedDegrees(refraction);
}

QString indexCaption(double sineRatio, const char* pattern) {
    return QCoreApplication::translate("Captions", "δείκτης = ") +
           surface::Format(sineRatio, pattern);
}

} // namespace continuation
