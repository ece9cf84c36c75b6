// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/kovril.h"
#include "scene/language.h"
#include "scene/object_controls.h"
#include "scene/picture_export.h"
#include "scene/plain_text.h"
#include "scene/startup.h"
#include "surface/messagebox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

#include <cstdio>
#include <optional>
#include <variant>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Names from files and arguments reach the terminal too: no control character gets through.
void print(std::FILE* stream, const QString& text) {
    std::fputs(scene::forTerminal(text).toLocal8Bit().constData(), stream);
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

// Without a display the picture is drawn offscreen, on a screen a little larger than it. The
// screen's description lives in memory only, so that nothing is left behind however the
// program ends; the descriptor stays open until then.
bool chooseOffscreenScreen(QSize size) {
    const int fd = memfd_create("kovril-screen", MFD_CLOEXEC);
    if (fd < 0)
        return false;
    const QByteArray config =
        QStringLiteral("{ \"screens\": [ { \"name\": \"kovril\", \"x\": 0, \"y\": 0, "
                       "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                       "\"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
            .arg(size.width() + 16)
            .arg(size.height() + 16)
            .toUtf8();
    if (write(fd, config.constData(), std::size_t(config.size())) != config.size())
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=/proc/self/fd/" + QByteArray::number(fd));
    return true;
}

// The argument that holds an option the parser did not know, as the user wrote it.
QString unknownArgument(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("--") + name || a.startsWith(QLatin1String("--") + name + '='))
            return a;
        if (a.startsWith('-') && !a.startsWith(QLatin1String("--")) && a.contains(name))
            return a;
    }
    return name;
}

// What the command line asks for; a status instead when it is answered already (help,
// version) or cannot be followed.
struct Request {
    StartOptions options;
    QString scene;
    QString picture; // where to save the picture without a window; empty: open the window
    QSize size;
    bool whiteBackground = false;
    bool labels = false; // print the labels' texts without a window
};
using Outcome = std::variant<Request, int>;

// The language asked for with --lang, looked for before the arguments are parsed so that the
// parser's own texts are in it.
QString requestedLanguage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(QLatin1String("--lang=")))
            return arguments[i].mid(7);
    }
    return {};
}

Outcome readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Πορεία ακτίνων μέσα από αμφίκυρτο φακό με "
                                                   "την αρχή του ελάχιστου χρόνου."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Δείχνει αυτή τη βοήθεια."));
    const QCommandLineOption version(
        QStringLiteral("version"),
        QCoreApplication::translate("CommandLine", "Δείχνει την έκδοση."));
    const QCommandLineOption fullScreen(
        QStringLiteral("fullscreen"),
        QCoreApplication::translate("CommandLine", "Ξεκινά σε πλήρη οθόνη (για προβολέα)."));
    const QCommandLineOption picture(
        QStringLiteral("picture"),
        QCoreApplication::translate(
            "CommandLine", "Σώζει την εικόνα της σκηνής (.png, .svg ή .pdf) χωρίς παράθυρο."),
        QCoreApplication::translate("CommandLine", "ΑΡΧΕΙΟ"));
    const QCommandLineOption size(
        QStringLiteral("size"),
        QCoreApplication::translate("CommandLine", "Μέγεθος παραθύρου για την εικόνα (1920x1080)."),
        QCoreApplication::translate("CommandLine", "ΠxΥ"), QStringLiteral("1920x1080"));
    const QCommandLineOption white(
        QStringLiteral("white"),
        QCoreApplication::translate("CommandLine",
                                    "Λευκό φόντο στην εικόνα (για φύλλα εργασίας)."));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine", "Γλώσσα: el (ελληνικά) ή en (αγγλικά)."),
        QStringLiteral("el|en"));
    const QCommandLineOption labels(
        QStringLiteral("labels"),
        QCoreApplication::translate("CommandLine",
                                    "Γράφει το κείμενο κάθε ετικέτας της σκηνής, μία ανά γραμμή, "
                                    "χωρίς παράθυρο."));
    parser.addOptions({help, version, fullScreen, picture, size, white, language, labels});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "ΣΚΗΝΗ"),
        QCoreApplication::translate("CommandLine", "Αρχείο σκηνής .kovril για άνοιγμα."),
        QCoreApplication::translate("CommandLine", "[ΣΚΗΝΗ]"));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return fail(unknown.isEmpty()
                        ? parser.errorText()
                        : QCoreApplication::translate("CommandLine", "άγνωστη επιλογή: «%1»")
                              .arg(scene::shownName(unknownArgument(arguments, unknown.first()))),
                    2);
    }
    // An option given twice would leave one of the two unheard.
    for (const QCommandLineOption* option :
         {&fullScreen, &picture, &size, &white, &language, &labels})
        if (parser.optionNames().count(option->names().first()) > 1)
            return fail(
                QCoreApplication::translate("CommandLine", "η επιλογή --%1 δόθηκε δύο φορές")
                    .arg(option->names().first()),
                2);
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
        return fail(QCoreApplication::translate("CommandLine", "άγνωστο όρισμα: «%1»")
                        .arg(scene::shownName(positional[1])),
                    2);
    Request request;
    request.options.fullScreen = parser.isSet(fullScreen);
    if (parser.isSet(language)) {
        request.options.language = parser.value(language);
        if (request.options.language != QLatin1String("el") &&
            request.options.language != QLatin1String("en"))
            return fail(
                QCoreApplication::translate("CommandLine", "η γλώσσα πρέπει να είναι el ή en: «%1»")
                    .arg(scene::shownName(request.options.language)),
                2);
    }
    const std::optional<QSize> windowSize = parseSize(parser.value(size));
    if (!windowSize)
        return fail(
            QCoreApplication::translate(
                "CommandLine", "το μέγεθος πρέπει να είναι ΠxΥ, από 800x600 ως 7680x4320: «%1»")
                .arg(scene::shownName(parser.value(size))),
            2);
    if (parser.isSet(picture) && parser.value(picture).isEmpty())
        return fail(
            QCoreApplication::translate("CommandLine", "η επιλογή --picture θέλει όνομα αρχείου"),
            2);
    request.scene = positional.value(0);
    request.picture = parser.value(picture);
    request.whiteBackground = parser.isSet(white);
    request.labels = parser.isSet(labels);
    request.size = *windowSize;
    return request;
}

