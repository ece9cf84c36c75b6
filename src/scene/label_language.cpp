// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/label_language.h"

#include "scene/language.h"

#include <QCoreApplication>

#include <vector>

namespace scene {

namespace {

struct Name {
    const char* context;
    const char* greek;
};

// Every name the program puts before a number in a label, as the captions and handlers
// write it.
constexpr Name labelNames[] = {
    {"Window", QT_TRANSLATE_NOOP("Window", "ψ= ")},
    {"Window", QT_TRANSLATE_NOOP("Window", "ψ κίτρινο= ")},
    {"Window", QT_TRANSLATE_NOOP("Window", "ψ blue = ")},
    {"Window", QT_TRANSLATE_NOOP("Window", "αριθμός σημείων =")},
    {"Window", QT_TRANSLATE_NOOP("Window", "Χρονος=")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "ψ blue = ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "πρόσπτωσης= ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", " διάθλασης= ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "προσπτωσης =")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", " διάθλασης =")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "δείκτης = ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "χρόνος = ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "ολική ανάκλαση   ")},
    {"Captions", QT_TRANSLATE_NOOP("Captions", "  ορική = ")},
};

struct Spelling {
    QString written; // as a window of either language wrote it
    QString shown;   // as this window writes it
};

std::vector<Spelling> spellings() {
    std::vector<Spelling> all;
    for (const Name& name : labelNames) {
        const QString shown = QCoreApplication::translate(name.context, name.greek);
        all.push_back({QString::fromUtf8(name.greek), shown});
        all.push_back({englishOf(name.context, name.greek), shown});
    }
    return all;
}

} // namespace

QString inWindowLanguage(const QString& label) {
    const std::vector<Spelling> known = spellings();
    QString result;
    qsizetype at = 0;
    // Left to right, the longest name that starts here, so that «ψ= » never takes the
    // start of «ψ κίτρινο= ».
    while (at < label.size()) {
        const Spelling* best = nullptr;
        for (const Spelling& s : known)
            if (!s.written.isEmpty() && QStringView(label).mid(at).startsWith(s.written) &&
                (!best || s.written.size() > best->written.size()))
                best = &s;
        if (best) {
            result += best->shown;
            at += best->written.size();
        } else {
            result += label[at++];
        }
    }
    return result;
}

} // namespace scene
