#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs from it:
# the program, a valid desktop entry and AppStream metainfo under one id, the iskât
# file's MIME type that the entry opens, and the icon in the hicolor theme.
set -euo pipefail
build=$1
shift # the icon sizes that follow
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/karvela"
for size in "$@"; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/org.karvela.Karvela.png"
done
desktop="$prefix/share/applications/org.karvela.Karvela.desktop"
grep -qx 'Exec=karvela %f' "$desktop"
grep -qx 'MimeType=application/x-karvela-iskat;' "$desktop"
# The iskât file's type, which the desktop entry opens.
mime="$prefix/share/mime/packages/org.karvela.Karvela.xml"
grep -qF '<mime-type type="application/x-karvela-iskat">' "$mime"
grep -qF '<glob pattern="*.karvela"/>' "$mime"
if command -v xmllint >/dev/null; then
    xmllint --noout "$mime"
fi
grep -qx 'Icon=org.karvela.Karvela' "$desktop"
# One id: the desktop entry is the one the AppStream metainfo launches.
metainfo="$prefix/share/metainfo/org.karvela.Karvela.metainfo.xml"
grep -qF '<launchable type="desktop-id">org.karvela.Karvela.desktop</launchable>' "$metainfo"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null
fi
echo "install layout: 1 passed, 0 failed"
