// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/accessibility.h"

#include "scene/kovril.h"
#include "surface/format.h"

#include <QCoreApplication>
#include <QToolButton>

namespace scene {

namespace {

// What a control tells a screen reader: its name says what it does, the description how.
struct Access {
    QWidget* control;
    QString name;
    QString description;
};

} // namespace

// Every button and scroll bar is reached with Tab, worked from the keyboard (Space presses a
// button; the arrows, Page Up/Down, Home and End move a scroll bar) and named in Greek.
// Tab follows the window as a page is read: the buttons row by row from the top, left before
// right (Command1, Command6; Command2, Command4; Command3, Command5), then the scroll bars from
// the top down, left before right: arithmosaktinon high on the left edge, shmeio_thesi and
// thesiy across the middle, xronosmetato at the bottom. The source kyklos comes right after
// the buttons, so that the keyboard reaches it early; the menu comes last. Shift+Tab goes
// back the same way.
void makeKeyboardAccessible(Kovril& w) {
    WindowControls& ui = w.controls();
    const Access tabOrder[] = {
        {ui.Command1, QCoreApplication::translate("Accessibility", "Υπολόγισε θέση με Kovril"),
         QCoreApplication::translate(
             "Accessibility",
             "Βρίσκει στην μπροστινή επιφάνεια του φακού το σημείο από όπου το φως "
             "της πηγής φτάνει στο κίτρινο σημείο στον ελάχιστο χρόνο· γράφει τις "
             "γωνίες, το δείκτη διάθλασης και το χρόνο.")},
        {ui.Command6, QCoreApplication::translate("Accessibility", "PRINT: εκτύπωση της εικόνας"),
         QCoreApplication::translate("Accessibility",
                                     "Τυπώνει τη σελίδα γυρισμένη κατά 180°: το φακό, τη δέσμη και "
                                     "τα μέτωπα κύματος, με κλίμακες μηκών κύματος στον αέρα και "
                                     "στο φακό. Ό,τι δείχνει η οθόνη σώζεται με «%1» στο μενού "
                                     "«☰».")
             .arg(ui.actionSavePicture->text())},
        {ui.Command2, QCoreApplication::translate("Accessibility", "Δέσμη ακτίνων"),
         QCoreApplication::translate("Accessibility",
                                     "Σχεδιάζει δέσμη ακτίνων από την πηγή μέσα από το φακό.")},
        {ui.Command4, QCoreApplication::translate("Accessibility", "Συνέχιση ακτίνας μετά το φακό"),
         QCoreApplication::translate(
             "Accessibility", "Συνεχίζει μετά το φακό την ακτίνα προς το κίτρινο σημείο, με την "
                              "κατασκευή του Huygens.")},
        {ui.Command3, QCoreApplication::translate("Accessibility", "Κύκλοι Huygens"),
         QCoreApplication::translate(
             "Accessibility", "Σχεδιάζει τη δέσμη και τους κύκλους Huygens γύρω από τα σημεία όπου "
                              "οι ακτίνες βγαίνουν από το φακό.")},
        {ui.Command5, QCoreApplication::translate("Accessibility", "Συνέχιση δέσμης μετά το φακό"),
         QCoreApplication::translate(
             "Accessibility", "Συνεχίζει όλη τη δέσμη μετά το φακό και δείχνει το μέτωπο κύματος "
                              "τη στιγμή που ορίζει η μπάρα του χρόνου.")},
        {ui.kyklos, QCoreApplication::translate("Accessibility", "Πηγή φωτός"),
         QCoreApplication::translate(
             "Accessibility", "Κόκκινο σημείο· μετακινείται σύροντάς το με το ποντίκι ή με τα βέλη "
                              "(με Shift δέκα μονάδες τη φορά).")},
        {ui.arithmosaktinon,
         QCoreApplication::translate("Accessibility", "Αριθμός ακτίνων της δέσμης"),
         QCoreApplication::translate(
             "Accessibility", "Από 2 ως 100. Η αλλαγή σβήνει τις διαδρομές και ξανασχεδιάζει το "
                              "φακό.")},
        {ui.shmeio_thesi,
         QCoreApplication::translate("Accessibility",
                                     "Ύψος του μπλε σημείου στην μπροστινή επιφάνεια"),
         QCoreApplication::translate(
             "Accessibility",
             "Από 99 πάνω ως -99 κάτω. Δείχνει τη διαδρομή μέσα από το μπλε σημείο "
             "και το χρόνο της, για σύγκριση με τον ελάχιστο.")},
        {ui.thesiy,
         QCoreApplication::translate("Accessibility",
                                     "Ύψος του κίτρινου σημείου στην πίσω επιφάνεια"),
         QCoreApplication::translate("Accessibility",
                                     "Από 99 πάνω ως -99 κάτω. Η αλλαγή σβήνει τις διαδρομές και "
                                     "ξανασχεδιάζει το φακό.")},
        {ui.xronosmetato,
         QCoreApplication::translate("Accessibility", "Χρόνος του μετώπου κύματος"),
         QCoreApplication::translate(
             "Accessibility", "Από 5 ως 100. Η αλλαγή ξανασχεδιάζει τη δέσμη μετά το φακό τη "
                              "στιγμή που ορίζει.")},
        {ui.menuButton, ui.menuButton->accessibleName(), ui.menuButton->accessibleDescription()},
    };
    QWidget* previous = nullptr;
    for (const Access& access : tabOrder) {
        access.control->setAccessibleName(access.name);
        access.control->setAccessibleDescription(access.description);
        if (qobject_cast<QScrollBar*>(access.control) || access.control == ui.kyklos)
            access.control->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, access.control);
        previous = access.control;
    }
    // The printed page differs from the screen, which a teacher would not expect of it. As a
    // paragraph the tip wraps instead of running across the screen.
    ui.Command6->setToolTip(
        QStringLiteral("<p>%1</p>").arg(ui.Command6->accessibleDescription().toHtmlEscaped()));
}

