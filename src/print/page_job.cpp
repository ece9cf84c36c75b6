// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_job.h"

#include "surface/messagebox.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace print {

namespace {

// The page does not depend on the screen: a fixed resolution for every device.
constexpr int pageResolution = 600;

QString& directedFile() {
    static QString path;
    return path;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

std::unique_ptr<QPrinter> systemPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return nullptr;
        info = printers.first();
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// Creates a new, empty file in the folder under a name no other file has, so that
// nothing is ever overwritten; returns its path, or an empty string.
QString reserveNewFile(const QString& folder) {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const QString name = attempt == 1
                                 ? QStringLiteral("Kovril_%1.pdf").arg(stamp)
                                 : QStringLiteral("Kovril_%1_%2.pdf").arg(stamp).arg(attempt);
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        // Only a name already taken is worth another try; anything else fails again.
        if (!QFileInfo::exists(path))
            return {};
    }
    return {};
}

} // namespace

void directPagesTo(const QString& pdfPath) {
    directedFile() = pdfPath;
}

PageJob::PageJob() {
    if (!directedFile().isEmpty()) {
        if (!begin(pdfPrinter(directedFile())))
            surface::MsgBox(
                QCoreApplication::translate("Printing", "Η σελίδα δεν γράφτηκε στο αρχείο %1.")
                    .arg(directedFile()));
        return;
    }
    std::unique_ptr<QPrinter> printer = systemPrinter();
    if (printer && begin(std::move(printer)))
        return;
    printerFailed_ = printer_ != nullptr;
    if (beginFallbackFile())
        return;
    const QString why = printerFailed_
                            ? QCoreApplication::translate("Printing", "η εκτύπωση δεν ξεκίνησε")
                            : QCoreApplication::translate("Printing", "δεν υπάρχει εκτυπωτής");
    surface::MsgBox(QCoreApplication::translate("Printing", "Η σελίδα δεν εκτυπώθηκε: ") + why +
                    QCoreApplication::translate(
                        "Printing", " και δεν ήταν δυνατό να γραφτεί αρχείο PDF στον φάκελο "
                                    "των εγγράφων."));
}

PageJob::~PageJob() {
    if (painter_.isActive())
        painter_.end();
}

bool PageJob::begin(std::unique_ptr<QPrinter> printer) {
    printer_ = std::move(printer);
    printer_->setResolution(pageResolution);
    printer_->setFullPage(false);
    // Landscape before the page size is read: it decides the proportions of the frame.
    printer_->setPageOrientation(QPageLayout::Landscape);
    printer_->setDocName(QStringLiteral("Kovril"));
    printer_->setCreator(QStringLiteral("Kovril"));
    if (!painter_.begin(printer_.get()))
        return false;
    const int resolution = printer_->resolution();
    const QRect area = printer_->pageLayout().paintRectPixels(resolution);
    page_ = std::make_unique<surface::Surface>(painter_, QSizeF(area.size()), resolution);
    return true;
}

bool PageJob::beginFallbackFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString path = reserveNewFile(folder);
    if (path.isEmpty())
        return false;
    if (!begin(pdfPrinter(path))) {
        QFile::remove(path);
        return false;
    }
    fallbackFile_ = path;
    return true;
}

void PageJob::finish() {
    if (!painter_.isActive())
        return;
    painter_.end();
    if (fallbackFile_.isEmpty())
        return;
    const QString why = printerFailed_
                            ? QCoreApplication::translate("Printing", "Η εκτύπωση δεν ξεκίνησε.")
                            : QCoreApplication::translate("Printing", "Δεν βρέθηκε εκτυπωτής.");
    surface::MsgBox(
        why +
        QCoreApplication::translate("Printing", " Η σελίδα αποθηκεύτηκε ως PDF στο αρχείο:\n") +
        QDir::toNativeSeparators(fallbackFile_));
}

} // namespace print
