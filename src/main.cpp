#include "scene/kovril.h"
#include "scene/picture_export.h"
#include "scene/startup.h"
#include "surface/messagebox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <optional>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int fail(const QString& text, int status) {
    print(stderr, QStringLiteral("kovril: ") + text + QLatin1Char('\n'));
    return status;
}

// A window size "WxH" within what the program can draw sensibly.
std::optional<QSize> parseSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (size.width() < 800 || size.height() < 600 || size.width() > 7680 || size.height() > 4320)
        return std::nullopt;
    return size;
}

// Without a display the picture is drawn offscreen, on a screen a little larger than it.
bool chooseOffscreenScreen(QTemporaryFile& config, QSize size) {
    if (!config.open())
        return false;
    config.write(QStringLiteral("{ \"screens\": [ { \"name\": \"kovril\", \"x\": 0, \"y\": 0, "
                                "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                "\"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
                     .arg(size.width() + 16)
                     .arg(size.height() + 16)
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toLocal8Bit());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the application exists, so that --help, --version, a
    // mistyped option and --picture work on a machine with no display at all.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Πορεία ακτίνων μέσα από αμφίκυρτο φακό με την αρχή του ελάχιστου χρόνου."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Δείχνει αυτή τη βοήθεια."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Δείχνει την έκδοση."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Ξεκινά σε πλήρη οθόνη (για προβολέα)."));
    const QCommandLineOption picture(
        QStringLiteral("picture"),
        QStringLiteral("Σώζει την εικόνα της σκηνής (.png, .svg ή .pdf) χωρίς παράθυρο."),
        QStringLiteral("ΑΡΧΕΙΟ"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Μέγεθος παραθύρου για την εικόνα (1920x1080)."),
                                  QStringLiteral("ΠxΥ"), QStringLiteral("1920x1080"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("Γλώσσα: el (ελληνικά) ή en (αγγλικά)."),
                                      QStringLiteral("el|en"));
    parser.addOptions({help, version, fullScreen, picture, size, language});
    parser.addPositionalArgument(QStringLiteral("ΣΚΗΝΗ"),
                                 QStringLiteral("Αρχείο σκηνής .kovril για άνοιγμα."),
                                 QStringLiteral("[ΣΚΗΝΗ]"));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return fail(unknown.isEmpty() ? parser.errorText()
                                      : QStringLiteral("άγνωστη επιλογή: %1").arg(unknown.first()),
                    2);
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("kovril")));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("kovril " KOVRIL_VERSION "\n"));
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return fail(QStringLiteral("άγνωστο όρισμα: %1").arg(positional[1]), 2);
    StartOptions options;
    options.fullScreen = parser.isSet(fullScreen);
    if (parser.isSet(language)) {
        options.language = parser.value(language);
        if (options.language != QLatin1String("el") && options.language != QLatin1String("en"))
            return fail(
                QStringLiteral("η γλώσσα πρέπει να είναι el ή en: %1").arg(options.language), 2);
    }
    const bool headless = parser.isSet(picture);
    const std::optional<QSize> windowSize = parseSize(parser.value(size));
    if (!windowSize)
        return fail(QStringLiteral("το μέγεθος πρέπει να είναι ΠxΥ, από 800x600 ως 7680x4320: %1")
                        .arg(parser.value(size)),
                    2);
    QTemporaryFile screenConfig;
    if (headless && !chooseOffscreenScreen(screenConfig, *windowSize))
        return fail(QStringLiteral("δεν γράφτηκε προσωρινό αρχείο"), 1);

    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kovril.Kovril"));
    if (headless)
        surface::setMessageRecorder([](const QString& text) { print(stderr, text + '\n'); });
    startUp(options);
    Kovril& window = scene::form();
    if (headless) {
        window.showNormal();
        window.resize(*windowSize);
        QCoreApplication::processEvents();
        window.applyPendingLayout();
    }
    if (!positional.isEmpty() && !window.openSceneFile(positional.first()) && headless)
        return 2;
    if (!headless)
        return QApplication::exec();
    if (const std::optional<QString> problem =
            scene::savePicture(window, parser.value(picture), false))
        return fail(QStringLiteral("η εικόνα δεν αποθηκεύτηκε στο %1: %2")
                        .arg(parser.value(picture), *problem),
                    1);
    return 0;
}
