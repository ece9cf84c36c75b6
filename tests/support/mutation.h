// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <random>

namespace mutation {

// One random edit of a file's bytes at a random place: a byte changed, a few removed, a
// character of JSON's grammar put in, or the rest cut off.
void editOnce(QByteArray& bytes, std::mt19937& random);

} // namespace mutation
