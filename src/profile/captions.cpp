// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/captions.h"

#include "surface/format.h"

#include <QCoreApplication>

#include <cmath>

namespace profile {

namespace {

QString heightAndTime(const geometry::ProfileSample& sample) {
    return QStringLiteral("y = %1, t = %2")
        .arg(surface::Format(sample.y, "0.00"), surface::Format(sample.time, "0.00"));
}

double hundredths(double value) {
    return std::round(value * 100) / 100;
}

} // namespace

QString minimumCaption(const geometry::TimeProfile& profile) {
    if (!profile.minimum)
        return QCoreApplication::translate("Profile", "ελάχιστο: δεν βρέθηκε");
    return QCoreApplication::translate("Profile", "ελάχιστο: ") + heightAndTime(*profile.minimum);
}

QString trialCaption(const geometry::TimeProfile& profile,
                     const std::optional<geometry::ProfileSample>& trial) {
    if (!trial)
        return {};
    QString text = QCoreApplication::translate("Profile", "μπλε σημείο: ") + heightAndTime(*trial);
    // The difference of the two times as shown, so that it adds up on the label, and a blue
    // point at the search's own point reads 0.00 rather than -0.00.
    if (profile.minimum)
        text +=
            QStringLiteral(", Δt = ") +
            surface::Format(hundredths(trial->time) - hundredths(profile.minimum->time), "0.00");
    return text;
}

} // namespace profile
