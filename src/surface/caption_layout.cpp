// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/caption_layout.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace surface {

namespace {

struct Piece {
    QString text;
    QString gap; // the blanks before it, dropped when a line breaks there
};

// The caption cut where it may break; blanks where it may not stay inside the pieces. A
// quantity never parts: no break inside a name of several words ("ψ blue"), nor next to an
// equals sign. Quantities part after a value, or where a run of blanks stands between them.
std::vector<Piece> piecesOf(const QString& text, CaptionBreaks breaks) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words;
    QStringList gaps; // gaps[i] stands between words[i] and words[i + 1]
    qsizetype start = 0;
    QRegularExpressionMatchIterator it = blanks.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch gap = it.next();
        words << text.mid(start, gap.capturedStart() - start);
        gaps << gap.captured();
        start = gap.capturedEnd();
    }
    words << text.mid(start);

    std::vector<Piece> pieces{Piece{words.first(), {}}};
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& before = words[i - 1];
        const QString& after = words[i];
        const bool nextToEquals =
            before.endsWith(QLatin1Char('=')) || after.startsWith(QLatin1Char('='));
        const bool afterValue = pieces.back().text.contains(QLatin1Char('='));
        const bool wideGap = gaps[i - 1].size() > 1;
        const bool breakable =
            breaks == CaptionBreaks::BetweenWords || (!nextToEquals && (afterValue || wideGap));
        if (breakable)
            pieces.push_back(Piece{after, gaps[i - 1]});
        else
            pieces.back().text += gaps[i - 1] + after;
    }
    return pieces;
}

CaptionLayout layOutAt(const std::vector<Piece>& pieces, const QFont& font, QSizeF box) {
    CaptionLayout layout{font, {}, true};
    const QFontMetricsF metrics(font);
    QString line;
    for (const Piece& piece : pieces) {
        const QString joined = line + piece.gap + piece.text;
        if (line.isEmpty() || metrics.horizontalAdvance(joined) <= box.width()) {
            line = line.isEmpty() ? piece.text : joined;
            continue;
        }
        layout.lines << line;
        line = piece.text;
    }
    if (!line.isEmpty())
        layout.lines << line;
    for (const QString& l : layout.lines)
        layout.fits = layout.fits && metrics.horizontalAdvance(l) <= box.width();
    const double height = layout.lines.size() * metrics.lineSpacing();
    layout.fits = layout.fits && height <= box.height();
    return layout;
}

} // namespace

CaptionLayout layOutCaption(const QString& text, const QFont& font, QSizeF box,
                            CaptionBreaks breaks, double minScale) {
    const std::vector<Piece> pieces = piecesOf(text, breaks);
    const double size = font.pointSizeF();
    CaptionLayout layout;
    // Five-percent steps: fine enough that the text stays as large as the box allows.
    for (double scale = 1.0;; scale = std::max(minScale, scale - 0.05)) {
        QFont shrunk = font;
        shrunk.setPointSizeF(size * scale);
        layout = layOutAt(pieces, shrunk, box);
        if (layout.fits || scale <= minScale)
            return layout;
    }
}

} // namespace surface
