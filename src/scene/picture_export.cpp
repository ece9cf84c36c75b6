// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/picture_export.h"

#include "scene/background.h"
#include "scene/kovril.h"
#include "scene/measuring.h"
#include "scene/object_controls.h"
#include "scene/scene_io.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSvgGenerator>

#include <functional>

namespace scene {

namespace {

constexpr int stripMargin = 8;

QFont stripFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(11);
    return font;
}

// The labels' texts, in the order the window shows them from left to right.
QStringList labelTexts(const Kovril& w) {
    QStringList texts;
    for (int label : {1, 3, 4, 2, 7, 5, 6})
        if (const std::string& text = w.state().labels.at(std::size_t(label)); !text.empty())
            texts << QString::fromStdString(text);
    if (w.state().object)
        for (const QLabel* label : w.controls().objectControls->labels())
            if (!label->text().isEmpty())
                texts << label->text();
    return texts;
}

// The texts set one after another, broken into lines that fit the width.
QStringList stripLines(const QStringList& texts, double width) {
    const QFontMetricsF metrics(stripFont());
    QStringList lines;
    QString line;
    for (const QString& text : texts) {
        const QString joined = line.isEmpty() ? text : line + QStringLiteral("     ") + text;
        if (!line.isEmpty() && metrics.horizontalAdvance(joined) > width) {
            lines << line;
            line = text;
        } else {
            line = joined;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

double stripHeight(const QStringList& lines) {
    return 2 * stripMargin +
           std::max<qsizetype>(1, lines.size()) * QFontMetricsF(stripFont()).lineSpacing();
}

void drawStrip(QPainter& p, const QRectF& area, const QStringList& lines, QColor background) {
    p.fillRect(area, background);
    p.setPen(Qt::black);
    p.setFont(stripFont());
    const double spacing = QFontMetricsF(stripFont()).lineSpacing();
    for (qsizetype i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(area.left() + stripMargin, area.top() + stripMargin + i * spacing,
                          area.width() - 2 * stripMargin, spacing),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
}

// The two markers exactly as the window paints them, without a focus ring.
void drawMarkers(QPainter& p, Kovril& w) {
    for (const surface::Shape* marker : {w.controls().shmeio, w.controls().kyklos}) {
        p.save();
        p.translate(marker->pos());
        marker->paintDisc(p);
        p.restore();
    }
}

// The picture part drawn again on a painter's device, in logical pixels, and cut at the
// picture's edges as the window cuts it: lines that run on beyond it stay out of the strip
// and off the page.
void drawVectorPicture(QPainter& p, Kovril& w, QColor background) {
    const QRectF picture(QPointF(0, 0), QSizeF(w.size()));
    p.fillRect(picture, background);
    p.save();
    p.setClipRect(picture);
    {
        surface::Surface page(p, QSizeF(w.size()), 96, background);
        w.replayOn(page);
        drawObjectOver(page, w);
    }
    p.restore();
}

// What every saved picture has besides the picture itself: the background, and the strip of
// label texts below the picture.
struct Sheet {
    QColor background;
    bool white = false;
    QStringList lines;
    QRectF strip;
    QSizeF size; // the picture and the strip
};

Sheet sheetFor(Kovril& w, bool white) {
    Sheet sheet;
    sheet.white = white;
    sheet.background = white ? QColor(Qt::white) : windowBackground;
    sheet.lines = stripLines(labelTexts(w), w.width() - 2 * stripMargin);
    sheet.strip = QRectF(0, w.height(), w.width(), stripHeight(sheet.lines));
    sheet.size = QSizeF(w.width(), w.height() + sheet.strip.height());
    return sheet;
}

// The markers and the measuring tools over the picture, and the strip below it.
void drawOverPicture(QPainter& p, Kovril& w, const Sheet& sheet) {
    drawMarkers(p, w);
    paintTools(p, w, true);
    drawStrip(p, sheet.strip, sheet.lines, sheet.background);
}

std::optional<QString> savePng(Kovril& w, const QString& path, const Sheet& sheet) {
    const qreal dpr = w.devicePixelRatioF();
    QImage image(QSize(w.width(), int(std::ceil(sheet.size.height()))) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(sheet.background);
    {
        QPainter p(&image);
        if (sheet.white) {
            surface::Surface picture(
                w.size(), dpr, QGuiApplication::primaryScreen()->logicalDotsPerInch(), Qt::white);
            w.replayOn(picture);
            p.drawImage(0, 0, picture.image());
        } else {
            p.drawImage(0, 0, w.surface().image());
        }
        {
            p.setRenderHint(QPainter::Antialiasing);
            surface::Surface over(p, QSizeF(w.size()), 96, sheet.background);
            drawObjectOver(over, w);
        }
        drawOverPicture(p, w, sheet);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    return writeWholeFile(path, png.data());
}

// What an SVG painter draws, as a document of its own.
QByteArray svgDocument(QSizeF size, const std::function<void(QPainter&)>& draw) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(96);
        svg.setSize(QSize(int(std::ceil(size.width())), int(std::ceil(size.height()))));
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(QStringLiteral("Kovril"));
        QPainter p(&svg);
        draw(p);
    }
    return file.data();
}

// Qt's SVG writer leaves clipping out, so the picture is drawn as an SVG of its own and
// nested in the page, where its viewport cuts it at its edges; markers and strip go over it.
std::optional<QString> saveSvg(Kovril& w, const QString& path, const Sheet& sheet) {
    const QByteArray picture = svgDocument(
        QSizeF(w.size()), [&](QPainter& p) { drawVectorPicture(p, w, sheet.background); });
    QByteArray page = svgDocument(sheet.size, [&](QPainter& p) { drawOverPicture(p, w, sheet); });
    const qsizetype body = picture.indexOf('>', picture.indexOf("<svg")) + 1;
    const QByteArray nested = QStringLiteral("<svg x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" "
                                             "viewBox=\"0 0 %1 %2\">")
                                  .arg(w.width())
                                  .arg(w.height())
                                  .toUtf8() +
                              picture.mid(body, picture.lastIndexOf("</svg>") - body) + "</svg>\n";
    page.insert(page.indexOf("</defs>") + 7, "\n" + nested);
    return writeWholeFile(path, page);
}

std::optional<QString> savePdf(Kovril& w, const QString& path, const Sheet& sheet) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        // A page of the picture's own size: a pixel is 1/96 inch.
        pdf.setPageSize(QPageSize(sheet.size * 72.0 / 96, QPageSize::Point));
        pdf.setTitle(QStringLiteral("Kovril"));
        pdf.setCreator(QStringLiteral("Kovril"));
        QPainter p(&pdf);
        drawVectorPicture(p, w, sheet.background);
        drawOverPicture(p, w, sheet);
    }
    return writeWholeFile(path, file.data());
}

} // namespace

std::optional<QString> savePicture(Kovril& window, const QString& path, bool whiteBackground) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const Sheet sheet = sheetFor(window, whiteBackground);
    if (suffix == QLatin1String("png"))
        return savePng(window, path, sheet);
    if (suffix == QLatin1String("svg"))
        return saveSvg(window, path, sheet);
    if (suffix == QLatin1String("pdf"))
        return savePdf(window, path, sheet);
    return QCoreApplication::translate("Pictures",
                                       "η κατάληξη του ονόματος πρέπει να είναι .png, .svg ή .pdf");
}

} // namespace scene
