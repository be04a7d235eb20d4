#!/usr/bin/env bash
# Builds Karvela and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
bash scripts/build.sh -DBUILD_TESTING=ON
ctest --test-dir build --output-on-failure --timeout 600
