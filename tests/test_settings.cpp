// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its settings, and that settings written before it named its
// organisation are not lost.
#include "support/controls.h"
#include "support/harness.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString whiteKey = QStringLiteral("pictures/whiteBackground");

// The file a version without an organisation wrote to.
QSettings unnamed() {
    return QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("Kovril"));
}

void removeBoth() {
    for (const QString& file :
         {unnamed().fileName(),
          QSettings(QStringLiteral("Kovril"), QStringLiteral("Kovril")).fileName()})
        QFile::remove(file);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { removeBoth(); }
    void cleanupTestCase() { removeBoth(); }

    void theProgramIsNamedForTheDesktop() {
        harness::startProgram();
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Kovril"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kovril"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.kovril.Kovril"));
        harness::controls(scene::form()).actionWhiteBackground->setChecked(true);
        QSettings settings;
        settings.sync();
        QVERIFY(!settings.fileName().contains(QStringLiteral("Unknown Organization")));
        QVERIFY(QFile::exists(settings.fileName()));
        QVERIFY(!QFile::exists(unnamed().fileName()));
    }

    void earlierSettingsAreCarriedOver_data() {
        QTest::addColumn<bool>("newerToo");
        QTest::newRow("only the earlier") << false;
        QTest::newRow("both, the newer kept") << true;
    }
    void earlierSettingsAreCarriedOver() {
        QFETCH(bool, newerToo);
        {
            QSettings old = unnamed();
            old.setValue(whiteKey, true);
            old.setValue(QStringLiteral("timeProfile/place"), QByteArray("somewhere"));
        }
        if (newerToo) {
            QSettings newer(QStringLiteral("Kovril"), QStringLiteral("Kovril"));
            newer.setValue(whiteKey, false);
        }
        harness::startProgram();
        QCOMPARE(harness::controls(scene::form()).actionWhiteBackground->isChecked(), !newerToo);
        QCOMPARE(QSettings().contains(QStringLiteral("timeProfile/place")), !newerToo);
    }
};

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
