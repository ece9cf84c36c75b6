// SPDX-License-Identifier: GPL-3.0-or-later
// Saved pictures, from the menu and from the command line.
#include "scene/background.h"
#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "scene/scene_io.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <random>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The installed program as a user starts it: no display, no platform chosen.
Run kovril(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KOVRIL_BINARY), arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QImage render(const QString& path, const QString& stem) {
    QProcess tool;
    if (path.endsWith(QLatin1String(".svg")))
        tool.start(QStringLiteral("rsvg-convert"), {path, QStringLiteral("-o"), stem + ".png"});
    else
        tool.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                    QStringLiteral("-singlefile"), path, stem});
    tool.waitForFinished(60000);
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

bool dark(QColor c) {
    return std::max({c.red(), c.green(), c.blue()}) < 90;
}

bool darkNear(const QImage& image, QPoint p, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.rect().contains(p + QPoint(dx, dy)) &&
                dark(image.pixelColor(p + QPoint(dx, dy))))
                return true;
    return false;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Kovril& w = harness::startProgram();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-200, 50});
        harness::setScroll(*ui.thesiy, 30);
        ui.Command5->click();
        ui.Command1->click();
    }
    void cleanup() { scene::setFileChooser({}); }

    // The PNG's picture is the window's picture with its markers, as the window shows them
    // with the other controls hidden; the labels' texts stand below it.
    void thePngIsTheWindowsPicture() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.png"));
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        ui.actionSavePicture->trigger();
        QVERIFY(harness::messages().isEmpty());
        const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
        const qreal dpr = w.devicePixelRatioF();
        QCOMPARE(saved.width(), qRound(w.width() * dpr));
        QVERIFY(saved.height() > w.height() * dpr);

        for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != ui.kyklos && child != ui.shmeio)
                child->hide();
        w.setFocus(); // no control shows a focus ring
        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage top = saved.copy(QRect(QPoint(0, 0), shown.size()));
        top.setDevicePixelRatio(shown.devicePixelRatio());
        QCOMPARE(top, shown);
    }

    // The vector pictures, rendered, have the lens, the axis and the lines where the PNG
    // has them.
    void vectorPicturesLieOverThePng_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("svg") << "svg";
        QTest::newRow("pdf") << "pdf";
    }
    void vectorPicturesLieOverThePng() {
        QFETCH(QString, suffix);
        Kovril& w = scene::form();
        if (w.devicePixelRatioF() != 1)
            QSKIP("compared at one pixel per pixel");
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("picture.png"));
        const QString vector = dir.filePath(QStringLiteral("picture.") + suffix);
        QVERIFY(!scene::savePicture(w, png, false));
        QVERIFY(!scene::savePicture(w, vector, false));
        const QImage raster = QImage(png).convertToFormat(QImage::Format_RGB32);
        const QImage drawn = render(vector, dir.filePath(QStringLiteral("rendered")));
        QVERIFY(!drawn.isNull());
        QVERIFY(std::abs(drawn.width() - raster.width()) <= 1);

        const QPoint centre = harness::imagePixel(0, 0);
        const QColor lens = drawn.pixelColor(harness::imagePixel(5, -40));
        QVERIFY2(std::abs(lens.red() - 150) < 12 && std::abs(lens.blue() - 80) < 12,
                 qPrintable(lens.name()));
        const QColor axis = drawn.pixelColor(QPoint(3, centre.y()));
        QVERIFY2(axis.red() > 200 && axis.green() < 80, qPrintable(axis.name()));

        // Dark line pixels of the PNG: nearly all have dark ink within two pixels in the
        // rendered vectors.
        std::mt19937 random(3);
        int lines = 0;
        int matched = 0;
        while (lines < 300) {
            const QPoint p(int(random() % std::uint32_t(w.width())),
                           int(random() % std::uint32_t(w.height())));
            if (!dark(raster.pixelColor(p)))
                continue;
            ++lines;
            matched += darkNear(drawn, p, 2);
        }
        QVERIFY2(matched >= 285, qPrintable(QString::number(matched)));
    }

    // Vector pictures draw the scene again: after a move of the time bar too, from the menu.
    void vectorPicturesAfterATimeChange_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("svg") << "svg";
        QTest::newRow("pdf") << "pdf";
    }
    void vectorPicturesAfterATimeChange() {
        QFETCH(QString, suffix);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.xronosmetato, 45);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.") + suffix);
        scene::setFileChooser([&](scene::FileChoice) { return path; });
        ui.actionSavePicture->trigger();
        QVERIFY(harness::messages().isEmpty());
        QVERIFY(QFileInfo(path).size() > 1000);
    }

    // The SVG's picture is cut at the window's edges: the rays that run on beyond it stand in
    // a viewport of the window's size, and the strip of texts below it stays outside.
    void theSvgIsCutAtThePicture() {
        Kovril& w = scene::form();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.svg"));
        QVERIFY(!scene::savePicture(w, path, false));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        int depth = 0;       // of nested svg elements
        int cutDepth = 0;    // the depth of the picture's viewport, once inside it
        int linesInside = 0; // drawing elements inside the viewport and outside it
        int linesOutside = 0;
        bool textOutside = false;
        while (!svg.atEnd()) {
            svg.readNext();
            if (svg.isEndElement() && svg.name() == QLatin1String("svg") && depth-- == cutDepth)
                cutDepth = 0;
            if (!svg.isStartElement())
                continue;
            const auto name = svg.name();
            if (name == QLatin1String("svg")) {
                ++depth;
                const auto a = svg.attributes();
                if (depth > 1 && a.value(QLatin1String("width")).toInt() == w.width() &&
                    a.value(QLatin1String("height")).toInt() == w.height())
                    cutDepth = depth;
            } else if (name == QLatin1String("polyline") || name == QLatin1String("path") ||
                       name == QLatin1String("circle")) {
                (cutDepth ? linesInside : linesOutside) += 1;
            } else if (name == QLatin1String("text") && !cutDepth) {
                textOutside = true;
            }
        }
        QVERIFY(!svg.hasError());
        QVERIFY2(linesInside > 20, qPrintable(QString::number(linesInside)));
        // Only the two markers are drawn over the picture, outside its viewport.
        QVERIFY2(linesOutside <= 4, qPrintable(QString::number(linesOutside)));
        QVERIFY(textOutside);
    }

    void aPictureWithAnUnknownSuffixIsRefused() {
        QTemporaryDir dir;
        const std::optional<QString> problem =
            scene::savePicture(scene::form(), dir.filePath(QStringLiteral("picture.bmp")), false);
        QVERIFY(problem && problem->contains(QStringLiteral(".png")));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // On white the background is white and the picture otherwise the same.
    void aWhiteBackgroundForWorksheets() {
        Kovril& w = scene::form();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("white.png"));
        QVERIFY(!scene::savePicture(w, path, true));
        const QImage white = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QImage& picture = w.surface().image();
        QCOMPARE(white.pixelColor(2, 2), QColor(Qt::white));
        // Only the edges of the smoothed letters blend with the background.
        int drawn = 0;
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixelColor(x, y) == QColor(236, 236, 236))
                    continue;
                ++drawn;
                differing += picture.pixelColor(x, y) != white.pixelColor(x, y);
            }
        QVERIFY2(differing * 100 < 3 * drawn,
                 qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(drawn)));
    }

    void theCommandLineAnswers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--picture";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "kovril 1.0.0";
        QTest::newRow("help in English")
            << QStringList{"--lang", "en", "--help"} << 0 << "Shows this help.";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "colour";
        QTest::newRow("a bad size")
            << QStringList{"--picture", "x.png", "--size", "300x200"} << 2 << "300x200";
        QTest::newRow("a bad language") << QStringList{"--lang", "fr"} << 2 << "fr";
        QTest::newRow("two scenes") << QStringList{"a.kovril", "b.kovril"} << 2 << "b.kovril";
    }
    void theCommandLineAnswers() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        const Run run = kovril(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 0 ? run.out : run.err).contains(output), qPrintable(run.out + run.err));
    }

    // Worksheets without a display: a scene drawn at the size asked for; a bad scene or an
    // output that cannot be written says so and ends with its own status.
    void worksheetsFromTheCommandLine() {
        QTemporaryDir dir;
        const QString scene = dir.filePath(QStringLiteral("lesson.kovril"));
        QVERIFY(!scene::saveSceneFile(scene, scene::form().state()));
        const QString out = dir.filePath(QStringLiteral("sheet.png"));
        const Run made = kovril({scene, "--picture", out, "--size", "1000x700"});
        QCOMPARE(made.status, 0);
        const QImage sheet(out);
        QCOMPARE(sheet.width(), 1000);
        QVERIFY(sheet.height() > 700);
        const QString whiteOut = dir.filePath(QStringLiteral("white.png"));
        QCOMPARE(kovril({scene, "--picture", whiteOut, "--size", "1000x700", "--white"}).status, 0);
        const QImage whiteSheet(whiteOut);
        QCOMPARE(sheet.pixelColor(5, 650), scene::windowBackground);
        QCOMPARE(whiteSheet.pixelColor(5, 650), QColor(Qt::white));

        // A message that would open a box goes to standard error.
        const QString upwards = dir.filePath(QStringLiteral("upwards.kovril"));
        QFile told(upwards);
        QVERIFY(told.open(QIODevice::WriteOnly));
        told.write(R"({"format": "kovril-scene", "version": 1, "source": {"x": -100, "y": -150},
                       "thesiy": 60, "actions": ["Command4"]})");
        told.close();
        const Run saying = kovril({upwards, "--picture", dir.filePath(QStringLiteral("up.svg"))});
        QCOMPARE(saying.status, 0);
        QVERIFY2(saying.err.contains(QStringLiteral("Nai the")), qPrintable(saying.err));

        const QString bad = dir.filePath(QStringLiteral("bad.kovril"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": \"kovril-scene\", \"version\": 9}");
        file.close();
        const Run refused = kovril({bad, "--picture", dir.filePath(QStringLiteral("no.png"))});
        QCOMPARE(refused.status, 2);
        QVERIFY(refused.err.contains(bad));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no.png"))));

        const Run unwritable =
            kovril({scene, "--picture", dir.filePath(QStringLiteral("no/such/dir.png"))});
        QCOMPARE(unwritable.status, 1);
    }
};

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
