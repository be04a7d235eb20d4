#!/usr/bin/env bash
# Start-up, memory and click benchmark, in a Release build (build-release/):
# karvela against a minimal Qt Widgets window built with the same flags.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
KARVELA_PRESET=release bash scripts/build.sh
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(free -g | awk '/Mem:/{print $2}') GiB"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    /usr/bin/python3 tools/benchmark.py build-release/karvela-startup build-release/karvela-floor "${1:-15}"
# The headless platform cannot raise windows and says so at every screen shown.
QT_QPA_PLATFORM=offscreen ./build-release/karvela-clickbench 2> >(grep -v "This plugin does not support" >&2)
