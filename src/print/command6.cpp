#include "print/page_job.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/format.h"

namespace {

// The wavelength scales above the lens: ten wavelengths in air against twenty in the
// lens over the same span.
void drawWavelengthScales(surface::Surface& page) {
    page.Line(-180, -180, 20, -180);
    page.Line(-180, -160, 20, -160);
    page.CurrentX = 20;
    page.CurrentY = -170;
    page.Print(QStringLiteral("WAVELENGTHS IN AIR"));
    page.Line(-180, -150, 20, -150);
    page.Line(-180, -130, 20, -130);
    page.CurrentX = 20;
    page.CurrentY = -140;
    page.Print(QStringLiteral("WAVELENGTHS IN LENS"));
    for (int i = 0; i <= 10; ++i) {
        const double x = -180 + 10.0 * i * scene::speedAir;
        page.Line(x, -180, x, -160);
    }
    for (int i = 0; i <= 20; ++i) {
        const double x = -180 + 10.0 * i * scene::speedLens;
        page.Line(x, -150, x, -130);
    }
}

} // namespace

void Kovril::Command6_Click() {
    using namespace scene;
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
    const int n = arithmosaktinon->Value();

    print::PageJob job;
    surface::Surface* page = job.page();
    if (!page)
        return;
    const double pw = page->ScaleWidth();
    const double ph = page->ScaleHeight();
    widthFrac = float(pw / (pw + ph));
    heightFrac = float(ph / (pw + ph));
    // The page frame is the window's turned through 180°: x grows to the left, y downwards.
    page->Scale(500.0 * widthFrac, -500.0 * heightFrac, -500.0 * widthFrac, 500.0 * heightFrac);

    const double c = curveCentreX;
    const double r = curveRadius;
    page->Line(-500.0 * widthFrac, 0, 500.0 * widthFrac, 0, QColor(255, 0, 0));
    page->Circle(-c, 0, 2);
    page->Circle(c, 0, 2);
    page->FillColor = QColor(255, 255, 0);
    const Point marker = pointBehindRearSurface(thesiy->Value());
    page->Circle(marker.x, marker.y, 1.5, Qt::black);
    page->FillColor = QColor(150, 150, 80);
    leftArcEnd = float(rimAngle() + pi);
    page->Arc(c, 0, r, leftArcStart, leftArcEnd, page->ForeColor);
    rightArcStart = float(2 * pi - rimAngle());
    rightArcEnd = float(rimAngle());
    page->Arc(-c, 0, r, rightArcStart, rightArcEnd, page->ForeColor);
    page->DrawWidth = 1;

    Printer = page;
    desmiakmetaPRINT(kyklos->centreX(), kyklos->centreY(), n);
    Printer = nullptr;
    drawWavelengthScales(*page);
    job.finish();
}
