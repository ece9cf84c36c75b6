// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>
#include <QStringList>

namespace surface {

// Where a caption may break into lines: labels only between quantities, so that a name never
// stands apart from its value ("name= value"); buttons between any words.
enum class CaptionBreaks { BetweenQuantities, BetweenWords };

// How far a label's text shrinks before it is cut: a quantity that cannot break stays whole
// on a small window.
constexpr double leastLabelScale = 0.45;

struct CaptionLayout {
    QFont font;        // the font as drawn, perhaps smaller than the control's own
    QStringList lines; // the caption's lines, top to bottom
    bool fits = false; // every line within the width and all of them within the height
};

// The smallest shrink of the font, down to minScale of its size, at which the caption breaks
// into lines that fit the box; at minScale when nothing fits.
CaptionLayout layOutCaption(const QString& text, const QFont& font, QSizeF box,
                            CaptionBreaks breaks, double minScale = 0.6);

} // namespace surface
