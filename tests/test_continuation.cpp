// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/format.h"
#include "surface/messagebox.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <numbers>

using surface::DrawCall;

namespace {

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor magenta(255, 0, 255);
const QString untouched = QStringLiteral("untouched");

struct Drawing {
    std::vector<DrawCall> magentaLines, redLines, blackLines, dashedLines;
    std::vector<DrawCall> circles;
};

Drawing whatWasDrawn() {
    Drawing d;
    for (const DrawCall& call : harness::drawn()) {
        if (call.kind == DrawCall::Kind::Circle)
            d.circles.push_back(call);
        if (call.kind != DrawCall::Kind::Line)
            continue;
        if (call.drawStyle == surface::PenStyle::Dashed)
            d.dashedLines.push_back(call);
        else if (call.color == magenta)
            d.magentaLines.push_back(call);
        else if (call.color == red)
            d.redLines.push_back(call);
        else if (call.color == black)
            d.blackLines.push_back(call);
    }
    return d;
}

// The angle from direction a to the rear surface's outward normal at P, by atan2.
double angleToNormal(double ax, double ay, const geometry::Point& p) {
    const double nx = p.x + 165, ny = p.y;
    return std::atan2(ax * ny - ay * nx, ax * nx + ay * ny);
}

QString inDegrees(double angle) {
    return surface::Format(std::abs(angle) * 180 / std::numbers::pi, "0.00");
}

// A source whose least-time ray to the rear-surface point at height v runs inside the
// lens along the rear surface's normal: the normal line meets the front surface at A,
// and the ray in air reaches A refracted by the law of sines with index 2.
QPointF sourceForNormalExit(int v) {
    const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(v);
    const double length = std::hypot(p.x + 165, p.y);
    const double ux = (p.x + 165) / length, uy = p.y / length; // the ray inside the lens
    // A = P - t·u on the front circle (centre (165, 0), radius 180), the root near the lens.
    const double fx = p.x - 165, fy = p.y;
    const double half = fx * ux + fy * uy;
    const double t = half + std::sqrt(half * half - (fx * fx + fy * fy - 180 * 180));
    const double ax = p.x - t * ux, ay = p.y - t * uy;
    const double nx = (165 - ax) / 180, ny = -ay / 180; // inward normal at A
    const double along = ux * nx + uy * ny;
    const double tx = 2 * (ux - along * nx), ty = 2 * (uy - along * ny); // tangential part
    const double normalPart = std::sqrt(1 - (tx * tx + ty * ty));
    const double dx = tx + normalPart * nx, dy = ty + normalPart * ny; // the ray in air
    return {ax - 300 * dx, ay - 300 * dy};
}

} // namespace

class ContinuationTest : public QObject {
    Q_OBJECT

    // Places the source and the yellow point, then presses Command4.
    void continueFrom(double sourceX, double sourceY, int v) {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({sourceX, sourceY});
        harness::setScroll(*ui.thesiy, v == 0 ? 1 : 0);
        harness::setScroll(*ui.thesiy, v);
        ui.Label1->setText(untouched);
        ui.Label3->setText(untouched);
        ui.Label4->setText(untouched);
        harness::clearRecord();
        QTest::mouseClick(ui.Command4, Qt::LeftButton);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        harness::startProgram();
    }

