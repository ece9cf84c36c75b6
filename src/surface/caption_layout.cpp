#include "surface/caption_layout.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace surface {

namespace {

struct Piece {
    QString text;
    QString gap; // the blanks before it, dropped when a line breaks there
};

bool endsInDigit(const QString& text) {
    return !text.isEmpty() && text.back().isDigit();
}

// The caption cut where it may break; blanks where it may not stay inside the pieces.
std::vector<Piece> piecesOf(const QString& text, CaptionBreaks breaks) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    std::vector<Piece> pieces;
    qsizetype start = 0;
    QString pendingGap;
    QRegularExpressionMatchIterator it = blanks.globalMatch(text);
    Piece current;
    while (it.hasNext()) {
        const QRegularExpressionMatch gap = it.next();
        const QString word = text.mid(start, gap.capturedStart() - start);
        current.text += pendingGap + word;
        pendingGap = gap.captured();
        start = gap.capturedEnd();
        const bool breakable =
            breaks == CaptionBreaks::BetweenWords || endsInDigit(word) || pendingGap.size() > 1;
        if (breakable && !current.text.isEmpty()) {
            pieces.push_back(current);
            current = Piece{{}, pendingGap};
            pendingGap.clear();
        }
    }
    current.text += pendingGap + text.mid(start);
    if (!current.text.isEmpty())
        pieces.push_back(current);
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
