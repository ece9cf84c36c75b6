// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

class QPaintDevice;

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

// Asks for huge pages under the memory a painter is about to paint into: a window's backing
// store, new after a resize, is first touched by the paint that fills it.
void preferHugePagesFor(const QPaintDevice* device);

} // namespace surface
