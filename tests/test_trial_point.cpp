// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/state.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QTest>
#include <QWindow>

#include <cmath>

using surface::DrawCall;

namespace {

double labelNumber(const QLabel* label, const QString& prefix) {
    const QString text = label->text();
    return text.startsWith(prefix) ? text.mid(prefix.size()).toDouble() : std::nan("");
}

// The travel time through the blue point as the marker stands, air at 2 and lens at 1.
double timeThroughBluePoint() {
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(ui.thesiy->Value());
    const double sx = ui.kyklos->centreX();
    const double sy = ui.kyklos->centreY();
    const double px = ui.shmeio->centreX();
    const double py = ui.shmeio->centreY();
    return std::hypot(px - sx, py - sy) / 2 + std::hypot(t.x - px, t.y - py);
}

QString labelTexts() {
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    return ui.Label2->text() + '|' + ui.Label3->text() + '|' + ui.Label4->text() + '|' +
           ui.Label7->text();
}

} // namespace

class TrialPointTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        harness::startProgram();
    }

    void pointOnTheFrontSurface_data() {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("thesiy");
        QTest::newRow("highest") << 71 << 0;
        QTest::newRow("lowest") << -71 << 40;
        QTest::newRow("middle") << 25 << -80;
    }
    void pointOnTheFrontSurface() {
        QFETCH(int, v);
        QFETCH(int, thesiy);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, thesiy);
        harness::clearRecord();
        harness::setScroll(*ui.shmeio_thesi, v);

        const double x = 165 - std::sqrt(180.0 * 180 - v * v);
        QVERIFY(std::abs(ui.shmeio->centreX() - x) < 1e-4);
        QVERIFY(std::abs(ui.shmeio->centreY() - v) < 1e-4);
        QCOMPARE(ui.Label7->text(), QStringLiteral("ψ blue = ") + QString::number(v));
        QCOMPARE(ui.Label3->font().pointSizeF(), 12.0);
        QVERIFY(ui.Label3->text().startsWith(QStringLiteral("πρόσπτωσης= ")));
        QVERIFY(ui.Label3->text().contains(QStringLiteral(" διάθλασης= ")));
        QVERIFY(ui.Label4->text().startsWith(QStringLiteral("δείκτης = ")));
        QVERIFY(std::abs(labelNumber(ui.Label2, QStringLiteral("χρόνος = ")) -
                         timeThroughBluePoint()) <= 0.0051);

        // Cleared, the lens redrawn, then the path source -> blue point -> yellow point.
        const std::vector<DrawCall>& calls = harness::drawn();
        QVERIFY(!calls.empty());
        QVERIFY(calls.front().kind == DrawCall::Kind::Clear);
        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        QCOMPARE(lines.size(), std::size_t(3)); // the axis and the two segments
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(thesiy);
        QCOMPARE(lines[1].x1, double(ui.kyklos->centreX()));
        QCOMPARE(lines[1].y1, double(ui.kyklos->centreY()));
        QCOMPARE(lines[1].x2, double(ui.shmeio->centreX()));
        QCOMPARE(lines[1].y2, double(ui.shmeio->centreY()));
        QCOMPARE(lines[2].x2, t.x);
        QCOMPARE(lines[2].y2, t.y);
        QCOMPARE(harness::colourAt(0, 0), QColor(150, 150, 80));
    }

    // The front vertex: the ray in the lens runs along the axis, so the refraction is 0
    // and no index is measured.
    void frontVertexMeasuresNoIndex() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.shmeio_thesi, 30);
        const QString index = ui.Label4->text();
        QVERIFY(index.startsWith(QStringLiteral("δείκτης = ")));
        harness::setScroll(*ui.shmeio_thesi, 0);
        QVERIFY(std::abs(ui.shmeio->centreX() - -15) < 1e-4);
        QCOMPARE(ui.shmeio->centreY(), 0.0f);
        QCOMPARE(ui.Label7->text(), QStringLiteral("ψ blue = 0"));
        QVERIFY(ui.Label3->text().endsWith(QStringLiteral(" διάθλασης= 0.00")));
        QCOMPARE(ui.Label4->text(), index);
        QVERIFY(std::abs(labelNumber(ui.Label2, QStringLiteral("χρόνος = ")) -
                         timeThroughBluePoint()) <= 0.0051);
    }

    void beyondTheRimsIsIgnored_data() {
        QTest::addColumn<int>("v");
        QTest::newRow("above") << 72;
        QTest::newRow("below") << -72;
        QTest::newRow("top of the bar") << 99;
    }
    void beyondTheRimsIsIgnored() {
        QFETCH(int, v);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, 20);
        harness::setScroll(*ui.shmeio_thesi, v > 0 ? 50 : -50);
        const QImage picture = w.surface().image().copy();
        const QString labels = labelTexts();
        const float left = ui.shmeio->Left();
        const float top = ui.shmeio->Top();
        harness::clearRecord();
        harness::setScroll(*ui.shmeio_thesi, v);
        QCOMPARE(ui.shmeio_thesi->Value(), v);
        QVERIFY(harness::drawn().empty());
        QCOMPARE(w.surface().image(), picture);
        QCOMPARE(labelTexts(), labels);
        QCOMPARE(ui.shmeio->Left(), left);
        QCOMPARE(ui.shmeio->Top(), top);
    }

    // No trial point of the surface is faster than the one the button finds.
    void noTrialBeatsTheLeastTimePoint() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-220, 70});
        harness::setScroll(*ui.thesiy, -35);
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, ui.Command1->geometry().center());
        const double least = labelNumber(ui.Label2, QStringLiteral("χρόνος = "));
        QVERIFY(least > 0);
        double best = 1e9;
        for (int v = -71; v <= 71; ++v) {
            harness::setScroll(*ui.shmeio_thesi, v);
            const double time = labelNumber(ui.Label2, QStringLiteral("χρόνος = "));
            QVERIFY2(time >= least, qPrintable(QString::number(v)));
            best = std::min(best, time);
        }
        QVERIFY(best - least < 0.1); // the nearest whole height comes close
    }
};

QTEST_MAIN(TrialPointTest)
#include "test_trial_point.moc"
