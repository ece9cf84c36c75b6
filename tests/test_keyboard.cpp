// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"
#include "support/harness.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList focusableInTabOrder() {
    return {"Command1",     "Command6", "Command2",     "Command4",
            "Command3",     "Command5", "kyklos",       "arithmosaktinon",
            "shmeio_thesi", "thesiy",   "xronosmetato", "menuButton"};
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(scene::form().windowHandle(), key, modifiers);
}

QWidget* control(const QString& name) {
    return scene::form().findChild<QWidget*>(name);
}

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

bool hasGreek(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Greek; });
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Kovril& w = harness::startProgram();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    void tabFollowsTheLayout() {
        const QStringList order = focusableInTabOrder();
        QCOMPARE(focusName(), order.first()); // the window opens on the first control
        for (qsizetype i = 1; i <= order.size(); ++i) {
            pressKey(Qt::Key_Tab);
            QCOMPARE(focusName(), order[i % order.size()]);
        }
    }

    void shiftTabGoesBack() {
        const QStringList order = focusableInTabOrder();
        for (qsizetype i = order.size() - 1; i >= 0; --i) {
            pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focusName(), order[i]);
        }
    }

    void keysMoveAFocusedScrollBar_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        const QString yellow = QStringLiteral("ψ κίτρινο= ");
        const QString rays = QStringLiteral("αριθμός σημείων =");
        // Up moves a thumb up, so the height bars, 99 at the top, rise.
        QTest::newRow("thesiy down")
            << "thesiy" << int(Qt::Key_Down) << -1 << "Label1" << yellow + "-1";
        QTest::newRow("thesiy up") << "thesiy" << int(Qt::Key_Up) << 1 << "Label1" << yellow + "1";
        QTest::newRow("thesiy page up")
            << "thesiy" << int(Qt::Key_PageUp) << 10 << "Label1" << yellow + "10";
        QTest::newRow("thesiy page down")
            << "thesiy" << int(Qt::Key_PageDown) << -10 << "Label1" << yellow + "-10";
        QTest::newRow("thesiy home")
            << "thesiy" << int(Qt::Key_Home) << 99 << "Label1" << yellow + "99";
        QTest::newRow("rays down")
            << "arithmosaktinon" << int(Qt::Key_Down) << 11 << "Label5" << rays + "11";
        QTest::newRow("rays page down")
            << "arithmosaktinon" << int(Qt::Key_PageDown) << 20 << "Label5" << rays + "20";
        QTest::newRow("rays end") << "arithmosaktinon" << int(Qt::Key_End) << 100 << "Label5"
                                  << rays + "100";
        QTest::newRow("blue page down")
            << "shmeio_thesi" << int(Qt::Key_PageDown) << -1 << QString() << QString();
        QTest::newRow("time right")
            << "xronosmetato" << int(Qt::Key_Right) << 6 << QString() << QString();
        QTest::newRow("time page right")
            << "xronosmetato" << int(Qt::Key_PageDown) << 10 << QString() << QString();
    }
    void keysMoveAFocusedScrollBar() {
        QFETCH(QString, bar);
        QFETCH(int, key);
        QFETCH(int, value);
        QFETCH(QString, label);
        QFETCH(QString, text);
        auto* scrollBar = qobject_cast<surface::ScrollBar*>(control(bar));
        QVERIFY(scrollBar);
        // Reach the bar the way a student would, with Tab from the first control.
        while (focusName() != bar)
            pressKey(Qt::Key_Tab);
        if (QTest::currentDataTag() == QByteArray("time left"))
            harness::setScroll(*scrollBar, 41);
        QSignalSpy changes(scrollBar, &surface::ScrollBar::Change);
        pressKey(Qt::Key(key));
        QCOMPARE(scrollBar->Value(), value);
        QCOMPARE(changes.count(), 1);
        if (!label.isEmpty()) // the handler ran
            QCOMPARE(qobject_cast<QLabel*>(control(label))->text(), text);
    }

    void spacePressesAFocusedButton() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        for (surface::WrapButton* button :
             {ui.Command1, ui.Command2, ui.Command3, ui.Command4, ui.Command5, ui.Command6}) {
            button->setFocus(Qt::TabFocusReason);
            QSignalSpy clicks(button, &QPushButton::clicked);
            pressKey(Qt::Key_Space);
            QCOMPARE(clicks.count(), 1);
        }
    }

    void everyControlIsNamedInGreek() {
        QStringList names;
        for (const QString& name : focusableInTabOrder()) {
            QAccessibleInterface* a = accessible(control(name));
            QVERIFY(a);
            const QString spoken = a->text(QAccessible::Name);
            QVERIFY2(hasGreek(spoken), qPrintable(name + ": " + spoken));
            QVERIFY2(hasGreek(a->text(QAccessible::Description)), qPrintable(name));
            QVERIFY2(!names.contains(spoken), qPrintable(spoken));
            names << spoken;
        }
        // A button's spoken name starts with its caption, so "press PRINT" finds it.
        for (auto* button : scene::form().findChildren<surface::WrapButton*>())
            QVERIFY2(
                accessible(button)->text(QAccessible::Name).startsWith(button->text().simplified()),
                qPrintable(button->objectName()));
        for (const char* marker : {"kyklos", "shmeio"})
            QVERIFY(hasGreek(accessible(control(marker))->text(QAccessible::Name)));
    }

    void labelsReadTheirTextAndSayWhatItIs() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        for (QLabel* label :
             {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6, ui.Label7}) {
            QAccessibleInterface* a = accessible(label);
            QCOMPARE(a->text(QAccessible::Name), label->text());
            QVERIFY2(hasGreek(a->text(QAccessible::Description)), qPrintable(label->objectName()));
        }
        harness::setScroll(*ui.thesiy, 7);
        QCOMPARE(accessible(ui.Label1)->text(QAccessible::Name), QStringLiteral("ψ κίτρινο= 7"));
    }

    // The height bars hold a negated position; a screen reader must hear the height itself.
    void scrollBarsSpeakTheirValue() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        harness::setScroll(*ui.thesiy, 40);
        QAccessibleInterface* a = accessible(ui.thesiy);
        QCOMPARE(a->role(), QAccessible::ScrollBar);
        QCOMPARE(a->text(QAccessible::Value), QStringLiteral("40"));
        QAccessibleValueInterface* value = a->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 40);
        QCOMPARE(value->minimumValue().toInt(), -99);
        QCOMPARE(value->maximumValue().toInt(), 99);
        value->setCurrentValue(-20);
        QCOMPARE(ui.thesiy->Value(), -20);
        QCOMPARE(ui.Label1->text(), QStringLiteral("ψ κίτρινο= -20"));
        QAccessibleValueInterface* rays = accessible(ui.arithmosaktinon)->valueInterface();
        QCOMPARE(rays->currentValue().toInt(), 10);
        QCOMPARE(rays->minimumValue().toInt(), 2);
        QCOMPARE(rays->maximumValue().toInt(), 100);
    }

    // Once the keyboard moves the focus, a frame in the highlight colour shows where it is;
    // until then, a focus that came from a click is not framed.
    void focusFrameShowsWhereTabWent() {
        Kovril& w = scene::form();
        const harness::Controls ui = harness::controls(w);
        const QColor highlight = w.palette().color(QPalette::Highlight);
        auto framed = [&](QWidget* widget) {
            const QImage shot = widget->grab().toImage();
            return shot.pixelColor(1, shot.height() / 2) == highlight;
        };
        QVERIFY(ui.Command1->hasFocus());
        QVERIFY(!framed(ui.Command1));
        QTest::mouseClick(ui.shmeio_thesi, Qt::LeftButton, {}, ui.shmeio_thesi->rect().center());
        QVERIFY(ui.shmeio_thesi->hasFocus());
        QVERIFY(!framed(ui.shmeio_thesi));
        pressKey(Qt::Key_Tab);
        QVERIFY(framed(ui.thesiy));
        QVERIFY(!framed(ui.shmeio_thesi));
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        QVERIFY(framed(ui.Command1));
        QVERIFY(!framed(ui.thesiy));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
