#!/usr/bin/env bash
# Installs Debian packages that are missing, with apt-get; the one place the scripts do so.
#   scripts/install-deps.sh [build]      what Karvela needs to build and run
#   scripts/install-deps.sh test         that, and what the tests run: an X server, a window
#                                        manager, the accessibility tools and screen reader,
#                                        a print server, PDF and desktop-file tools
#   scripts/install-deps.sh package      that of build, and what makes the Debian package
#   scripts/install-deps.sh windows      that of build, and the cross compilers and installer maker
#   scripts/install-deps.sh PACKAGE...   these packages
set -euo pipefail

build=(build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core)
case "${1:-build}" in
    build) packages=("${build[@]}") ;;
    test)
        packages=("${build[@]}"
                  xvfb xauth x11-utils openbox imagemagick xdotool dbus-x11 at-spi2-core python3-pyatspi orca
                  cups-daemon cups-client poppler-utils desktop-file-utils appstream) ;;
    package) packages=("${build[@]}" dpkg-dev file) ;;
    windows) packages=("${build[@]}" g++-mingw-w64-x86-64-posix dpkg-dev nsis zip) ;;
    *) packages=("$@") ;;
esac

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
