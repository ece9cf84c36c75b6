#include "optics/lens_entry.h"

#include "optics/search.h"
#include "scene/kovril.h"
#include "surface/messagebox.h"

namespace optics {

namespace {
long long searches = 0;
} // namespace

LensEntry findLensEntry(double tx, double ty) {
    ++searches;
    const Kovril& window = scene::form();
    const LensSearch search = searchLensEntry(window.kyklos->centreX(), window.kyklos->centreY(),
                                              tx, ty, StepTest::Double);
    if (!search.found) {
        surface::MsgBox(QStringLiteral("δε βρέθηκε"));
        return {};
    }
    return {float(search.x), float(search.y), float(search.time)};
}

long long lensEntrySearches() {
    return searches;
}

} // namespace optics
