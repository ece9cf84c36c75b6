// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace scene {

// The window's picture background, also behind saved pictures. Not black: the lens is filled
// by a flood fill that stops only at black.
inline const QColor windowBackground(236, 236, 236);

} // namespace scene