// The labels keep their text as their name, so that a screen reader reads what they show;
// the description says what that is. The two markers are named after what they stand for.
void describeForScreenReaders(Kovril& w) {
    WindowControls& ui = w.controls();
    const Access shown[] = {
        {ui.Label1,
         {},
         QCoreApplication::translate("Accessibility",
                                     "Ύψος του κίτρινου σημείου ή μήνυμα ολικής ανάκλασης")},
        {ui.Label2, {}, QCoreApplication::translate("Accessibility", "Χρόνος της διαδρομής")},
        {ui.Label3,
         {},
         QCoreApplication::translate("Accessibility", "Γωνίες πρόσπτωσης και διάθλασης")},
        {ui.Label4,
         {},
         QCoreApplication::translate("Accessibility", "Δείκτης διάθλασης που μετρήθηκε")},
        {ui.Label5, {}, QCoreApplication::translate("Accessibility", "Αριθμός ακτίνων της δέσμης")},
        {ui.Label6, {}, QCoreApplication::translate("Accessibility", "Χρόνος του μετώπου κύματος")},
        {ui.Label7, {}, QCoreApplication::translate("Accessibility", "Ύψος του μπλε σημείου")},
        {ui.shmeio,
         QCoreApplication::translate("Accessibility", "Μπλε σημείο στην μπροστινή επιφάνεια"),
         QCoreApplication::translate(
             "Accessibility",
             "Μετακινείται σύροντάς το με το ποντίκι ή με τη μπάρα του ύψους του.")},
    };
    for (const Access& access : shown) {
        if (!access.name.isEmpty())
            access.control->setAccessibleName(access.name);
        access.control->setAccessibleDescription(access.description);
    }
    // The source says where it stands, so that a student who cannot see it can place it.
    const QString sourceDescription = ui.kyklos->accessibleDescription();
    QObject::connect(
        ui.kyklos, &surface::Shape::moved, ui.kyklos, [source = ui.kyklos, sourceDescription] {
            source->setAccessibleDescription(
                sourceDescription + QCoreApplication::translate("Accessibility", " Θέση: x = ") +
                surface::Format(source->centreX(), "0") + QStringLiteral(", y = ") +
                surface::Format(source->centreY(), "0") + QStringLiteral("."));
        });
}

} // namespace scene
