// SPDX-License-Identifier: GPL-3.0-or-later
#include "optics/captions.h"

#include "geometry/state.h"
#include "surface/format.h"
#include <QCoreApplication>

#include <cmath>

namespace optics {

namespace {

double degrees(double radians) {
    return radians * 180 / geometry::pi;
}

} // namespace

QString anglesCaption(const geometry::Refraction& angles) {
    return QCoreApplication::translate("Captions", "πρόσπτωσης= ") +
           surface::Format(degrees(angles.incidence), "0.00") +
           QCoreApplication::translate("Captions", " διάθλασης= ") +
           surface::Format(degrees(angles.refraction), "0.00");
}

QString indexCaption(const geometry::Refraction& angles) {
    return QCoreApplication::translate("Captions", "δείκτης = ") +
           surface::Format(std::sin(angles.incidence) / std::sin(angles.refraction), "0.00");
}

QString timeCaption(double time) {
    return QCoreApplication::translate("Captions", "χρόνος = ") + surface::Format(time, "0.00");
}

} // namespace optics
