#pragma once

#include <QImage>
#include <QSize>

class QWidget;

namespace surface {

// Memory for whole-window pictures. A 4K picture is 33 MB; touched for the first time in
// pages of 4 KiB it costs thousands of page faults, tens of milliseconds on some machines,
// at start-up and whenever a picture of that size is made anew. Where the kernel offers huge
// pages on request, these ask for them.

// A new RGB32 image, not yet filled.
QImage newPicture(QSize pixels, qreal devicePixelRatio);

// The same picture in another image, reusing that image's memory when it is unshared and of
// the same size and format.
void copyPicture(const QImage& from, QImage& into);

// Asks for huge pages under the window's backing store, before its first paint touches it.
void preferHugePagesForBackingStore(QWidget& window);

} // namespace surface
