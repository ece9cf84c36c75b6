// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/kovril.h"
#include "scene/object_controls.h"

#include "geometry/bar_ranges.h"
#include "scene/background.h"
#include "scene/measuring.h"
#include "scene/window_place.h"
#include "surface/picture_memory.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

double screenDpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

int twipsToPixels(int twips) {
    return qRound(twips * screenDpi() / 1440.0);
}

void placeInTwips(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

QFont greekFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

surface::WrapButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                                int top, int width, int height) {
    auto* button = new surface::WrapButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(greekFont(13.5));
    placeInTwips(*button, left, top, width, height);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top,
                  int width, int height) {
    auto* label = new surface::Caption(caption, parent);
    label->setObjectName(QLatin1String(name));
    // Labels stand edge to edge along the top; a little room keeps their texts apart.
    label->setContentsMargins(3, 0, 3, 0);
    placeInTwips(*label, left, top, width, height);
    return label;
}

surface::ScrollBar* makeScrollBar(QWidget* parent, const geometry::BarRange& range,
                                  Qt::Orientation orientation, int left, int top, int width,
                                  int height) {
    auto* bar = new surface::ScrollBar(orientation, range.first, range.last, range.smallChange,
                                       range.largeChange, range.start, parent);
    bar->setObjectName(QLatin1String(range.name));
    placeInTwips(*bar, left, top, width, height);
    return bar;
}

surface::Shape* makeShape(QWidget* parent, const char* name, QColor fill, int left, int top,
                          int size) {
    auto* shape = new surface::Shape(fill, parent);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometryInFrame(float(left), float(top), float(size), float(size));
    return shape;
}

} // namespace

Kovril::Kovril() {
    setObjectName(QStringLiteral("Kovril"));
    setWindowTitle(QCoreApplication::translate("Window", "Πορεία Ακτίνων: αρχή Kovril"));
    setFont(greekFont(8.25));
    setAutoFillBackground(false);
    // The picture covers the whole window: no background is painted under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(twipsToPixels(12240), twipsToPixels(8835));
    keepMinimumOnScreen();
    surface_ = std::make_unique<surface::Surface>(size(), devicePixelRatio(), screenDpi(),
                                                  scene::windowBackground);
    active_ = surface_.get();

    Command1 = makeButton(this, "Command1",
                          QCoreApplication::translate("Window", "Υπολόγισε θέση με Kovril"), 3960,
                          0, 3012, 972);
    Command6 = makeButton(this, "Command6", QStringLiteral("PRINT"), 6960, 240, 2532, 732);
    Command6->setFont(font());
    Command2 = makeButton(this, "Command2", QCoreApplication::translate("Window", "Δέσμη ακτίνων"),
                          3960, 960, 3012, 972);
    Command4 = makeButton(this, "Command4",
                          QCoreApplication::translate("Window", "Συνέχιση ακτίνας μετά  το φακό"),
                          6960, 960, 2772, 1092);
    Command3 = makeButton(this, "Command3", QCoreApplication::translate("Window", "Κύκλοι Huygens"),
                          3960, 1920, 3012, 1092);
    Command5 = makeButton(this, "Command5",
                          QCoreApplication::translate("Window", "Συνέχιση δέσμης μετά το φακό"),
                          6960, 2160, 2772, 1092);

    Label1 = makeLabel(this, "Label1", QString(), 720, 0, 2412, 732);
    Label1->setFont(greekFont(13.5));
    Label3 = makeLabel(this, "Label3", QString(), 1800, 1320, 2292, 972);
    Label3->setFont(greekFont(13.5));
    showLabel3Points(Label3->font().pointSizeF());
    Label4 = makeLabel(this, "Label4", QString(), 5040, 1560, 2292, 1092);
    Label4->setFont(greekFont(13.5));
    Label2 = makeLabel(this, "Label2", QString(), 4920, 120, 3852, 852);
    Label2->setFont(greekFont(18));

    thesiy = makeScrollBar(this, geometry::thesiyRange, Qt::Vertical, 10080, 2400, 372, 4212);
    shmeio_thesi =
        makeScrollBar(this, geometry::shmeioThesiRange, Qt::Vertical, 720, 1800, 372, 3732);
    Label7 = makeLabel(this, "Label7", QString(), 1080, 5520, 1332, 732);
    xronosmetato =
        makeScrollBar(this, geometry::xronosmetatoRange, Qt::Horizontal, 2040, 7920, 4575, 495);
    Label6 = makeLabel(this, "Label6", QString(), 6600, 7800, 1935, 615);
    arithmosaktinon =
        makeScrollBar(this, geometry::arithmosaktinonRange, Qt::Vertical, 0, 1800, 495, 3735);
    Label5 = makeLabel(this, "Label5", QString(), 0, 5520, 975, 735);
    // Placeholders until start-up and the first handlers write these two.
    showLabel(6, QStringLiteral("Label6"));
    showLabel(7, QStringLiteral("Label7"));

    // Created last, the markers stand above every control.
    shmeio = makeShape(this, "shmeio", QColor(0, 0, 255), 5280, 4560, 132);
    kyklos = makeShape(this, "kyklos", QColor(192, 0, 0), 3000, 4320, 132);
    for (surface::Shape* shape : {shmeio, kyklos}) {
        connect(shape, &surface::Shape::moved, this, [this, shape] {
            const int margin = surface::Shape::grabMargin;
            shape->setGeometry(
                markerDisc(*shape).toRect().adjusted(-margin, -margin, margin, margin));
        });
        emit shape->moved();
    }
    relayoutTimer_.setSingleShot(true);
    // At most one relayout a frame, however fast the sizes come.
    relayoutTimer_.setInterval(16);
    connect(&relayoutTimer_, &QTimer::timeout, this, &Kovril::relayout);

    Form_Load();
}

