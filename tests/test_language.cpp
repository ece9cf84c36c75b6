// SPDX-License-Identifier: GPL-3.0-or-later
// The English interface: this test runs with LANGUAGE=en, as a teacher's English desktop.
#include "geometry/state.h"
#include "scene/kovril.h"
#include "scene/language.h"
#include "scene/startup.h"
#include "support/controls.h"
#include "support/harness.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <limits>

namespace {

// Greek letters, but for ψ and Δ, which name a height and a difference in either language.
bool hasGreekWord(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Greek && c != QChar(0x03C8) && c != QChar(0x0394);
    });
}

// Every text the window and its open panels show or tell a screen reader.
QStringList visibleTexts(Kovril& w) {
    const harness::Controls ui = harness::controls(w);
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        texts << top->windowTitle() << top->accessibleName();
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            texts << widget->accessibleName() << widget->accessibleDescription();
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            if (auto* choice = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < choice->count(); ++i)
                    texts << choice->itemText(i);
        }
    }
    for (QAction* action : ui.menuButton->menu()->actions())
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
        const harness::Controls ui = harness::controls(w);
        QCOMPARE(ui.Command1->text(), QStringLiteral("Find the point with Kovril"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Light Paths: the Kovril principle"));
        scene::form().placeSource({-100, -150});
        harness::setScroll(*ui.thesiy, 60);
        for (QAbstractButton* button : {ui.Command1, ui.Command2, ui.Command3, ui.Command4})
            button->click();
        QStringList texts = visibleTexts(w);
        ui.Command5->click();
        harness::setScroll(*ui.shmeio_thesi, 20);
        ui.actionTimeProfile->trigger();
        ui.actionLens->trigger();
        // A lens the panel refuses, so its message is read too.
        harness::lensPanel(w)
            ->findChild<QDoubleSpinBox*>(QStringLiteral("lensAperture"))
            ->setValue(100);
        texts << visibleTexts(w) << harness::messages();
        QVERIFY(texts.contains(QStringLiteral("Lens")));
        for (const QString& text : texts)
            QVERIFY2(!hasGreekWord(text), qPrintable(text));
        QVERIFY(ui.Label2->text().startsWith(QStringLiteral("time = ")));
        QVERIFY(harness::messages().contains(QStringLiteral("Nai the")));
    }

    void messagesAreEnglish() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const float pi = geometry::pi;
        geometry::pi = std::numeric_limits<float>::quiet_NaN();
        ui.Command1->click();
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
                                             "than kovril-scene. The picture is as it was.")
                                  .arg(path)}));
    }

    // A scene saved by a window of the other language opens with the labels in this one's:
    // the names the program writes change, the numbers stay.
    void sceneLabelsSpeakTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QStringList>("shown");
        const QStringList greekPath = {QStringLiteral("ψ κίτρινο= 30"),
                                       QStringLiteral("χρόνος = 119.92"),
                                       QStringLiteral("πρόσπτωσης= -14.48 διάθλασης= -7.18"),
                                       QStringLiteral("δείκτης = 2.00"),
                                       QStringLiteral("αριθμός σημείων =12"),
                                       QStringLiteral("Χρονος=40"),
                                       QStringLiteral("ψ blue = 15")};
        const QStringList englishPath = {QStringLiteral("ψ yellow= 30"),
                                         QStringLiteral("time = 119.92"),
                                         QStringLiteral("incidence= -14.48 refraction= -7.18"),
                                         QStringLiteral("index = 2.00"),
                                         QStringLiteral("number of points =12"),
                                         QStringLiteral("Time=40"),
                                         QStringLiteral("ψ blue = 15")};
        const QStringList greekTrapped = {QStringLiteral("ολική ανάκλαση     ορική = 30.00"),
                                          QString(),
                                          QStringLiteral("προσπτωσης =31.20 διάθλασης =80.00"),
                                          QStringLiteral("δείκτης = 2.000"),
                                          QStringLiteral("αριθμός σημείων =10"),
                                          QStringLiteral("Χρονος=5"),
                                          QStringLiteral("ψ= 0")};
        const QStringList englishTrapped = {QStringLiteral("total reflection     critical = 30.00"),
                                            QString(),
                                            QStringLiteral("incidence =31.20 refraction =80.00"),
                                            QStringLiteral("index = 2.000"),
                                            QStringLiteral("number of points =10"),
                                            QStringLiteral("Time=5"),
                                            QStringLiteral("ψ= 0")};
        QTest::newRow("Greek path, English window") << "en" << greekPath << englishPath;
        QTest::newRow("English path, Greek window") << "el" << englishPath << greekPath;
        QTest::newRow("Greek trapped ray, English window")
            << "en" << greekTrapped << englishTrapped;
        QTest::newRow("English trapped ray, Greek window")
            << "el" << englishTrapped << greekTrapped;
        QTest::newRow("same language") << "en" << englishPath << englishPath;
    }
    void sceneLabelsSpeakTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, shown);
        StartOptions options;
        options.language = language;
        startUp(options);
        QJsonObject labels;
        for (int i = 0; i < saved.size(); ++i)
            labels.insert(QStringLiteral("Label%1").arg(i + 1), saved[i]);
        QJsonObject scene{{"format", "kovril-scene"}, {"version", 1}, {"labels", labels}};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.kovril"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(scene).toJson());
        file.close();
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        QVERIFY(w.openSceneFile(path));
        const QLabel* const shownLabels[] = {ui.Label1, ui.Label2, ui.Label3, ui.Label4,
                                             ui.Label5, ui.Label6, ui.Label7};
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(shownLabels[i]->text(), shown[i]);
    }

    // Qt's own dialogs speak the window's language: the file dialogs and the message-box
    // buttons.
    void qtsDialogsSpeakTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("fileDialog");
        QTest::addColumn<QString>("ok");
        QTest::newRow("Greek") << "el"
                               << QStringList{"Αναζήτηση σε:", "Όνομα &αρχείου:", "Αρχεία τύπου:",
                                              "&Αποθήκευση", "Άκυρο"}
                               << "Εντάξει";
        QTest::newRow("English") << "en"
                                 << QStringList{"Look in:", "File &name:", "Files of type:",
                                                "&Save", "Cancel"}
                                 << "OK";
    }
    void qtsDialogsSpeakTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, fileDialog);
        QFETCH(QString, ok);
        StartOptions options;
        options.language = language;
        startUp(options);
        QFileDialog dialog(&scene::form());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QString& text : fileDialog)
            QVERIFY2(texts.contains(text), qPrintable(text + " in " + texts.join(", ")));
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), ok);
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
        const harness::Controls ui = harness::controls(w);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.applyPendingLayout();
        QSet<double> sizes;
        for (const surface::WrapButton* button :
             {ui.Command1, ui.Command2, ui.Command3, ui.Command4, ui.Command5}) {
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
        const harness::Controls ui = harness::controls(scene::form());
        QCOMPARE(ui.Command1->text(), QStringLiteral("Υπολόγισε θέση με Kovril"));
        QCOMPARE(ui.Label6->text(), QStringLiteral("Χρονος=5"));
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
