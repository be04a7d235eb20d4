#!/usr/bin/env bash
# What a blind user hears: the prayer screen and its devir record with the deceased's
# name typed above it and read back in the prayers' words, then the Hijri
# converter from two dates, driven by keyboard alone while Debian's Orca screen reader
# runs, in a desktop and D-Bus session of its own. No speech engine is needed: Orca's
# debug log, with its SPEECH OUTPUT lines, is the ear. Every wait is bounded. Exits 77
# (skipped) where a tool is missing.
set -euo pipefail
karvela=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

for tool in Xvfb openbox xdotool dbus-run-session orca /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing $tool: screen-reader test skipped"; exit 77; }
done

source "$here/../support/desktop.sh"
work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop "$work"

# Runs inside the private D-Bus session.
session() {
    set -euo pipefail
    karvela=$1 work=$2 speech=$2/orca.log app=""
    export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    # No speech server: Orca gives up on it at once instead of trying to start one.
    export SPEECHD_CMD=/bin/false
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    sleep 1
    orca --replace --debug-file="$speech" </dev/null >"$work/orca.out" 2>&1 &
    orca=$!
    trap 'kill $orca $launcher $app 2>/dev/null; true' EXIT

    # Orca writes its log when it stops, so the keys wait for windows, not for speech.
    # (xdotool matches titles byte by byte: the patterns keep to ASCII.)
    shown() { timeout 15 xdotool search --sync --onlyvisible --name "$1" >/dev/null || { echo "no window $1"; exit 1; }; sleep 1; }
    press() { for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.5; done; }
    typed() { xdotool type --delay 50 "$1"; sleep 0.5; }

    for _ in $(seq 100); do [ -e "$speech" ] && break; sleep 0.1; done
    sleep 3
    LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 QT_QPA_PLATFORM=xcb "$karvela" &
    app=$!

    shown "Yemin ve Oru"
    press space                       # the startup notice's only button
    shown "KARVELA HESAPLAMA PROGRAMI"
    press space                       # the menu opens with the prayer screen's button focused
    shown "GRAM ALTIN HESABI"
    typed 50                          # the age
    press shift+Tab; typed 500        # the prices sit at the end of the tab order
    press shift+Tab; typed 2
    press Tab Tab Tab Tab             # gold price, age, "Erkek", "Kadın"
    press space
    shown "SORGUSU"
    press Return; sleep 1; press Return # "Hayır", then the converter note
    press Tab Tab                     # the years, the gold
    press Tab; typed 50               # the gold at hand
    press Tab; typed 4                # the poor
    press Tab space                   # "H E S A P L A"
    press Tab Tab                     # the gold per round, the rounds
    press ctrl+p                      # the devir record
    shown "ZELGES"
    press shift+Tab shift+Tab shift+Tab # back to the deceased's name, above the record
    typed Zeynep
    press Tab Tab Tab                 # the father's name, the velî's, the record
    for _ in $(seq 34); do xdotool key Down; sleep 0.3; done # down to the prayers' words
    press F5                          # "Devri Başlat": the ceremony, one hand-over at a time
    shown "^DEVİR$"
    press space; sleep 1              # the first hand-over given: the next one is said
    press Escape                      # back to the record
    press Escape                      # back to the screen
    press Tab space                   # "Ana Menü"
    shown "KARVELA HESAPLAMA PROGRAMI"
    press shift+Tab space             # back from the prayer screen's button to "HİCRİ YAŞ HESABI"
    shown "Hicri Ya"
    press Tab Tab Tab Tab             # "HESAPLA", the Hijri age, "Ana Menü", the date of birth
    typed 12.03.1948
    press Tab; typed 02.11.2025       # the date of death
    press Tab space                   # "TARİHTEN HESAPLA"
    press Tab                         # the Hijri dates
    sleep 1
    kill $orca
    for _ in $(seq 100); do kill -0 $orca 2>/dev/null || break; sleep 0.1; done
}

status=0
timeout --kill-after=10 150 dbus-run-session -- bash -c "$(declare -f session); session \"\$@\"" orca "$karvela" "$work" \
    2> >(grep -v -e dbus-daemon -e XDG_RUNTIME_DIR >&2) || status=$?
grep -a "SPEECH OUTPUT" "$work/orca.log" | sed "s/^.*SPEECH OUTPUT: '//; s/'{.*$//; s/' {.*$//" >"$work/speech.txt" || true

# Each result box spoken with its name, its figure next.
said() { grep -qxF -- "$1" "$work/speech.txt" || { echo "Orca did not say: $1"; status=1; }; }
said_after() { grep -A1 -xF -- "$1" "$work/speech.txt" | tail -n1 | grep -qxF -- "$2" || { echo "Orca did not say $2 after: $1"; status=1; }; }
said "VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.YAŞ DEĞERİNİ BU ŞEKİLDE YAZDINIZ MI?"
said_after "İskat yapılacak sene miktarı read only text." "41."
said_after "İskat için verilmesi gereken altın gram miktarı read only text." "623,2."
said_after "Bir devirde namaz borcu için verilecek altının gram miktarı read only text." "200."
said_after "Yapılacak devir sayısı read only text." "3,1."
said "DEVİR ÇİZELGESİ dialog."
grep -q "^Vefat edenin adı:" "$work/speech.txt" || { echo "Orca did not read the devir record line by line"; status=1; }
grep -q "Falan kızı Zeynep'in" "$work/speech.txt" || { echo "Orca did not read the words with the name"; status=1; }
grep -q "^Namaz iskâtı. 1. devir / 6 · 1. fakir / 4. 50 g. \"Falan kızı Zeynep'in" "$work/speech.txt" \
    || { echo "Orca did not say the hand-over the ceremony's window opens at"; status=1; }
grep -q "Namaz iskâtı. 1. devir / 6 · 2. fakir / 4. 50 g. \"Falan kızı Zeynep'in" "$work/speech.txt" \
    || { echo "Orca did not say the next hand-over after a tick"; status=1; }
said_after "Hicri tarihler read only text." "80,03 hicri yıl: 1 Cemaziyelevvel 1367 (hesap takvimi) – 11 Cemaziyelevvel 1447."
if [ $status -ne 0 ]; then
    echo "what Orca said:"; cat "$work/speech.txt"
fi
exit $status
