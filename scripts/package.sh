#!/usr/bin/env bash
# Builds the Debian package build-package/karvela_<version>_<arch>.deb.
# Install it with: sudo apt install ./build-package/karvela_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
export KARVELA_BUILD_DIR=build-package
bash scripts/build.sh -DKARVELA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
command -v dpkg-shlibdeps >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y dpkg-dev file; }
(cd build-package && cpack -G DEB)
ls build-package/karvela_*.deb
