#include "optics/captions.h"
#include "optics/helpers.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"

#include <algorithm>

namespace {

// A press anywhere left of the marker's right edge, within its band, grabs it.
bool grabs(const surface::Shape& marker, float x, float y) {
    const double top = marker.Top();
    return x < double(marker.Left()) + marker.Width() && top - marker.Height() < y && y < top;
}

// Where a dragged marker may go: a marker dropped outside the window could never be
// grabbed again.
scene::Point insideFrame(float x, float y) {
    return {std::clamp(double(x), -double(scene::halfWidth), double(scene::halfWidth)),
            std::clamp(double(y), -double(scene::halfHeight), double(scene::halfHeight))};
}

} // namespace

void Kovril::Form_MouseDown(int, int, float x, float y) {
    dragPoint = grabs(*shmeio, x, y);
    dragSource = !dragPoint && grabs(*kyklos, x, y);
}

void Kovril::Form_MouseMove(int, int, float x, float y) {
    const scene::Point to = insideFrame(x, y);
    if (dragPoint)
        shmeio->moveCentreTo(to.x, to.y);
    else if (dragSource)
        kyklos->moveCentreTo(to.x, to.y);
    else
        setMousePointer(0);
}

void Kovril::Form_MouseUp(int, int, float x, float y) {
    if (!dragPoint && !dragSource)
        return;
    const scene::Point target = scene::pointBehindRearSurface(thesiy->Value());
    const scene::Point drop = insideFrame(x, y);
    scene::Point source{kyklos->centreX(), kyklos->centreY()};
    scene::Point point{shmeio->centreX(), shmeio->centreY()};
    (dragPoint ? point : source) = drop;
    dragPoint = false;
    dragSource = false;

    surface::Surface& s = surface();
    s.Cls();
    scene::redrawScene();
    s.Line(source.x, source.y, point.x, point.y);
    s.LineTo(target.x, target.y);
    Label2->setText(optics::timeCaption(
        optics::pathTime(source.x, source.y, point.x, point.y, target.x, target.y)));
}
