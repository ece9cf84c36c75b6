// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/plain_text.h"

#include <QList>

namespace scene {

namespace {

constexpr qsizetype shownLength = 40;

// C0 and C1 controls, DEL, and the marks that turn the direction of text round.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x2028 ||
           c == 0x2029;
}

QString escaped(char32_t c) {
    switch (c) {
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    }
    return c < 0x100 ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                     : QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
}

QString escapeControls(const QString& text, bool keepLineBreaks) {
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (isControl(c) && !(keepLineBreaks && c == '\n'))
            out += escaped(c);
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

} // namespace

QString shownName(const QString& name) {
    const QString cut = name.size() > shownLength ? name.left(shownLength) : name;
    QString shown = escapeControls(cut, false);
    if (cut.size() < name.size())
        shown += QStringLiteral("…");
    return shown;
}

QString forTerminal(const QString& text) {
    return escapeControls(text, true);
}

} // namespace scene
