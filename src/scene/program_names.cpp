// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/program_names.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>

namespace scene {

namespace {

// Where settings went while the program named no organisation.
const char* const unnamedOrganisation = "Unknown Organization";

void carryOverUnnamedSettings() {
    QSettings settings;
    if (!settings.allKeys().isEmpty())
        return;
    const QSettings old(QString::fromLatin1(unnamedOrganisation),
                        QCoreApplication::applicationName());
    for (const QString& key : old.allKeys())
        settings.setValue(key, old.value(key));
}

} // namespace

void nameTheProgram() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kovril"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("kovril.github.io"));
    QCoreApplication::setApplicationName(QStringLiteral("Kovril"));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kovril.Kovril"));
    carryOverUnnamedSettings();
}

} // namespace scene
