#!/usr/bin/env bash
# Configures and builds Karvela into build/ (or $KARVELA_BUILD_DIR), warnings treated as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${KARVELA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVELA_WERROR=ON "$@"
cmake --build "$build"
