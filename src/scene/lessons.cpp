// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/lessons.h"

#include "scene/kovril.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

#include <iterator>

namespace scene {

namespace {

struct Lesson {
    const char* file;
    const char* title;
    const char* look;
};

const Lesson lessons[] = {
    {"least_time", QT_TRANSLATE_NOOP("Lessons", "Ο ελάχιστος χρόνος"),
     QT_TRANSLATE_NOOP("Lessons", "Σύρετε τη μπλε μπάρα και δείτε το χρόνο: το Kovril βρήκε το "
                                  "σημείο του ελάχιστου χρόνου.")},
    {"trapped", QT_TRANSLATE_NOOP("Lessons", "Ακτίνες παγιδευμένες"),
     QT_TRANSLATE_NOOP("Lessons",
                       "Οι πάνω ακτίνες παθαίνουν ολική ανάκλαση μέσα στο φακό (κόκκινες "
                       "κουκκίδες): δεν παίρνουν κύκλο και η ετικέτα γράφει «ολική ανάκλαση».")},
    {"wavefront", QT_TRANSLATE_NOOP("Lessons", "Το μέτωπο κύματος"),
     QT_TRANSLATE_NOOP("Lessons", "Σύρετε τη μπάρα του χρόνου: το μέτωπο κύματος περνά από το "
                                  "είδωλο.")},
    {"twice_focal", QT_TRANSLATE_NOOP("Lessons", "Πηγή στο 2F"),
     QT_TRANSLATE_NOOP("Lessons", "Οι ακτίνες συναντιούνται κοντά στο 2F′, όσο μακριά πίσω από "
                                  "το φακό όσο η πηγή μπροστά του.")},
    {"at_focus", QT_TRANSLATE_NOOP("Lessons", "Πηγή στην εστία F"),
     QT_TRANSLATE_NOOP("Lessons", "Μετά το φακό οι ακτίνες βγαίνουν σχεδόν παράλληλες: το είδωλο "
                                  "είναι πολύ μακριά.")},
    {"inside_focus", QT_TRANSLATE_NOOP("Lessons", "Πηγή μέσα στην εστία"),
     QT_TRANSLATE_NOOP("Lessons", "Η δέσμη αποκλίνει μετά το φακό: το είδωλο είναι φανταστικό, "
                                  "από την πλευρά της πηγής.")},
    {"plano_convex", QT_TRANSLATE_NOOP("Lessons", "Επιπεδόκυρτος φακός"),
     QT_TRANSLATE_NOOP("Lessons", "Επίπεδη μπροστά, δείκτης 1,5: εστιακή απόσταση 360, οπότε η "
                                  "πηγή στα 200 είναι μέσα στην εστία και η δέσμη αποκλίνει.")},
    {"diverging", QT_TRANSLATE_NOOP("Lessons", "Αποκλίνων φακός"),
     QT_TRANSLATE_NOOP("Lessons", "Αμφίκοιλος φακός: η δέσμη αποκλίνει μετά το φακό και οι "
                                  "εστίες αλλάζουν πλευρά.")},
};

// The line stays in the window's bottom left corner, below the picture's labels and left of
// the time bar, large enough to read from the back of the room.
QLabel& lessonNote(Kovril& w) {
    if (auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote")))
        return *note;
    auto* note = new QLabel(&w);
    note->setObjectName(QStringLiteral("lessonNote"));
    note->setAccessibleName(QCoreApplication::translate("Lessons", "Τι να δείτε"));
    note->setWordWrap(true);
    note->setMargin(8);
    QFont font = note->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    note->setFont(font);
    note->setAutoFillBackground(true);
    note->setFrameShape(QFrame::Box);
    return *note;
}

void showNote(Kovril& w, const QString& text) {
    QLabel& note = lessonNote(w);
    note.setText(text);
    note.show();
    note.raise();
    placeLessonNote(w);
}

} // namespace

void placeLessonNote(Kovril& w) {
    auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote"));
    if (!note || note->isHidden())
        return;
    // Left of the time bar; as tall as its wrapped text needs.
    const int width = w.width() / 4;
    note->setFixedWidth(width);
    note->setFixedHeight(note->heightForWidth(width));
    note->move(8, w.height() - note->height() - 8);
}

void hideLessonNote(Kovril& w) {
    if (auto* note = w.findChild<QLabel*>(QStringLiteral("lessonNote")))
        note->hide();
}

int lessonCount() {
    return static_cast<int>(std::size(lessons));
}

void addLessonMenu(Kovril& w, QMenu& menu) {
    QMenu* sub = menu.addMenu(QCoreApplication::translate("Lessons", "Μαθήματα"));
    sub->setObjectName(QStringLiteral("lessonMenu"));
    sub->menuAction()->setObjectName(QStringLiteral("actionLessons"));
    for (int lesson = 0; lesson < lessonCount(); ++lesson) {
        QAction* action =
            sub->addAction(QCoreApplication::translate("Lessons", lessons[lesson].title));
        action->setObjectName(QStringLiteral("lesson_%1").arg(lessons[lesson].file));
        QObject::connect(action, &QAction::triggered, &w, [&w, lesson] { openLesson(w, lesson); });
    }
}

bool openLesson(Kovril& w, int lesson) {
    if (!w.settleUnsavedChanges())
        return false;
    const Lesson& chosen = lessons[lesson];
    if (!w.openSceneFile(QStringLiteral(":/lessons/%1.kovril").arg(chosen.file)))
        return false;
    showNote(w, QStringLiteral("<b>%1</b><br>%2")
                    .arg(QCoreApplication::translate("Lessons", chosen.title),
                         QCoreApplication::translate("Lessons", chosen.look)));
    return true;
}

} // namespace scene
