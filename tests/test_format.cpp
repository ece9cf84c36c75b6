// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/format.h"

#include <QLocale>
#include <QTest>

class FormatTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pointLocale_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 10.0 << "0"
                                 << "10";
        QTest::newRow("negative integer") << -12.0 << "0"
                                          << "-12";
        QTest::newRow("half away from zero") << 2.5 << "0"
                                             << "3";
        QTest::newRow("negative half away from zero") << -2.5 << "0"
                                                      << "-3";
        QTest::newRow("two decimals") << 119.9234 << "0.00"
                                      << "119.92";
        QTest::newRow("exact tie rounds up") << 0.125 << "0.00"
                                             << "0.13";
        QTest::newRow("binary just below a tie") << 2.675 << "0.00"
                                                 << "2.67";
        QTest::newRow("carry into integer") << 9.996 << "0.00"
                                            << "10.00";
        QTest::newRow("leading zero") << 0.04 << "0.0"
                                      << "0.0";
        QTest::newRow("three decimals") << 2.0 << "0.000"
                                        << "2.000";
        QTest::newRow("small negative") << -0.3 << "0.00"
                                        << "-0.30";
        QTest::newRow("no group separator") << 123456.789 << "0.0"
                                            << "123456.8";
        QTest::newRow("tie in decimal, just above in binary") << 0.005 << "0.00"
                                                              << "0.01";
        QTest::newRow("far below a unit") << 1e-300 << "0.00"
                                          << "0.00";
        QTest::newRow("smallest double") << 4.9406564584124654e-324 << "0.000"
                                         << "0.000";
        QTest::newRow("large") << 1e20 << "0.0"
                               << "100000000000000000000.0";
    }
    void pointLocale() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(surface::Format(value, pattern.toLatin1().constData()), text);
    }

    void greekLocaleUsesComma() {
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        QCOMPARE(surface::Format(-18.7912, "0.00"), QStringLiteral("-18,79"));
        QCOMPARE(surface::Format(123456.75, "0.0"), QStringLiteral("123456,8"));
        QCOMPARE(surface::Format(7, "0"), QStringLiteral("7"));
    }

    void nonFiniteNeverShowsNanOrInf() {
        for (double v : {qQNaN(), qInf(), -qInf()}) {
            const QString text = surface::Format(v, "0.00");
            QVERIFY(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive));
            QVERIFY(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive));
        }
    }

    void integerConversionRoundsHalfToEven() {
        QCOMPARE(surface::toInteger(599.5), 600);
        QCOMPARE(surface::toInteger(600.5), 600);
        QCOMPARE(surface::toInteger(-0.5), 0);
        QCOMPARE(surface::toInteger(1.49), 1);
    }
};

QTEST_GUILESS_MAIN(FormatTest)
#include "test_format.moc"
