#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs Kovril into a scratch prefix and checks that a desktop finds it there: the
# program, its desktop entry, its icon and its AppStream metadata, each valid and each
# naming the others. Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
app=io.github.kovril.Kovril

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# A tool CI installs; elsewhere its check is skipped with a note.
have() {
    command -v "$1" >/dev/null && return 0
    [ -z "${CI:-}" ] || fail "$1 is missing (scripts/setup.sh installs it)"
    echo "skipped: $1 is not installed"
    return 1
}

desktop=$prefix/share/applications/$app.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$app.svg
metainfo=$prefix/share/metainfo/$app.metainfo.xml
mime=$prefix/share/mime/packages/$app.xml
[ -x "$prefix/bin/kovril" ] || fail "bin/kovril is not installed"
for file in "$desktop" "$icon" "$metainfo" "$mime"; do
    [ -s "$file" ] || fail "${file#"$prefix"/} is not installed"
done

entry() { sed -n "s/^$1=//p" "$desktop"; }
program=$(entry Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$program" ] || fail "Exec=$(entry Exec) is not the installed program"
[ "$(entry Exec | cut -d' ' -f2)" = "%f" ] || fail "Exec=$(entry Exec) takes no file"
[ "$(entry MimeType)" = "application/x-kovril-scene;" ] || fail "MimeType=$(entry MimeType)"
[ -n "$(entry 'Name\[en\]')" ] || fail "no English name"
[ "$(entry Icon)" = "$app" ] || fail "Icon=$(entry Icon) names no installed icon"
[ "$(entry Categories)" = "Education;Science;Physics;" ] || fail "Categories=$(entry Categories)"
for key in Name Comment; do
    entry "$key" | LC_ALL=C.UTF-8 grep -qP '\p{Greek}' || fail "$key is not Greek: $(entry "$key")"
done

if have desktop-file-validate; then
    desktop-file-validate "$desktop"
fi
if have xmllint; then
    [ "$(xmllint --xpath 'name(/*)' "$icon")" = svg ] || fail "the icon is not an SVG picture"
    field() { xmllint --xpath "string($1)" "$metainfo"; }
    [ "$(field /component/id)" = "$app" ] || fail "metainfo id $(field /component/id)"
    [ "$(field /component/launchable)" = "$app.desktop" ] || fail "metainfo launches no entry"
    [ "$(field /component/provides/binary)" = "$program" ] || fail "metainfo binary"
    [ "$(field /component/provides/mediatype)" = "application/x-kovril-scene" ] ||
        fail "metainfo names no scene type"
    [ -n "$(field '/component/name[@xml:lang="en"]')" ] || fail "metainfo has no English name"
    [ "$(field /component/project_license)" = "GPL-3.0-or-later" ] ||
        fail "metainfo project_license is $(field /component/project_license)"
    mimefield() {
        xmllint --xpath "string(//*[local-name()='mime-type']/*[local-name()='$1']/@$2)" "$mime"
    }
    [ "$(mimefield glob pattern)" = "*.kovril" ] || fail "the scene type has no *.kovril glob"
    [ "$(field '/component/releases/release[1]/@version')" = "$version" ] ||
        fail "metainfo release is not $version"
fi
if have appstreamcli; then
    # Its capital-letter check knows only Latin letters; a Greek summary is flagged wrongly.
    appstreamcli validate-tree --no-net --strict \
        --override=summary-first-word-not-capitalized=pedantic,description-first-word-not-capitalized=pedantic \
        "$prefix"
fi

if have update-mime-database; then
    # The installed type is one shared-mime-info can build its database from.
    update-mime-database "$prefix/share/mime"
    grep -q 'application/x-kovril-scene' "$prefix/share/mime/globs2" ||
        fail "the mime database knows no scene type"
fi

# The installed program starts on its own: still running after a few seconds.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/kovril" || status=$?
[ "$status" -eq 124 ] || fail "the installed program stopped with status $status"
echo "installed and valid: $prefix"
