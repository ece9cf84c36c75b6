// SPDX-License-Identifier: GPL-3.0-or-later
#include "beam/beam.h"
#include "geometry/exit_angle.h"
#include "geometry/helpers.h"
#include "geometry/lens.h"
#include "geometry/search.h"
#include "geometry/state.h"
#include "print/page_job.h"
#include "print/printed_beam.h"
#include "scene/redraw.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using surface::DrawCall;

namespace {

const QColor red(255, 0, 0);

QString run(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Prints one page with PRINT into a PDF of the given folder.
QString printToPdf(const QTemporaryDir& dir) {
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    print::directPagesTo(pdf);
    harness::controls(scene::form()).Command6->click();
    print::directPagesTo({});
    return pdf;
}

struct Word {
    QString text;
    QRectF box;
};

// The words of the page with their boxes, in points from the top-left, in reading order.
std::vector<Word> wordsOf(const QString& pdf) {
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    static const char* const pattern =
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    static const QRegularExpression word(QString::fromLatin1(pattern));
    std::vector<Word> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    return words;
}

QImage render(const QString& pdf, int dpi) {
    const QString stem = pdf + QStringLiteral(".render");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
         QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}

bool isDark(QColor c) {
    return std::max({c.red(), c.green(), c.blue()}) < 170 && std::abs(c.red() - c.green()) < 40;
}

bool darkNear(const QImage& image, QPointF centre, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = centre.toPoint() + QPoint(dx, dy);
            if (image.rect().contains(p) && isDark(image.pixelColor(p)))
                return true;
        }
    return false;
}

// A page to print on without a printer: the picture keeps what is drawn, in the page's
// turned frame.
struct ImagePage {
    QImage image{1169, 827, QImage::Format_RGB32};
    QPainter painter;
    std::unique_ptr<surface::Surface> page;

    ImagePage() {
        image.fill(Qt::white);
        painter.begin(&image);
        page = std::make_unique<surface::Surface>(painter, QSizeF(image.size()), 100);
        const double w = image.width() / double(image.width() + image.height());
        const double h = 1 - w;
        page->Scale(500 * w, -500 * h, -500 * w, 500 * h);
    }
};

std::vector<DrawCall> circlesAt(double x, double y) {
    std::vector<DrawCall> found;
    for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Circle))
        if (call.x1 == float(x) && call.y1 == float(y))
            found.push_back(call);
    return found;
}

// The radius of the second wavelets for the time chosen on xronosmetato: grown from
// maxTime + 0.7 to the moment the chosen time after maxTime, as a 32-bit float.
double secondRadius(int chosen, float maxTime) {
    const float moment = float(chosen + double(maxTime));
    return float(geometry::speedAir * (double(moment) - (double(maxTime) + 0.7)));
}

bool isZero(const geometry::RayOut& out) {
    return out.x == 0 && out.y == 0 && out.time == 0;
}

// Documents folders for the fallback: HOME and the XDG configuration point into a scratch
// folder, and no print server can be reached, so no real printer is ever used.
struct ScratchHome {
    QTemporaryDir dir;
    QByteArray savedHome = qgetenv("HOME");
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");