// Each label with a text: its name, a tab and the text, as a worksheet's answers.
void printLabels(Kovril& window) {
    std::vector<const QLabel*> shown;
    for (const QLabel* label : window.labels())
        if (label)
            shown.push_back(label);
    for (const QLabel* label : window.controls().objectControls->labels())
        shown.push_back(label);
    for (const QLabel* label : shown) {
        if (label->text().isEmpty())
            continue;
        // One line each, whatever breaks the label's text holds.
        const QString text = scene::forTerminal(label->text()).replace(QLatin1Char('\n'), ' ');
        const QString line = label->objectName() + QLatin1Char('\t') + text + QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stdout);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The arguments are read before the window's application exists, so that --help,
    // --version, a mistyped option and --picture work on a machine with no display at all.
    Outcome outcome;
    {
        QCoreApplication reading(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        const QString asked = requestedLanguage(arguments);
        scene::installLanguage(scene::chooseLanguage(
            asked == QLatin1String("el") || asked == QLatin1String("en") ? asked : QString()));
        outcome = readCommandLine(arguments);
    }
    if (const int* status = std::get_if<int>(&outcome))
        return *status;
    const Request& request = std::get<Request>(outcome);
    const bool headless = !request.picture.isEmpty() || request.labels;
    if (headless && !chooseOffscreenScreen(request.size))
        return fail(
            QCoreApplication::translate("CommandLine", "δεν ετοιμάστηκε οθόνη για την εικόνα"), 1);

    QApplication app(argc, argv);
    if (headless)
        surface::setMessageRecorder([](const QString& text) { print(stderr, text + '\n'); });
    startUp(request.options);
    Kovril& window = scene::form();
    if (headless) {
        window.showNormal();
        window.resize(request.size);
        QCoreApplication::processEvents();
        window.applyPendingLayout();
    }
    if (!request.scene.isEmpty() && !window.openSceneFile(request.scene) && headless)
        return 2;
    if (!headless)
        return QApplication::exec();
    if (request.labels)
        printLabels(window);
    if (request.picture.isEmpty())
        return 0;
    if (const std::optional<QString> problem =
            scene::savePicture(window, request.picture, request.whiteBackground))
        return fail(
            QCoreApplication::translate("CommandLine", "η εικόνα δεν αποθηκεύτηκε στο %1: %2")
                .arg(request.picture, *problem),
            1);
    return 0;
}
