// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/cardinal_points.h"
#include "geometry/helpers.h"
#include "geometry/state.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"
#include "timestep/lens_constructions.h"
#include "timestep/pragmatik.h"

#include <QTest>

#include <cmath>

using surface::DrawCall;

namespace {

const QColor blue(0, 0, 255);
const QColor magenta(255, 0, 255);
const QColor red(255, 0, 0);
const QColor lightGreen(5, 250, 0);
const QColor cyan(0, 255, 255);
const QColor darkGreen(0, 55, 0);

std::vector<DrawCall> dots(QColor color) {
    std::vector<DrawCall> found;
    for (const DrawCall& call : harness::drawn())
        if (call.kind == DrawCall::Kind::Dot && call.color == color)
            found.push_back(call);
    return found;
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) < tolerance;
}

} // namespace

class LensConstructionsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void cardinalPointsOfTheStartUpLens() {
        const geometry::CardinalPoints p = geometry::cardinalPoints(geometry::Lens::standard());
        QCOMPARE(p.thickness, 30.0);
        QCOMPARE(p.v1, -15.0);
        QCOMPARE(p.v2, 15.0);
        QVERIFY(near(p.f, 93.91304, 5e-6));
        QVERIFY(near(p.h1, -7.17391, 5e-6));
        QVERIFY(near(p.h2, 7.17391, 5e-6));
        QCOMPARE(p.n1, p.h1);
        QCOMPARE(p.n2, p.h2);
        QVERIFY(near(p.f1, -101.08696, 5e-6));
        QVERIFY(near(p.f2, 101.08696, 5e-6));
    }

    void imagesOfASourceAboveTheAxis() {
        const geometry::ThinLensImage thin =
            geometry::thinLensImage(geometry::Lens::standard(), -200, 50);
        QCOMPARE(thin.fThin, 90.0f);
        QVERIFY(near(thin.x, 163.6364, 5e-5));
        QVERIFY(near(thin.y, -40.9091, 5e-5));
        const geometry::CardinalPoints p = geometry::cardinalPoints(geometry::Lens::standard());
        const geometry::ThickLensImage thick = geometry::thickLensImage(p, -200, 50);
        QVERIFY(near(thick.x, 190.2527, 5e-5));
        QVERIFY(near(thick.y, -47.4725, 5e-5));
        // The thick-lens imaging equation, with the distances measured from H1 and H2.
        const double object = p.h1 - -200.0;
        const double image = 1 / (1 / p.f - 1 / object);
        QVERIFY(near(thick.x, p.h2 + image, 1e-9));
        QVERIFY(near(thick.y, -50.0 * image / object, 1e-9));
    }

    void theConstructionsAreDrawn_data() {
        QTest::addColumn<double>("ys");
        QTest::newRow("above the axis") << 50.0;
        QTest::newRow("below the axis") << -50.0;
    }
    void theConstructionsAreDrawn() {
        QFETCH(double, ys);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-200, ys});
        QCOMPARE(ui.kyklos->centreX(), -200.0f);
        QCOMPARE(ui.kyklos->centreY(), float(ys));
        w.surface().FontSize = 8;
        harness::clearRecord();
        timestep::drawLensConstructions(scene::form().surface(), geometry::Lens::standard(),
                                        scene::form().source());

        const std::vector<DrawCall> image = dots(blue);
        QCOMPARE(image.size(), std::size_t(1));
        QVERIFY(near(image[0].x1, 163.6364, 5e-5));
        QVERIFY(near(image[0].y1, ys < 0 ? 40.9091 : -40.9091, 5e-5));
        QCOMPARE(image[0].drawWidth, 15);
        const std::vector<DrawCall> thinFoci = dots(magenta);
        QCOMPARE(thinFoci.size(), std::size_t(2));
        QCOMPARE(thinFoci[0].x1, 90.0);
        QCOMPARE(thinFoci[1].x1, -90.0);

        const geometry::CardinalPoints p = geometry::cardinalPoints(geometry::Lens::standard());
        const std::vector<DrawCall> foci = dots(red);
        QCOMPARE(foci.size(), std::size_t(2));
        QCOMPARE(foci[0].x1, p.f1);
        QCOMPARE(foci[1].x1, p.f2);
        const std::vector<DrawCall> nodal = dots(lightGreen);
        QCOMPARE(nodal.size(), std::size_t(2));
        QCOMPARE(nodal[0].x1, p.n1);
        QCOMPARE(nodal[1].x1, p.n2);
        const std::vector<DrawCall> thick = dots(cyan);
        QCOMPARE(thick.size(), std::size_t(1));
        QVERIFY(near(thick[0].x1, 190.2527, 5e-5));
        QVERIFY(near(thick[0].y1, ys < 0 ? 47.4725 : -47.4725, 5e-5));

        // The thin-lens ray through the rear focal point goes on along the same line.
        std::vector<DrawCall> green;
        for (const DrawCall& call : harness::drawn())
            if (call.kind == DrawCall::Kind::Line && call.color == QColor(0, 255, 0))
                green.push_back(call);
        QCOMPARE(green.size(), std::size_t(4));
        QCOMPARE(green[2].x2, 400.0);
        QVERIFY(near(green[2].y2, -ys / 90 * 310, 1e-9));

        QStringList labels;
        for (const DrawCall& call : harness::drawn())
            if (call.kind == DrawCall::Kind::Text) {
                labels << call.text;
                QCOMPARE(call.y1, call.text.startsWith(QLatin1Char('H')) ? 150.0 : -2.0);
            }
        QCOMPARE(labels, QStringList({"H1", "H2", "F1", "F2", "N1", "N2"}));
        QCOMPARE(w.surface().FontSize, 10.0);
        QCOMPARE(w.surface().DrawWidth, 1);
        QVERIFY(w.surface().DrawStyle == surface::PenStyle::Solid);
    }

    void snellsLawAtTheRearSurface_data() {
        QTest::addColumn<double>("incidence");
        QTest::addColumn<bool>("refracted");
        QTest::newRow("along the normal") << 0.0 << true;
        QTest::newRow("from below") << 0.2 << true;
        QTest::newRow("from above") << -0.3 << true;
        QTest::newRow("beyond the critical angle") << 0.6 << false;
    }
    void snellsLawAtTheRearSurface() {
        QFETCH(double, incidence);
        QFETCH(bool, refracted);
        const double exitX = 180 * std::cos(0.2) - 165;
        const double exitY = 180 * std::sin(0.2);
        const float entryX = float(exitX - 25 * std::cos(0.2 + incidence));
        const float entryY = float(exitY - 25 * std::sin(0.2 + incidence));
        harness::clearRecord();
        pragmatik::drawExitRefraction(scene::form().surface(), geometry::Lens::standard(), exitX,
                                      exitY, entryX, entryY);
        QCOMPARE(harness::drawn().size(), std::size_t(refracted ? 1 : 0));
        if (!refracted)
            return;
        const DrawCall& line = harness::drawn().front();
        QCOMPARE(line.color, darkGreen);
        QCOMPARE(line.drawWidth, 1);
        QCOMPARE(line.x2, exitX + 300);
        const double inside =
            geometry::signedAngle(exitX - entryX, exitY - entryY, exitX + 165, exitY);
        const double outside =
            geometry::signedAngle(line.x2 - exitX, line.y2 - exitY, exitX + 165, exitY);
        QVERIFY(near(std::sin(outside), 2 * std::sin(inside), 1e-12));
    }
};

QTEST_MAIN(LensConstructionsTest)
#include "test_lens_constructions.moc"
