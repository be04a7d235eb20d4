#!/usr/bin/env bash
# Builds the Debian package build-package/karvela_<version>_<arch>.deb with the flags
# Debian builds with (dpkg-buildflags: optimisation, debug information, the prefix
# maps and the whole hardening set), warnings not treated as errors.
# Install it with: sudo apt install ./build-package/karvela_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
# The whole hardening set, immediate binding included, and what Debian 12's dpkg does
# not add yet: stack-clash and control-flow protection, and the stronger fortify level.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_APPEND="-fstack-clash-protection -fcf-protection"
export DEB_CPPFLAGS_MAINT_STRIP="-D_FORTIFY_SOURCE=2" DEB_CPPFLAGS_MAINT_APPEND="-D_FORTIFY_SOURCE=3"
eval "$(dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS; a fresh tree, so that no earlier flags stay in its cache.
rm -rf build-package
KARVELA_PRESET=package bash scripts/build.sh -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
(cd build-package && cpack -G DEB)
ls build-package/karvela_*.deb
