// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/time_profile_panel.h"

#include "print/page_job.h"
#include "profile/captions.h"
#include "profile/time_profile_plot.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace scene {

namespace {

constexpr int profileSamples = 400; // smooth at any panel width, well within a frame
const QString placeKey = QStringLiteral("timeProfile/geometry");

} // namespace

ProfilePlot::ProfilePlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("profilePlot"));
    setMinimumSize(320, 200);
    surface_ = std::make_unique<surface::Surface>(QSize(1, 1), 1, 96, Qt::white);
}

void ProfilePlot::draw(const geometry::TimeProfile& profile,
                       const std::optional<geometry::ProfileSample>& trial, bool steps) {
    profile_ = profile;
    trial_ = trial;
    steps_ = steps;
    redraw();
}

void ProfilePlot::redraw() {
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96;
    surface_ = std::make_unique<surface::Surface>(size(), devicePixelRatioF(), dpi, Qt::white);
    if (!profile_.samples.empty())
        profile::drawTimeProfile(*surface_, profile_, {trial_, steps_, false});
    update();
}

void ProfilePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_->image());
}

void ProfilePlot::resizeEvent(QResizeEvent*) {
    redraw();
}

TimeProfilePanel::TimeProfilePanel(QWidget* parent) : ToolPanel(parent) {
    setObjectName(QStringLiteral("timeProfile"));
    setWindowTitle(QCoreApplication::translate("Profile", "Χρόνος διαδρομής"));
    setAccessibleName(QCoreApplication::translate("Profile", "Χρόνος διαδρομής"));

    plot = new ProfilePlot(this);
    plot->setAccessibleName(
        QCoreApplication::translate("Profile", "Ο χρόνος κάθε διαδρομής ως προς το ύψος εισόδου"));
    minimumLabel = new QLabel(this);
    minimumLabel->setObjectName(QStringLiteral("profileMinimum"));
    minimumLabel->setAccessibleName(QCoreApplication::translate("Profile", "Ελάχιστος χρόνος"));
    trialLabel = new QLabel(this);
    trialLabel->setObjectName(QStringLiteral("profileTrial"));
    trialLabel->setAccessibleName(QCoreApplication::translate("Profile", "Χρόνος μπλε σημείου"));
    stepsBox = new QCheckBox(QCoreApplication::translate("Profile", "βήματα αναζήτησης"), this);
    stepsBox->setObjectName(QStringLiteral("profileSteps"));
    stepsBox->setAccessibleName(QCoreApplication::translate("Profile", "βήματα αναζήτησης"));
    printButton = new QPushButton(QCoreApplication::translate("Profile", "Εκτύπωση"), this);
    printButton->setObjectName(QStringLiteral("profilePrint"));
    printButton->setAccessibleName(QCoreApplication::translate("Profile", "Εκτύπωση"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(stepsBox);
    controls->addStretch();
    controls->addWidget(printButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plot, 1);
    layout->addWidget(minimumLabel);
    layout->addWidget(trialLabel);
    layout->addLayout(controls);

    connect(stepsBox, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });

    placeRemembered_ = restoreGeometry(QSettings().value(placeKey).toByteArray());
}

void TimeProfilePanel::follow(const geometry::Lens& lens, const ProfileInputs& inputs) {
    const geometry::Source source{float(inputs.source.x), float(inputs.source.y)};
    profile_ = geometry::timeProfile(lens, source, inputs.yellow, profileSamples);
    trial_.reset();
    if (inputs.bluePoint)
        trial_ = geometry::trialSample(lens, inputs.source, *inputs.bluePoint, inputs.yellow);
    refresh();
}

void TimeProfilePanel::refresh() {
    minimumLabel->setText(profile::minimumCaption(profile_));
    trialLabel->setText(profile::trialCaption(profile_, trial_));
    plot->draw(profile_, trial_, stepsBox->isChecked());
}

void TimeProfilePanel::print() {
    print::PageJob job;
    if (!job.page())
        return;
    profile::drawTimeProfile(*job.page(), profile_, {trial_, stepsBox->isChecked(), true});
    job.finish();
}

void TimeProfilePanel::moveEvent(QMoveEvent*) {
    rememberPlace();
}

void TimeProfilePanel::resizeEvent(QResizeEvent*) {
    rememberPlace();
}

void TimeProfilePanel::rememberPlace() {
    if (isVisible())
        QSettings().setValue(placeKey, saveGeometry());
}

} // namespace scene
