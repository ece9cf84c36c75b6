// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/mutation.h"

namespace mutation {

void editOnce(QByteArray& bytes, std::mt19937& random) {
    if (bytes.isEmpty())
        return;
    const qsizetype at = qsizetype(random() % std::uint32_t(bytes.size()));
    switch (random() % 4) {
    case 0:
        bytes[at] = char(random());
        break;
    case 1:
        bytes.remove(at, 1 + qsizetype(random() % 8));
        break;
    case 2:
        bytes.insert(at, "0123456789-.e,:{}[]\""[random() % 20]);
        break;
    case 3:
        bytes.truncate(at);
        break;
    }
}

} // namespace mutation
