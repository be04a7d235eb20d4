#!/usr/bin/env bash
# Builds the Debian package build-package/karvela_<version>_<arch>.deb.
# Install it with: sudo apt install ./build-package/karvela_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
KARVELA_PRESET=package bash scripts/build.sh
bash scripts/install-deps.sh dpkg-dev file
(cd build-package && cpack -G DEB)
ls build-package/karvela_*.deb
