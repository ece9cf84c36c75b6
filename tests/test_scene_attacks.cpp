// SPDX-License-Identifier: GPL-3.0-or-later
// Scenes, pictures and arguments meant to hurt: each gets its exit status and a message that
// is safe for a terminal, nothing outside the one output file is touched, and nothing is left
// in the temporary folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The README's example scene: it has a time change, which vector pictures once crashed on.
const QByteArray readmeScene = R"({"format": "kovril-scene", "version": 1,
 "source": {"x": -200, "y": 50}, "blue": {"x": -49.8, "y": 0},
 "thesiy": 30, "shmeio_thesi": 0, "arithmosaktinon": 10, "xronosmetato": 5,
 "labels": {"Label1": "ψ= 0", "Label2": "", "Label3": "", "Label4": "",
            "Label5": "αριθμός σημείων =10", "Label6": "Χρονος=5", "Label7": "ψ blue = 0"},
 "label3FontSize": 13.5,
 "drawing": {"fillStyle": "solid", "fillColor": "#969650", "drawWidth": 1,
             "drawStyle": "solid", "fontSize": 10},
 "sineRatio": 2,
 "actions": ["Command1", {"action": "Drop", "source": {"x": -150, "y": 40},
             "blue": {"x": -49.8, "y": 0}}, "Command5", "TimeChange"]})";

// Every kind of action the format has, in one scene.
const QByteArray everyAction = R"({"format": "kovril-scene", "version": 1,
 "arithmosaktinon": 12, "xronosmetato": 40, "thesiy": -20,
 "actions": ["Start", "Command1", "Command2", "Command3", "Command4", "Command5",
             {"action": "Printed", "sineRatio": 1.9}, "YellowChange", "Command3",
             "RayCountChange", "Command5", "TrialMove", "Command4", "TimeChange",
             {"action": "Drop", "source": {"x": -120, "y": -30}, "blue": {"x": -14, "y": 5}},
             "Command2", "Clear", "Command5"]})";

QByteArray scene(const QByteArray& fields) {
    return R"({"format": "kovril-scene", "version": 1)" + fields + "}";
}

struct Run {
    int status = -1;
    QByteArray err;
};

class Place {
public:
    Place() {
        QVERIFY(QDir().mkpath(temp()));
        QVERIFY(QDir().mkpath(runtime()));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString temp() const { return dir_.filePath(QStringLiteral("tmp")); }
    QString runtime() const { return dir_.filePath(QStringLiteral("runtime")); }

    // The program as a user starts it, with no display and its own temporary folder.
    Run kovril(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("TMPDIR"), temp());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral(KOVRIL_BINARY), arguments);
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardError()};
    }

private:
    QTemporaryDir dir_;
};

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What kind of node a path is, without following a link.
QString nodeKind(const QString& path) {
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("none");
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("link");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("fifo");
    if (S_ISCHR(st.st_mode))
        return QStringLiteral("device");
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("folder");
    return QStringLiteral("file");
}