Kovril::~Kovril() {
    emit tearingDown();
}

void Kovril::resetPicture() {
    surface_ = std::make_unique<surface::Surface>(size(), devicePixelRatioF(), screenDpi(),
                                                  scene::windowBackground);
    active_ = surface_.get();
    surface_->setRefreshHandler([this] { showChanges(); });
    // Start-up draws the centres of curvature before it sets a fill colour: solid in the
    // lens colour gives them the same look as in every later redraw.
    surface_->FillStyle = surface::FillMode::Solid;
    surface_->FillColor = QColor(150, 150, 80);
}

void Kovril::Scale(double x1, double y1, double x2, double y2) {
    const QRectF pointArea = shapeArea(*shmeio);
    const QRectF sourceArea = shapeArea(*kyklos);
    surface_->Scale(x1, y1, x2, y2);
    for (auto [shape, area] : {std::pair{shmeio, pointArea}, std::pair{kyklos, sourceArea}}) {
        const QPointF topLeft = surface_->fromPaint(area.topLeft());
        const QPointF bottomRight = surface_->fromPaint(area.bottomRight());
        shape->setGeometryInFrame(float(topLeft.x()), float(topLeft.y()),
                                  float(std::abs(bottomRight.x() - topLeft.x())),
                                  float(std::abs(bottomRight.y() - topLeft.y())));
    }
    noteMarkers();
}

QRectF Kovril::shapeArea(const surface::Shape& shape) const {
    // Height is a positive extent; the frame decides whether the bottom lies above or below.
    const double down = surface_->ScaleHeight() < 0 ? -1.0 : 1.0;
    const QPointF topLeft = surface_->toPaint(shape.Left(), shape.Top());
    const QPointF bottomRight = surface_->toPaint(double(shape.Left()) + shape.Width(),
                                                  double(shape.Top()) + down * shape.Height());
    return QRectF(topLeft, bottomRight).normalized();
}

QRectF Kovril::markerDisc(const surface::Shape& shape) const {
    const QRectF area = shapeArea(shape);
    const double least = height() / 80.0;
    QRectF disc(QPointF(0, 0), area.size().expandedTo(QSizeF(least, least)));
    disc.moveCenter(area.center());
    return disc;
}

