// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded mutations of scene files, through every way a file is read: the reader, the window's
// open and the pictures the command line saves (PNG, SVG, PDF). Each is a scene that opens,
// draws, saves and opens again, or a message that is safe to show; nothing crashes or hangs.
// KOVRIL_FUZZ_CASES sets how many a screen (3,000 by default; CI runs 10,000 on each of two
// screens under the sanitizers).
#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "scene/scene_file.h"
#include "scene/scene_io.h"
#include "support/event_sequence.h"
#include "support/harness.h"
#include "support/mutation.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

const char* const actionNames[] = {"Start",      "Clear",          "Command1", "Command2",
                                   "Command3",   "Command4",       "Command5", "YellowChange",
                                   "TimeChange", "RayCountChange", "TrialMove"};

// Seeds that hold every kind of action, with few rays so that many cases fit in a run.
QList<QByteArray> seeds() {
    QList<QByteArray> all;
    for (const char* name : actionNames)
        all << QByteArray(R"({"format": "kovril-scene", "version": 1, "arithmosaktinon": 4,
            "xronosmetato": 30, "thesiy": 20, "actions": ["Command2", ")") +
                   name + R"(", "Command5"]})";
    all << QByteArray(R"({"format": "kovril-scene", "version": 1, "arithmosaktinon": 3,
        "source": {"x": -150, "y": -20}, "blue": {"x": -14, "y": 10}, "shmeio_thesi": 40,
        "labels": {"Label1": "ψ= 0", "Label3": "x", "Label5": "αριθμός σημείων =3"},
        "label3FontSize": 12, "sineRatio": 1.7,
        "drawing": {"fillStyle": "transparent", "fillColor": "#102030", "drawWidth": 2,
                    "drawStyle": "dotted", "fontSize": 12},
        "actions": [{"action": "Drop", "source": {"x": -120, "y": 40}, "blue": {"x": -15, "y": 0}},
                    "Command1", "Command3", {"action": "Printed", "sineRatio": 1.5}, "Command4",
                    "TimeChange"]})");
    return all;
}

// Edits of the bytes, and now and then of what they mean: another action where one is
// named, or a digit changed, which moves values up to and beyond their ranges.
QByteArray mutated(QByteArray bytes, std::mt19937& random) {
    const int edits = 1 + int(random() % 3);
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const qsizetype at = qsizetype(random() % std::uint32_t(bytes.size()));
        switch (random() % 3) {
        case 0: {
            const qsizetype name = bytes.indexOf("\"Command", at);
            if (name >= 0)
                bytes.replace(name + 1, 8, actionNames[random() % std::size(actionNames)]);
            break;
        }
        case 1: {
            const qsizetype digit = bytes.indexOf(QByteArray::number(int(random() % 10)), at);
            if (digit >= 0)
                bytes[digit] = char('0' + random() % 10);
            break;
        }
        default:
            mutation::editOnce(bytes, random);
        }
    }
    return bytes;
}

} // namespace

class SceneFuzzTest : public QObject {
    Q_OBJECT
    static constexpr int roundSize = 1000;

private slots:
    void initTestCase() { events::silenceOutsideWarnings(); }

    // In rounds of 1,000 cases, each well within the test function's time limit also under
    // the sanitizers; each round and each screen has cases of its own.
    void mutatedScenesOpenOrAreRefused_data() {
        QTest::addColumn<int>("round");
        const int cases = qEnvironmentVariableIntValue("KOVRIL_FUZZ_CASES") > 0
                              ? qEnvironmentVariableIntValue("KOVRIL_FUZZ_CASES")
                              : 3000;
        for (int round = 0; round * roundSize < cases; ++round)
            QTest::addRow("cases %d to %d", round * roundSize + 1, (round + 1) * roundSize)
                << round;
    }
    void mutatedScenesOpenOrAreRefused() {
        QFETCH(int, round);
        Kovril& w = harness::startProgram();
        const QList<QByteArray> corpus = seeds();
        std::mt19937 random(
            std::uint32_t(20261210 + 7919 * w.width() + w.height() + 104729 * round));
        QTemporaryDir dir;
        const QString scene = dir.filePath(QStringLiteral("case.kovril"));
        const QString again = dir.filePath(QStringLiteral("again.kovril"));
        const QString pictures[] = {dir.filePath(QStringLiteral("case.png")),
                                    dir.filePath(QStringLiteral("case.svg")),
                                    dir.filePath(QStringLiteral("case.pdf"))};
        int opened = 0;
        int refused = 0;
        for (int i = 0; i < roundSize; ++i) {
            const QByteArray bytes = mutated(corpus[int(random() % corpus.size())], random);
            QFile file(scene);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            const int messagesBefore = int(harness::messages().size());
            if (!w.openSceneFile(scene)) {
                ++refused;
                QCOMPARE(int(harness::messages().size()), messagesBefore + 1);
                QVERIFY(harness::messages().back().contains(scene));
                for (const QChar c : harness::messages().back())
                    QVERIFY2(c.unicode() >= 0x20, qPrintable(QString::fromUtf8(bytes)));
                continue;
            }
            ++opened;
            // What the window holds now saves; a save reads what it writes, and refuses what
            // would not open again.
            QVERIFY2(!scene::saveSceneFile(again, w.state()), qPrintable(QString::fromUtf8(bytes)));
            // Every accepted case through one of the command line's pictures, in turn.
            const QString& picture = pictures[opened % 3];
            QFile::remove(picture);
            const std::optional<QString> problem = scene::savePicture(w, picture, opened % 2);
            QVERIFY2(!problem, qPrintable(problem.value_or(QString()) + QString::fromUtf8(bytes)));
            QVERIFY(QFileInfo(picture).size() > 0);
        }
        qInfo("%d opened, %d refused", opened, refused);
        QVERIFY(opened > roundSize / 20 && refused > roundSize / 20);
    }
};

QTEST_MAIN(SceneFuzzTest)
#include "test_scene_fuzz.moc"
