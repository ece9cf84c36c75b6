// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/object_numbers.h"

#include "geometry/object_image.h"
#include "surface/format.h"

#include <QCoreApplication>

namespace scene {

namespace {

QString number(double value) {
    return surface::Format(value, "0.00");
}

// Reciprocals of distances of some hundred units need four decimals to differ at all.
QString reciprocal(double value) {
    return surface::Format(value, "0.0000");
}

// A term added after another: a negative one in brackets.
QString term(double value) {
    const QString text = reciprocal(value);
    return value < 0 ? QStringLiteral("(%1)").arg(text) : text;
}

QString imageDistance(const geometry::EquationImage& image) {
    if (!image.formed)
        return QCoreApplication::translate(
            "ObjectNumbers",
            "s′: το αντικείμενο είναι στην εστία F, οι ακτίνες βγαίνουν παράλληλες και "
            "δεν σχηματίζεται είδωλο");
    const QString kind = image.real()
                             ? QCoreApplication::translate("ObjectNumbers", "πραγματικό είδωλο")
                             : QCoreApplication::translate("ObjectNumbers", "φανταστικό είδωλο");
    return QStringLiteral("s′ = %1 (%2)").arg(number(image.sPrime), kind);
}

QString magnification(const geometry::EquationImage& image) {
    if (!image.formed)
        return QCoreApplication::translate("ObjectNumbers", "m: χωρίς είδωλο");
    const QString way = image.magnification < 0
                            ? QCoreApplication::translate("ObjectNumbers", "ανεστραμμένο")
                            : QCoreApplication::translate("ObjectNumbers", "όρθιο");
    return QStringLiteral("m = −s′/s = %1 (%2)").arg(number(image.magnification), way);
}

QString lensEquation(const geometry::EquationImage& image) {
    const double f = image.points.f;
    if (!image.formed)
        return QStringLiteral("1/s = %1 = 1/f, 1/s′ = 0").arg(reciprocal(1 / image.s));
    return QStringLiteral("1/s + 1/s′ = %1 + %2 = %3 · 1/f = %4")
        .arg(reciprocal(1 / image.s), term(1 / image.sPrime),
             reciprocal(1 / image.s + 1 / image.sPrime), reciprocal(1 / f));
}

QString tracedImage(const geometry::TracedImage& traced, const geometry::EquationImage& image) {
    if (!traced.formed)
        return QCoreApplication::translate(
            "ObjectNumbers", "με ακτίνες ελάχιστου χρόνου: οι ακτίνες δεν συναντιούνται");
    const double sPrime = traced.tip.x - image.points.h2;
    const QString equation = image.formed ? number(image.sPrime)
                                          : QCoreApplication::translate("ObjectNumbers", "κανένα");
    return QCoreApplication::translate(
               "ObjectNumbers", "με ακτίνες ελάχιστου χρόνου: s′ = %1 (εξίσωση: %2), άπλωμα %3")
        .arg(number(sPrime), equation, number(traced.spread));
}

} // namespace

const std::vector<QString>& objectNumberNames() {
    static const std::vector<QString> names = {
        QStringLiteral("focalLength"),   QStringLiteral("objectDistance"),
        QStringLiteral("imageDistance"), QStringLiteral("magnification"),
        QStringLiteral("lensEquation"),  QStringLiteral("tracedImageDistance")};
    return names;
}

std::vector<std::pair<QString, QString>> objectNumbers(const geometry::Lens& lens,
                                                       const geometry::ObjectArrow& object, int n) {
    const std::vector<QString>& names = objectNumberNames();
    const geometry::EquationImage image = geometry::equationImage(lens, object);
    if (!image.points.focussing)
        return {{names[0],
                 QCoreApplication::translate(
                     "ObjectNumbers", "f: ο φακός δεν συγκλίνει ούτε αποκλίνει, δεν έχει εστίες")},
                {names[1], {}},
                {names[2], {}},
                {names[3], {}},
                {names[4], {}},
                {names[5], {}}};
    return {{names[0], QStringLiteral("f = %1").arg(number(image.points.f))},
            {names[1], QStringLiteral("s = %1").arg(number(image.s))},
            {names[2], imageDistance(image)},
            {names[3], magnification(image)},
            {names[4], lensEquation(image)},
            {names[5], tracedImage(geometry::tracedImage(lens, object, n), image)}};
}

} // namespace scene
