#!/usr/bin/env bash
# Configures and builds Karvela with a preset of CMakePresets.json (native by default,
# or $KARVELA_PRESET). Arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
preset=${KARVELA_PRESET:-native}
cmake --preset "$preset" "$@" >/dev/null
cmake --build --preset "$preset"
