#include "scene/startup.h"

#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "surface/format.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

QFont withPointSize(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

} // namespace

void Kovril::Form_Load() {
    Label5->setText(QStringLiteral("αριθμός σημείων =") +
                    surface::Format(arithmosaktinon->Value(), "0"));
    Label6->setText(QStringLiteral("Χρονος=") + surface::Format(xronosmetato->Value(), "0"));
}

void startUp() {
    using namespace scene;

    QGuiApplication::setApplicationName(QStringLiteral("Kovril"));
    Kovril& w = createForm();
    w.sizeToScreen(*QGuiApplication::primaryScreen());
    surface::Surface& s = w.surface();

    const double clientWidth = s.ScaleWidth();
    const double clientHeight = s.ScaleHeight();
    widthFrac = float(clientWidth / (clientWidth + clientHeight));
    heightFrac = float(clientHeight / (clientWidth + clientHeight));

    w.showFullScreen();

    speedLens = 1.0f;
    speedAir = 2.0f;
    sineRatio = 2.0f;

    const double u = widthFrac;
    const double v = heightFrac;
    w.Scale(-500 * u, 500 * v, 500 * u, -500 * v);
    s.Line(-500 * u, 0, 500 * u, 0, QColor(255, 0, 0));
    halfWidth = float(500 * u);
    halfHeight = float(500 * v);

    w.placeInFrame(*w.thesiy, 450 * u, 99, 30 * u, 198);
    w.placeInFrame(*w.shmeio_thesi, -440 * u, 99, 30 * u, 198);
    w.placeInFrame(*w.Label1, {}, 500 * v, {}, {});
    w.Label1->setFont(withPointSize(w.Label1->font(), 12));
    w.placeInFrame(*w.Label7, -440 * u + 30 * u, 99 - 198, 140 * u, {});
    w.Label7->setFont(withPointSize(w.Label7->font(), 14));
    w.Label7->setText(QStringLiteral("ψ blue = ") + surface::Format(w.shmeio_thesi->Value(), "0"));
    w.placeInFrame(*w.Label1, -500 * u, {}, 120 * u, 150 * v);
    w.Label1->setText(QStringLiteral("ψ= ") + QString::number(w.thesiy->Value()));
    w.placeInFrame(*w.Label2, 350 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*w.Command1, 50 * u, 500 * v, 150 * u, 70 * v);
    w.placeInFrame(*w.Label3, -350 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*w.Label4, -200 * u, 500 * v, 150 * u, {});
    w.placeInFrame(*w.Command2, 50 * u, 430 * v, 150 * u, 70 * v);
    w.placeInFrame(*w.Command3, 50 * u, 360 * v, 150 * u, 70 * v);
    w.placeInFrame(*w.Command4, 200 * u, 430 * v, 150 * u, 70 * v);
    w.placeInFrame(*w.Command5, 200 * u, 360 * v, 150 * u, 70 * v);
    w.placeInFrame(*w.xronosmetato, -200 * u, -430 * v, 100, {});
    w.placeInFrame(*w.Label6, -200 * u + 100, -430 * v, {}, {});
    w.placeInFrame(*w.Command6, 50 * u + 150 * u, 500 * v, 150 * u, 70 * v);
    w.Command6->setFont(withPointSize(w.Command6->font(), 16));

    curveCentreX = 165;
    curveRadius = 180;
    lensHalfHeight = float(std::sqrt(180.0 * 180.0 - 165.0 * 165.0));
    pi = float(4 * std::atan(1.0));

    s.Circle(-curveCentreX, 0, 2);
    s.Circle(curveCentreX, 0, 2);

    leftArcStart = float(pi - rimAngle());

    w.shmeio->setGeometryInFrame(float((curveCentreX - curveRadius) - w.shmeio->Width() / 2.0),
                                 float(w.shmeio->Height() / 2.0), w.shmeio->Width(),
                                 w.shmeio->Height());

    s.DrawWidth = 4;
    s.PSet(0, lensHalfHeight);
    s.PSet(0, -lensHalfHeight);
    s.DrawWidth = 1;

    s.FillColor = QColor(255, 255, 0);
    const Point marker = pointBehindRearSurface(w.thesiy->Value());
    s.Circle(marker.x, marker.y, 1.5, Qt::black);

    s.FillColor = QColor(150, 150, 80);
    leftArcEnd = float(rimAngle() + pi);
    s.Arc(curveCentreX, 0, curveRadius, leftArcStart, leftArcEnd, s.ForeColor);
    rightArcStart = float(2 * pi - rimAngle());
    rightArcEnd = float(rimAngle());
    s.Arc(-curveCentreX, 0, curveRadius, rightArcStart, rightArcEnd, s.ForeColor);

    s.DrawWidth = 1;
    originPxX = float(-s.ScaleX(s.ScaleLeft()));
    originPxY = float(-s.ScaleY(s.ScaleTop()));

    s.FillColor = QColor(150, 150, 80);
    s.FillStyle = surface::FillMode::Solid;
    s.FloodFill(surface::toInteger(originPxX), surface::toInteger(originPxY), Qt::black);
    s.Refresh();

    w.connectHandlers();
}