// Makes the special node a case names, in the place's folder.
void makeNode(const Place& place, const QString& what, const QString& name) {
    const QByteArray path = QFile::encodeName(place.path(name));
    if (what == QLatin1String("fifo"))
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else if (what == QLatin1String("device"))
        // The null device's numbers, made here, so that a fault could only hurt this copy.
        QCOMPARE(mknod(path.constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    else if (what == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(place.path(name)));
}

} // namespace

class SceneAttacksTest : public QObject {
    Q_OBJECT
private slots:
    // Scenes given on the command line: the status, a word of the message, and that the
    // picture is written exactly when the status is 0.
    void scenesFromTheCommandLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("README scene to SVG") << readmeScene << "out.svg" << 0 << "";
        QTest::newRow("README scene to PDF") << readmeScene << "out.pdf" << 0 << "";
        QTest::newRow("every action to PNG") << everyAction << "out.png" << 0 << "";
        QTest::newRow("every action to SVG") << everyAction << "out.svg" << 0 << "";
        QTest::newRow("every action to PDF") << everyAction << "out.pdf" << 0 << "";
        QTest::newRow("escape in an action")
            << scene(R"(, "actions": ["\u001b[2J\u001b]0;owned\u0007OK"])") << "out.png" << 2
            << "\\x1b[2J";
        QTest::newRow("NUL in an action")
            << scene(R"(, "actions": ["a\u0000b"])") << "out.png" << 2 << "a\\x00b";
        QTest::newRow("escape in a field")
            << scene(R"(, "\u001bc": 1)") << "out.png" << 2 << "\\x1bc";
        QTest::newRow("a huge name")
            << scene(", \"actions\": [\"" + QByteArray(900000, 'x') + "\"]") << "out.png" << 2
            << "xxxx…";
        QTest::newRow("the same key twice")
            << QByteArray(R"({"format": "other", "format": "kovril-scene", "version": 1})")
            << "out.png" << 2 << "δύο φορές";
        QTest::newRow("two versions")
            << QByteArray(R"({"format": "kovril-scene", "version": 99, "version": 1})") << "out.png"
            << 2 << "δύο φορές";
        QTest::newRow("a colour by name")
            << scene(R"(, "drawing": {"fillColor": "skyblue"})") << "out.png" << 2 << "fillColor";
        QTest::newRow(".5") << scene(R"(, "label3FontSize": .5)") << "out.png" << 2 << "byte";
        QTest::newRow("5.") << scene(R"(, "label3FontSize": 5.)") << "out.png" << 2 << "byte";
        QTest::newRow("raw NUL in a label")
            << scene(QByteArray(", \"labels\": {\"Label1\": \"a\0b\"}", 27)) << "out.png" << 2
            << "ελέγχου";
        QTest::newRow("version 1000001")
            << QByteArray(R"({"format": "kovril-scene", "version": 1000001})") << "out.png" << 2
            << "1000001";
        QTest::newRow("1e-400") << scene(R"(, "label3FontSize": 1e-400)") << "out.png" << 2
                                << "1e-400";
        QTest::newRow("nesting without end")
            << scene(", \"labels\": " + QByteArray(100000, '[')) << "out.png" << 2 << "byte";
        QByteArray costly = ", \"arithmosaktinon\": 100, \"actions\": [\"Command5\"";
        for (int i = 0; i < 50000; ++i)
            costly += ", \"Command5\"";
        QTest::newRow("50,000 costly actions")
            << scene(costly + "]") << "out.png" << 2 << "ενέργειες";
    }
    void scenesFromTheCommandLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, picture);
        QFETCH(int, status);
        QFETCH(QString, message);
        Place place;
        write(place.path(QStringLiteral("lesson.kovril")), bytes);
        const Run run =
            place.kovril({QStringLiteral("lesson.kovril"), QStringLiteral("--picture"), picture});
        QCOMPARE(run.status, status);
        const QString err = QString::fromUtf8(run.err);
        QVERIFY2(err.contains(message), qPrintable(err.left(300)));
        // Nothing a file holds reaches the terminal as a control character, nor at length.
        for (const char c : run.err)
            QVERIFY2(c == '\n' || static_cast<unsigned char>(c) >= 0x20, qPrintable(err.left(300)));
        QVERIFY(run.err.size() < 2000);
        QCOMPARE(QFileInfo::exists(place.path(picture)), status == 0);
        if (status == 0)
            QVERIFY(QFileInfo(place.path(picture)).size() > 1000);
        QVERIFY(QDir(place.temp()).isEmpty());
    }

    // Outputs and inputs that are no regular file: a FIFO, a device and a folder, links to
    // them and a dangling link. The node stays what it was, and the program does not wait.
    void specialPaths_data() {
        QTest::addColumn<QString>("node");     // what is made: fifo, device, folder or none
        QTest::addColumn<bool>("throughLink"); // the program is given a link to it
        QTest::addColumn<bool>("asOutput");
        for (const char* node : {"fifo", "device", "folder", "none"})
            for (const bool link : {false, true})
                for (const bool output : {false, true}) {
                    if (QLatin1String(node) == QLatin1String("none") && !link)
                        continue; // a new path: an ordinary, good output
                    QTest::newRow(qPrintable(QStringLiteral("%1%2 as %3")
                                                 .arg(QLatin1String(node), link ? " by a link" : "",
                                                      output ? "output" : "input")))
                        << QString::fromLatin1(node) << link << output;
                }
    }
    void specialPaths() {
        QFETCH(QString, node);
        QFETCH(bool, throughLink);
        QFETCH(bool, asOutput);
        if (node == QLatin1String("device") && geteuid() != 0)
            QSKIP("making a device needs root, as CI runs");
        Place place;
        write(place.path(QStringLiteral("lesson.kovril")), readmeScene);
        const QString target = QStringLiteral("node.png");
        makeNode(place, node, target);
        QString given = target;
        if (throughLink) {
            given = QStringLiteral("link.png");
            QVERIFY(QFile::link(target, place.path(given)));
        }
        const Run run =
            asOutput
                ? place.kovril(
                      {QStringLiteral("lesson.kovril"), QStringLiteral("--picture"), given})
                : place.kovril({given, QStringLiteral("--picture"), QStringLiteral("out.png")});
        QCOMPARE(run.status, asOutput ? 1 : 2);
        QVERIFY2(run.err.contains(given.toUtf8()), run.err.constData());
        QCOMPARE(nodeKind(place.path(target)), node);
        QVERIFY(!QFileInfo::exists(place.path(QStringLiteral("out.png"))));
        QVERIFY(QDir(place.temp()).isEmpty());
    }

    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("an empty picture name") << QStringList{"--picture", ""} << "--picture";
        QTest::newRow("two pictures")
            << QStringList{"--picture", "a.png", "--picture", "b.png"} << "--picture";
        QTest::newRow("two sizes")
            << QStringList{"--picture", "a.png", "--size", "900x700", "--size", "1000x700"}
            << "--size";
        QTest::newRow("white twice")
            << QStringList{"--picture", "a.png", "--white", "--white"} << "--white";
        QTest::newRow("one dash") << QStringList{"-white"} << "«-white»";
        QTest::newRow("an escape in an option") << QStringList{"--\x1b]0;x\x07"} << "\\x1b";
    }
    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        Place place;
        const Run run = place.kovril(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        QVERIFY(!run.err.contains('\x1b'));
        QCOMPARE(QDir(place.path({})).entryList(QDir::Files), QStringList());
        QVERIFY(QDir(place.temp()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SceneAttacksTest)
#include "test_scene_attacks.moc"
