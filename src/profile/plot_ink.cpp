// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/plot_ink.h"

#include <QtGlobal>

namespace profile {

const std::vector<surface::LegendEntry>& plotLegend() {
    using S = surface::LegendEntry::Sample;
    static const std::vector<surface::LegendEntry> entries = {
        {&ink::axes, S::Line, QT_TRANSLATE_NOOP("Legend", "οι άξονες: ύψος εισόδου και χρόνος")},
        {&ink::curve, S::Line,
         QT_TRANSLATE_NOOP("Legend", "ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου")},
        {&ink::rims, S::Line, QT_TRANSLATE_NOOP("Legend", "τα άκρα του φακού")},
        {&ink::minimum, S::Dot, QT_TRANSLATE_NOOP("Legend", "το ελάχιστο που βρίσκει η αναζήτηση")},
        {&ink::trial, S::Dot, QT_TRANSLATE_NOOP("Legend", "το μπλε σημείο και ο χρόνος του")},
        {&ink::steps, S::Dot, QT_TRANSLATE_NOOP("Legend", "τα βήματα της αναζήτησης, αριθμημένα")},
    };
    return entries;
}

} // namespace profile
