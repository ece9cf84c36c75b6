// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/lens_panel.h"

#include "scene/kovril.h"
#include "scene/lens_check.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace scene {

namespace {

// Light keeps this speed outside the lens; inside it travels at this over the index.
constexpr float speedOutside = 2;

struct Material {
    const char* name;
    double index;
};

const Material materials[] = {
    {QT_TRANSLATE_NOOP("Lens", "νερό"), 1.33},
    {QT_TRANSLATE_NOOP("Lens", "στεφανύαλος"), 1.52},
    {QT_TRANSLATE_NOOP("Lens", "πυριτύαλος"), 1.62},
    {QT_TRANSLATE_NOOP("Lens", "διαμάντι"), 2.42},
    {QT_TRANSLATE_NOOP("Lens", "ο φακός του Kovril"), 2.00},
};

// A shape as the signs of its faces' radii, in units of the start-up lens's radius.
struct Shape {
    const char* name;
    double front;
    double rear;
};

const Shape shapes[] = {
    {QT_TRANSLATE_NOOP("Lens", "αμφίκυρτος"), 1, 1},
    {QT_TRANSLATE_NOOP("Lens", "επιπεδόκυρτος"), 0, 1},
    {QT_TRANSLATE_NOOP("Lens", "κυρτόκοιλος μηνίσκος"), 1, -2},
    {QT_TRANSLATE_NOOP("Lens", "αμφίκοιλος"), -1, -1},
    {QT_TRANSLATE_NOOP("Lens", "επιπεδόκοιλος"), 0, -1},
};

double indexOf(const geometry::LensGiven& lens) {
    return double(lens.speedOutside) / double(lens.speedInside);
}

int signOf(double x) {
    return (x > 0) - (x < 0);
}

QDoubleSpinBox* numberBox(QWidget* parent, const char* name, const QString& accessible, double low,
                          double high, double step) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessible);
    box->setRange(low, high);
    box->setDecimals(2);
    box->setSingleStep(step);
    // A typed number counts when it is complete (Enter or leaving the box); the arrows count
    // at every step.
    box->setKeyboardTracking(false);
    return box;
}

QComboBox* choiceBox(QWidget* parent, const char* name, const QString& accessible) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessible);
    return box;
}

} // namespace

LensPanel::LensPanel(Kovril& window) : ToolPanel(&window), w_(window) {
    setObjectName(QStringLiteral("lensPanel"));
    setWindowTitle(QCoreApplication::translate("Lens", "Φακός"));
    setAccessibleName(QCoreApplication::translate("Lens", "Φακός"));

    material =
        choiceBox(this, "lensMaterial", QCoreApplication::translate("Lens", "Υλικό του φακού"));
    for (const Material& m : materials)
        material->addItem(QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("Lens", m.name),
                                                        QLocale().toString(m.index, 'f', 2)));
    index = numberBox(this, "lensIndex", QCoreApplication::translate("Lens", "Δείκτης διάθλασης"),
                      1, 3, 0.01);
    shape = choiceBox(this, "lensShape", QCoreApplication::translate("Lens", "Σχήμα του φακού"));
    for (const Shape& s : shapes)
        shape->addItem(QCoreApplication::translate("Lens", s.name));
    frontRadius = numberBox(this, "lensFrontRadius",
                            QCoreApplication::translate("Lens", "Ακτίνα μπροστινής επιφάνειας"),
                            -1000, 1000, 1);
    rearRadius =
        numberBox(this, "lensRearRadius",
                  QCoreApplication::translate("Lens", "Ακτίνα πίσω επιφάνειας"), -1000, 1000, 1);
    thickness = numberBox(this, "lensThickness",
                          QCoreApplication::translate("Lens", "Πάχος στον άξονα"), 0, 300, 1);
    aperture = numberBox(this, "lensAperture",
                         QCoreApplication::translate("Lens", "Μισό ύψος του χείλους"), 0, 500, 1);
    standard = new QPushButton(QCoreApplication::translate("Lens", "Ο αρχικός φακός"), this);
    standard->setObjectName(QStringLiteral("lensStandard"));
    standard->setAccessibleName(QCoreApplication::translate("Lens", "Ο αρχικός φακός"));
    message = new QLabel(this);
    message->setObjectName(QStringLiteral("lensMessage"));
    message->setAccessibleName(QCoreApplication::translate("Lens", "Μήνυμα του φακού"));
    message->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("Lens", "Υλικό"), material);
    form->addRow(QCoreApplication::translate("Lens", "Δείκτης"), index);
    form->addRow(QCoreApplication::translate("Lens", "Σχήμα"), shape);
    form->addRow(QCoreApplication::translate("Lens", "Ακτίνα μπροστά"), frontRadius);
    form->addRow(QCoreApplication::translate("Lens", "Ακτίνα πίσω"), rearRadius);
    form->addRow(QCoreApplication::translate("Lens", "Πάχος"), thickness);
    form->addRow(QCoreApplication::translate("Lens", "Άνοιγμα (μισό ύψος)"), aperture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(standard);
    layout->addWidget(message, 1);
    auto* hint =
        new QLabel(QCoreApplication::translate(
                       "Lens", "Θετική ακτίνα: κυρτή επιφάνεια· αρνητική: κοίλη· 0: επίπεδη."),
                   this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    const auto changed = [this](QDoubleSpinBox* box, auto set) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, set](double value) {
            geometry::LensGiven lens = w_.state().lens.given();
            set(lens, value);
            offer(lens);
        });
    };
    changed(index, [](geometry::LensGiven& lens, double value) {
        lens.speedOutside = speedOutside;
        lens.speedInside = float(speedOutside / value);
    });
    changed(frontRadius, [](geometry::LensGiven& lens, double value) {
        lens.aperture = apertureOf(lens);
        lens.frontRadius = value;
    });
    changed(rearRadius, [](geometry::LensGiven& lens, double value) {
        lens.aperture = apertureOf(lens);
        lens.rearRadius = value;
    });
    changed(thickness, [](geometry::LensGiven& lens, double value) {
        lens.aperture = apertureOf(lens);
        lens.thickness = value;
    });
    changed(aperture,
            [](geometry::LensGiven& lens, double value) { lens = withAperture(lens, value); });
    connect(material, &QComboBox::activated, this,
            [this](int row) { index->setValue(materials[row].index); });
    connect(shape, &QComboBox::activated, this, [this](int row) { chooseShape(row); });
    connect(standard, &QPushButton::clicked, this,
            [this] { offer(geometry::Lens::standard().given()); });
    follow();
}

