// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The interface's language: Greek, whose texts are the program's own, or English.
namespace scene {

// "el" or "en": the one asked for, else Greek when the system's first interface language is
// Greek, C or POSIX, else English.
QString chooseLanguage(const QString& requested);

// Puts the language's translations in place of any earlier ones.
void installLanguage(const QString& language);

// The English of one of the program's Greek texts, whatever the window's language.
QString englishOf(const char* context, const char* greek);

} // namespace scene
