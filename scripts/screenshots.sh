#!/usr/bin/env bash
# Regenerates docs/screenshots/ : every screen in Turkish, drawn in a real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi ${DPI:-96}" \
    ./build/karvela-screenshots "${1:-docs/screenshots}"
echo "screenshots written to ${1:-docs/screenshots}"
