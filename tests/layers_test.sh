#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers point one way: geometry <- surface <- the drawing procedures <- scene. A file
# may include headers of its own layer and of the layers below it, never of those above.
# The drawing folders are in order too: each may use those listed before it, none after.
set -uo pipefail
src=${1:?usage: layers_test.sh SRC_DIR}
drawing="optics beam continuation timestep print profile image"
failures=0

# Prints the project headers a folder includes that lie outside the allowed folders.
reaches_up() {
    local folder=$1 allowed=$2
    grep -Hn '#include "' "$src/$folder"/*.cpp "$src/$folder"/*.h 2>/dev/null |
        grep -Ev "#include \"($allowed)/"
}

check() {
    local what=$1 found=$2
    if [ -n "$found" ]; then
        echo "FAIL: $what"
        echo "$found"
        failures=$((failures + 1))
    fi
}

check "geometry includes only itself" "$(reaches_up geometry geometry)"
check "geometry includes no Qt header" \
    "$(grep -Hn '#include <Q' "$src"/geometry/*.cpp "$src"/geometry/*.h)"
check "surface includes only geometry and itself" "$(reaches_up surface 'geometry|surface')"
below=""
for layer in $drawing; do
    below="$below|$layer"
    check "$layer includes nothing of the window nor of a drawing folder after it" \
        "$(reaches_up "$layer" "geometry|surface$below")"
done
check "only the window and the entry point call scene::form()" \
    "$(grep -rn 'scene::form()\|\bform()' "$src" --include=*.cpp --include=*.h | grep -v -e "^$src/scene/" -e "^$src/main.cpp:")"

if [ "$failures" -eq 0 ]; then
    echo "1 passed, 0 failed"
    exit 0
fi
echo "0 passed, $failures failed"
exit 1
