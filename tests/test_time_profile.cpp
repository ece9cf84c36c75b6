// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/search.h"
#include "print/page_job.h"
#include "profile/plot_ink.h"
#include "scene/time_profile_panel.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/format.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using surface::DrawCall;

namespace {

scene::TimeProfilePanel& openPanel() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    ui.actionTimeProfile->trigger();
    return *harness::timeProfile(w);
}

void placeSource(double x, double y) {
    scene::form().placeSource({x, y});
}

void clickCommand1() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, ui.Command1->geometry().center());
}

QPointF centreOf(const surface::Shape& shape) {
    return {shape.centreX(), shape.centreY()};
}

// The number Label2 shows after «χρόνος = ».
QString label2Time() {
    return harness::controls(scene::form()).Label2->text().section(QStringLiteral(" = "), 1);
}

// The time a profile label gives after «t = », up to the next comma and space.
QString labelTime(const QLabel* label) {
    return label->text().section(QStringLiteral("t = "), 1).section(QStringLiteral(", "), 0, 0);
}

std::vector<DrawCall> dotsOf(QColor colour) {
    std::vector<DrawCall> dots;
    for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Dot))
        if (call.color == colour)
            dots.push_back(call);
    return dots;
}

} // namespace

class TimeProfileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        QLocale::setDefault(QLocale::c());
        harness::startProgram();
    }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void opensAsAToolAboveTheWindow() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.actionTimeProfile->objectName(), QStringLiteral("actionTimeProfile"));
        QCOMPARE(ui.actionTimeProfile->shortcut(), QKeySequence(Qt::Key_F2));
        QVERIFY(!harness::timeProfile(w));
        QTest::keyClick(w.windowHandle(), Qt::Key_F2);
        const scene::TimeProfilePanel* panel = harness::timeProfile(w);
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->objectName(), QStringLiteral("timeProfile"));
        QCOMPARE(panel->parentWidget(), &w);
        QVERIFY(panel->isWindow());
        QCOMPARE(panel->windowType(), Qt::Tool);
        QVERIFY(!panel->isModal());
        QVERIFY(panel->findChild<QLabel*>(QStringLiteral("profileMinimum")));
        QVERIFY(panel->findChild<QLabel*>(QStringLiteral("profileTrial")));
        QCOMPARE(panel->stepsBox->text(), QStringLiteral("βήματα αναζήτησης"));
        QCOMPARE(panel->printButton->text(), QStringLiteral("Εκτύπωση"));
    }

    // Opened for the first time, the panel leaves the lens, the markers, the buttons and
    // the labels free, stays on the screen, and Esc closes it.
    void opensWhereItCoversLeast() {
        QSettings().remove(QStringLiteral("timeProfile/geometry"));
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command1->click();
        scene::TimeProfilePanel& panel = openPanel();
        const QRect place = panel.frameGeometry();
        QVERIFY(w.screen()->availableGeometry().contains(place));
        QCOMPARE(harness::coveredBy(place), QStringList());
        QVERIFY(panel.width() >= 420);
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_Escape);
        QVERIFY(!panel.isVisible());
    }

    void remembersItsPlace() {
        scene::TimeProfilePanel& panel = openPanel();
        const QRect place(130, 90, 610, 470);
        panel.setGeometry(place);
        QTest::qWait(20);
        harness::startProgram();
        scene::TimeProfilePanel& again = openPanel();
        QCOMPARE(again.size(), place.size());
    }

    void minimumIsTheButtonsPoint_data() {
        QTest::addColumn<QPointF>("source");
        QTest::addColumn<int>("yellow");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("worked example") << QPointF(-200, 0) << 30 << QLocale::c();
        QTest::newRow("worked example, Greek")
            << QPointF(-200, 0) << 30 << QLocale(QLocale::Greek, QLocale::Greece);
        const QPointF sources[] = {{-150, 40},  {-300, 0},   {-250, 80},  {-180, -30}, {-400, 100},
                                   {-220, -90}, {-350, 50},  {-160, 60},  {-140, -50}, {-260, 120},
                                   {-190, -10}, {-310, 70},  {-230, 30},  {-450, 0},   {-130, 10},
                                   {-280, -40}, {-200, -60}, {-120, -20}, {-380, -80}, {-210, 150}};
        const int yellows[] = {-50, 60,  -20, 40, 0,   -70, 80, -90, 50,  5,
                               -5,  -40, 99,  70, -60, 15,  90, 25,  -30, -99};
        for (int i = 0; i < 20; ++i)
            QTest::addRow("pair %d", i + 1) << sources[i] << yellows[i] << QLocale::c();
    }
    void minimumIsTheButtonsPoint() {
        QFETCH(QPointF, source);
        QFETCH(int, yellow);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        placeSource(source.x(), source.y());
        harness::setScroll(*ui.thesiy, yellow);
        clickCommand1();
        QVERIFY(harness::messages().isEmpty());

        const QString y = surface::Format(ui.shmeio->centreY(), "0.00");
        QCOMPARE(panel.minimumLabel->text(),
                 QStringLiteral("ελάχιστο: y = %1, t = %2").arg(y, label2Time()));
        // Command1 puts the blue point at the minimum: no time is lost.
        QCOMPARE(panel.trialLabel->text(), QStringLiteral("μπλε σημείο: y = %1, t = %2, Δt = %3")
                                               .arg(y, label2Time(), surface::Format(0, "0.00")));
        for (const geometry::ProfileSample& sample : panel.profile().samples)
            QVERIFY(sample.time >= panel.profile().minimum->time - 1e-3);
    }

    void trialLabelIsLabel2() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        placeSource(-150, 40);
        harness::setScroll(*ui.thesiy, -50);
        harness::setScroll(*ui.shmeio_thesi, 15);
        QCOMPARE(panel.minimumLabel->text(), QStringLiteral("ελάχιστο: y = -48.26, t = 99.84"));
        QCOMPARE(panel.trialLabel->text(),
                 QStringLiteral("μπλε σημείο: y = 15.00, t = 137.67, Δt = 37.83"));
        QCOMPARE(labelTime(panel.trialLabel), label2Time());

        harness::setScroll(*ui.shmeio_thesi, -60);
        QCOMPARE(labelTime(panel.trialLabel), label2Time());
    }

    // The blue point keeps its mark while it stands on the lens: only dragging it away
    // takes it off.
    void onlyDraggingTheBluePointHidesItsMark_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("kept");
        QTest::newRow("drag the source") << QStringLiteral("source") << true;
        QTest::newRow("drag the blue point") << QStringLiteral("blue") << false;
        QTest::newRow("arrow key on the source") << QStringLiteral("nudge") << true;
    }
    void onlyDraggingTheBluePointHidesItsMark() {
        QFETCH(QString, what);
        QFETCH(bool, kept);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        harness::setScroll(*ui.shmeio_thesi, 20);
        QVERIFY(!panel.trialLabel->text().isEmpty());
        QCOMPARE(dotsOf(profile::ink::trial.color).size(), std::size_t(1));

        if (what == QStringLiteral("source"))
            harness::drag(centreOf(*ui.kyklos), centreOf(*ui.kyklos) + QPointF(-30, 25));
        else if (what == QStringLiteral("blue"))
            harness::drag(centreOf(*ui.shmeio), centreOf(*ui.shmeio) + QPointF(-40, 10));
        else
            emit ui.kyklos->nudged(0, 10);
        harness::clearRecord();
        w.profileFollows();
        QCOMPARE(!panel.trialLabel->text().isEmpty(), kept);
        QCOMPARE(dotsOf(profile::ink::trial.color).size(), std::size_t(kept ? 1 : 0));
        QCOMPARE(dotsOf(profile::ink::minimum.color).size(), std::size_t(1));
        if (kept)
            QVERIFY(panel.trialLabel->text().contains(QStringLiteral("y = 20.00")));

        harness::setScroll(*ui.shmeio_thesi, 21);
        QCOMPARE(labelTime(panel.trialLabel), label2Time());
    }

    void followsEveryChange_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("yellow scroll bar") << QStringLiteral("yellow");
        QTest::newRow("blue scroll bar") << QStringLiteral("blue");
        QTest::newRow("dragging the source") << QStringLiteral("drag source");
        QTest::newRow("dragging the blue point") << QStringLiteral("drag blue");
        QTest::newRow("Command1") << QStringLiteral("command1");
    }
    void followsEveryChange() {
        QFETCH(QString, change);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        placeSource(-220, 30);
        harness::setScroll(*ui.shmeio_thesi, -40);
        const QString minimum = panel.minimumLabel->text();
        const QString trial = panel.trialLabel->text();
        const double firstTime = panel.profile().samples.front().time;
        harness::clearRecord();

        if (change == QStringLiteral("yellow")) {
            harness::setScroll(*ui.thesiy, 45);
            QVERIFY(panel.minimumLabel->text() != minimum);
            QVERIFY(panel.trialLabel->text() != trial);
        } else if (change == QStringLiteral("blue")) {
            harness::setScroll(*ui.shmeio_thesi, 30);
            QCOMPARE(panel.minimumLabel->text(), minimum);
            QVERIFY(panel.trialLabel->text() != trial);
        } else if (change == QStringLiteral("drag source")) {
            // Still held: the profile has followed before the release.
            const QPointF from = centreOf(*ui.kyklos);
            harness::press(from.x(), from.y());
            harness::moveTo(from.x() - 20, from.y() + 40);
            harness::moveTo(from.x() - 40, from.y() + 80);
            QVERIFY(panel.minimumLabel->text() != minimum);
            QVERIFY(panel.profile().samples.front().time != firstTime);
            QVERIFY(!panel.trialLabel->text().isEmpty());
            QVERIFY(panel.trialLabel->text() != trial);
            harness::release(from.x() - 40, from.y() + 80);
        } else if (change == QStringLiteral("drag blue")) {
            const QPointF from = centreOf(*ui.shmeio);
            harness::press(from.x(), from.y());
            harness::moveTo(from.x() - 30, from.y());
            harness::moveTo(from.x() - 60, from.y());
            QCOMPARE(panel.minimumLabel->text(), minimum);
            QVERIFY(panel.trialLabel->text().isEmpty());
            harness::release(from.x() - 60, from.y());
        } else {
            clickCommand1();
            QCOMPARE(panel.minimumLabel->text(), minimum);
            QVERIFY(panel.trialLabel->text().endsWith(QStringLiteral("Δt = 0.00")));
        }
        // The plot was drawn again, curve and all.
        QVERIFY(!harness::drawnOfKind(DrawCall::Kind::Clear).empty());
        QVERIFY(
            std::any_of(harness::drawn().begin(), harness::drawn().end(),
                        [](const DrawCall& c) { return c.color == profile::ink::curve.color; }));
        QVERIFY(harness::messages().isEmpty());
    }

    void theStepsAreTheSearchsEvaluations() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        placeSource(-200, 0);
        harness::setScroll(*ui.thesiy, 30);
        int evaluations = 0;
        geometry::setSearchObserver(
            [&](const geometry::LensSearch& s) { evaluations = s.evaluations; });
        clickCommand1();
        geometry::setSearchObserver({});
        QCOMPARE(evaluations, 76);

        harness::clearRecord();
        QVERIFY(dotsOf(profile::ink::steps.color).empty());
        panel.stepsBox->setChecked(true);
        const std::vector<DrawCall> dots = dotsOf(profile::ink::steps.color);
        QCOMPARE(dots.size(), std::size_t(evaluations));
        const std::vector<geometry::SearchStep>& steps = panel.profile().steps;
        for (std::size_t i = 0; i < dots.size(); ++i) {
            QCOMPARE(dots[i].x1, steps[i].y);
            QCOMPARE(dots[i].y1, steps[i].time);
        }
        // The numbers follow the dots, each just right of its own step, in order from the
        // first; where the steps crowd, only numbers that stay clear of each other.
        const std::vector<DrawCall> texts = harness::drawnOfKind(DrawCall::Kind::Text);
        auto first = std::find_if(texts.begin(), texts.end(), [&](const DrawCall& c) {
            return c.text == QStringLiteral("1") && c.x1 > dots.front().x1;
        });
        QVERIFY(first != texts.end());
        const double span = panel.profile().high - panel.profile().low;
        const surface::Surface& plot = panel.plot->picture();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(7);
        const QFontMetricsF metrics(font);
        std::vector<QRectF> boxes;
        int previous = 0;
        for (auto number = first; number != texts.end(); ++number) {
            const int i = number->text.toInt();
            QVERIFY(i > previous && i <= evaluations);
            previous = i;
            const geometry::SearchStep& step = steps[std::size_t(i - 1)];
            QVERIFY(number->x1 > step.y && number->x1 < step.y + 0.05 * span);
            const QRectF box(plot.toPaint(number->x1, number->y1), metrics.size(0, number->text));
            for (const QRectF& other : boxes)
                QVERIFY2(!other.intersects(box), qPrintable(number->text));
            boxes.push_back(box);
        }
        QVERIFY(boxes.size() >= 3);
        QVERIFY(boxes.size() < std::size_t(evaluations));
        // The last step is where Command1 put the blue point.
        QCOMPARE(float(steps.back().y), float(ui.shmeio->centreY()));
    }

    void everyPlotStrokeIsInTheHelp() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        panel.stepsBox->setChecked(true);
        harness::setScroll(*ui.shmeio_thesi, -25);
        // Only the plot draws now.
        harness::clearRecord();
        w.profileFollows();
        const std::vector<surface::LegendEntry>& legend = profile::plotLegend();
        std::size_t strokes = 0;
        for (const DrawCall& call : harness::drawn()) {
            if (call.kind == DrawCall::Kind::Text || call.kind == DrawCall::Kind::Clear)
                continue;
            ++strokes;
            QVERIFY(std::any_of(legend.begin(), legend.end(), [&](const surface::LegendEntry& e) {
                return e.ink->color == call.color && e.ink->width == call.drawWidth &&
                       e.ink->style == call.drawStyle;
            }));
        }
        QVERIFY(strokes > 400);
    }

    void printsThePlot() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::TimeProfilePanel& panel = openPanel();
        harness::setScroll(*ui.shmeio_thesi, 10);
        const QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("profile.pdf"));
        print::directPagesTo(pdf);
        harness::clearRecord();
        panel.printButton->click();
        print::directPagesTo({});
        QVERIFY(harness::messages().isEmpty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        // The page carries both texts, one under the other, and the axis title.
        const std::vector<DrawCall> texts = harness::drawnOfKind(DrawCall::Kind::Text);
        auto find = [&](const QString& text) {
            return std::find_if(texts.begin(), texts.end(),
                                [&](const DrawCall& c) { return c.text == text; });
        };
        const auto minimum = find(panel.minimumLabel->text());
        const auto trial = find(panel.trialLabel->text());
        QVERIFY(minimum != texts.end() && trial != texts.end());
        QCOMPARE(trial->x1, minimum->x1);
        QVERIFY(trial->y1 < minimum->y1);
        QVERIFY(find(QStringLiteral("χρόνος t")) != texts.end());
    }
};

QTEST_MAIN(TimeProfileTest)
#include "test_time_profile.moc"
