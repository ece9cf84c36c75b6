#include "scene/startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the application exists, so that --help, --version and
    // a mistyped option answer on a machine with no display at all.
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
    parser.addOptions({help, version, fullScreen});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        print(stderr, unknown.isEmpty()
                          ? QStringLiteral("kovril: ") + parser.errorText() + QLatin1Char('\n')
                          : QStringLiteral("kovril: άγνωστη επιλογή: %1\n").arg(unknown.first()));
        return 2;
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
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("kovril: άγνωστο όρισμα: %1\n")
                          .arg(parser.positionalArguments().first()));
        return 2;
    }

    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kovril.Kovril"));
    StartOptions options;
    options.fullScreen = parser.isSet(fullScreen);
    startUp(options);
    return QApplication::exec();
}
