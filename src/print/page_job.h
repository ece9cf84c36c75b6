// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surface.h"

#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace print {

// Sends the next pages to this PDF file instead of a printer (tests, scripts); an empty
// path restores the normal choice.
void directPagesTo(const QString& pdfPath);

// One printed page. The device is the system's default printer (or the first one); when
// there is none, or its job cannot start, the page becomes a new PDF file in the user's
// documents folder, and the student is told where. Landscape, at a fixed resolution.
class PageJob {
public:
    PageJob();
    ~PageJob();
    PageJob(const PageJob&) = delete;
    PageJob& operator=(const PageJob&) = delete;

    // The page to draw on; null when no device could be opened (already reported).
    surface::Surface* page() { return page_.get(); }
    // Ends the document: the page goes to the printer or into its file.
    void finish();

private:
    bool begin(std::unique_ptr<QPrinter> printer);
    bool beginFallbackFile();

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::unique_ptr<surface::Surface> page_;
    QString fallbackFile_; // the PDF written because no printer took the page
    bool printerFailed_ = false;
};

} // namespace print
