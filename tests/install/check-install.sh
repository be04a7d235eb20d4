#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs from it:
# the program, a valid desktop entry and the icon in the hicolor theme.
set -euo pipefail
build=$1
shift # the icon sizes that follow
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/karvela"
for size in "$@"; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/karvela.png"
done
desktop="$prefix/share/applications/karvela.desktop"
grep -qx 'Exec=karvela' "$desktop"
grep -qx 'Icon=karvela' "$desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
fi
echo "install layout: 1 passed, 0 failed"
