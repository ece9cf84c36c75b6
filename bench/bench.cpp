// Responsiveness figures of the program's handlers on fixed screens. The parent
// process starts itself once per screen size on Qt's offscreen platform, so that each
// run has the screen it measures; each child prints a table row and a JSON line per figure.
#include "optics/lens_entry.h"
#include "scene/kovril.h"
#include "scene/redraw.h"
#include "scene/startup.h"
#include "surface/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figure {
    QString name;
    double medianMs;
    double worstMs;
    int runs;
};

Figure measure(const QString& name, int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {name, times[times.size() / 2], times.back(), runs};
}

void report(const QString& screen, const Figure& f) {
    std::printf("%-12s %-40s %10.3f %10.3f %6d\n", qPrintable(screen), qPrintable(f.name),
                f.medianMs, f.worstMs, f.runs);
    std::printf("{\"screen\":\"%s\",\"figure\":\"%s\",\"median_ms\":%.4f,\"worst_ms\":%.4f,"
                "\"runs\":%d}\n",
                qPrintable(screen), qPrintable(f.name), f.medianMs, f.worstMs, f.runs);
}

// How many pathTime evaluations one search takes, from the start-up source to each height
// of the yellow point.
void reportEvaluations(const QString& screen) {
    std::vector<int> counts;
    for (int v = -99; v <= 99; ++v) {
        const scene::Point t = scene::rearSurfacePoint(v);
        counts.push_back(optics::searchFromSource(t.x, t.y, optics::StepTest::Single).evaluations);
    }
    std::sort(counts.begin(), counts.end());
    const QString name = QStringLiteral("pathTime evaluations per search");
    std::printf("%-12s %-40s %10d %10d %6zu   (evaluations: median, most, searches; fewest %d)\n",
                qPrintable(screen), qPrintable(name), counts[counts.size() / 2], counts.back(),
                counts.size(), counts.front());
    std::printf("{\"screen\":\"%s\",\"figure\":\"%s\",\"median\":%d,\"fewest\":%d,\"most\":%d,"
                "\"searches\":%zu}\n",
                qPrintable(screen), qPrintable(name), counts[counts.size() / 2], counts.front(),
                counts.back(), counts.size());
}

int runChild(int argc, char* argv[], const QString& screen) {
    QApplication app(argc, argv);
    surface::setMessageRecorder([](const QString&) {});
    std::vector<Figure> figures;
    figures.push_back(measure(QStringLiteral("startUp to first picture"), 5, [] {
        startUp();
        QApplication::processEvents();
    }));
    Kovril& w = scene::form();
    int value = 0;
    figures.push_back(measure(QStringLiteral("thesiy_Change"), 50, [&] {
        value = value == 40 ? -40 : 40;
        w.thesiy->setValue(std::int16_t(value));
    }));
    int rays = 10;
    figures.push_back(measure(QStringLiteral("arithmosaktinon_Change"), 50, [&] {
        rays = rays == 10 ? 11 : 10;
        w.arithmosaktinon->setValue(std::int16_t(rays));
    }));
    figures.push_back(
        measure(QStringLiteral("Command2_Click (11 rays)"), 20, [&] { w.Command2_Click(); }));
    figures.push_back(
        measure(QStringLiteral("Command3_Click (11 rays)"), 20, [&] { w.Command3_Click(); }));
    w.thesiy->setValue(std::int16_t(-30));
    figures.push_back(measure(QStringLiteral("Command4_Click"), 20, [&] { w.Command4_Click(); }));
    w.thesiy->setValue(std::int16_t(30));
    figures.push_back(measure(QStringLiteral("Command1_Click"), 50, [&] { w.Command1->click(); }));
    const scene::Point target = scene::rearSurfacePoint(30);
    figures.push_back(measure(QStringLiteral("findLensEntry"), 200,
                              [&] { optics::findLensEntry(target.x, target.y); }));
    for (int n : {10, 100}) {
        w.arithmosaktinon->setValue(std::int16_t(n));
        const int runs = 20;
        long long before = optics::lensEntrySearches();
        Figure f = measure(QStringLiteral("Command5_Click n=%1").arg(n), runs,
                           [&] { w.Command5_Click(); });
        f.name +=
            QStringLiteral(" (%1 searches)").arg((optics::lensEntrySearches() - before) / runs);
        figures.push_back(f);
        int time = 5;
        before = optics::lensEntrySearches();
        f = measure(QStringLiteral("xronosmetato_Change n=%1").arg(n), runs, [&] {
            time = time == 60 ? 61 : 60;
            w.xronosmetato->setValue(std::int16_t(time));
        });
        f.name +=
            QStringLiteral(" (%1 searches)").arg((optics::lensEntrySearches() - before) / runs);
        figures.push_back(f);
    }
    for (const Figure& f : figures)
        report(screen, f);
    reportEvaluations(screen);
    return 0;
}

int runParent(const QString& self) {
    std::printf("%-12s %-40s %10s %10s %6s\n", "screen", "figure", "median ms", "worst ms", "runs");
    std::fflush(stdout);
    QTemporaryDir dir;
    const struct { int width, height; } screens[] = {{1920, 1080}, {3840, 2160}};
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
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(self, {QStringLiteral("--screen"), name});
        child.waitForFinished(-1);
        if (child.exitCode() != 0)
            return child.exitCode();
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--screen"))
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    return runParent(QString::fromLocal8Bit(argv[0]));
}
