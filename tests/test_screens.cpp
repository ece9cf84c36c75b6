// SPDX-License-Identifier: GPL-3.0-or-later
// The window on the screens of a classroom: laptops at 125 %, 150 % and 200 % scaling, a
// projector at 1024 x 768.
#include "scene/kovril.h"
#include "support/controls.h"
#include "support/harness.h"
#include "surface/caption_layout.h"

#include <QScreen>
#include <QTest>

namespace {

// What a student works with: every control on the window, the markers aside.
QList<QWidget*> controlsOf(Kovril& w) {
    QList<QWidget*> controls;
    for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisible() && !qobject_cast<surface::Shape*>(child))
            controls << child;
    return controls;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
    void init() { harness::startProgram(); }

    // Maximized or in full screen, the window stays on the screen and every control stays
    // on the window.
    void everyControlIsReachable_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("maximized") << false;
        QTest::newRow("full screen") << true;
    }
    void everyControlIsReachable() {
        QFETCH(bool, fullScreen);
        Kovril& w = scene::form();
        if (fullScreen) {
            w.showFullScreen();
            QTRY_VERIFY(w.isFullScreen());
            w.applyPendingLayout();
        }
        const QScreen& screen = *w.screen();
        const QRect room = fullScreen ? screen.geometry() : screen.availableGeometry();
        QVERIFY2(room.contains(w.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(w.width()).arg(w.height())));
        const QList<QWidget*> controls = controlsOf(w);
        QVERIFY(controls.size() >= 18);
        for (const QWidget* control : controls)
            QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }

    // However small the window is made, it keeps a minimum the screen has room for.
    void theMinimumFitsTheScreen() {
        Kovril& w = scene::form();
        const QSize available = w.screen()->availableGeometry().size();
        QVERIFY(w.minimumWidth() <= available.width() && w.minimumHeight() <= available.height());
        QVERIFY(w.minimumWidth() >= std::min(800, available.width() * 9 / 10));
        harness::resizeTo({300, 200});
        QCOMPARE(w.size(), w.minimumSize());
        QCOMPARE(w.surface().image().size(), w.size() * w.devicePixelRatioF());
    }

    // The place the maximized window returns to lies inside the available area, centred,
    // with room above it for the title bar; the controls stay on the window there too.
    void theNormalWindowStandsInsideTheScreen() {
        Kovril& w = scene::form();
        QVERIFY(w.isMaximized());
        const QRect available = w.screen()->availableGeometry();
        const QRect normal = w.normalGeometry();
        QVERIFY(available.contains(normal));
        QVERIFY(normal.top() - available.top() >= 24);
        QVERIFY(normal.width() < available.width());
        QVERIFY(std::abs((normal.left() - available.left()) -
                         (available.right() - normal.right())) <= 1);
        harness::resizeTo(normal.size());
        for (const QWidget* control : controlsOf(w))
            QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
    }

    // On a projector the markers and the small labels stay large enough to be seen from the
    // back, and the axis runs through no label.
    void markersAndLabelsCanBeReadFromAfar() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        for (const surface::Shape* marker : {ui.kyklos, ui.shmeio}) {
            const int disc = marker->width() - 2 * surface::Shape::grabMargin;
            QVERIFY2(disc >= w.height() / 80, qPrintable(QString::number(disc)));
        }
        for (const QLabel* label : {ui.Label5, ui.Label6}) {
            const surface::CaptionLayout shown =
                surface::layOutCaption(label->text(), label->font(), label->contentsRect().size(),
                                       surface::CaptionBreaks::BetweenQuantities);
            const double pixels = shown.font.pointSizeF() * w.logicalDpiY() / 72;
            QVERIFY2(pixels >= std::min(w.height() / 55.0, 12.0), qPrintable(label->objectName()));
        }
        const int axis = qRound(w.surface().toPaint(0, 0).y());
        for (const QLabel* label : w.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            const QRect area = label->geometry();
            QVERIFY2(axis < area.top() || axis > area.bottom(), qPrintable(label->objectName()));
        }
    }

    // Every quantity a label may show stands whole on one line of its box, shrunk if need
    // be, never cut: a name of two words stays with itself and with its value.
    void everyQuantityStaysWhole_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("quantities");
        QTest::newRow("time") << "Label2" << QStringList{QStringLiteral("χρόνος = 888.88")};
        QTest::newRow("blue point") << "Label7" << QStringList{QStringLiteral("ψ blue = -99.9")};
        QTest::newRow("rays") << "Label5" << QStringList{QStringLiteral("αριθμός σημείων =100")};
        QTest::newRow("angles") << "Label3"
                                << QStringList{QStringLiteral("πρόσπτωσης= -88.88"),
                                               QStringLiteral("διάθλασης= -88.88")};
        QTest::newRow("total reflection")
            << "Label1"
            << QStringList{QStringLiteral("ολική ανάκλαση"), QStringLiteral("ορική = 30.00")};
    }
    void everyQuantityStaysWhole() {
        QFETCH(QString, label);
        QFETCH(QStringList, quantities);
        const auto* box = scene::form().findChild<QLabel*>(label);
        const QString text = quantities.join(QStringLiteral("     "));
        const surface::CaptionLayout shown = surface::layOutCaption(
            text, box->font(), box->contentsRect().size(),
            surface::CaptionBreaks::BetweenQuantities, surface::leastLabelScale);
        QVERIFY2(shown.fits, qPrintable(shown.lines.join(QLatin1Char('/'))));
        for (const QString& quantity : quantities)
            QVERIFY2(std::any_of(shown.lines.begin(), shown.lines.end(),
                                 [&](const QString& line) { return line.contains(quantity); }),
                     qPrintable(shown.lines.join(QLatin1Char('/'))));
    }
};

QTEST_MAIN(ScreensTest)
#include "test_screens.moc"