    void outgoingRay_data() {
        QTest::addColumn<double>("sourceX");
        QTest::addColumn<double>("sourceY");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("passes");
        QTest::newRow("agrees in the first pass") << -400.0 << -100.0 << -30 << 1;
        QTest::newRow("agrees in the second pass") << -400.0 << -100.0 << 0 << 2;
        QTest::newRow("agrees in the third pass") << -360.0 << 0.0 << -15 << 3;
        QTest::newRow("start-up source") << -197.8 << 53.8 << 20 << 2;
    }
    void outgoingRay() {
        QFETCH(double, sourceX);
        QFETCH(double, sourceY);
        QFETCH(int, v);
        QFETCH(int, passes);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QStringList shown;
        std::size_t drawnBeforeMessage = 0;
        surface::setMessageRecorder([&](const QString& text) {
            shown << text;
            drawnBeforeMessage = harness::drawn().size();
        });
        continueFrom(sourceX, sourceY, v);
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(v);
        const Drawing d = whatWasDrawn();

        QCOMPARE(int(d.magentaLines.size()), 2 * passes);
        QCOMPARE(int(d.redLines.size()), 4 * passes);
        QCOMPARE(int(d.circles.size()), 3 * passes);
        const QColor waveletColours[] = {black, red, green}; // around P, P+ and P-
        for (int k = 0; k < 3 * passes; ++k) {
            QCOMPARE(d.circles[k].color, waveletColours[k % 3]);
            QVERIFY(!d.circles[k].filled);
        }
        QCOMPARE(d.magentaLines.back().x2, p.x);
        QCOMPARE(d.magentaLines.back().y2, p.y);

        // The outgoing ray: from P to 50 units right of P, refracted by the law of sines.
        QCOMPARE(d.blackLines.size(), std::size_t(1));
        const DrawCall& ray = d.blackLines[0];
        QCOMPARE(ray.x1, p.x);
        QCOMPARE(ray.y1, p.y);
        QVERIFY(std::abs(ray.x2 - p.x - 50) < 1e-9);
        const DrawCall& inside = d.magentaLines.back();
        const double incidence = angleToNormal(inside.x2 - inside.x1, inside.y2 - inside.y1, p);
        const double refraction = angleToNormal(ray.x2 - ray.x1, ray.y2 - ray.y1, p);
        QVERIFY2(std::abs(std::sin(refraction) / std::sin(incidence) - 2) <= 0.0011,
                 qPrintable(QString::number(std::sin(refraction) / std::sin(incidence))));
        QCOMPARE(ui.Label3->text(), QStringLiteral("προσπτωσης =") + inDegrees(incidence) +
                                        QStringLiteral(" διάθλασης =") + inDegrees(refraction));
        QCOMPARE(ui.Label4->text(), QStringLiteral("δείκτης = 2.00"));
        QCOMPARE(ui.Label1->text(), untouched);
        QVERIFY(std::abs(std::abs(geometry::sineRatio) - 2) <= 0.001f);

        // "Nai the" exactly when the ray ends above the axis, before the ray is drawn.
        if (ray.y2 > 0) {
            QCOMPARE(shown, QStringList{QStringLiteral("Nai the")});
            QCOMPARE(harness::drawn()[drawnBeforeMessage].x2, ray.x2);
        } else {
            QVERIFY(shown.isEmpty());
        }

        // The dashed normal from the rear surface's centre of curvature through P to x = 400.
        QCOMPARE(d.dashedLines.size(), std::size_t(1));
        const DrawCall& normal = d.dashedLines[0];
        QCOMPARE(normal.x1, -165.0);
        QCOMPARE(normal.y1, 0.0);
        QCOMPARE(normal.x2, 400.0);
        QVERIFY(std::abs(angleToNormal(normal.x2 - normal.x1, normal.y2 - normal.y1, p)) < 1e-12);
        QCOMPARE(normal.color, black);
        QVERIFY(w.surface().DrawStyle == surface::PenStyle::Solid);
        QVERIFY(w.surface().FillStyle == surface::FillMode::Solid);
    }

    void naiThe_data() {
        QTest::addColumn<double>("sourceX");
        QTest::addColumn<double>("sourceY");
        QTest::addColumn<int>("v");
        QTest::addColumn<bool>("above");
        QTest::newRow("from below the axis up across it") << -400.0 << -150.0 << -45 << true;
        QTest::newRow("from above the axis down across it") << -400.0 << 150.0 << 45 << false;
        QTest::newRow("bent down across the axis") << -197.8 << 53.8 << 60 << false;
        QTest::newRow("bent up across the axis") << -197.8 << -53.8 << -60 << true;
        QTest::newRow("staying above the axis") << -197.8 << -53.8 << 40 << true;
        QTest::newRow("staying below the axis") << -197.8 << 53.8 << -40 << false;
    }
    void naiThe() {
        QFETCH(double, sourceX);
        QFETCH(double, sourceY);
        QFETCH(int, v);
        QFETCH(bool, above);
        continueFrom(sourceX, sourceY, v);
        const Drawing d = whatWasDrawn();
        QCOMPARE(d.blackLines.size(), std::size_t(1));
        QCOMPARE(d.blackLines[0].y2 > 0, above);
        QCOMPARE(harness::messages(),
                 above ? QStringList{QStringLiteral("Nai the")} : QStringList{});
    }

