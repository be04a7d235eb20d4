#!/usr/bin/env bash
# Installs Debian packages that are missing, with apt-get; the one place the scripts do so.
#   scripts/install-deps.sh              what Karvela needs to build, run and test
#   scripts/install-deps.sh PACKAGE...   these packages
set -euo pipefail

packages=("$@")
if [ ${#packages[@]} -eq 0 ]; then
    packages=(
        build-essential cmake ninja-build
        qt6-base-dev qt6-translations-l10n
        fonts-liberation fonts-dejavu-core
        xvfb xauth x11-utils openbox imagemagick dbus-x11 at-spi2-core python3-pyatspi xdotool orca
        cups-daemon cups-client poppler-utils
        desktop-file-utils
    )
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