void LensPanel::chooseShape(int row) {
    geometry::LensGiven lens = w_.state().lens.given();
    const double radius = std::abs(geometry::Lens::standard().given().frontRadius);
    lens.aperture = apertureOf(lens);
    lens.frontRadius = shapes[row].front * radius;
    lens.rearRadius = shapes[row].rear * radius;
    const double meet = facesMeet(lens);
    if (apertureOf(lens) <= meet)
        return offer(lens);
    offer(withAperture(lens, meet),
          QCoreApplication::translate(
              "Lens",
              "Οι επιφάνειες αυτού του σχήματος τέμνονται στο ύψος %1· το άνοιγμα μίκρυνε ως "
              "εκεί.")
              .arg(QLocale().toString(meet, 'f', 2)));
}

void LensPanel::offer(const geometry::LensGiven& offered, const QString& note) {
    const geometry::LensGiven lens = withAperture(offered, apertureOf(offered));
    if (const std::optional<LensProblem> problem = lensProblem(lens)) {
        message->setText(
            QCoreApplication::translate("Lens", "Δεν είναι φακός: %1. Ο φακός έμεινε όπως ήταν.")
                .arg(problem->why));
        follow();
        return;
    }
    message->setText(note);
    if (!(lens == w_.state().lens.given()))
        w_.lens_Change(lens);
    follow();
}

void LensPanel::follow() {
    const geometry::LensGiven& lens = w_.state().lens.given();
    const std::pair<QDoubleSpinBox*, double> shown[] = {
        {index, indexOf(lens)},      {frontRadius, lens.frontRadius}, {rearRadius, lens.rearRadius},
        {thickness, lens.thickness}, {aperture, apertureOf(lens)},
    };
    for (const auto& [box, value] : shown) {
        const QSignalBlocker quiet(box);
        box->setValue(value);
    }
    const QSignalBlocker quietMaterial(material);
    material->setCurrentIndex(-1);
    for (int row = 0; row < int(std::size(materials)); ++row)
        if (std::abs(materials[row].index - indexOf(lens)) < 0.005)
            material->setCurrentIndex(row);
    const QSignalBlocker quietShape(shape);
    shape->setCurrentIndex(-1);
    for (int row = 0; row < int(std::size(shapes)); ++row)
        if (signOf(shapes[row].front) == signOf(lens.frontRadius) &&
            signOf(shapes[row].rear) == signOf(lens.rearRadius))
            shape->setCurrentIndex(row);
}

} // namespace scene