void Kovril::placeInFrame(QWidget& control, std::optional<double> left, std::optional<double> top,
                          std::optional<double> width, std::optional<double> height) {
    QRectF area = control.geometry();
    const double unitX = surface_->toPaint(1, 0).x() - surface_->toPaint(0, 0).x();
    const double unitY = surface_->toPaint(0, 1).y() - surface_->toPaint(0, 0).y();
    if (left)
        area.moveLeft(surface_->toPaint(*left, 0).x());
    if (top)
        area.moveTop(surface_->toPaint(0, *top).y());
    if (width)
        area.setWidth(*width * std::abs(unitX));
    if (height)
        area.setHeight(*height * std::abs(unitY));
    // On a short or narrow window a control keeps its size and stands whole on the window.
    QRect placed = area.toRect();
    placed.moveRight(std::min(placed.right(), rect().right()));
    placed.moveBottom(std::min(placed.bottom(), rect().bottom()));
    placed.moveLeft(std::max(placed.left(), 0));
    placed.moveTop(std::max(placed.top(), 0));
    control.setGeometry(placed);
}

void Kovril::setMousePointer(int pointer) {
    if (pointer == 0)
        unsetCursor();
}

std::array<QLabel*, 8> Kovril::labels() const {
    return {nullptr, Label1, Label2, Label3, Label4, Label5, Label6, Label7};
}

void Kovril::applyLabels(const surface::LabelTexts& texts) {
    for (int i = 1; i < int(state_.labels.size()); ++i)
        if (const std::optional<QString>& text = texts[i])
            showLabel(i, *text);
}

void Kovril::showLabel(int label, const QString& text) {
    state_.labels.at(std::size_t(label)) = text.toStdString();
    labels().at(std::size_t(label))->setText(text);
}

void Kovril::showLabel3Points(double points) {
    state_.label3Points = points;
    QFont font = Label3->font();
    font.setPointSizeF(points);
    Label3->setFont(font);
}

void Kovril::placeSource(geometry::Point at) {
    kyklos->moveCentreTo(at.x, at.y);
    state_.source = {kyklos->centreX(), kyklos->centreY()};
}

void Kovril::placeBluePoint(geometry::Point at) {
    shmeio->moveCentreTo(at.x, at.y);
    state_.bluePoint = {shmeio->centreX(), shmeio->centreY()};
}

void Kovril::noteMarkers() {
    state_.source = {kyklos->centreX(), kyklos->centreY()};
    state_.bluePoint = {shmeio->centreX(), shmeio->centreY()};
}

void Kovril::showChanges() {
    QRegion area(surface_->takeChangedArea());
    // The scroll bars paint all of their area: what lies under them need not be copied, nor
    // they be painted again, for a change of the picture.
    for (const QWidget* bar : {thesiy, shmeio_thesi, arithmosaktinon, xronosmetato})
        if (bar->isVisible())
            area -= bar->geometry();
    if (!area.isEmpty())
        update(area);
}

void Kovril::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    surface::preferHugePagesFor(painter.paintEngine()->paintDevice());
    const QImage& picture = surface_->image();
    // Only what was asked for, a rectangle at a time: a clip to one rectangle keeps the plain
    // copy of the picture, where a clip to the whole region would go through the general path.
    for (const QRect& r : event->region()) {
        painter.setClipRect(r);
        painter.drawImage(0, 0, picture);
    }
    painter.setClipping(false);
    // Between a resize and the relayout that follows it the picture may be smaller.
    const QRegion uncovered =
        event->region() - QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
    for (const QRect& r : uncovered)
        painter.fillRect(r, scene::windowBackground);
    scene::paintTools(painter, *this, false);
}

void Kovril::resizeEvent(QResizeEvent*) {
    if (!relayoutTimer_.isActive())
        relayoutTimer_.start();
}

void Kovril::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        actionFullScreen->setChecked(isFullScreen());
    else if (event->type() == QEvent::ScreenChangeInternal) {
        keepMinimumOnScreen();
        if (!relayoutTimer_.isActive())
            relayoutTimer_.start(); // another screen may have another pixel ratio
    }
    QWidget::changeEvent(event);
}

void Kovril::keepMinimumOnScreen() {
    if (const QScreen* shown = screen())
        setMinimumSize(scene::minimumWindowSize(shown->availableGeometry().size()));
}

void Kovril::applyPendingLayout() {
    if (!relayoutTimer_.isActive())
        return;
    relayoutTimer_.stop();
    relayout();
}

void Kovril::toggleFullScreen() {
    if (isFullScreen())
        showMaximized();
    else
        showFullScreen();
}

