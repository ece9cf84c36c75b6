// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts that come from files and the command line, made safe to show: a name in a file could
// otherwise clear a terminal, forge a line or fill a message box.
namespace scene {

// The name with every control character written as an escape (\n, \x1b, \u202e), cut to a
// readable length with "…".
QString shownName(const QString& name);

// A whole message for a terminal: control characters escaped, line breaks kept.
QString forTerminal(const QString& text);

} // namespace scene