    // A source right of and above the lens sends the ray out of the rim almost straight up:
    // 50 units to the right it would be some 14000 units high. It is drawn up to the box
    // around the window that every far-reaching line is clipped to, along the same line.
    void steepOutgoingRayStopsAtTheBox() {
        continueFrom(108.5, 135, -70);
        const Drawing d = whatWasDrawn();
        QCOMPARE(d.blackLines.size(), std::size_t(1));
        const DrawCall& ray = d.blackLines[0];
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(-70);
        QCOMPARE(ray.x1, p.x);
        QCOMPARE(ray.y1, p.y);
        QCOMPARE(ray.y2, 10.0 * geometry::halfHeight);
        QVERIFY(ray.x2 > p.x && ray.x2 < p.x + 50);
        QCOMPARE(harness::messages(), QStringList{QStringLiteral("Nai the")});
    }

    void totalReflection() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        continueFrom(-400, -150, -60);
        const Drawing d = whatWasDrawn();
        QCOMPARE(ui.Label1->text(), QStringLiteral("ολική ανάκλαση     ορική = 30.00"));
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(-60);
        const DrawCall& inside = d.magentaLines.back();
        const double incidence = angleToNormal(inside.x2 - inside.x1, inside.y2 - inside.y1, p);
        QVERIFY(std::abs(incidence) > std::numbers::pi / 6);
        QCOMPARE(ui.Label3->text(), QStringLiteral("προσπτωσης =") + inDegrees(incidence));
        QCOMPARE(ui.Label4->text(), untouched);
        QCOMPARE(d.magentaLines.size(), std::size_t(2));
        QCOMPARE(d.redLines.size(), std::size_t(4));
        QCOMPARE(d.circles.size(), std::size_t(3));
        QVERIFY(d.blackLines.empty());
        QVERIFY(d.dashedLines.empty());
        QVERIFY(harness::messages().isEmpty());
        QVERIFY(w.surface().FillStyle == surface::FillMode::Solid);
    }

    void greekLocaleWritesACommaInTheCriticalAngle() {
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        continueFrom(-400, -150, -60);
        QCOMPARE(harness::controls(scene::form()).Label1->text(),
                 QStringLiteral("ολική ανάκλαση     ορική = 30,00"));
    }

    void threePassesWithoutAgreementDrawNoRay() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        continueFrom(-400, -50, 15);
        const Drawing d = whatWasDrawn();
        QCOMPARE(d.magentaLines.size(), std::size_t(6));
        QCOMPARE(d.circles.size(), std::size_t(9));
        QVERIFY(d.blackLines.empty());
        QVERIFY(d.dashedLines.empty());
        QVERIFY(ui.Label3->text().startsWith(QStringLiteral("προσπτωσης =")));
        QCOMPARE(ui.Label1->text(), untouched);
        QCOMPARE(ui.Label4->text(), untouched);
    }

    void normalIncidence_data() {
        QTest::addColumn<QPointF>("source");
        QTest::addColumn<int>("v");
        QTest::newRow("along the axis") << QPointF(-400, 0) << 0;
        QTest::newRow("above the axis") << sourceForNormalExit(30) << 30;
        QTest::newRow("below the axis") << sourceForNormalExit(-40) << -40;
    }
    void normalIncidence() {
        QFETCH(QPointF, source);
        QFETCH(int, v);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        continueFrom(source.x(), source.y(), v);
        const geometry::Point p = geometry::Lens::standard().rearSurfacePoint(v);
        const Drawing d = whatWasDrawn();
        QCOMPARE(d.magentaLines.size(), std::size_t(6));
        const DrawCall& inside = d.magentaLines.back();
        QVERIFY(std::abs(angleToNormal(inside.x2 - inside.x1, inside.y2 - inside.y1, p)) < 1e-3);

        // The ray goes on undeviated, along the normal, to 50 units right of P.
        QCOMPARE(d.blackLines.size(), std::size_t(1));
        const DrawCall& ray = d.blackLines[0];
        QCOMPARE(ray.x1, p.x);
        QCOMPARE(ray.y1, p.y);
        QVERIFY(std::abs(ray.x2 - p.x - 50) < 1e-9);
        QVERIFY(std::abs(angleToNormal(ray.x2 - ray.x1, ray.y2 - ray.y1, p)) < 1e-3);
        QCOMPARE(d.dashedLines.size(), std::size_t(1));
        QCOMPARE(ui.Label4->text(), untouched);
        QCOMPARE(ui.Label1->text(), untouched);
        QVERIFY(ui.Label3->text().startsWith(QStringLiteral("προσπτωσης =0.0")));
        QVERIFY(harness::messages().isEmpty());
    }
};

QTEST_MAIN(ContinuationTest)
#include "test_continuation.moc"
