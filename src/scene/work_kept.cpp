// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's file, its unsaved work, and the question before that work is lost.
#include "scene/kovril.h"
#include "scene/scene_io.h"
#include "surface/messagebox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void Kovril::showTitle() {
    const bool modified = !history_.atSaved();
    // Without a change the start-up title stays exactly as it always was.
    const QString mark = modified ? QStringLiteral("[*]") : QString();
    const QString title = QCoreApplication::translate("Window", "Πορεία Ακτίνων: αρχή Kovril");
    if (scenePath_.isEmpty())
        setWindowTitle(title + mark);
    else
        setWindowTitle(
            QStringLiteral("%1%2 — %3").arg(QFileInfo(scenePath_).fileName(), mark, title));
    // After the title: the mark needs its placeholder there.
    setWindowModified(modified);
}

bool Kovril::saveSceneTo(const QString& path) {
    if (const std::optional<QString> problem = scene::saveSceneFile(path, state_)) {
        surface::MsgBox(QCoreApplication::translate(
                            "Kovril", "Η σκηνή δεν αποθηκεύτηκε στο αρχείο %1: %2. Ό,τι "
                                      "υπήρχε ήδη εκεί έμεινε όπως ήταν· δοκιμάστε άλλο "
                                      "φάκελο ή όνομα.")
                            .arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    scenePath_ = path;
    history_.markSaved();
    showTitle();
    return true;
}

bool Kovril::settleUnsavedChanges() {
    if (history_.atSaved())
        return true;
    switch (surface::askAboutUnsaved(QCoreApplication::translate(
        "Kovril", "Η σκηνή έχει αλλαγές που δεν αποθηκεύτηκαν. Να αποθηκευτούν;"))) {
    case surface::UnsavedAnswer::Discard:
        return true;
    case surface::UnsavedAnswer::Cancel:
        return false;
    case surface::UnsavedAnswer::Save:
        break;
    }
    // A lesson lives inside the program, where nothing can be written: its work needs a place.
    const bool ownFile = !scenePath_.isEmpty() && !scenePath_.startsWith(QLatin1Char(':'));
    const QString path =
        ownFile ? scenePath_ : scene::chooseFile(this, scene::FileChoice::SaveScene, scenePath_);
    return !path.isEmpty() && saveSceneTo(path);
}

void Kovril::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges())
        event->accept();
    else
        event->ignore();
}
