// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/harness.h"

#include "geometry/state.h"
#include "scene/startup.h"
#include "support/controls.h"
#include "surface/messagebox.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

namespace harness {

namespace {
QStringList recordedMessages;
std::vector<surface::DrawCall> recordedCalls;
} // namespace

Kovril& startProgram() {
    recordedMessages.clear();
    recordedCalls.clear();
    surface::setMessageRecorder([](const QString& text) { recordedMessages << text; });
    // A window closed with unsaved work at a test's end lets it go, as the question is noted.
    surface::setUnsavedAnswerer([](const QString& text) {
        recordedMessages << text;
        return surface::UnsavedAnswer::Discard;
    });
    surface::Surface::setRecorder(
        [](const surface::DrawCall& call) { recordedCalls.push_back(call); });
    startUp();
    Kovril& w = scene::form();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("the window was not exposed");
    // The size a maximized window really gets may come after it is shown.
    w.applyPendingLayout();
    return w;
}

QStringList labelTexts() {
    QStringList texts;
    for (const QLabel* label : scene::form().labels())
        if (label)
            texts << label->text();
    return texts;
}

Seen seen() {
    Kovril& w = scene::form();
    const Controls ui = controls(w);
    QStringList texts = labelTexts();
    for (const surface::ScrollBar* bar :
         {ui.thesiy, ui.shmeio_thesi, ui.arithmosaktinon, ui.xronosmetato})
        texts << QString::number(bar->Value());
    for (const surface::Shape* marker : {ui.kyklos, ui.shmeio})
        texts << QString::number(marker->centreX(), 'g', 6) + QLatin1Char(',') +
                     QString::number(marker->centreY(), 'g', 6);
    return {w.surface().image().copy(), texts};
}

const QStringList& messages() {
    return recordedMessages;
}

const std::vector<surface::DrawCall>& drawn() {
    return recordedCalls;
}

void clearRecord() {
    recordedCalls.clear();
}

std::vector<surface::DrawCall> drawnOfKind(surface::DrawCall::Kind kind) {
    std::vector<surface::DrawCall> calls;
    for (const surface::DrawCall& call : recordedCalls)
        if (call.kind == kind)
            calls.push_back(call);
    return calls;
}

QPoint imagePixel(double x, double y) {
    const surface::Surface& s = scene::form().surface();
    const QPointF p = s.toPaint(x, y) * s.image().devicePixelRatio();
    return {int(p.x()), int(p.y())};
}

QColor colourAt(double x, double y) {
    return scene::form().surface().image().pixelColor(imagePixel(x, y));
}

QPoint windowPixel(double x, double y) {
    const QPointF p = scene::form().surface().toPaint(x, y);
    return {int(p.x()), int(p.y())};
}

void press(double x, double y) {
    QTest::mousePress(scene::form().windowHandle(), Qt::LeftButton, {}, windowPixel(x, y));
}

void moveTo(double x, double y) {
    QTest::mouseMove(scene::form().windowHandle(), windowPixel(x, y));
}

void release(double x, double y) {
    QTest::mouseRelease(scene::form().windowHandle(), Qt::LeftButton, {}, windowPixel(x, y));
}

void drag(QPointF from, QPointF to) {
    press(from.x(), from.y());
    moveTo((from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    moveTo(to.x(), to.y());
    release(to.x(), to.y());
}

void resizeTo(QSize size) {
    Kovril& w = scene::form();
    w.showNormal();
    w.resize(size);
    QTest::qWait(1);
    w.applyPendingLayout();
}

QStringList coveredBy(const QRect& area) {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    const auto covers = [&](const QWidget& control) {
        return area.intersects(QRect(control.mapToGlobal(QPoint(0, 0)), control.size()));
    };
    QStringList covered;
    for (const QWidget* control :
         {static_cast<QWidget*>(ui.kyklos), static_cast<QWidget*>(ui.shmeio),
          static_cast<QWidget*>(ui.Command1), static_cast<QWidget*>(ui.Command2),
          static_cast<QWidget*>(ui.Command3), static_cast<QWidget*>(ui.Command4),
          static_cast<QWidget*>(ui.Command5), static_cast<QWidget*>(ui.Command6)})
        if (covers(*control))
            covered << control->objectName();
    for (const QLabel* label : w.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->text().isEmpty() && covers(*label))
            covered << label->objectName();
    const surface::Surface& s = w.surface();
    const double half = geometry::curveRadius - geometry::curveCentreX;
    const QRectF lens = QRectF(s.toPaint(-half, geometry::lensHalfHeight),
                               s.toPaint(half, -geometry::lensHalfHeight))
                            .normalized();
    if (area.intersects(QRect(w.mapToGlobal(lens.topLeft().toPoint()), lens.size().toSize())))
        covered << QStringLiteral("lens");
    return covered;
}

void setScroll(surface::ScrollBar& bar, int value) {
    bar.setValue(std::int16_t(value));
}

} // namespace harness
