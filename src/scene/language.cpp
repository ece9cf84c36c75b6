// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace scene {

QString chooseLanguage(const QString& requested) {
    if (!requested.isEmpty())
        return requested;
    const QStringList languages = QLocale::system().uiLanguages();
    const QString first = languages.isEmpty() ? QString() : languages.first();
    // A machine with no language set (CI, a bare console) gets the program as it was written.
    if (first.isEmpty() || first == QLatin1String("C") || first == QLatin1String("POSIX") ||
        first.startsWith(QLatin1String("el")))
        return QStringLiteral("el");
    return QStringLiteral("en");
}

void installLanguage(const QString& language) {
    static std::unique_ptr<QTranslator> translator;
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator = std::make_unique<QTranslator>();
    // The program's texts are Greek already; in Greek, Qt's own dialogs need theirs.
    const QString file = language == QLatin1String("el")
                             ? QStringLiteral(":/i18n/qt_el.qm")
                             : QStringLiteral(":/i18n/kovril_%1.qm").arg(language);
    if (translator->load(file))
        QCoreApplication::installTranslator(translator.get());
}

QString englishOf(const char* context, const char* greek) {
    static const std::unique_ptr<QTranslator> english = [] {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/kovril_en.qm")))
            translator.reset();
        return translator;
    }();
    const QString text = english ? english->translate(context, greek) : QString();
    return text.isEmpty() ? QString::fromUtf8(greek) : text;
}

} // namespace scene
