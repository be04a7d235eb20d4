#!/usr/bin/env bash
# Cross-builds Karvela for 64-bit Windows on Debian 12 and leaves a ready folder in
# build-windows/Karvela (karvela.exe, the Qt and MinGW DLLs, the platform and print plugins, Qt's
# Turkish translation, the licences), the setup program and a zip of the folder beside it. Qt itself is built once, from Debian's own qtbase source, into
# a cache folder outside the clone ($KARVELA_CACHE, by default ~/.cache/karvela) and
# reused while it is there and of the same version.
#   scripts/build-windows.sh            Qt if missing, then Karvela and its folder
#   scripts/build-windows.sh --qt-only  only the cached Qt
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows

qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev)
cache=${KARVELA_CACHE:-$HOME/.cache/karvela}
qt_prefix="$cache/qt-$qt_version-mingw64"
sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo

# What Karvela does not use is left out; tablet support needs a header Debian's source
# leaves out, without OpenGL the Windows plugin needs dynamic GL off, and DirectWrite
# (not Qt 6.4's default font engine on Windows, GDI is) does not link without Direct2D:
# neither its font database in the platform plugin nor its font engine in the print
# engine. The cached Qt is keyed on these as well as on its version: a cache built
# with other features is built again, never linked against.
qt_features=(
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_printsupport=ON -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
)
qt_key="$qt_version ${qt_features[*]}"

# Source entries for the archives the machine already uses, from either form of APT
# sources: one-line entries (sources.list, *.list) and deb822 stanzas (*.sources).
add_source_entries() {
    local list=/etc/apt/sources.list.d/karvela-deb-src.list deb822=/etc/apt/sources.list.d/karvela-deb-src.sources
    local entries stanzas
    entries=$({ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
              sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p')
    stanzas=$(for file in /etc/apt/sources.list.d/*.sources; do
                  [ -e "$file" ] && [ "$file" != "$deb822" ] && { sed 's/^Types:.*$/Types: deb-src/' "$file"; echo; }
              done)
    [ -n "$entries" ] && echo "$entries" | $sudo tee "$list" >/dev/null
    [ -n "$stanzas" ] && echo "$stanzas" | $sudo tee "$deb822" >/dev/null
    $sudo apt-get update -q
}

# Debian's source package of the Qt the Linux build uses, from the archive the machine
# already uses.
fetch_qt_source() {
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        add_source_entries
        apt-get source --print-uris qt6-base >/dev/null 2>&1 || {
            echo "APT has no source packages: add a deb-src entry for Debian 12 (bookworm) main"
            echo "to /etc/apt/sources.list, run apt-get update, then run this script again."
            return 1
        }
    fi
    (cd "$1" && apt-get source -q --download-only qt6-base && dpkg-source -x qt6-base_*.dsc qtbase >/dev/null)
}

build_qt() {
    # Kept until Qt is installed, so that a build cut short goes on where it stopped.
    local work="$cache/qt-$qt_version-build"
    echo "== building Qt $qt_version for Windows into $qt_prefix (once; about 40 minutes on 2 cores)"
    mkdir -p "$work"
    [ -d "$work/qtbase" ] || fetch_qt_source "$work"
    # Qt's own toolchain file will name this one: keep it beside the cached Qt, not in a clone.
    mkdir -p "$qt_prefix"
    cp packaging/windows/mingw-toolchain.cmake "$qt_prefix/mingw-toolchain.cmake"
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw-toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        "${qt_features[@]}" >"$work/configure.log" \
        || { tail -40 "$work/configure.log"; return 1; }
    cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || { tail -60 "$work/build.log"; return 1; }
    cmake --install "$work/build" >/dev/null
    echo "$qt_key" >"$qt_prefix/.karvela-qt-version"
    rm -rf "$work"
}

mkdir -p "$cache"
if [ "$(cat "$qt_prefix/.karvela-qt-version" 2>/dev/null)" != "$qt_key" ]; then
    rm -rf "$qt_prefix"
    build_qt
fi
[ "${1:-}" = --qt-only ] && exit 0

# The icon tool runs on this machine: the native build makes it.
bash scripts/build.sh >/dev/null
export KARVELA_WINDOWS_QT="$qt_prefix"
cmake --preset windows >/dev/null
cmake --build --preset windows

version=$(sed -n 's/^project(Karvela VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build-windows
dist="$out/Karvela"
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/printsupport" "$dist/translations"
cp "$out/build/karvela.exe" "$out/build/icons/karvela.ico" "$dist/"
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$qt_prefix/bin/$dll.dll" "$dist/"; done
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$qt_prefix/plugins/printsupport/windowsprintersupport.dll" "$dist/printsupport/"
mingw_runtime=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll
               /usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll
               /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)
cp "${mingw_runtime[@]}" "$dist/"
cp /usr/share/qt6/translations/qtbase_tr.qm "$dist/translations/"
# Licences, with Windows line ends so that Notepad shows them.
sed 's/$/\r/' LICENSE >"$dist/LICENSE.txt"
sed 's/$/\r/' /usr/share/common-licenses/LGPL-3 >"$dist/Qt-LGPL-3.txt"
sed 's/$/\r/' packaging/windows/qt-notice.txt >"$dist/Qt-NOTICE.txt"

# Every DLL that a file of the folder needs is in the folder or is Windows' own.
for binary in "$dist"/*.exe "$dist"/*.dll "$dist"/platforms/*.dll "$dist"/printsupport/*.dll; do
    for needed in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
        [ -e "$dist/$needed" ] && continue
        case "${needed,,}" in
            qt6*|libgcc*|libstdc*|libwinpthread*) echo "$binary needs $needed, which is not in $dist"; exit 1 ;;
        esac
    done
done

# The uninstaller removes exactly what was installed.
files="$out/uninstall-files.nsh"
(cd "$dist" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
 find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|') >"$files"

setup="$out/karvela-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DDIST="$(realpath "$dist")" -DFILES="$(realpath "$files")" \
    -DOUTFILE="$(realpath -m "$setup")" packaging/windows/karvela.nsi
zip="$out/karvela-$version-windows.zip"
rm -f "$zip"
(cd "$out" && zip -qr "karvela-$version-windows.zip" Karvela)
ls -l "$setup" "$zip"
