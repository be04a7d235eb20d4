#!/usr/bin/env bash
# Installs Debian packages that are missing, with apt-get; the one place the scripts do so.
#   scripts/install-deps.sh [build]      what Karvela needs to build and run
#   scripts/install-deps.sh test         that, and what the tests run: an X server, a window
#                                        manager, the accessibility tools and screen reader,
#                                        a print server, PDF and desktop-file tools
#   scripts/install-deps.sh package      that of build, and what makes the Debian package
#   scripts/install-deps.sh windows      that of build, and the cross compilers and installer maker
#   scripts/install-deps.sh source PACKAGE DIR
#                                        Debian's source package of PACKAGE, unpacked into
#                                        the new folder DIR (adding source entries for the
#                                        machine's archives where APT has none)
#   scripts/install-deps.sh PACKAGE...   these packages
set -euo pipefail
sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo

# Source entries for the archives the machine uses, from either form of APT sources:
# one-line entries (sources.list, *.list) and deb822 stanzas (*.sources).
add_source_entries() {
    local list=/etc/apt/sources.list.d/karvela-deb-src.list deb822=/etc/apt/sources.list.d/karvela-deb-src.sources
    local entries stanzas
    entries=$({ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
              sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p')
    stanzas=$(for file in /etc/apt/sources.list.d/*.sources; do
                  [ -e "$file" ] && [ "$file" != "$deb822" ] || continue
                  sed 's/^Types:.*$/Types: deb-src/' "$file"
                  echo
              done)
    if [ -n "$entries" ]; then echo "$entries" | $sudo tee "$list" >/dev/null; fi
    if [ -n "$stanzas" ]; then echo "$stanzas" | $sudo tee "$deb822" >/dev/null; fi
    $sudo apt-get update -q
}

if [ "${1:-}" = source ]; then
    bash "$0" dpkg-dev
    if ! apt-get source --print-uris "$2" >/dev/null 2>&1; then
        add_source_entries
        apt-get source --print-uris "$2" >/dev/null 2>&1 || {
            echo "APT has no source packages: add a deb-src entry for Debian 12 (bookworm) main"
            echo "to /etc/apt/sources.list, run apt-get update, then run this again."
            exit 1
        }
    fi
    mkdir -p "$(dirname "$3")"
    cd "$(dirname "$3")"
    apt-get source -q --download-only "$2" >/dev/null
    dpkg-source -x "$2"_*.dsc "$(basename "$3")" >/dev/null
    exit 0
fi

build=(build-essential cmake ninja-build qt6-base-dev libnova-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core)
case "${1:-build}" in
    build) packages=("${build[@]}") ;;
    test)
        packages=("${build[@]}"
                  xvfb xauth x11-utils openbox imagemagick xdotool dbus-x11 at-spi2-core python3-pyatspi orca
                  cups-daemon cups-client poppler-utils desktop-file-utils appstream) ;;
    package) packages=("${build[@]}" dpkg-dev file) ;;
    windows) packages=("${build[@]}" g++-mingw-w64-x86-64-posix dpkg-dev nsis zip autoconf automake libtool) ;;
    *) packages=("$@") ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
