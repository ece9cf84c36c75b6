// The English interface: this test runs with LANGUAGE=en, as a teacher's English desktop.
#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/language.h"
#include "scene/startup.h"
#include "support/harness.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <limits>

namespace {

// Greek letters, but for ψ, which names a height in either language.
bool hasGreekWord(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Greek && c != QChar(0x03C8);
    });
}

// Every text the window shows or tells a screen reader.
QStringList visibleTexts(Kovril& w) {
    QStringList texts{w.windowTitle()};
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        texts << widget->accessibleName() << widget->accessibleDescription();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
    }
    for (QAction* action : w.menuButton->menu()->actions())
        texts << action->text();
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { harness::startProgram(); }

    void theSystemsLanguageDecides() {
        QCOMPARE(scene::chooseLanguage({}), QStringLiteral("en"));
        QCOMPARE(scene::chooseLanguage(QStringLiteral("el")), QStringLiteral("el"));
    }

    void noGreekWordIsLeft() {
        Kovril& w = scene::form();
        QCOMPARE(w.Command1->text(), QStringLiteral("Find the point with Kovril"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Light Paths: the Kovril principle"));
        w.kyklos->moveCentreTo(-100, -150);
        harness::setScroll(*w.thesiy, 60);
        for (QAbstractButton* button : {w.Command1, w.Command2, w.Command3, w.Command4})
            button->click();
        QStringList texts = visibleTexts(w);
        w.Command5->click();
        harness::setScroll(*w.shmeio_thesi, 20);
        texts << visibleTexts(w) << harness::messages();
        for (const QString& text : texts)
            QVERIFY2(!hasGreekWord(text), qPrintable(text));
        QVERIFY(w.Label2->text().startsWith(QStringLiteral("time = ")));
        QVERIFY(harness::messages().contains(QStringLiteral("Nai the")));
    }

    void messagesAreEnglish() {
        Kovril& w = scene::form();
        const float pi = geometry::pi;
        geometry::pi = std::numeric_limits<float>::quiet_NaN();
        w.Command1->click();
        geometry::pi = pi;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("other.kovril"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "svg", "version": 1})");
        file.close();
        w.openSceneFile(path);
        QCOMPARE(harness::messages(),
                 QStringList({QStringLiteral("not found"),
                              QStringLiteral("The file %1 did not open: it has another format "
                                             "than kovril-scene.")
                                  .arg(path)}));
    }

    // Asked for by name, Greek wins over the system's English, as the texts were written.
    // The buttons' captions stand at one size, each whole on its button, in English as in
    // Greek, however long one of them is.
    void theButtonsShareOneCaptionSize_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Greek") << QStringLiteral("el");
    }
    void theButtonsShareOneCaptionSize() {
        QFETCH(QString, language);
        StartOptions options;
        options.language = language;
        startUp(options);
        Kovril& w = scene::form();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.applyPendingLayout();
        QSet<double> sizes;
        for (const surface::WrapButton* button :
             {w.Command1, w.Command2, w.Command3, w.Command4, w.Command5}) {
            const surface::CaptionLayout shown = button->captionLayout();
            QVERIFY2(shown.fits, qPrintable(button->text()));
            sizes << shown.font.pointSizeF();
        }
        QCOMPARE(sizes.size(), 1);
    }

    void greekWhenAskedFor() {
        StartOptions greek;
        greek.language = QStringLiteral("el");
        startUp(greek);
        QCOMPARE(scene::form().Command1->text(), QStringLiteral("Υπολόγισε θέση με Kovril"));
        QCOMPARE(scene::form().Label6->text(), QStringLiteral("Χρονος=5"));
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