template <typename Handler> void Kovril::run(Handler handler) {
    (this->*handler)();
    afterStep();
}

void Kovril::afterStep() {
    objectControls->follow();
    showChanges();
    profileFollows();
    // A thumb slid through many values is one step, noted at its release.
    if (!thumbHeld())
        history_.note(state_);
    showHistory();
}

std::array<surface::ScrollBar*, 4> Kovril::scrollBars() const {
    return {thesiy, arithmosaktinon, shmeio_thesi, xronosmetato};
}

bool Kovril::thumbHeld() const {
    return std::ranges::any_of(scrollBars(),
                               [](const surface::ScrollBar* bar) { return bar->isSliderDown(); });
}

void Kovril::showHistory() {
    if (actionUndo)
        actionUndo->setEnabled(history_.canUndo());
    if (actionRedo)
        actionRedo->setEnabled(history_.canRedo());
    showTitle();
}

void Kovril::connectHandlers() {
    scene::makeObjectControls(*this);
    connect(actionSaveScene, &QAction::triggered, this, [this] { saveScene_Click(); });
    connect(actionOpenScene, &QAction::triggered, this, [this] { run(&Kovril::openScene_Click); });
    connect(actionSavePicture, &QAction::triggered, this, [this] { savePicture_Click(); });
    connect(actionClear, &QAction::triggered, this, [this] { run(&Kovril::clearPicture); });
    connect(actionReset, &QAction::triggered, this, [this] { run(&Kovril::startLesson); });
    // Going back and forth is no step of its own, and waits until a held drag is let go.
    for (auto [action, move] :
         {std::pair{actionUndo, &Kovril::undo}, std::pair{actionRedo, &Kovril::redo}})
        connect(action, &QAction::triggered, this, [this, move] {
            if (thumbHeld() || input_.dragged() != scene::Marker::None)
                return;
            (this->*move)();
            showChanges();
            profileFollows();
            showHistory();
        });
    connect(kyklos, &surface::Shape::nudged, this, [this](double dx, double dy) {
        kyklos_Nudge(dx, dy);
        afterStep();
    });
    // A scroll bar's new value enters the scene as it arrives; its handler reads the scene.
    const auto onChange = [this](surface::ScrollBar* bar, std::int16_t geometry::SceneState::*value,
                                 void (Kovril::*handler)()) {
        connect(bar, &surface::ScrollBar::Change, this, [this, bar, value, handler] {
            state_.*value = bar->Value();
            // The yellow point's thumb, dragged, moves a shown path along; its release is the
            // step.
            if (bar == thesiy && bar->isSliderDown() && drawLivePath(scene::Marker::None))
                return;
            run(handler);
        });
    };
    // A thumb's release is the step its slide made; the yellow point's, after a shown path
    // followed it, draws the bar's change as it always has.
    for (surface::ScrollBar* bar : scrollBars())
        connect(bar, &QScrollBar::sliderReleased, this, [this, bar] {
            if (bar == thesiy && live_.active) {
                endLivePath();
                run(&Kovril::thesiy_Change);
                return;
            }
            afterStep();
        });
    onChange(thesiy, &geometry::SceneState::thesiy, &Kovril::thesiy_Change);
    onChange(arithmosaktinon, &geometry::SceneState::arithmosaktinon,
             &Kovril::arithmosaktinon_Change);
    onChange(shmeio_thesi, &geometry::SceneState::shmeio_thesi, &Kovril::shmeio_thesi_Change);
    onChange(xronosmetato, &geometry::SceneState::xronosmetato, &Kovril::xronosmetato_Change);
    connect(Command2, &QPushButton::clicked, this, [this] { run(&Kovril::Command2_Click); });
    connect(Command3, &QPushButton::clicked, this, [this] { run(&Kovril::Command3_Click); });
    connect(Command4, &QPushButton::clicked, this, [this] { run(&Kovril::Command4_Click); });
    connect(Command1, &QPushButton::clicked, this, [this] { run(&Kovril::Command1_Click); });
    connect(Command5, &QPushButton::clicked, this, [this] { run(&Kovril::Command5_Click); });
    connect(Command6, &QPushButton::clicked, this, [this] { run(&Kovril::Command6_Click); });
}
