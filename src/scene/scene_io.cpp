// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/scene_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace scene {

namespace {

// Why a file was not written, in the interface's language, with the system's own words after.
QString writeProblem(const QFileDevice& file) {
    QString why;
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        why = QCoreApplication::translate("SceneFiles", "δεν επιτρέπεται η εγγραφή εκεί");
        break;
    case QFileDevice::OpenError:
        why =
            QCoreApplication::translate("SceneFiles", "ο φάκελος δεν υπάρχει ή δεν δέχεται αρχεία");
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        why = QCoreApplication::translate("SceneFiles", "ο δίσκος γέμισε ή δεν δέχεται άλλα");
        break;
    default:
        why = QCoreApplication::translate("SceneFiles", "η εγγραφή δεν ολοκληρώθηκε");
    }
    return QStringLiteral("%1 (%2)").arg(why, file.errorString());
}

std::function<QString(FileChoice, const QString&)>& chooser() {
    static std::function<QString(FileChoice, const QString&)> instance;
    return instance;
}

const QString lastFolderKey = QStringLiteral("files/lastFolder");

QString startFolder() {
    const QString last = QSettings().value(lastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    return documents;
}

QString askWithDialog(QWidget* parent, FileChoice choice, const QString& proposed) {
    switch (choice) {
    case FileChoice::OpenScene:
        return QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("SceneFiles", "Άνοιγμα σκηνής"),
            QFileInfo(proposed).absolutePath(),
            QCoreApplication::translate("SceneFiles", "Σκηνές Kovril (*.kovril)"));
    case FileChoice::SaveScene:
        return QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("SceneFiles", "Αποθήκευση σκηνής"), proposed,
            QCoreApplication::translate("SceneFiles", "Σκηνές Kovril (*.kovril)"));
    case FileChoice::SavePicture:
        return QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("SceneFiles", "Αποθήκευση εικόνας"), proposed,
            QCoreApplication::translate("SceneFiles", "Εικόνες (*.png *.svg *.pdf)"));
    }
    return {};
}

} // namespace

std::variant<geometry::SceneState, QString> loadSceneFile(const QString& path,
                                                          const geometry::SceneState& defaults) {
    // A pipe or a device would keep the program waiting for bytes that may never come.
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("SceneFiles", "δεν υπάρχει");
    if (!info.isFile())
        return QCoreApplication::translate("SceneFiles", "δεν είναι κανονικό αρχείο");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return (file.error() == QFileDevice::PermissionsError
                    ? QCoreApplication::translate("SceneFiles", "δεν επιτρέπεται η ανάγνωσή του")
                    : QCoreApplication::translate("SceneFiles", "δεν διαβάζεται")) +
               QStringLiteral(" (%1)").arg(file.errorString());
    // One byte more than the limit tells a file too large without reading all of it.
    const QByteArray bytes = file.read(sceneFileLimit + 1);
    return readScene(bytes, defaults);
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    // A save renames a new file over the old: over a device, a pipe or a folder (or a link to
    // one) that would replace what is no document. A dangling link is refused too.
    const QFileInfo info(path);
    if ((info.exists() && !info.isFile()) || (info.isSymLink() && !info.exists()))
        return QCoreApplication::translate("SceneFiles",
                                           "δεν είναι κανονικό αρχείο ούτε νέο όνομα");
    QSaveFile file(path);
    // Unbuffered: a buffered flush that writes only part (a full disk, a size limit) is not
    // reported, and the commit would put a cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeProblem(file);
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.error() == QFileDevice::NoError
                                ? QCoreApplication::translate("SceneFiles", "δεν γράφτηκε ολόκληρο")
                                : writeProblem(file);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return writeProblem(file);
    return std::nullopt;
}

std::optional<QString> saveSceneFile(const QString& path, const geometry::SceneState& document) {
    // Never write what will not open again.
    const QByteArray bytes = writeScene(document);
    const std::variant<geometry::SceneState, QString> reread = readScene(bytes, document);
    if (const QString* problem = std::get_if<QString>(&reread))
        return *problem;
    return writeWholeFile(path, bytes);
}

QString proposedPath(FileChoice choice, const QString& scenePath) {
    const QString base =
        scenePath.isEmpty() ? QStringLiteral("kovril") : QFileInfo(scenePath).completeBaseName();
    const QString name = choice == FileChoice::SavePicture ? base + QStringLiteral(".png")
                                                           : base + QStringLiteral(".kovril");
    return QDir(startFolder()).filePath(name);
}

QString chooseFile(QWidget* parent, FileChoice choice, const QString& scenePath) {
    const QString proposed = proposedPath(choice, scenePath);
    QString path =
        chooser() ? chooser()(choice, proposed) : askWithDialog(parent, choice, proposed);
    if (path.isEmpty())
        return path;
    if (choice != FileChoice::OpenScene && QFileInfo(path).suffix().isEmpty())
        path +=
            choice == FileChoice::SavePicture ? QStringLiteral(".png") : QStringLiteral(".kovril");
    QSettings().setValue(lastFolderKey, QFileInfo(path).absolutePath());
    return path;
}

void setPathChooser(std::function<QString(FileChoice, const QString&)> c) {
    chooser() = std::move(c);
}

void setFileChooser(std::function<QString(FileChoice)> c) {
    if (!c) {
        chooser() = {};
        return;
    }
    chooser() = [c = std::move(c)](FileChoice choice, const QString&) { return c(choice); };
}

} // namespace scene
