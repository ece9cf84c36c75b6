// SPDX-License-Identifier: GPL-3.0-or-later
// A change of the time puts back what it drew before the wavefront when nothing it reads has
// changed. These tests run the same events with that switched on and off and compare what
// the student sees after every change of the time: the picture, the labels and the messages.
#include "geometry/search.h"
#include "print/page_job.h"
#include "scene/startup.h"
#include "scene/stepped_beam_cache.h"
#include "support/controls.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "surface/messagebox.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace {

// What the window shows, with the picture as a digest.
struct Shown {
    QByteArray picture;
    QStringList labels;
    qsizetype messages = 0;
    bool operator==(const Shown&) const = default;
};

Shown shown() {
    Kovril& w = scene::form();
    const harness::Controls ui = harness::controls(w);
    const QImage& image = w.surface().image();
    return {QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                     QCryptographicHash::Sha1),
            {ui.Label1->text(), ui.Label2->text(), ui.Label3->text(), ui.Label4->text(),
             ui.Label5->text(), ui.Label6->text(), ui.Label7->text()},
            harness::messages().size()};
}

// One change of the time to a value the seed picks, away from the present one.
void changeTime(std::mt19937& random) {
    surface::ScrollBar& bar = *harness::controls(scene::form()).xronosmetato;
    const int value = std::uniform_int_distribution<int>(5, 99)(random);
    harness::setScroll(bar, value == bar.Value() ? 100 : value);
}

// The steps from a fresh start, each followed by two changes of the time, and what was shown
// after every change of the time.
std::vector<Shown> run(bool cached, const std::vector<std::function<void()>>& steps) {
    scene::setSteppedBeamCacheEnabled(cached);
    harness::startProgram();
    std::mt19937 random(7);
    std::vector<Shown> seen;
    for (const auto& step : steps) {
        step();
        for (int k = 0; k < 2; ++k) {
            changeTime(random);
            seen.push_back(shown());
        }
    }
    scene::setSteppedBeamCacheEnabled(true);
    return seen;
}

std::vector<Shown> randomRun(bool cached, std::uint64_t seed, int count) {
    events::Generator generator(seed);
    std::vector<std::function<void()>> steps(std::size_t(count),
                                             [&generator] { events::send(generator.next()); });
    return run(cached, steps);
}

QString firstDifference(const std::vector<Shown>& a, const std::vector<Shown>& b) {
    if (a.size() != b.size())
        return QStringLiteral("%1 against %2 changes of the time").arg(a.size()).arg(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i]))
            return QStringLiteral("change %1 of the time: %2")
                .arg(i)
                .arg(a[i].picture == b[i].picture ? QStringLiteral("labels or messages")
                                                  : QStringLiteral("picture"));
    return {};
}

} // namespace

class SteppedBeamCacheTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        events::silenceOutsideWarnings();
        QVERIFY(pages_.isValid());
        print::directPagesTo(pages_.filePath(QStringLiteral("page.pdf")));
    }

    // Kept, the second change of the time searches no least-time path; switched off, it
    // traces the whole beam again.
    void aSecondChangeOfTheTimeDoesNoSearches() {
        for (bool cached : {true, false}) {
            scene::setSteppedBeamCacheEnabled(cached);
            Kovril& w = harness::startProgram();
            const harness::Controls ui = harness::controls(w);
            harness::setScroll(*ui.arithmosaktinon, 20);
            harness::setScroll(*ui.xronosmetato, 30);
            int searches = 0;
            geometry::setSearchObserver([&searches](const geometry::LensSearch&) { ++searches; });
            harness::setScroll(*ui.xronosmetato, 31);
            geometry::setSearchObserver({});
            QVERIFY2(cached ? searches == 0 : searches > 20, qPrintable(QString::number(searches)));
        }
        scene::setSteppedBeamCacheEnabled(true);
    }

    // Every input the construction reads, changed between changes of the time.
    void everyChangeOfAnInputDrawsAfresh() {
        // Each run starts the program afresh, so its controls are found by its first step.
        std::optional<harness::Controls> ui;
        const std::vector<std::function<void()>> steps = {
            [&] { ui = harness::controls(scene::form()); },
            [&] { harness::setScroll(*ui->arithmosaktinon, 25); },
            [&] {
                harness::drag({-200, 0}, {-260, 70});
            },
            [&] { harness::setScroll(*ui->thesiy, 40); },
            [&] { ui->Command3->click(); },
            [&] { ui->Command6->click(); },
            [&] {
                harness::drag({-260, 70}, {-150, -90});
            },
            [&] { ui->Command5->click(); },
            [&] { harness::setScroll(*ui->arithmosaktinon, 2); },
            [&] { harness::resizeTo(QSize(1000, 700)); },
            [&] { ui->Command2->click(); },
            [&] { harness::setScroll(*ui->arithmosaktinon, 100); },
            [&] {
                harness::drag({-150, -90}, {-40, 10});
            }, // close to the lens, where searches fail
            [&] { harness::resizeTo(QSize(1150, 780)); },
            [&] { ui->Command1->click(); },
            [&] { harness::setScroll(*ui->thesiy, -70); },
        };
        const std::vector<Shown> withCache = run(true, steps);
        const std::vector<Shown> without = run(false, steps);
        QCOMPARE(withCache.size(), 2 * steps.size());
        const QString difference = firstDifference(withCache, without);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void randomEventsShowTheSame_data() {
        QTest::addColumn<int>("seed");
        for (int seed : {1, 2, 3, 4, 5})
            QTest::addRow("seed %d", seed) << seed;
    }
    void randomEventsShowTheSame() {
        QFETCH(int, seed);
        const std::vector<Shown> withCache = randomRun(true, std::uint64_t(seed), 40);
        const std::vector<Shown> without = randomRun(false, std::uint64_t(seed), 40);
        const QString difference = firstDifference(withCache, without);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // What a kept drawing says again is what it asked to say, also when its boxes were held
    // back (drawn again after a resize) and later shown from what was kept.
    void transcriptKeepsShownAndHeldMessages() {
        harness::startProgram();
        const qsizetype before = harness::messages().size();
        QStringList kept;
        {
            const surface::MessageTranscript transcript;
            surface::MsgBox(QStringLiteral("shown"));
            {
                const surface::HeldMessages held;
                surface::MsgBox(QStringLiteral("held"));
            }
            kept = transcript.texts();
        }
        surface::MsgBox(QStringLiteral("after"));
        QCOMPARE(kept, (QStringList{QStringLiteral("shown"), QStringLiteral("held")}));
        QCOMPARE(harness::messages().mid(before),
                 (QStringList{QStringLiteral("shown"), QStringLiteral("after")}));
    }

    // A fresh start that reaches the same inputs, by steps that leave the drawing properties
    // as start-up gives them, draws the same picture as the first start put back.
    void aFreshStartShowsTheSame() {
        auto reach = [] {
            Kovril& w = harness::startProgram();
            const harness::Controls ui = harness::controls(w);
            harness::setScroll(*ui.thesiy, 25);
            harness::setScroll(*ui.arithmosaktinon, 40);
            harness::drag({-200, 0}, {-230, 45});
            harness::setScroll(*ui.xronosmetato, 50);
            harness::setScroll(*ui.xronosmetato, 60);
            return shown();
        };
        const Shown first = reach(); // its last change of the time puts back what it kept
        scene::setSteppedBeamCacheEnabled(false);
        const Shown second = reach();
        scene::setSteppedBeamCacheEnabled(true);
        QCOMPARE(first.picture, second.picture);
        QCOMPARE(first.labels, second.labels);
    }

private:
    QTemporaryDir pages_;
};

QTEST_MAIN(SteppedBeamCacheTest)
#include "test_stepped_beam_cache.moc"
