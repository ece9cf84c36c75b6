// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of student events on the real window. After every event nothing may be
// broken: no label shows a non-number, nothing non-finite or far outside the window reaches
// the drawing surface, every least-time search ends within its rounds and no message box is
// shown. KOVRIL_EVENT_SEEDS (for example "1,2,10-19") and KOVRIL_EVENTS (events per seed)
// set the size; a failure names its seed and event, and the same two numbers replay it.
#include "geometry/search.h"
#include "geometry/state.h"
#include "print/page_job.h"
#include "scene/language.h"
#include "scene/state.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <signal.h>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using surface::DrawCall;

namespace {

std::vector<std::uint64_t> seedsFromEnvironment() {
    const QString text = qEnvironmentVariable("KOVRIL_EVENT_SEEDS", QStringLiteral("1,2,3"));
    std::vector<std::uint64_t> seeds;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.trimmed().split(QLatin1Char('-'));
        const std::uint64_t first = range.front().toULongLong();
        const std::uint64_t last = range.back().toULongLong();
        for (std::uint64_t s = first; s <= last; ++s)
            seeds.push_back(s);
    }
    return seeds;
}

int eventsFromEnvironment() {
    return qEnvironmentVariableIntValue("KOVRIL_EVENTS") > 0
               ? qEnvironmentVariableIntValue("KOVRIL_EVENTS")
               : 150;
}

// The screen and the interface's language, which the test is also registered under.
QString screenName() {
    const QScreen& screen = *QGuiApplication::primaryScreen();
    return QStringLiteral("%1x%2 dpr %3, %4")
        .arg(screen.size().width())
        .arg(screen.size().height())
        .arg(screen.devicePixelRatio())
        .arg(scene::chooseLanguage({}));
}

// What to tell a person when the process dies in the middle of an event: written from a
// signal handler, so kept ready as plain bytes.
char replayNote[2048];
std::atomic<long> eventsStarted{0};

void setReplayNote(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    const std::size_t length =
        std::min<std::size_t>(std::size_t(bytes.size()), sizeof replayNote - 1);
    std::memcpy(replayNote, bytes.constData(), length);
    replayNote[length] = '\0';
}

void printReplayNote() {
    const char header[] = "event-sequence: the process ended during ";
    [[maybe_unused]] auto a = write(STDERR_FILENO, header, sizeof header - 1);
    [[maybe_unused]] auto b = write(STDERR_FILENO, replayNote, std::strlen(replayNote));
}

const int fatalSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};
struct sigaction previousActions[std::size(fatalSignals)];