    explicit ScratchHome(const QString& home) {
        qputenv("HOME", dir.filePath(home).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    ~ScratchHome() {
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    QStringList files() const {
        QStringList found;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        return found;
    }
};

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("CUPS_SERVER", "/nonexistent/kovril-test/cups.sock"); }
    void init() { harness::startProgram(); }

    // The button warns that the page is not the screen and says where the screen's picture
    // is saved, on hovering and to a screen reader alike.
    void theButtonSaysWhatItPrints() {
        const Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QString said = ui.Command6->accessibleDescription();
        QVERIFY(ui.Command6->toolTip().contains(said));
        QVERIFY(said.contains(QStringLiteral("180°")));
        QVERIFY(said.contains(QStringLiteral("«%1»").arg(ui.actionSavePicture->text())));
    }

    void theHeadingsReadUpright() {
        QTemporaryDir dir;
        const std::vector<Word> words = wordsOf(printToPdf(dir));
        const QStringList headings[] = {
            {QStringLiteral("WAVELENGTHS"), QStringLiteral("IN"), QStringLiteral("AIR")},
            {QStringLiteral("WAVELENGTHS"), QStringLiteral("IN"), QStringLiteral("LENS")}};
        std::vector<double> tops;
        for (const QStringList& heading : headings) {
            const auto last = std::find_if(words.begin(), words.end(),
                                           [&](const Word& w) { return w.text == heading.back(); });
            QVERIFY(last != words.end() && last - words.begin() >= 2);
            const Word* line = &*last - 2;
            for (int k = 0; k < 3; ++k) {
                QCOMPARE(line[k].text, heading[k]);
                // Upright: a word is wider than tall, its letters at the heading's height,
                // and the words run from left to right.
                if (line[k].text.size() > 2)
                    QVERIFY(line[k].box.width() > line[k].box.height());
                QCOMPARE(line[k].box.top(), line[0].box.top());
                if (k > 0)
                    QVERIFY(line[k].box.left() > line[k - 1].box.right());
                // About 10 points.
                QVERIFY(line[k].box.height() > 9 && line[k].box.height() < 14);
            }
            tops.push_back(line[0].box.top());
        }
        // On the turned page y grows downwards, so the air scale's heading is the higher one.
        QVERIFY(tops[0] < tops[1]);
    }

    // Over the same span, ten wavelengths in air stand against twenty in the lens: the air
    // ticks lie speedAir·10 apart and the lens ticks speedLens·10.
    void theScalesTickOneWavelengthApart() {
        QTemporaryDir dir;
        harness::clearRecord();
        printToPdf(dir);
        auto ticksBetween = [](double top, double bottom) {
            std::vector<double> xs;
            for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Line))
                if (call.x1 == call.x2 && call.y1 == top && call.y2 == bottom)
                    xs.push_back(call.x1);
            return xs;
        };
        std::vector<double> air, lens;
        for (int i = 0; i <= 10; ++i)
            air.push_back(-180 + 20.0 * i);
        for (int i = 0; i <= 20; ++i)
            lens.push_back(-180 + 10.0 * i);
        QCOMPARE(ticksBetween(-180, -160), air);
        QCOMPARE(ticksBetween(-150, -130), lens);
    }

    void theFigureIsTurnedAboutThePageCentre() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-200, 50});
        harness::setScroll(*ui.arithmosaktinon, 2);
        QTemporaryDir dir;
        const QImage page = render(printToPdf(dir), 100);
        QVERIFY(!page.isNull());
        QVERIFY(page.width() > page.height());

        // The axis: the row with the longest run of red.
        int axisRow = -1, axisStart = 0, axisEnd = 0;
        for (int y = 0; y < page.height(); ++y) {
            int first = -1, last = -1;
            for (int x = 0; x < page.width(); ++x)
                if (isRed(page.pixelColor(x, y))) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
            if (first >= 0 && last - first > axisEnd - axisStart) {
                axisRow = y;
                axisStart = first;
                axisEnd = last;
            }
        }
        QVERIFY(std::abs(axisRow - page.height() / 2.0) <= 2);
        QVERIFY(std::abs((axisStart + axisEnd) / 2.0 - page.width() / 2.0) <= 2);
        const int margin = axisStart;
        QVERIFY(margin < page.width() / 30);
        QVERIFY(std::abs(page.width() - 1 - axisEnd - margin) <= 2);

        // The frame's fractions are those of the printable area, whose margins are even.
        const double printableWidth = axisEnd - axisStart;
        const double printableHeight = page.height() - 2.0 * margin;
        QVERIFY(std::abs(geometry::widthFrac -
                         printableWidth / (printableWidth + printableHeight)) < 0.002);
        QCOMPARE(geometry::widthFrac + geometry::heightFrac, 1.0f);

        // The source's rays start 200 units right of and 50 units below the centre.
        const double unit = printableWidth / (1000.0 * geometry::widthFrac);
        const QPointF centre((axisStart + axisEnd) / 2.0, axisRow);
        QVERIFY(darkNear(page, centre + QPointF(200 * unit, 50 * unit), 2));
        QVERIFY(!darkNear(page, centre + QPointF(-200 * unit, -50 * unit), 6));
        QVERIFY(!darkNear(page, centre + QPointF(-200 * unit, 50 * unit), 6));
    }

    void printingLeavesTheWindowAsItWas() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.xronosmetato, 17);
        ui.Label6->setText(QString());
        const float windowWidthFrac = geometry::widthFrac;
        geometry::rayEndX = 123;
        geometry::rayEndY = -45;
        QLabel* const kept[] = {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label7};
        QStringList before;
        for (QLabel* label : kept)
            before << label->text();
        QVERIFY(!ui.Label3->text().isEmpty() && !ui.Label4->text().isEmpty());
        const QImage picture = w.surface().image().copy();

        QTemporaryDir dir;
        harness::clearRecord();
        printToPdf(dir);
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=17"));
        for (std::size_t k = 0; k < std::size(kept); ++k)
            QCOMPARE(kept[k]->text(), before[k]);
        QCOMPARE(geometry::rayEndX, 123.0f);
        QCOMPARE(geometry::rayEndY, -45.0f);
        QCOMPARE(w.surface().image(), picture);
        QVERIFY(geometry::widthFrac != windowWidthFrac);
        QVERIFY(w.surface().FillStyle == surface::FillMode::Solid);
        // Nothing of the page is filled: its fill style stays transparent.
        for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Circle))
            QVERIFY(!call.filled);

        // The next redraw takes the window's proportions again.
        harness::clearRecord();
        harness::setScroll(*ui.thesiy, 20);
        QCOMPARE(geometry::widthFrac, windowWidthFrac);
        bool axis = false;
        for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Line))
            axis |= call.color == red && call.y1 == 0 && call.y2 == 0 &&
                    std::abs(call.x1 + geometry::halfWidth) < 1e-3 &&
                    std::abs(call.x2 - geometry::halfWidth) < 1e-3;
        QVERIFY(axis);
        const int row = harness::imagePixel(0, 0).y();
        QVERIFY(isRed(w.surface().image().pixelColor(0, row)));
        QVERIFY(isRed(w.surface().image().pixelColor(w.surface().image().width() - 1, row)));
    }

    // The printed beam is the window's beam (the same exit points, entries and times),
    // printed without dots or wider pens; beamEndX and beamEndY are not its arrays.
    void thePrintedBeamIsTracedAsOnTheWindow() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-120, 40});
        const float x0 = ui.kyklos->centreX();
        const float y0 = ui.kyklos->centreY();
        const int n = 12;
        beam::drawBeam(w.surface(), geometry::Lens::standard(), {x0, y0}, n, geometry::Layers{});
        const std::vector<double> exitY = geometry::beamExitY;
        const std::vector<float> entryX = geometry::beamEntryX, time = geometry::beamTime;
        geometry::beamEndX.assign(200, 7);

        ImagePage page;
        harness::clearRecord();
        print::printBeam(*page.page, w.surface(), geometry::Lens::standard(), {x0, y0}, n,
                         ui.xronosmetato->Value(), {});
        QCOMPARE(geometry::beamExitY, exitY);
        QCOMPARE(geometry::beamEntryX, entryX);
        QCOMPARE(geometry::beamTime, time);
        QCOMPARE(geometry::beamOut.size(), std::size_t(n + 1));
        QCOMPARE(geometry::beamEndX.size(), std::size_t(200));
        const std::vector<DrawCall> lines = harness::drawnOfKind(DrawCall::Kind::Line);
        for (int i = 0; i <= n; ++i) {
            QCOMPARE(lines[2 * i].x1, double(x0));
            QCOMPARE(lines[2 * i].x2, double(entryX[i]));
            QCOMPARE(lines[2 * i + 1].y2, exitY[i]);
            QCOMPARE(lines[2 * i + 1].color, QColor(Qt::black));
        }
        QVERIFY(harness::drawnOfKind(DrawCall::Kind::Dot).empty());
        for (const DrawCall& call : harness::drawn())
            QCOMPARE(call.drawWidth, 1);
    }

    void oneRay_data() {
        QTest::addColumn<double>("sourceX");
        QTest::addColumn<double>("sourceY");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("on the axis") << -200.0 << 0.0 << true;
        QTest::newRow("above the axis") << -200.0 << 60.0 << true;
        QTest::newRow("totally reflected") << -30.0 << 100.0 << false;
    }
    void oneRay() {
        QFETCH(double, sourceX);
        QFETCH(double, sourceY);
        QFETCH(bool, leaves);
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({sourceX, sourceY});
        ImagePage page;
        harness::clearRecord();
        print::printBeam(*page.page, w.surface(), geometry::Lens::standard(), w.source(), 0,
                         ui.xronosmetato->Value(), {});
        QCOMPARE(geometry::beamExitX[0], 15.0);
        QCOMPARE(geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[0]),
                 leaves);

        std::vector<DrawCall> continued;
        for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Line))
            if (call.color == red)
                continued.push_back(call);
        const std::vector<DrawCall> circles = harness::drawnOfKind(DrawCall::Kind::Circle);
        if (!leaves) {
            QVERIFY(continued.empty());
            QVERIFY(circles.empty());
            QVERIFY(isZero(geometry::beamOut[0]));
            return;
        }
        QCOMPARE(continued.size(), std::size_t(1));
        QCOMPARE(continued.front().x1, 15.0);
        QCOMPARE(continued.front().y1, 0.0);
        QCOMPARE(circles.size(), std::size_t(2));
        QCOMPARE(circles[0].x1, 15.0);
        QCOMPARE(circles[0].y1, 0.0);
        QCOMPARE(circles[0].radius, 1.5 * geometry::speedAir);
        // The second wavelet has grown from maxTime + 0.7 to maxTime plus the chosen time.
        QCOMPARE(circles[1].radius, secondRadius(5, geometry::beamTime[0]));
        QVERIFY(!isZero(geometry::beamOut[0]));
        QCOMPARE(geometry::beamOut[0].x, geometry::rayOut.x);
        QCOMPARE(geometry::beamOut[0].time, geometry::rayOut.time);
    }

    void theChosenTimeChangesOnlyTheSecondWavelets() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-30, 60});
        const int n = 10;
        std::vector<DrawCall> circles[2];
        const int times[2] = {5, 60};
        for (int k = 0; k < 2; ++k) {
            harness::setScroll(*ui.xronosmetato, times[k]);
            ImagePage page;
            harness::clearRecord();
            print::printBeam(*page.page, w.surface(), geometry::Lens::standard(), w.source(), n,
                             ui.xronosmetato->Value(), {});
            circles[k] = harness::drawnOfKind(DrawCall::Kind::Circle);
        }
        int leaving = 0;
        float maxTime = 0;
        for (int i = 0; i <= n; ++i) {
            leaving +=
                geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[i]);
            maxTime = std::max(maxTime, geometry::beamTime[i]);
        }
        QVERIFY(leaving > 1 && leaving < n + 1);
        QCOMPARE(circles[0].size(), std::size_t(2 * leaving));
        QCOMPARE(circles[1].size(), circles[0].size());
        for (std::size_t k = 0; k < circles[0].size(); ++k) {
            QCOMPARE(circles[1][k].x1, circles[0][k].x1);
            QCOMPARE(circles[1][k].y1, circles[0][k].y1);
            if (k < std::size_t(leaving)) {
                QCOMPARE(circles[1][k].radius, circles[0][k].radius);
                continue;
            }
            for (int t = 0; t < 2; ++t)
                QCOMPARE(circles[t][k].radius, secondRadius(times[t], maxTime));
        }
    }

    // A ray whose exit angle is exactly the critical angle leaves the lens for the printed
    // beam, but its continuation finds total reflection and prints nothing.
    void aRayAtTheCriticalAngleGetsNoSecondWavelet() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        scene::form().placeSource({-30, 100});
        const geometry::Point leaving = geometry::Lens::standard().rearSurfacePoint(-30);
        const geometry::LensEntry entry =
            geometry::findLensEntry(geometry::Lens::standard(), ui.kyklos->centreX(),
                                    ui.kyklos->centreY(), leaving.x, leaving.y);
        // From the source the ray at the rear vertex is beyond the critical angle; in the
        // arrays it meets the surface at exactly that angle, from an entry 30° off the axis.
        const float entryX = float(15 - 20 * std::cos(M_PI / 6));
        const float entryY = float(20 * std::sin(M_PI / 6));
        double vertexX = entryX + std::sqrt(3.0) * entryY;
        for (int k = 0; k < 200; ++k) {
            const double angle = std::abs(geometry::signedAngle(
                vertexX - entryX, -entryY, vertexX + geometry::curveCentreX, 0));
            if (angle == geometry::criticalAngle(geometry::Lens::standard()))
                break;
            vertexX = std::nextafter(
                vertexX, angle > geometry::criticalAngle(geometry::Lens::standard()) ? 100.0 : 0.0);
        }
        using namespace geometry;
        beamExitX = {leaving.x, vertexX};
        beamExitY = {leaving.y, 0};
        beamEntryX = {entry.x, entryX};
        beamEntryY = {entry.y, entryY};
        beamTime = {entry.time, entry.time - 3};
        beamOut.assign(2, {});
        QCOMPARE(std::abs(geometry::exitAngle(geometry::Lens::standard(),
                                              geometry::sharedBeam().rays[1])),
                 geometry::criticalAngle(geometry::Lens::standard()));
        QVERIFY(geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[0]) &&
                geometry::leavesLens(geometry::Lens::standard(), geometry::sharedBeam().rays[1]));

        ImagePage page;
        harness::clearRecord();
        print::printBeyondLens(*page.page, geometry::Lens::standard(), w.source(),
                               geometry::sharedBeam(), ui.xronosmetato->Value(), {});

        std::vector<DrawCall> continued;
        for (const DrawCall& call : harness::drawnOfKind(DrawCall::Kind::Line))
            if (call.color == red)
                continued.push_back(call);
        QCOMPARE(continued.size(), std::size_t(1));
        QCOMPARE(continued.front().x1, leaving.x);
        QVERIFY(!isZero(beamOut[0]));
        QVERIFY(!isZero(rayOut));
        QVERIFY(isZero(beamOut[1]));

        // Both rays have their exit wavelet; only the continued one has a second wavelet.
        QCOMPARE(circlesAt(leaving.x, leaving.y).size(), std::size_t(1));
        const std::vector<DrawCall> critical = circlesAt(vertexX, 0);
        QCOMPARE(critical.size(), std::size_t(1));
        QCOMPARE(critical.front().radius, double(float(speedAir * 4.5)));
        QCOMPARE(harness::drawnOfKind(DrawCall::Kind::Circle).size(), std::size_t(3));
    }

    void withoutAPrinterThePageBecomesANewPdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed; a test never prints a real page");
        ScratchHome home(QStringLiteral("home"));
        const QString documents = home.dir.filePath(QStringLiteral("home/Documents"));
        QVERIFY(!QDir(documents).exists());
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        ui.Command6->click();
        QCOMPARE(harness::messages().size(), 1);
        QStringList pages = home.files();
        QCOMPARE(pages.size(), 1);

        // Every name the next pages could take in the coming seconds is already in use.
        const QString stampFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
        const QDateTime firstStamp =
            QDateTime::fromString(QFileInfo(pages.front()).completeBaseName().mid(7), stampFormat);
        QVERIFY(firstStamp.isValid());
        int others = 0;
        for (int second = 0; second < 6; ++second)
            for (int copy = 1; copy <= 4; ++copy) {
                const QString stamp = firstStamp.addSecs(second).toString(stampFormat);
                const QString name = copy == 1
                                         ? QStringLiteral("Kovril_%1.pdf").arg(stamp)
                                         : QStringLiteral("Kovril_%1_%2.pdf").arg(stamp).arg(copy);
                QFile other(QDir(documents).filePath(name));
                if (other.exists())
                    continue;
                QVERIFY(other.open(QIODevice::WriteOnly));
                other.write("not a page");
                ++others;
            }
        ui.Command6->click();
        ui.Command6->click();
        QCOMPARE(harness::messages().size(), 3);
        pages = home.files();
        QCOMPARE(pages.size(), 3 + others);
        QStringList printed;
        for (const QString& path : pages) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY(content == "not a page" || content.startsWith("%PDF"));
            if (content.startsWith("%PDF"))
                printed << path;
        }
        QCOMPARE(printed.size(), 3);
        // Each message names its own page.
        for (int k = 0; k < 3; ++k) {
            const QString& message = harness::messages()[k];
            QVERIFY(message.startsWith(QStringLiteral("Δεν βρέθηκε εκτυπωτής.")));
            int named = 0;
            for (const QString& path : printed)
                named += message.endsWith(QDir::toNativeSeparators(path));
            QCOMPARE(named, 1);
        }
        QVERIFY(harness::messages()[1] != harness::messages()[2]);
    }

    void aDocumentsFolderThatCannotBeWrittenIsReported() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed; a test never prints a real page");
        ScratchHome home(QStringLiteral("a file/home"));
        QFile blocker(home.dir.filePath(QStringLiteral("a file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QImage picture = w.surface().image().copy();
        ui.Command6->click();
        QCOMPARE(harness::messages().size(), 1);
        QVERIFY(harness::messages().front().startsWith(
            QStringLiteral("Η σελίδα δεν εκτυπώθηκε: δεν υπάρχει εκτυπωτής")));
        QCOMPARE(home.files(), QStringList{blocker.fileName()});
        QCOMPARE(w.surface().image(), picture);
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
