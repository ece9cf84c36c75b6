// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QLocale>
#include <QTest>

#include <QWindow>
#include <limits>

#include <cmath>

using surface::DrawCall;

namespace {

bool drewAClear() {
    for (const DrawCall& call : harness::drawn())
        if (call.kind == DrawCall::Kind::Clear)
            return true;
    return false;
}

// A click on the button as a student makes it: through the window, at the button.
void clickCommand1() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, ui.Command1->geometry().center());
}

void placeSource(double x, double y) {
    scene::form().placeSource({x, y});
}

// Whether a pixel of the colour lies within a pixel of the scene point.
bool colourNear(double x, double y, QColor colour) {
    const QImage& image = scene::form().surface().image();
    const QPoint p = harness::imagePixel(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(p.x() + dx, p.y() + dy) == colour)
                return true;
    return false;
}

double labelNumber(const QLabel* label, const QString& prefix) {
    const QString text = label->text();
    return text.startsWith(prefix) ? text.mid(prefix.size()).toDouble() : std::nan("");
}

} // namespace

class Command1Test : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        harness::startProgram();
    }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void workedExample_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("angles");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("time");
        QTest::newRow("point") << QLocale::c()
                               << QStringLiteral("πρόσπτωσης= -18.79 διάθλασης= -9.27")
                               << QStringLiteral("δείκτης = 2.00")
                               << QStringLiteral("ψ blue = 30.2")
                               << QStringLiteral("χρόνος = 119.92");
        QTest::newRow("greek") << QLocale(QLocale::Greek, QLocale::Greece)
                               << QStringLiteral("πρόσπτωσης= -18,79 διάθλασης= -9,27")
                               << QStringLiteral("δείκτης = 2,00")
                               << QStringLiteral("ψ blue = 30,2")
                               << QStringLiteral("χρόνος = 119,92");
    }
    void workedExample() {
        QFETCH(QLocale, locale);
        QFETCH(QString, angles);
        QFETCH(QString, index);
        QFETCH(QString, height);
        QFETCH(QString, time);
        QLocale::setDefault(locale);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-200, 0);
        harness::setScroll(*ui.thesiy, 30);
        harness::clearRecord();
        clickCommand1();

        QCOMPARE(ui.Label3->text(), angles);
        QCOMPARE(ui.Label4->text(), index);
        QCOMPARE(ui.Label7->text(), height);
        QCOMPARE(ui.Label2->text(), time);
        QVERIFY(harness::messages().isEmpty());
        QVERIFY(!drewAClear());

        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        QCOMPARE(lines.size(), std::size_t(3));
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(30);
        const DrawCall& toLens = lines[0];
        const DrawCall& inLens = lines[1];
        const DrawCall& normal = lines[2];
        QCOMPARE(toLens.x1, -200.0);
        QCOMPARE(toLens.y1, 0.0);
        QVERIFY(std::abs(toLens.x2 - -12.454) < 1e-3);
        QVERIFY(std::abs(toLens.y2 - 30.166) < 1e-3);
        QCOMPARE(inLens.x1, toLens.x2);
        QCOMPARE(inLens.y1, toLens.y2);
        QCOMPARE(inLens.x2, t.x);
        QCOMPARE(inLens.y2, t.y);
        for (const DrawCall* path : {&toLens, &inLens}) {
            QCOMPARE(path->color, QColor(Qt::black));
            QVERIFY(path->drawStyle == surface::PenStyle::Solid);
        }
        // The normal: dotted, from the centre of curvature through P to halfway to the source.
        QVERIFY(normal.drawStyle == surface::PenStyle::Dotted);
        QCOMPARE(normal.x1, 165.0);
        QCOMPARE(normal.y1, 0.0);
        QVERIFY(std::abs(normal.x2 - (toLens.x2 - 200) / 2) < 1e-9);
        const double cross =
            (toLens.x2 - 165) * (normal.y2 - 0) - (toLens.y2 - 0) * (normal.x2 - 165);
        QVERIFY(std::abs(cross) < 1e-6);
        QVERIFY(normal.y2 > toLens.y2);
        QVERIFY(w.surface().DrawStyle == surface::PenStyle::Solid);

        QVERIFY(std::abs(ui.shmeio->centreX() - toLens.x2) < 1e-4);
        QVERIFY(std::abs(ui.shmeio->centreY() - toLens.y2) < 1e-4);
        QVERIFY(colourNear(-106, 15.2, Qt::black)); // the path in air, midway
    }

    void timeShownIsTheTimeThroughTheBluePoint_data() {
        QTest::addColumn<bool>("moveSource");
        QTest::addColumn<QPointF>("source");
        QTest::addColumn<int>("v");
        QTest::newRow("start-up source") << false << QPointF() << 0;
        QTest::newRow("above, low target") << true << QPointF(-150, 120) << -60;
        QTest::newRow("near the lens") << true << QPointF(-30, 10) << 90;
    }
    void timeShownIsTheTimeThroughTheBluePoint() {
        QFETCH(bool, moveSource);
        QFETCH(QPointF, source);
        QFETCH(int, v);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        if (moveSource)
            placeSource(source.x(), source.y());
        harness::setScroll(*ui.thesiy, v == 0 ? 1 : 0);
        harness::setScroll(*ui.thesiy, v);
        clickCommand1();
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(v);
        const double sx = ui.kyklos->centreX();
        const double sy = ui.kyklos->centreY();
        const double px = ui.shmeio->centreX();
        const double py = ui.shmeio->centreY();
        const double time = std::hypot(px - sx, py - sy) / 2 + std::hypot(t.x - px, t.y - py);
        QVERIFY2(std::abs(labelNumber(ui.Label2, QStringLiteral("χρόνος = ")) - time) <= 0.0051,
                 qPrintable(ui.Label2->text()));
        QCOMPARE(labelNumber(ui.Label4, QStringLiteral("δείκτης = ")), 2.0);
        QVERIFY(std::abs(labelNumber(ui.Label7, QStringLiteral("ψ blue = ")) - py) <= 0.051);
        QVERIFY(std::abs(std::hypot(px - 165, py) - 180) < 1e-4); // on the front circle
    }

    // P converges on the front vertex; both angles are nearly 0 and the index is a quotient
    // of two tiny sines.
    void sourceOnTheAxis() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-200, 0);
        harness::clearRecord();
        clickCommand1();
        const DrawCall toLens = harness::drawnOfKind(DrawCall::Kind::Line).at(0);
        QVERIFY(std::abs(std::asin(toLens.y2 / 180)) < 2e-7);
        QVERIFY(std::abs(toLens.x2 - -15) < 1e-9);
        QVERIFY(ui.Label3->text() == QStringLiteral("πρόσπτωσης= -0.00 διάθλασης= 0.00") ||
                ui.Label3->text() == QStringLiteral("πρόσπτωσης= 0.00 διάθλασης= -0.00"));
        const double index = labelNumber(ui.Label4, QStringLiteral("δείκτης = "));
        QVERIFY2(std::abs(index - -0.39) < 0.05, qPrintable(ui.Label4->text()));
        QCOMPARE(ui.Label2->text(), QStringLiteral("χρόνος = 122.50"));
        QVERIFY(ui.Label7->text().startsWith(QStringLiteral("ψ blue = ")));
    }

    void pointAboveTheRimIsDrawnAndMarked() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-100, -250);
        harness::setScroll(*ui.thesiy, 99);
        harness::clearRecord();
        clickCommand1();
        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        QCOMPARE(lines.size(), std::size_t(3));
        QVERIFY(lines[0].y2 > geometry::lensHalfHeight + 2);
        QVERIFY(ui.shmeio->centreY() > geometry::lensHalfHeight + 2);
        QCOMPARE(labelNumber(ui.Label4, QStringLiteral("δείκτης = ")), 2.0);
        QVERIFY(colourNear(lines[0].x2 - 20,
                           lines[0].y2 - 20 * (lines[0].y2 + 250) / (lines[0].x2 + 100),
                           Qt::black));
    }

    // Nothing is cleared: a second press draws the same path over the first.
    void secondClickDrawsTheSamePathAgain() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-180, 40);
        harness::setScroll(*ui.thesiy, -20);
        harness::clearRecord();
        clickCommand1();
        const std::vector<DrawCall> first = harness::drawnOfKind(DrawCall::Kind::Line);
        const QImage picture = w.surface().image().copy();
        const QString labels = ui.Label2->text() + ui.Label3->text() + ui.Label4->text();
        clickCommand1();
        const std::vector<DrawCall> both = harness::drawnOfKind(DrawCall::Kind::Line);
        QCOMPARE(both.size(), 2 * first.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(both[first.size() + i].x2, first[i].x2);
            QCOMPARE(both[first.size() + i].y2, first[i].y2);
        }
        QVERIFY(!drewAClear());
        QCOMPARE(w.surface().image(), picture);
        QCOMPARE(ui.Label2->text() + ui.Label3->text() + ui.Label4->text(), labels);
    }

    void failedSearchGivesZeros() {
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(30);
        const geometry::LensSearch s = geometry::searchLensEntry(
            geometry::Lens::standard(), -200, 0, t.x, t.y, geometry::StepTest::Single, 40);
        QVERIFY(!s.found);
        QCOMPARE(s.x, 0.0);
        QCOMPARE(s.y, 0.0);
        QCOMPARE(s.time, 0.0);
    }

    // No real source makes the search give up, so its step is made NaN through the shared
    // pi: the button then says so once, and draws and changes nothing.
    void aFailedSearchOnTheButtonSaysSoOnceAndChangesNothing() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-200, 0);
        const QImage picture = w.surface().image();
        const QString labels = ui.Label2->text() + ui.Label3->text() + ui.Label4->text();
        const float blueX = ui.shmeio->centreX();
        const float pi = geometry::pi;
        geometry::pi = std::numeric_limits<float>::quiet_NaN();
        clickCommand1();
        geometry::pi = pi;
        QCOMPARE(harness::messages(), QStringList{QStringLiteral("δε βρέθηκε")});
        QCOMPARE(w.surface().image(), picture);
        QCOMPARE(ui.Label2->text() + ui.Label3->text() + ui.Label4->text(), labels);
        QCOMPARE(ui.shmeio->centreX(), blueX);
    }

    void findLensEntryIsTheButtonsPointAsFloats() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        placeSource(-200, 0);
        harness::setScroll(*ui.thesiy, 30);
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(30);
        const geometry::LensEntry entry = geometry::findLensEntry(
            geometry::Lens::standard(), ui.kyklos->centreX(), ui.kyklos->centreY(), t.x, t.y);
        harness::clearRecord();
        clickCommand1();
        const DrawCall toLens = harness::drawnOfKind(DrawCall::Kind::Line).at(0);
        QCOMPARE(entry.x, float(toLens.x2));
        QCOMPARE(entry.y, float(toLens.y2));
        QCOMPARE(entry.time, float(geometry::pathTime(geometry::Lens::standard(), -200, 0,
                                                      toLens.x2, toLens.y2, t.x, t.y)));
        QVERIFY(harness::messages().isEmpty());
    }
};

QTEST_MAIN(Command1Test)
#include "test_command1.moc"