// Says which event was running, then lets QTest's own handler report the crash.
void onFatalSignal(int signal) {
    printReplayNote();
    for (std::size_t i = 0; i < std::size(fatalSignals); ++i)
        if (fatalSignals[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    raise(signal);
}

void noteFatalSignals() {
    struct sigaction action = {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(fatalSignals); ++i)
        sigaction(fatalSignals[i], &action, &previousActions[i]);
}

// An event that runs this long has hung: say which, and end.
void watchForHangs(std::chrono::seconds limit) {
    std::thread([limit] {
        long seen = -1;
        auto since = std::chrono::steady_clock::now();
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = eventsStarted.load();
            if (now != seen) {
                seen = now;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > limit) {
                printReplayNote();
                std::_Exit(3);
            }
        }
    }).detach();
}

// A number after every "=": a label may not end in its prefix or show "--", "nan" or "inf".
QString labelFault() {
    static const QRegularExpression emptyNumber(QStringLiteral("=(?!\\s*-?\\d)"));
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    for (const QLabel* label :
         {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6, ui.Label7}) {
        const QString text = label->text();
        if (text.contains(QLatin1String("nan"), Qt::CaseInsensitive) ||
            text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
            emptyNumber.match(text).hasMatch())
            return QStringLiteral("%1 reads \"%2\"").arg(label->objectName(), text);
    }
    return {};
}

QString describe(const DrawCall& c) {
    static const char* const kinds[] = {"Line", "Circle", "Arc", "Dot", "Text", "Fill", "Clear"};
    return QStringLiteral("%1 (%2, %3) (%4, %5) r %6")
        .arg(QLatin1String(kinds[int(c.kind)]))
        .arg(c.x1, 0, 'g', 17)
        .arg(c.y1, 0, 'g', 17)
        .arg(c.x2, 0, 'g', 17)
        .arg(c.y2, 0, 'g', 17)
        .arg(c.radius, 0, 'g', 17);
}

// Ten times the window's half extents, as far as anything drawn may reach.
bool inBox(double x, double y) {
    const double slack = 1 + 1e-9;
    return std::abs(x) <= 10.0 * geometry::halfWidth * slack &&
           std::abs(y) <= 10.0 * geometry::halfHeight * slack;
}

bool sensible(const DrawCall& c) {
    for (double v : {c.x1, c.y1, c.x2, c.y2, c.radius})
        if (!std::isfinite(v))
            return false;
    const double largest = 10.0 * std::max(geometry::halfWidth, geometry::halfHeight) * (1 + 1e-9);
    switch (c.kind) {
    case DrawCall::Kind::Line:
        return inBox(c.x1, c.y1) && inBox(c.x2, c.y2);
    case DrawCall::Kind::Circle:
    case DrawCall::Kind::Arc:
        return inBox(c.x1, c.y1) && std::abs(c.radius) <= largest;
    case DrawCall::Kind::Dot:
    case DrawCall::Kind::Text:
        return inBox(c.x1, c.y1);
    case DrawCall::Kind::Fill: {
        const QImage& image = scene::form().surface().image();
        return c.x1 >= 0 && c.y1 >= 0 && c.x1 < image.width() && c.y1 < image.height();
    }
    case DrawCall::Kind::Clear:
        return true;
    }
    return false;
}

QString drawingFault() {
    for (const DrawCall& call : harness::drawn())
        if (!sensible(call))
            return QStringLiteral("drawn: %1, beyond ±%2 by ±%3")
                .arg(describe(call))
                .arg(10.0 * geometry::halfWidth)
                .arg(10.0 * geometry::halfHeight);
    return {};
}

std::vector<geometry::LensSearch> searches;

QString searchFault() {
    for (const geometry::LensSearch& s : searches) {
        if (s.evaluations > geometry::searchRoundLimit)
            return QStringLiteral("a search took %1 evaluations").arg(s.evaluations);
        if (s.found && !(std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.time)))
            return QStringLiteral("a search found (%1, %2) at time %3")
                .arg(s.x)
                .arg(s.y)
                .arg(s.time);
    }
    return {};
}

QString shownModal;

// A box shown instead of recorded would wait for a person: note it and close it.
void closeModals() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        shownModal = modal->metaObject()->className() + QStringLiteral(" \"") +
                     modal->windowTitle() + QLatin1Char('"');
        modal->close();
    }
    // A press that lands on the menu button opens the menu: a student closes it again.
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// What the student can see move: the markers and the scroll bars.
QList<double> controlsState() {
    const Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    return {ui.kyklos->centreX(),
            ui.kyklos->centreY(),
            ui.shmeio->centreX(),
            ui.shmeio->centreY(),
            double(ui.thesiy->Value()),
            double(ui.shmeio_thesi->Value()),
            double(ui.arithmosaktinon->Value()),
            double(ui.xronosmetato->Value())};
}

QString describeState(const QList<double>& state) {
    return QStringLiteral("kyklos (%1, %2), shmeio (%3, %4), thesiy %5, shmeio_thesi %6, "
                          "arithmosaktinon %7, xronosmetato %8")
        .arg(state[0], 0, 'g', 9)
        .arg(state[1], 0, 'g', 9)
        .arg(state[2], 0, 'g', 9)
        .arg(state[3], 0, 'g', 9)
        .arg(state[4])
        .arg(state[5])
        .arg(state[6])
        .arg(state[7]);
}

