// SPDX-License-Identifier: GPL-3.0-or-later
// The lens panel: its controls change the scene's lens through the window, refuse numbers
// that give no lens, and the panel stands beside the picture.
#include "geometry/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <cmath>

namespace {

scene::LensPanel& openPanel() {
    Kovril& w = scene::form();
    harness::controls(w).actionLens->trigger();
    return *harness::lensPanel(w);
}

template <typename T> T& control(const QWidget& panel, const char* name) {
    T* found = panel.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("The lens panel has no control named %s", name);
    return *found;
}

QDoubleSpinBox& box(const char* name) {
    return control<QDoubleSpinBox>(openPanel(), name);
}

QString message() {
    return control<QLabel>(openPanel(), "lensMessage").text();
}

const geometry::LensGiven& sceneLens() {
    return scene::form().state().lens.given();
}

// The lens a user would read off the numbers: the index, radii, thickness and aperture.
struct Shown {
    double index, front, rear, thickness, aperture;
};

Shown shown() {
    return {box("lensIndex").value(), box("lensFrontRadius").value(), box("lensRearRadius").value(),
            box("lensThickness").value(), box("lensAperture").value()};
}

// The least-time drawing of the worked example, whose labels depend on the lens.
void drawLeastTime() {
    Kovril& w = scene::form();
    w.placeSource({-200, 0});
    harness::setScroll(*harness::controls(w).thesiy, 30);
    harness::controls(w).Command1->click();
}

} // namespace

class LensPanelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QLocale::setDefault(QLocale::c());
        harness::startProgram();
    }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // F3 opens a tool window that shows the start-up lens, with Greek names for every
    // control; Esc closes it.
    void opensWithTheStartUpLens() {
        Kovril& w = scene::form();
        QCOMPARE(harness::controls(w).actionLens->shortcut(), QKeySequence(Qt::Key_F3));
        QVERIFY(!harness::lensPanel(w));
        QTest::keyClick(w.windowHandle(), Qt::Key_F3);
        scene::LensPanel* panel = harness::lensPanel(w);
        QVERIFY(panel && panel->isVisible() && panel->isWindow());
        QCOMPARE(panel->windowType(), Qt::Tool);
        const Shown start = shown();
        QCOMPARE(start.index, 2.0);
        QCOMPARE(start.front, 180.0);
        QCOMPARE(start.rear, 180.0);
        QCOMPARE(start.thickness, 30.0);
        // Where the faces of radius 180 meet, 30 apart on the axis: √(180² − 165²).
        QCOMPARE(start.aperture, std::round(std::sqrt(180.0 * 180 - 165.0 * 165) * 100) / 100);
        QCOMPARE(control<QComboBox>(*panel, "lensShape").currentIndex(), 0);
        for (const char* name : {"lensIndex", "lensMaterial", "lensFrontRadius", "lensRearRadius",
                                 "lensThickness", "lensAperture", "lensShape", "lensStandard"}) {
            const QWidget& c = control<QWidget>(*panel, name);
            QVERIFY2(c.accessibleName().contains(QRegularExpression(QStringLiteral("[α-ωΑ-Ω]"))),
                     name);
            QVERIFY2(c.focusPolicy() & Qt::TabFocus, name);
        }
        QVERIFY(QTest::qWaitForWindowActive(panel));
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
    }

    // Beside the picture: no control, marker, label with a text nor the lens is covered.
    void standsBesideThePicture() {
        Kovril& w = scene::form();
        harness::controls(w).Command1->click();
        const QRect place = openPanel().frameGeometry();
        QVERIFY(w.screen()->availableGeometry().contains(place));
        QCOMPARE(harness::coveredBy(place), QStringList());
        const harness::Controls ui = harness::controls(w);
        for (const QWidget* c :
             {static_cast<QWidget*>(ui.thesiy), static_cast<QWidget*>(ui.shmeio_thesi),
              static_cast<QWidget*>(ui.arithmosaktinon), static_cast<QWidget*>(ui.xronosmetato),
              static_cast<QWidget*>(ui.xronosPlay), static_cast<QWidget*>(ui.menuButton)}) {
            const QRect area(c->mapToGlobal(QPoint(0, 0)), c->size());
            QVERIFY2(!place.intersects(area), qPrintable(c->objectName()));
        }
    }

    // Each number changes the scene's lens, and the index sets the speed inside only.
    void aValueChangesTheSceneLens_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::newRow("index") << "lensIndex" << 1.5;
        QTest::newRow("front radius") << "lensFrontRadius" << 200.0;
        QTest::newRow("rear radius") << "lensRearRadius" << 250.0;
        QTest::newRow("thickness") << "lensThickness" << 36.0;
        QTest::newRow("aperture") << "lensAperture" << 60.0;
    }
    void aValueChangesTheSceneLens() {
        QFETCH(QString, name);
        QFETCH(double, value);
        box(qPrintable(name)).setValue(value);
        const geometry::LensGiven& lens = sceneLens();
        const double index = double(lens.speedOutside) / double(lens.speedInside);
        const double expected[] = {
            name == "lensIndex" ? value : 2.0, name == "lensFrontRadius" ? value : 180.0,
            name == "lensRearRadius" ? value : 180.0, name == "lensThickness" ? value : 30.0};
        QCOMPARE(lens.speedOutside, 2.0f);
        QCOMPARE(std::round(index * 1e5) / 1e5, expected[0]);
        // The numbers the printed page and the continuations read follow the lens too.
        QCOMPARE(geometry::speedLens, lens.speedInside);
        QCOMPARE(geometry::curveRadius, float(lens.frontRadius));
        QCOMPARE(lens.frontRadius, expected[1]);
        QCOMPARE(lens.rearRadius, expected[2]);
        QCOMPARE(lens.thickness, expected[3]);
        if (name == "lensAperture")
            QCOMPARE(lens.aperture, value);
        QCOMPARE(box(qPrintable(name)).value(), value);
        QCOMPARE(message(), QString());
    }

    // Numbers that give no lens are refused with the reason; the lens, the picture and the
    // other numbers stay.
    void numbersThatGiveNoLensAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("why");
        QTest::newRow("no thickness") << "lensThickness" << 0.0 << "πάχος";
        QTest::newRow("faces crossing before the rim") << "lensAperture" << 100.0 << "τέμνονται";
        QTest::newRow("front radius under the aperture")
            << "lensFrontRadius" << 50.0 << "μπροστινής";
        QTest::newRow("rear radius under the aperture") << "lensRearRadius" << -60.0 << "πίσω";
        QTest::newRow("thicker, faces crossing") << "lensThickness" << 1.0 << "τέμνονται";
    }
    void numbersThatGiveNoLensAreRefused() {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QString, why);
        drawLeastTime();
        const QImage picture = scene::form().surface().image();
        const Shown before = shown();
        box(qPrintable(name)).setValue(value);
        QVERIFY2(message().contains(why), qPrintable(message()));
        QVERIFY(sceneLens() == geometry::Lens::standard().given());
        const Shown after = shown();
        QCOMPARE(after.index, before.index);
        QCOMPARE(after.front, before.front);
        QCOMPARE(after.rear, before.rear);
        QCOMPARE(after.thickness, before.thickness);
        QCOMPARE(after.aperture, before.aperture);
        QVERIFY(scene::form().surface().image() == picture);
    }

    void aMaterialSetsTheIndex_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("index");
        QTest::newRow("water") << 0 << 1.33;
        QTest::newRow("crown glass") << 1 << 1.52;
        QTest::newRow("flint glass") << 2 << 1.62;
        QTest::newRow("diamond") << 3 << 2.42;
        QTest::newRow("Kovril's own") << 4 << 2.0;
    }
    void aMaterialSetsTheIndex() {
        QFETCH(int, row);
        QFETCH(double, index);
        box("lensIndex").setValue(1.7);
        auto& material = control<QComboBox>(openPanel(), "lensMaterial");
        QCOMPARE(material.currentIndex(), -1);
        material.setCurrentIndex(row);
        emit material.activated(row);
        QCOMPARE(box("lensIndex").value(), index);
        QCOMPARE(sceneLens().speedInside, float(2 / index));
        QCOMPARE(material.currentIndex(), row);
    }

    // A shape sets the signs of both radii; the magnitudes are the start-up lens's.
    void aShapeSetsBothRadii_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("front");
        QTest::addColumn<double>("rear");
        QTest::newRow("biconvex") << 0 << 180.0 << 180.0;
        QTest::newRow("plano-convex") << 1 << 0.0 << 180.0;
        QTest::newRow("meniscus") << 2 << 180.0 << -360.0;
        QTest::newRow("biconcave") << 3 << -180.0 << -180.0;
        QTest::newRow("plano-concave") << 4 << 0.0 << -180.0;
    }
    void aShapeSetsBothRadii() {
        QFETCH(int, row);
        QFETCH(double, front);
        QFETCH(double, rear);
        box("lensFrontRadius").setValue(300);
        auto& shape = control<QComboBox>(openPanel(), "lensShape");
        shape.setCurrentIndex(row);
        emit shape.activated(row);
        QCOMPARE(sceneLens().frontRadius, front);
        QCOMPARE(sceneLens().rearRadius, rear);
        QCOMPARE(box("lensFrontRadius").value(), front);
        QCOMPARE(box("lensRearRadius").value(), rear);
    }

    // The start-up lens button brings back the very lens and picture of the start.
    void theStandardButtonRestoresTheStart() {
        drawLeastTime();
        const QImage picture = scene::form().surface().image();
        const QStringList texts = harness::labelTexts();
        box("lensIndex").setValue(1.4);
        box("lensThickness").setValue(40);
        QVERIFY(scene::form().surface().image() != picture);
        control<QPushButton>(openPanel(), "lensStandard").click();
        QVERIFY(sceneLens() == geometry::Lens::standard().given());
        QCOMPARE(shown().index, 2.0);
        QCOMPARE(shown().thickness, 30.0);
        QCOMPARE(harness::labelTexts(), texts);
        QVERIFY(scene::form().surface().image() == picture);
    }

    // The worked example: source (−200, 0), yellow point at 30; the least-time path through a
    // lens of another index, set on the panel after the drawing.
    void theWorkedExampleFollowsTheIndex_data() {
        QTest::addColumn<double>("index");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("measured");
        QTest::newRow("glass") << 1.5 << "χρόνος = 113.65"
                               << "δείκτης = 1.50";
        QTest::newRow("no lens") << 1.0 << "χρόνος = 107.29"
                                 << "δείκτης = 1.00";
    }
    void theWorkedExampleFollowsTheIndex() {
        QFETCH(double, index);
        QFETCH(QString, time);
        QFETCH(QString, measured);
        drawLeastTime();
        box("lensIndex").setValue(index);
        QCOMPARE(harness::controls(scene::form()).Label2->text(), time);
        QCOMPARE(harness::controls(scene::form()).Label4->text(), measured);
    }

    // A change draws again what was drawn, on the new lens: as if drawn on it from the start.
    void aChangeRedrawsOnTheNewLens() {
        drawLeastTime();
        box("lensIndex").setValue(1.5);
        const QImage changed = scene::form().surface().image();
        const QStringList texts = harness::labelTexts();

        harness::startProgram();
        box("lensIndex").setValue(1.5);
        drawLeastTime();
        QCOMPARE(texts, harness::labelTexts());
        QVERIFY(scene::form().surface().image() == changed);
    }
};

QTEST_MAIN(LensPanelTest)
#include "test_lens_panel.moc"
