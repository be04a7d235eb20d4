#!/usr/bin/env bash
# Cross-builds Karvela for 64-bit Windows on Debian 12. CMake's install rules lay out the
# folder build-windows/Karvela (karvela.exe, the Qt, libnova and MinGW DLLs it needs, the platform
# plugin, Qt's Turkish translation, the licences), CPack zips it, and makensis makes the
# setup program from it. Qt itself is built once, from Debian's own qtbase source, into a
# cache folder outside the clone ($KARVELA_CACHE, by default ~/.cache/karvela), and reused
# while it is there with the same version and features.
#   scripts/build-windows.sh            Qt if missing, then Karvela, its folder, zip and setup
#   scripts/build-windows.sh --qt-only  only the cached Qt
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows

qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev)
cache=${KARVELA_CACHE:-$HOME/.cache/karvela}
qt_prefix="$cache/qt-$qt_version-mingw64"

# Left out: what Karvela does not use; tablet support (Debian's source lacks a header);
# dynamic GL (no OpenGL); DirectWrite, which does not link without Direct2D (GDI is Qt
# 6.4's default font engine on Windows anyway). The cache is keyed on these features
# and the version: a cache built otherwise is built again, never linked against.
qt_features=(
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_printsupport=ON -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
)
qt_key="$qt_version ${qt_features[*]}"

build_qt() {
    # Kept until Qt is installed, so that a build cut short goes on where it stopped.
    local work="$cache/qt-$qt_version-build"
    echo "== building Qt $qt_version for Windows into $qt_prefix (once; about 40 minutes on 2 cores)"
    [ -d "$work/qtbase" ] || bash scripts/install-deps.sh source qt6-base "$work/qtbase"
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

# libnova (the Sun and the Moon of the Hijri months), from Debian's source as Debian
# builds it, with autotools; only its library, as a DLL. Its Julian day code asks MinGW
# for a 32-bit time_t, which 64-bit Windows does not have: that line goes.
libnova_version=$(dpkg-query -W -f='${source:Upstream-Version}' libnova-dev)
libnova_prefix="$cache/libnova-$libnova_version-mingw64"
libnova_key="$libnova_version shared"

build_libnova() {
    local work="$cache/libnova-$libnova_version-build"
    echo "== building libnova $libnova_version for Windows into $libnova_prefix (once; about a minute)"
    rm -rf "$work"
    bash scripts/install-deps.sh source libnova "$work/libnova"
    sed -i 's/^#define _USE_32BIT_TIME_T$//' "$work/libnova/src/julian_day.c"
    (
        cd "$work/libnova"
        autoreconf -fi
        ./configure --host=x86_64-w64-mingw32 --prefix="$libnova_prefix" --enable-shared --disable-static \
            CC=x86_64-w64-mingw32-gcc-posix CFLAGS=-O2
        make -C src -j"$(nproc)"
        make -C src install
    ) >"$work/build.log" 2>&1 || { tail -40 "$work/build.log"; return 1; }
    echo "$libnova_key" >"$libnova_prefix/.karvela-libnova-version"
    rm -rf "$work"
}

mkdir -p "$cache"
if [ "$(cat "$qt_prefix/.karvela-qt-version" 2>/dev/null)" != "$qt_key" ]; then
    rm -rf "$qt_prefix"
    build_qt
fi
[ "${1:-}" = --qt-only ] && exit 0
if [ "$(cat "$libnova_prefix/.karvela-libnova-version" 2>/dev/null)" != "$libnova_key" ]; then
    rm -rf "$libnova_prefix"
    build_libnova
fi

# The icon tool runs on this machine: the native build makes it.
bash scripts/build.sh >/dev/null
export KARVELA_WINDOWS_QT="$qt_prefix" KARVELA_WINDOWS_LIBNOVA="$libnova_prefix"
cmake --preset windows >/dev/null
cmake --build --preset windows

out=$(realpath -m build-windows)
dist="$out/Karvela"
rm -rf "$dist"
# The folder (CMake's install rules find every DLL it needs) and its zip.
cmake --install "$out/build" --prefix "$dist" >/dev/null
rm -f "$out"/karvela-*-windows.zip "$out"/karvela-*-setup.exe
(cd "$out/build" && cpack -G ZIP -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"

# The setup program, named with the version CMake wrote into the build folder.
makensis -V2 -DBUILD="$out/build" -DDIST="$(realpath "$dist")" -DOUTDIR="$out" packaging/windows/karvela.nsi
ls -l "$out"/karvela-*-setup.exe "$out"/karvela-*-windows.zip
