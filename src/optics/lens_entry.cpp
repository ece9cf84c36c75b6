#include "optics/lens_entry.h"

#include "optics/search.h"
#include "scene/kovril.h"
#include "surface/messagebox.h"

namespace optics {

LensEntry findLensEntry(double tx, double ty) {
    const Kovril& window = scene::form();
    const LensSearch search = searchLensEntry(window.kyklos->centreX(), window.kyklos->centreY(),
                                              tx, ty, StepTest::Double);
    if (!search.found) {
        surface::MsgBox(QStringLiteral("δε βρέθηκε"));
        return {};
    }
    return {float(search.x), float(search.y), float(search.time)};
}

} // namespace optics
