// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Label texts the program wrote, in whichever language the window that wrote them had.
namespace scene {

// The label with every name the program writes into labels («χρόνος = », "index = ", …)
// in the window's language; its numbers and anything else are kept as they are.
QString inWindowLanguage(const QString& label);

} // namespace scene
