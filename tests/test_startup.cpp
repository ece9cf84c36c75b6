// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>

using harness::colourAt;

namespace {

const QColor lensColour(150, 150, 80);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);

double twipsToPixels(double twips) {
    return twips * QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440.0;
}

// Whether a black pixel lies on the row through y between x0 and x1 (scene units).
bool blackBetween(double x0, double x1, double y) {
    const QImage& image = scene::form().surface().image();
    const QPoint a = harness::imagePixel(x0, y);
    const QPoint b = harness::imagePixel(x1, y);
    for (int x = a.x(); x <= b.x(); ++x)
        if (image.pixelColor(x, a.y()) == Qt::black)
            return true;
    return false;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { harness::startProgram(); }

    // Maximized with its title bar, so that the caption shows; the picture has the size the
    // window really got, which the platform may make smaller than the screen.
    void windowStartsMaximizedWithItsCaption() {
        Kovril& w = scene::form();
        QCOMPARE(w.objectName(), QStringLiteral("Kovril"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Πορεία Ακτίνων: αρχή Kovril"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QVERIFY(!w.isFullScreen());
        QVERIFY(!(w.windowFlags() & Qt::FramelessWindowHint));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(w.width() <= available.width() && w.width() > available.width() * 0.9);
        QVERIFY(w.height() <= available.height() && w.height() > available.height() * 0.9);
        const qreal dpr = QGuiApplication::primaryScreen()->devicePixelRatio();
        QCOMPARE(w.surface().image().size(), w.size() * dpr);
    }

    void frameSpansAThousandUnitsCentredOnTheLens() {
        const surface::Surface& s = scene::form().surface();
        QCOMPARE(std::abs(s.ScaleWidth()) + std::abs(s.ScaleHeight()), 1000.0f);
        QCOMPARE(s.ScaleLeft(), -s.ScaleWidth() / 2);
        QVERIFY(s.ScaleHeight() < 0);
        QCOMPARE(geometry::halfWidth, 500 * geometry::widthFrac);
        const QSize size = scene::form().size();
        QCOMPARE(geometry::widthFrac, float(double(size.width()) / (size.width() + size.height())));
        // One unit is the same length across and down: circles stay round.
        const double across = s.toPaint(1, 0).x() - s.toPaint(0, 0).x();
        const double down = s.toPaint(0, 0).y() - s.toPaint(0, 1).y();
        QVERIFY(std::abs(across - down) < 1e-5 * across);
    }

    void sceneState() {
        QCOMPARE(geometry::curveCentreX, 165.0f);
        QCOMPARE(geometry::curveRadius, 180.0f);
        QCOMPARE(geometry::lensHalfHeight, float(std::sqrt(180.0 * 180 - 165.0 * 165)));
        QCOMPARE(double(geometry::pi), 3.1415927410125732);
        QCOMPARE(geometry::speedAir, 2.0f);
        QCOMPARE(geometry::speedLens, 1.0f);
        QCOMPARE(geometry::sineRatio, 2.0f);
        QVERIFY(std::abs(geometry::leftArcStart - 2.7305) < 1e-4);
        QVERIFY(std::abs(geometry::leftArcEnd - 3.5527) < 1e-4);
        QVERIFY(std::abs(geometry::rightArcStart - 5.8720) < 1e-4);
        QVERIFY(std::abs(geometry::rightArcEnd - 0.41114) < 1e-5);
    }

    void originPixelIsTheCentreAndInsideTheLens() {
        const QImage& image = scene::form().surface().image();
        QCOMPARE(qRound(scene::originPxX), image.width() / 2);
        QCOMPARE(qRound(scene::originPxY), image.height() / 2);
        QCOMPARE(image.pixelColor(qRound(scene::originPxX), qRound(scene::originPxY)), lensColour);
    }

    void lensIsFilledAndOutlined() {
        QCOMPARE(colourAt(-13, 0), lensColour); // the axis inside the lens is painted over
        QCOMPARE(colourAt(13, 0), lensColour);
        QCOMPARE(colourAt(0, 68), lensColour);
        QCOMPARE(colourAt(0, -68), lensColour);
        QVERIFY(colourAt(0, 76) != lensColour);
        QVERIFY(colourAt(-20, 20) != lensColour);
        QVERIFY(blackBetween(-17, -13, 0));     // the front vertex
        QVERIFY(blackBetween(-13.5, -9.5, 40)); // the front surface at y = 40 (x = -10.5)
        QVERIFY(blackBetween(9.5, 13.5, 40));
        // The fill stayed inside: the window's corners keep the background.
        const QImage& image = scene::form().surface().image();
        QVERIFY(image.pixelColor(2, 2) != lensColour);
        QVERIFY(image.pixelColor(image.width() - 3, image.height() - 3) != lensColour);
    }

    void axisRunsAcrossTheWindow() {
        const double edge = geometry::halfWidth - 1;
        QCOMPARE(colourAt(-edge, 0), red);
        QCOMPARE(colourAt(edge, 0), red);
        QCOMPARE(colourAt(100, 0), red);
    }

    void markersWhereStartUpPutsThem() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.shmeio->centreX(), -15.0f);
        QCOMPARE(ui.shmeio->centreY(), 0.0f);
        // The yellow marker stands just behind the rear vertex, at (16.8, 0).
        const geometry::Point marker = geometry::Lens::standard().pointBehindRearSurface(0);
        QVERIFY(std::abs(marker.x - 16.8) < 1e-4);
        QCOMPARE(colourAt(16.8, 0.3), yellow);
        QVERIFY(blackBetween(14.5, 16.8, 0.5));
    }

    void firstLabelTexts() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.Label1->text(), QStringLiteral("ψ= 0"));
        QCOMPARE(ui.Label7->text(), QStringLiteral("ψ blue = 0"));
        QCOMPARE(ui.Label5->text(), QStringLiteral("αριθμός σημείων =10"));
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=5"));
        QVERIFY(ui.Label2->text().isEmpty());
        QVERIFY(ui.Label3->text().isEmpty());
        QVERIFY(ui.Label4->text().isEmpty());
        QCOMPARE(ui.Command4->text(), QStringLiteral("Συνέχιση ακτίνας μετά  το φακό"));
        QCOMPARE(ui.Command6->text(), QStringLiteral("PRINT"));
    }

    void controlsLaidOutInTheFrame() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const surface::Surface& s = w.surface();
        const double u = geometry::widthFrac;
        const double v = geometry::heightFrac;
        auto pixelX = [&](double x) { return qRound(s.toPaint(x, 0).x()); };
        auto pixelY = [&](double y) { return qRound(s.toPaint(0, y).y()); };
        QCOMPARE(ui.Command6->size(), ui.Command1->size());
        QVERIFY(std::abs(ui.Command6->x() - (ui.Command1->x() + ui.Command1->width())) <= 1);
        QCOMPARE(ui.Command6->y(), ui.Command1->y());
        QCOMPARE(ui.Command1->x(), pixelX(50 * u));
        QCOMPARE(ui.Command1->y(), 0);
        QCOMPARE(ui.Command2->y(), pixelY(430 * v));
        QCOMPARE(ui.Command5->x(), pixelX(200 * u));
        QCOMPARE(ui.Command5->y(), pixelY(360 * v));
        // The two height bars span exactly y = -99 … 99.
        for (QWidget* bar :
             {static_cast<QWidget*>(ui.thesiy), static_cast<QWidget*>(ui.shmeio_thesi)}) {
            QCOMPARE(bar->y(), pixelY(99));
            QVERIFY(std::abs(bar->y() + bar->height() - pixelY(-99)) <= 1);
        }
        QCOMPARE(ui.thesiy->x(), pixelX(450 * u));
        QCOMPARE(ui.Label7->y(), pixelY(-99));
        QCOMPARE(ui.xronosmetato->x(), pixelX(-200 * u));
        QVERIFY(std::abs(ui.Label6->x() - pixelX(-200 * u + 100)) <= 1);
        QCOMPARE(ui.Label1->x(), 0);
        QCOMPARE(ui.Label1->font().pointSizeF(), 12.0);
        QCOMPARE(ui.Label7->font().pointSizeF(), 14.0);
        QCOMPARE(ui.Command6->font().pointSizeF(), 16.0);
        QCOMPARE(ui.Command1->font().pointSizeF(), 13.5);
        QCOMPARE(ui.Label2->font().pointSizeF(), 18.0);
    }

    void theSourceKeepsItsTwips() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        // kyklos keeps its centre 3066 twips right of and 4386 below the top-left corner.
        const QPointF centre = w.surface().toPaint(ui.kyklos->centreX(), ui.kyklos->centreY());
        QVERIFY(std::abs(centre.x() - twipsToPixels(3066)) < 1e-3);
        QVERIFY(std::abs(centre.y() - twipsToPixels(4386)) < 1e-3);
    }

    void scrollBarsKeepTheirRanges() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.thesiy->Value(), 0);
        QCOMPARE(ui.arithmosaktinon->Value(), 10);
        QCOMPARE(ui.xronosmetato->Value(), 5);
        QCOMPARE(ui.arithmosaktinon->minimum(), 2);
        QCOMPARE(ui.arithmosaktinon->maximum(), 100);
        QCOMPARE(ui.xronosmetato->pageStep(), 5);
        QCOMPARE(ui.shmeio_thesi->pageStep(), 1);
        QCOMPARE(ui.thesiy->pageStep(), 10);
        // The top of a height bar reads 99.
        ui.thesiy->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(ui.thesiy->Value(), 99);
        ui.thesiy->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the lower arrow
        QCOMPARE(ui.thesiy->Value(), 98);
        ui.thesiy->setValue(std::int16_t(0));
    }

    // The markers stand above every control and take the mouse themselves, a few pixels
    // beyond their disc, to hand it on to the window.
    void markersStandAboveTheControls() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.kyklos->objectName(), QStringLiteral("kyklos"));
        const QObjectList& children = w.children();
        for (surface::Shape* marker : {ui.kyklos, ui.shmeio}) {
            QVERIFY(!marker->testAttribute(Qt::WA_TransparentForMouseEvents));
            const qsizetype at = children.indexOf(marker);
            for (qsizetype later = at + 1; later < children.size(); ++later) {
                auto* widget = qobject_cast<QWidget*>(children[later]);
                QVERIFY(!widget || qobject_cast<surface::Shape*>(widget));
            }
            // 132 twips across, or 1/80 of the window's height if that is more, and three
            // pixels more on every side.
            const double disc = std::max(132 * 96 / 1440.0, w.height() / 80.0);
            QVERIFY2(std::abs(marker->width() - (disc + 6)) <= 1,
                     qPrintable(QString::number(marker->width())));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
