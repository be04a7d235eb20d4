#!/usr/bin/env bash
# One real print: a CUPS scheduler of its own (socket, spool and logs in a temporary
# folder) with a raw queue whose backend keeps each job as Qt sends it, a PDF, in a
# file (cups-pdf would redraw it and lose its text); test_print
# prints the devir record there through Qt, and the printed pages must hold its figures.
# Every wait is bounded. Exits 77 (skipped) where a tool is missing.
set -euo pipefail
test_print=$1

for tool in cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || { echo "missing $tool: print test skipped"; exit 77; }
done

work=$(mktemp -d)
chmod 755 "$work"
mkdir -p "$work"/{spool,cache,state,log,tmp,bin/backend}
for part in filter daemon cgi-bin monitor notifier driver; do
    [ -e "/usr/lib/cups/$part" ] && ln -s "/usr/lib/cups/$part" "$work/bin/$part"
done
# Mode 0700: the scheduler runs it as root, so it may write where the URI says.
cat >"$work/bin/backend/keep" <<'END'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct keep "Unknown" "Keeps each job in the file its URI names"'; exit 0; }
cat "${6:-/dev/stdin}" >"${DEVICE_URI#keep:}"
END
chmod 700 "$work/bin/backend/keep"
cupsd=""
stop() {
    if [ -n "$cupsd" ]; then
        kill "$cupsd" 2>/dev/null || true
        wait "$cupsd" 2>/dev/null || true
    fi
    rm -rf "$work" || true
}
trap stop EXIT

cat >"$work/cups-files.conf" <<END
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
ServerBin $work/bin
END
cat >"$work/cupsd.conf" <<END
Listen $work/cups.sock
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
END
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" >"$work/cupsd.out" 2>&1 &
cupsd=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null || { echo "cupsd did not start:"; cat "$work/cupsd.out" "$work/log/error_log"; exit 1; }

printed=$work/printed.pdf
lpadmin -p KarvelaTest -E -v "keep:$printed" -m raw 2>&1 | grep -v "Raw queues are deprecated" || true

QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 KARVELA_TEST_PRINTER=KarvelaTest "$test_print"

for _ in $(seq 300); do
    [ -s "$printed" ] && [ -z "$(lpstat -o KarvelaTest 2>/dev/null)" ] && break
    sleep 0.1
done
[ -s "$printed" ] || { echo "nothing was printed:"; tail -20 "$work/log/error_log"; exit 1; }

text=$(pdftotext -layout "$printed" -)
status=0
for expected in "DEVİR ÇİZELGESİ" "71 − 9 = 62 sene" "62 sene × 3.800 kg = 235.600 kg buğday" \
                "235.600 TL ÷ 400 TL/g = 589 g altın" "2 tam devir ve 189 gramlık bir son devir, toplam 3 devir" \
                "☐ 1. fakir: 100 g ☐ 2. fakir: 89 g" "Sayfa 1 / 3" "Sayfa 3 / 3"; do
    grep -qF -- "$expected" <<<"$text" || { echo "the printed pages do not say: $expected"; status=1; }
done
[ $status -eq 0 ] || { echo "what was printed:"; echo "$text"; }
exit $status
