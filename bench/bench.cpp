// SPDX-License-Identifier: GPL-3.0-or-later
// Responsiveness figures of the program on fixed screens. The parent process starts itself
// once per screen size on Qt's offscreen platform, so that each run has the screen it
// measures. Each child prints one JSON line per figure; the parent shows them as a table for
// people and then repeats the JSON lines for tools.
//
// A handler's time runs from the event to the picture repainted: the control's own signal,
// the handler, and the paint of the window that follows.
#include "geometry/lens.h"
#include "geometry/search.h"
#include "print/page_job.h"
#include "profile/time_profile_plot.h"
#include "scene/kovril.h"
#include "scene/play.h"
#include "scene/redraw.h"
#include "scene/scene_file.h"
#include "scene/startup.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "surface/messagebox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

QString screenName;

void emitFigure(QJsonObject figure) {
    figure.insert(QStringLiteral("screen"), screenName);
    std::printf("%s\n", QJsonDocument(figure).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void settle() {
    QApplication::processEvents();
}

// Median and worst of repeated runs.
QJsonObject timed(const QString& name, int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        settle();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {{QStringLiteral("figure"), name},
            {QStringLiteral("median_ms"), times[times.size() / 2]},
            {QStringLiteral("worst_ms"), times.back()},
            {QStringLiteral("runs"), runs}};
}

void measure(const QString& name, int runs, const std::function<void()>& action) {
    emitFigure(timed(name, runs, action));
}

// The same, with the least-time searches one run costs.
void measureSearches(const QString& name, int runs, const std::function<void()>& action) {
    long long searches = 0;
    geometry::setSearchObserver([&searches](const geometry::LensSearch&) { ++searches; });
    QJsonObject figure = timed(name, runs, action);
    geometry::setSearchObserver({});
    figure.insert(QStringLiteral("searches_per_run"), double(searches) / runs);
    emitFigure(figure);
}

// Alternates a scroll bar between two values, so that every run is a change.
std::function<void()> toggle(surface::ScrollBar& bar, int a, int b) {
    return [&bar, a, b] { bar.setValue(std::int16_t(bar.Value() == a ? b : a)); };
}

// Drags a marker from where it stands to the other of two places.
std::function<void()> dragBetween(surface::Shape& marker, QPointF a, QPointF b) {
    return [&marker, a, b] {
        const QPointF from(marker.centreX(), marker.centreY());
        const QPointF to = std::abs(from.x() - a.x()) + std::abs(from.y() - a.y()) < 1 ? b : a;
        harness::press(from.x(), from.y());
        harness::moveTo((from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        harness::release(to.x(), to.y());
    };
}

// The yardstick every other figure is divided by: the whole retained picture painted into an
// image of the window's size, as a repaint at least must do.
void measurePictureCopy(Kovril& w) {
    w.applyPendingLayout();
    // A copy of the handle: a relayout between runs gives the window a new picture.
    const QImage picture = w.surface().image();
    QImage target(picture.size(), QImage::Format_RGB32);
    target.setDevicePixelRatio(picture.devicePixelRatio());
    measure(QStringLiteral("picture copy"), 200, [&] {
        QPainter painter(&target);
        painter.drawImage(0, 0, picture);
    });
}

void measureHandlers(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    measure(QStringLiteral("thesiy_Change"), 50, toggle(*ui.thesiy, 40, -40));
    measure(QStringLiteral("shmeio_thesi_Change"), 50, toggle(*ui.shmeio_thesi, 30, -30));
    measure(QStringLiteral("arithmosaktinon_Change"), 50, toggle(*ui.arithmosaktinon, 10, 11));
    ui.thesiy->setValue(std::int16_t(30));
    measure(QStringLiteral("Command1_Click"), 50, [&] { ui.Command1->click(); });
    ui.thesiy->setValue(std::int16_t(-30));
    measureSearches(QStringLiteral("Command4_Click"), 20, [&] { ui.Command4->click(); });
    for (int n : {10, 100}) {
        ui.arithmosaktinon->setValue(std::int16_t(n));
        const QString rays = QStringLiteral(" n=%1").arg(n);
        measureSearches(QStringLiteral("Command2_Click") + rays, 20, [&] { ui.Command2->click(); });
        measureSearches(QStringLiteral("Command3_Click") + rays, 20, [&] { ui.Command3->click(); });
        measureSearches(QStringLiteral("Command5_Click") + rays, 20, [&] { ui.Command5->click(); });
        measureSearches(QStringLiteral("xronosmetato_Change") + rays, 20,
                        toggle(*ui.xronosmetato, 60, 61));
        measureSearches(QStringLiteral("Command6_Click to a PDF") + rays, 5,
                        [&] { ui.Command6->click(); });
    }
    ui.arithmosaktinon->setValue(std::int16_t(10));
    measure(QStringLiteral("drag of kyklos"), 30, dragBetween(*ui.kyklos, {-200, 80}, {-250, -60}));
    measure(QStringLiteral("drag of shmeio"), 30, dragBetween(*ui.shmeio, {-12, 30}, {-12, -30}));
    const geometry::Point target = geometry::Lens::standard().rearSurfacePoint(30);
    measure(QStringLiteral("findLensEntry"), 200, [&] {
        geometry::findLensEntry(geometry::Lens::standard(), ui.kyklos->centreX(),
                                ui.kyklos->centreY(), target.x, target.y);
    });
}

// The costliest scene the reader accepts, as many «Συνέχιση δέσμης» of 100 rays as fit its
// limit: read and opened, and the window laid out again for another size after it.
void measureLargestScene(Kovril& w) {
    geometry::SceneState document = w.state();
    document.arithmosaktinon = 100;
    document.log.actions.clear();
    geometry::Action costly;
    costly.kind = geometry::Action::Kind::Command5;
    // The opening adds a clear in front.
    const long room =
        geometry::replayBudget - geometry::replayCost(geometry::Action::Kind::Clear, 100);
    while (geometry::replayCost(document.log, 100) + geometry::replayCost(costly.kind, 100) <= room)
        document.log.actions.push_back(costly);
    const QByteArray bytes = scene::writeScene(document);
    const QString name =
        QStringLiteral("open largest scene (%1 × Command5 n=100)").arg(document.log.actions.size());
    measure(name, 5, [&] {
        const auto read = scene::readScene(bytes, w.startDefaults());
        w.applyScene(std::get<geometry::SceneState>(read));
    });
    const QSize full = w.size();
    w.showNormal();
    const QSize smaller = full - QSize(full.width() / 5, full.height() / 5);
    bool small = false;
    measure(QStringLiteral("relayout after it"), 5, [&] {
        small = !small;
        w.resize(small ? smaller : full);
        w.applyPendingLayout();
    });
    w.resize(full);
    w.showMaximized();
    w.applyPendingLayout();
    harness::controls(w).actionClear->trigger();
}

// A lens change with the spin box, after «Συνέχιση δέσμης» of 100 rays: the lens and what was
// drawn since the last clear, replayed on the new lens; held down, it must keep up.
void measureLensChange(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    ui.actionClear->trigger();
    ui.arithmosaktinon->setValue(std::int16_t(100));
    ui.Command5->click();
    ui.actionLens->trigger();
    auto* index = w.findChild<QDoubleSpinBox*>(QStringLiteral("lensIndex"));
    bool up = false;
    measure(QStringLiteral("lens change after Command5 n=100"), 30, [&] {
        up = !up;
        if (up)
            index->stepUp();
        else
            index->stepDown();
    });
    w.findChild<QWidget*>(QStringLiteral("lensPanel"))->close();
    ui.actionClear->trigger();
    ui.arithmosaktinon->setValue(std::int16_t(10));
}

// One move of a drag after «Υπολόγισε θέση με Kovril», the shown path drawn again before the
// release: of the source (a least-time search and its path), of the blue point (the dropped
// path) and of the yellow point's thumb (the lens drawn again with the path).
void measureLiveDrag(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    ui.actionClear->trigger();
    ui.thesiy->setValue(std::int16_t(30));
    ui.Command1->click();
    for (surface::Shape* marker : {ui.kyklos, ui.shmeio}) {
        const QPointF from(marker->centreX(), marker->centreY());
        harness::press(from.x(), from.y());
        harness::moveTo(from.x() - 20, from.y() + 20);
        bool out = false;
        measure(QStringLiteral("live drag step of ") + marker->objectName(), 50, [&] {
            out = !out;
            harness::moveTo(from.x() - (out ? 30 : 20), from.y() + (out ? 10 : 20));
        });
        harness::release(from.x(), from.y());
        ui.Command1->click();
    }
    ui.thesiy->setSliderDown(true);
    measure(QStringLiteral("live slide step of thesiy"), 50,
            [&] { ui.thesiy->setSliderPosition(ui.thesiy->sliderPosition() == 40 ? 41 : 40); });
    ui.thesiy->setSliderDown(false);
    ui.actionClear->trigger();
}

// Computing and drawing a travel-time profile of 400 samples on a plot of the panel's size.
void measureTimeProfile(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    surface::Surface plot(QSize(560, 330), 1, 96, Qt::white);
    const geometry::Source source{ui.kyklos->centreX(), ui.kyklos->centreY()};
    measure(QStringLiteral("time profile"), 200, [&] {
        const geometry::TimeProfile profile =
            geometry::timeProfile(geometry::Lens::standard(), source, 30, 400);
        profile::drawTimeProfile(plot, profile, {profile.minimum, true, false});
    });
}

// Timestamps of the window's paints, and how long each tick of the play's frame clock keeps
// the program busy: from the tick to the event loop waiting again, with the frame drawn and
// painted.
class FrameClock : public QObject {
public:
    explicit FrameClock(QWidget& window) {
        // The application's filter sees every event: the window's paints and the clock's ticks.
        qApp->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                [this] {
                    if (tick_ < 0)
                        return;
                    work.push_back(now() - tick_);
                    tick_ = -1;
                });
        window_ = &window;
    }
    std::vector<double> paints; // ms
    std::vector<double> work;   // ms

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint)
            paints.push_back(now());
        const auto* timer = qobject_cast<const QTimer*>(watched);
        if (event->type() == QEvent::Timer && timer && !timer->isSingleShot() &&
            timer->timerType() == Qt::PreciseTimer)
            tick_ = now();
        return false;
    }

private:
    double now() const { return double(clock_.nsecsElapsed()) / 1e6; }

    QWidget* window_ = nullptr;
    double tick_ = -1;
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

// Five seconds of the played wavefront, started again whenever it reaches the end: the paints
// per second, the time between paints and the time each frame takes.
void measureAnimation(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    ui.arithmosaktinon->setValue(std::int16_t(100));
    ui.xronosmetato->setValue(std::int16_t(5));
    settle();
    FrameClock clock(w);
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < 5000) {
        if (!ui.player->playing())
            ui.player->toggle(1);
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    ui.player->stop();
    const double seconds = double(total.nsecsElapsed()) / 1e9;
    std::vector<double> frames;
    for (std::size_t i = 1; i < clock.paints.size(); ++i)
        frames.push_back(clock.paints[i] - clock.paints[i - 1]);
    if (frames.empty() || clock.work.empty())
        return;
    std::sort(frames.begin(), frames.end());
    std::sort(clock.work.begin(), clock.work.end());
    emitFigure({{QStringLiteral("figure"), QStringLiteral("animation n=100")},
                {QStringLiteral("median_ms"), frames[frames.size() / 2]},
                {QStringLiteral("worst_ms"), frames.back()},
                {QStringLiteral("runs"), int(frames.size())},
                {QStringLiteral("frames_per_second"), double(clock.paints.size()) / seconds},
                {QStringLiteral("p95_ms"), frames[frames.size() * 95 / 100]},
                {QStringLiteral("frame_work_p95_ms"), clock.work[clock.work.size() * 95 / 100]},
                {QStringLiteral("frame_work_worst_ms"), clock.work.back()}});
}

// How many pathTime evaluations one search takes, from the start-up source to each height
// of the yellow point.
void reportEvaluations(const Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    std::vector<int> counts;
    for (int v = -99; v <= 99; ++v) {
        const geometry::Point t = geometry::Lens::standard().rearSurfacePoint(v);
        counts.push_back(geometry::searchLensEntry(geometry::Lens::standard(), ui.kyklos->centreX(),
                                                   ui.kyklos->centreY(), t.x, t.y,
                                                   geometry::StepTest::Single)
                             .evaluations);
    }
    std::sort(counts.begin(), counts.end());
    emitFigure({{QStringLiteral("figure"), QStringLiteral("pathTime evaluations per search")},
                {QStringLiteral("median"), counts[counts.size() / 2]},
                {QStringLiteral("fewest"), counts.front()},
                {QStringLiteral("most"), counts.back()},
                {QStringLiteral("searches"), int(counts.size())}});
}

// The random event sequence of the robustness test, without its checks, on a fresh window.
void reportEventRate() {
    constexpr int count = 3000;
    constexpr std::uint64_t seed = 1;
    startUp();
    settle();
    events::silenceOutsideWarnings();
    events::Generator generator(seed);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        events::send(generator.next());
        settle();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    emitFigure({{QStringLiteral("figure"), QStringLiteral("event sequence")},
                {QStringLiteral("events_per_second"), count / seconds},
                {QStringLiteral("events"), count},
                {QStringLiteral("seed"), qint64(seed)},
                {QStringLiteral("seconds"), seconds}});
}

void reportPeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    emitFigure({{QStringLiteral("figure"), QStringLiteral("peak memory")},
                {QStringLiteral("max_rss_kib"), qint64(usage.ru_maxrss)}});
}

int runChild(int argc, char* argv[], const QString& screen) {
    QApplication app(argc, argv);
    screenName = screen;
    surface::setMessageRecorder([](const QString&) {});
    // PRINT, timed and in the event sequence, writes its page here.
    QTemporaryDir pages;
    print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    measure(QStringLiteral("startUp to first picture"), 5, [] { startUp(); });
    measurePictureCopy(scene::form());
    // KOVRIL_BENCH_ONLY=live measures the live drag alone, beside its yardstick.
    const bool liveOnly = qEnvironmentVariable("KOVRIL_BENCH_ONLY") == QLatin1String("live");
    if (!liveOnly) {
        measureHandlers(scene::form());
        measureTimeProfile(scene::form());
        measureLargestScene(scene::form());
        measureLensChange(scene::form());
    }
    measureLiveDrag(scene::form());
    if (!liveOnly) {
        measureAnimation(scene::form());
        reportEvaluations(scene::form());
        reportEventRate();
    }
    reportPeakMemory();
    return 0;
}

// One table row per figure, whatever its kind.
QString tableRow(const QJsonObject& f) {
    const QString head = QStringLiteral("%1  %2")
                             .arg(f[QStringLiteral("screen")].toString(), -10)
                             .arg(f[QStringLiteral("figure")].toString(), -44);
    if (f.contains(QStringLiteral("median_ms"))) {
        QString row = head + QStringLiteral("%1 %2 %3")
                                 .arg(f[QStringLiteral("median_ms")].toDouble(), 10, 'f', 3)
                                 .arg(f[QStringLiteral("worst_ms")].toDouble(), 10, 'f', 3)
                                 .arg(f[QStringLiteral("runs")].toInt(), 6);
        if (f.contains(QStringLiteral("ratio_to_copy")))
            row += QStringLiteral(" %1x copy")
                       .arg(f[QStringLiteral("ratio_to_copy")].toDouble(), 8, 'f', 1);
        if (f.contains(QStringLiteral("frames_per_second")))
            row += QStringLiteral("   (%1 frames/s, 95 % within %2 ms of the last; each drawn "
                                  "and shown in %3 ms at 95 %, %4 at worst)")
                       .arg(f[QStringLiteral("frames_per_second")].toDouble(), 0, 'f', 1)
                       .arg(f[QStringLiteral("p95_ms")].toDouble(), 0, 'f', 1)
                       .arg(f[QStringLiteral("frame_work_p95_ms")].toDouble(), 0, 'f', 1)
                       .arg(f[QStringLiteral("frame_work_worst_ms")].toDouble(), 0, 'f', 1);
        if (f.contains(QStringLiteral("searches_per_run")))
            row += QStringLiteral("   (%1 searches a run)")
                       .arg(f[QStringLiteral("searches_per_run")].toDouble(), 0, 'f', 0);
        return row;
    }
    if (f.contains(QStringLiteral("fewest")))
        return head + QStringLiteral("%1 %2 %3   (median, most, searches; fewest %4)")
                          .arg(f[QStringLiteral("median")].toInt(), 10)
                          .arg(f[QStringLiteral("most")].toInt(), 10)
                          .arg(f[QStringLiteral("searches")].toInt(), 6)
                          .arg(f[QStringLiteral("fewest")].toInt());
    if (f.contains(QStringLiteral("events_per_second")))
        return head + QStringLiteral("%1 events/s (%2 events of seed %3 in %4 s)")
                          .arg(f[QStringLiteral("events_per_second")].toDouble(), 10, 'f', 0)
                          .arg(f[QStringLiteral("events")].toInt())
                          .arg(f[QStringLiteral("seed")].toInt())
                          .arg(f[QStringLiteral("seconds")].toDouble(), 0, 'f', 2);
    return head + QStringLiteral("%1 MiB peak resident")
                      .arg(f[QStringLiteral("max_rss_kib")].toDouble() / 1024, 10, 'f', 1);
}

// Figures vary from run to run by more than they differ between changes; their ratio to the
// picture copy of the same run is what compares.
void withRatiosToCopy(std::vector<QJsonObject>& figures) {
    const auto copy = std::find_if(figures.begin(), figures.end(), [](const QJsonObject& f) {
        return f[QStringLiteral("figure")].toString() == QStringLiteral("picture copy");
    });
    if (copy == figures.end())
        return;
    const double copyMs = (*copy)[QStringLiteral("median_ms")].toDouble();
    if (copyMs <= 0)
        return;
    for (QJsonObject& f : figures)
        if (f.contains(QStringLiteral("median_ms")))
            f.insert(QStringLiteral("ratio_to_copy"),
                     f[QStringLiteral("median_ms")].toDouble() / copyMs);
}

int runParent(const QString& self) {
    QTemporaryDir dir;
    const struct { int width, height; } screens[] = {{1920, 1080}, {3840, 2160}};
    QStringList json;
    std::printf("%-10s  %-44s%10s %10s %6s %14s\n", "screen", "figure", "median ms", "worst ms",
                "runs", "median/copy");
    for (const auto& size : screens) {
        const QString name = QStringLiteral("%1x%2").arg(size.width).arg(size.height);
        const QString config = dir.filePath(name + QStringLiteral(".json"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QTextStream(&file) << "{ \"screens\": [ { \"name\": \"" << name
                           << "\", \"x\": 0, \"y\": 0, \"width\": " << size.width
                           << ", \"height\": " << size.height
                           << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }";
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + config);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QStringLiteral("--screen"), name});
        child.waitForFinished(-1);
        std::vector<QJsonObject> figures;
        while (child.canReadLine()) {
            const QJsonObject figure = QJsonDocument::fromJson(child.readLine().trimmed()).object();
            if (!figure.isEmpty())
                figures.push_back(figure);
        }
        withRatiosToCopy(figures);
        for (const QJsonObject& figure : figures) {
            json << QString::fromUtf8(QJsonDocument(figure).toJson(QJsonDocument::Compact));
            std::printf("%s\n", qPrintable(tableRow(figure)));
        }
        std::fflush(stdout);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            return 1;
    }
    std::printf("\n%s\n", qPrintable(json.join(QLatin1Char('\n'))));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--screen"))
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    return runParent(QString::fromLocal8Bit(argv[0]));
}
