#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file the repository tracks differs from what clang-format makes of it, or
# when a source, test, script or CMake file does not name its licence at its top.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
unlicensed=$(git ls-files '*.cpp' '*.h' '*.sh' '*.py' 'CMakeLists.txt' '*/CMakeLists.txt' \
    '.ci/run' | while read -r file; do
    head -2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
done)
if [ -n "$unlicensed" ]; then
    echo "no SPDX-License-Identifier line at the top of:" >&2
    echo "$unlicensed" >&2
    exit 1
fi
