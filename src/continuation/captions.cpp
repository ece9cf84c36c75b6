#include "continuation/captions.h"

#include "geometry/state.h"
#include "surface/format.h"

#include <cmath>

namespace continuation {

namespace {

QString unsignedDegrees(double angle) {
    return surface::Format(std::abs(angle) * 180 / geometry::pi, "0.00");
}

} // namespace

QString totalReflectionCaption(double critical) {
    return QStringLiteral("ολική ανάκλαση   ") + QStringLiteral("  ορική = ") +
           unsignedDegrees(critical);
}

QString incidenceCaption(double incidence) {
    return QStringLiteral("προσπτωσης =") + unsignedDegrees(incidence);
}

QString anglesCaption(double incidence, double refraction) {
    return incidenceCaption(incidence) + QStringLiteral(" διάθλασης =") +
           unsignedDegrees(refraction);
}

QString indexCaption(double sineRatio, const char* pattern) {
    return QStringLiteral("δείκτης = ") + surface::Format(sineRatio, pattern);
}

} // namespace continuation