// What a student sees after an event, folded into a seed's running digest: the label texts,
// the control values and, with KOVRIL_REFEREE set or after a seed's last event, the picture.
// Equal digests before and after a change of the code show that the change left every
// picture and label as it was; every picture costs time the long runs cannot spare.
void foldInto(QCryptographicHash& digest, bool withPicture) {
    if (withPicture || qEnvironmentVariableIsSet("KOVRIL_REFEREE")) {
        const QImage& picture = scene::form().surface().image();
        digest.addData(QByteArrayView(reinterpret_cast<const char*>(picture.constBits()),
                                      qsizetype(picture.sizeInBytes())));
    }
    for (const QLabel* label : scene::form().labels())
        if (label)
            digest.addData(label->text().toUtf8());
    for (double value : controlsState())
        digest.addData(QByteArray::number(value, 'g', 17));
}

// Per kind of event: how many were sent, and how many moved a marker or a scroll bar.
struct Moves {
    long sent = 0;
    long moved = 0;
};

struct Totals {
    long events = 0;
    std::map<events::Event::Kind, Moves> byKind;
    long searches = 0;
    long failedSearches = 0;
    long messages = 0;
};

} // namespace

class EventSequenceTest : public QObject {
    Q_OBJECT
    QTemporaryDir pages;

private slots:
    void initTestCase() {
        // The program as a Greek student runs it: decimal commas.
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        events::silenceOutsideWarnings();
        geometry::setSearchObserver([](const geometry::LensSearch& s) { searches.push_back(s); });
        noteFatalSignals();
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(printReplayNote);
#endif
        watchForHangs(std::chrono::seconds(qEnvironmentVariableIntValue("KOVRIL_EVENT_HANG") > 0
                                               ? qEnvironmentVariableIntValue("KOVRIL_EVENT_HANG")
                                               : 120));
        modalWatch.setInterval(20);
        connect(&modalWatch, &QTimer::timeout, this, closeModals);
        modalWatch.start();
        // PRINT writes its page here, never to a printer or the user's documents.
        QVERIFY(pages.isValid());
        print::directPagesTo(pages.filePath(QStringLiteral("page.pdf")));
    }

