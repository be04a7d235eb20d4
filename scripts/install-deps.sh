#!/usr/bin/env bash
# Installs what Karvela needs to build, run and test on Debian 12, if it is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-utils openbox imagemagick dbus-x11 at-spi2-core python3-pyatspi xdotool desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
