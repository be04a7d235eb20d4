#!/usr/bin/env bash
# Regenerates docs/screenshots/ : every screen in Turkish and three message boxes, in a
# real X server (Xvfb) with a window manager (openbox), frames and captions included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
bash scripts/build.sh -DKARVELA_DEVELOPER_TOOLS=ON
LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi ${DPI:-96}" \
    bash -c 'openbox --sm-disable & sleep 1; ./build/karvela-screenshots "$1"; status=$?; kill %1; exit $status' \
    screenshots "${1:-docs/screenshots}"
# The first page of the record's PDF, as a reader shows it.
folder=${1:-docs/screenshots}

pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$folder/13-devir-cizelgesi.pdf" "$folder/14-devir-cizelgesi-pdf"
rm "$folder/13-devir-cizelgesi.pdf"
echo "screenshots written to $folder"