    // The checks themselves see what they look for, so that a clean run means something.
    void checksCatchFaults() {
        Kovril& w = harness::startProgram();
        const harness::Controls ui = harness::controls(w);
        QVERIFY(labelFault().isEmpty());
        for (const char* text : {"δείκτης = --", "δείκτης = ", "χρόνος = nan", "ψ blue = inf"}) {
            ui.Label4->setText(QString::fromUtf8(text));
            QVERIFY2(!labelFault().isEmpty(), text);
        }
        ui.Label4->setText(QStringLiteral("δείκτης = -2,00"));
        QVERIFY(labelFault().isEmpty());

        const double far = 10.0 * geometry::halfWidth * 1.001;
        const double notANumber = std::nan("");
        using Kind = DrawCall::Kind;
        QVERIFY(sensible({.kind = Kind::Line, .x1 = -far / 1.01, .x2 = 10}));
        QVERIFY(!sensible({.kind = Kind::Line, .x2 = far}));
        QVERIFY(!sensible({.kind = Kind::Line, .y1 = notANumber}));
        QVERIFY(!sensible({.kind = Kind::Circle, .radius = far}));
        QVERIFY(!sensible({.kind = Kind::Dot, .x1 = -far}));
        QVERIFY(!sensible({.kind = Kind::Fill, .x1 = -1}));

        searches = {geometry::LensSearch{.found = true, .evaluations = geometry::searchRoundLimit}};
        QVERIFY(searchFault().isEmpty());
        searches.front().evaluations = geometry::searchRoundLimit + 1;
        QVERIFY(!searchFault().isEmpty());
        searches = {geometry::LensSearch{.found = true, .time = notANumber, .evaluations = 70}};
        QVERIFY(!searchFault().isEmpty());
        searches.clear();

        shownModal.clear();
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kovril"), QStringLiteral("?"),
                        QMessageBox::Ok, &w);
        box.open();
        QTRY_VERIFY(!shownModal.isEmpty());
        QVERIFY(!box.isVisible());
    }

    void everyEventLeavesAWorkingWindow() {
        const std::vector<std::uint64_t> seeds = seedsFromEnvironment();
        const int count = eventsFromEnvironment();
        QVERIFY(!seeds.empty());
        Totals totals;
        QElapsedTimer clock;
        clock.start();
        for (std::uint64_t seed : seeds) {
            Kovril& w = harness::startProgram();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            events::Generator generator(seed);
            QCryptographicHash digest(QCryptographicHash::Sha1);
            for (int i = 0; i < count; ++i) {
                const events::Event event = generator.next();
                const QString note =
                    QStringLiteral("seed %1, event %2 of %3 on %4: %5\n  replay with "
                                   "KOVRIL_EVENT_SEEDS=%1 KOVRIL_EVENTS=%6")
                        .arg(seed)
                        .arg(i)
                        .arg(count)
                        .arg(screenName(), event.describe())
                        .arg(i + 1);
                setReplayNote(note);
                ++eventsStarted;
                harness::clearRecord();
                searches.clear();
                shownModal.clear();
                const QList<double> before = controlsState();
                events::send(event);
                closeModals();

                QString fault = labelFault();
                if (fault.isEmpty())
                    fault = drawingFault();
                if (fault.isEmpty())
                    fault = searchFault();
                if (fault.isEmpty() && !shownModal.isEmpty())
                    fault = QStringLiteral("shown: ") + shownModal;
                if (!fault.isEmpty())
                    QFAIL(qPrintable(note + QStringLiteral("\n  before it: ") +
                                     describeState(before) + QStringLiteral("\n  found: ") +
                                     fault));

                ++totals.events;
                Moves& moves = totals.byKind[event.kind];
                ++moves.sent;
                moves.moved += controlsState() != before ? 1 : 0;
                totals.searches += long(searches.size());
                for (const geometry::LensSearch& s : searches)
                    totals.failedSearches += s.found ? 0 : 1;
                foldInto(digest, i + 1 == count);
            }
            totals.messages += harness::messages().size();
            qInfo("referee: seed %llu on %s: %s, %lld messages", (unsigned long long)seed,
                  qPrintable(screenName()), digest.result().toHex().left(16).constData(),
                  (long long)harness::messages().size());
        }
        using Kind = events::Event::Kind;
        const struct {
            Kind kind;
            const char* name;
        } movers[] = {{Kind::Key, "keys"},
                      {Kind::BarClick, "clicks on bars"},
                      {Kind::Slide, "thumbs"},
                      {Kind::Drag, "drags"}};
        QStringList moved;
        for (const auto& m : movers)
            moved << QStringLiteral("%1 %2/%3")
                         .arg(QLatin1String(m.name))
                         .arg(totals.byKind[m.kind].moved)
                         .arg(totals.byKind[m.kind].sent);
        qInfo("%ld events on %s in %.1f s (%.0f a second); moving a marker or a scroll bar: "
              "%s; %ld least-time searches, %ld of them without a point; %ld messages recorded",
              totals.events, qPrintable(screenName()), clock.elapsed() / 1000.0,
              totals.events / std::max(1e-3, clock.elapsed() / 1000.0),
              qPrintable(moved.join(QStringLiteral(", "))), totals.searches, totals.failedSearches,
              totals.messages);
        // Every kind of event reaches the window: some of each move what they aim at.
        for (const auto& m : movers)
            if (totals.byKind[m.kind].sent >= 20)
                QVERIFY2(totals.byKind[m.kind].moved > 0, m.name);
    }

private:
    QTimer modalWatch;
};

QTEST_MAIN(EventSequenceTest)
#include "test_event_sequence.moc"
