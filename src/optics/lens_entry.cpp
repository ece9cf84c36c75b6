#include "optics/lens_entry.h"

#include "scene/kovril.h"
#include "surface/messagebox.h"

namespace optics {

LensSearch searchFromSource(double tx, double ty, StepTest test, int roundLimit) {
    const Kovril& window = scene::form();
    const LensSearch search = searchLensEntry(window.kyklos->centreX(), window.kyklos->centreY(),
                                              tx, ty, test, roundLimit);
    if (!search.found)
        surface::MsgBox(QStringLiteral("δε βρέθηκε"));
    return search;
}

LensEntry findLensEntry(double tx, double ty) {
    const LensSearch search = searchFromSource(tx, ty, StepTest::Double);
    return {float(search.x), float(search.y), float(search.time)};
}

} // namespace optics
