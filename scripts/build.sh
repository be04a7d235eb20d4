#!/usr/bin/env bash
# Configures and builds Karvela into build/, warnings treated as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVELA_WERROR=ON "$@"
cmake --build build
