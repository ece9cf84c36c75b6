#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks what it holds and what it depends on,
# as a school's machine will see it. Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
app=io.github.kovril.Kovril

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" ||
    { cat "$out/cpack.log"; fail "cpack could not build the package"; }
debs=("$out"/kovril_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no kovril_*.deb"
deb=${debs[0]}

echo "== ${deb##*/}"
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"

contents=$(dpkg-deb -c "$deb")
for path in usr/bin/kovril usr/share/applications/$app.desktop \
    usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/metainfo/$app.metainfo.xml \
    usr/share/doc/kovril/copyright; do
    grep -q " \./$path\$" <<<"$contents" || fail "$path is not in the package"
done
grep -q "^-rwxr-xr-x root/root .* \./usr/bin/kovril\$" <<<"$contents" ||
    fail "usr/bin/kovril is not an executable owned by root"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-dejavu-core; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "the package is not for this machine's architecture"

# apt can satisfy every dependency from what this machine has or can fetch.
if command -v apt-get >/dev/null; then
    apt-get install --simulate --no-download "$deb" >"$out/apt.log" 2>&1 ||
        { cat "$out/apt.log"; fail "apt cannot install the package"; }
fi
echo "package holds the program and its desktop files; Depends: $depends"
