#!/usr/bin/env bash
# Tries the Windows build under Wine, in its own X server (with openbox) and its own
# Wine prefix: the in-process test programs built for Windows, then the installer,
# an iskât file's association and a case opened from a file whose name holds "ş",
# Karvela started as installed (notice, "Ana Menü", menu, the prayer screen by keyboard,
# its devir record saved as a PDF and read back, "X", status 0), and the
# uninstaller, after which nothing of Karvela may be left. Every wait is bounded.
# Exits 77 (skipped) where Wine or the Windows build is missing.
#   run-wine.sh BUILD-WINDOWS-FOLDER [SCREENSHOT.png]
set -euo pipefail
out=$(realpath -m "$1")
screenshot=${2:+$(realpath -m "$2")}
here=$(dirname "$(realpath "$0")")

for tool in wine Xvfb openbox xdotool import pdftotext; do
    command -v "$tool" >/dev/null || { echo "missing $tool: Wine test skipped"; exit 77; }
done
setup=$(ls "$out"/karvela-*-setup.exe 2>/dev/null | head -n1 || true)
[ -n "$setup" ] && [ -d "$out/build/tests" ] || { echo "no Windows build in $out: Wine test skipped"; exit 77; }
qt_prefix=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$out/build/CMakeCache.txt")
qt_bin="$qt_prefix/bin"
libnova_bin="$(sed -n 's|^KARVELA_LIBNOVA_PREFIX:PATH=||p' "$out/build/CMakeCache.txt")/bin"

source "$here/../support/desktop.sh"
work=$(mktemp -d)
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_desktop
    rm -rf "$work"
}
trap cleanup EXIT

# Wine takes its locale from the C library's: Turkish only where tr_TR.UTF-8 is generated.
if ! locale -a 2>/dev/null | grep -qix 'tr_TR\.utf-\?8'; then
    bash "$here/../../scripts/install-deps.sh" locales
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo sed -i 's/^# *\(tr_TR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    $sudo locale-gen >/dev/null
fi
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8

start_desktop "$work"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

echo "== a new Wine prefix"
timeout 180 wineboot -i >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
drive_c="$WINEPREFIX/drive_c"
user_dir=$(ls -d "$drive_c"/users/*/ | grep -v -e /Public/ | head -n1)

# The test programs find Qt's DLLs, libnova's and the MinGW runtime on WINEPATH.
export WINEPATH="$(winepath -w "$qt_bin");$(winepath -w "$libnova_bin");$(winepath -w /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winepath -w /usr/x86_64-w64-mingw32/lib)"
for test in test_engine test_calculators test_navigation test_messageservice test_guide; do
    result="$work/$test.txt"
    QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$(winepath -w "$qt_prefix/plugins")" \
        timeout 180 wine "$out/build/tests/$test.exe" -o "$(winepath -w "$result"),txt" >/dev/null 2>&1 || true
    totals=$(grep -a "^Totals:" "$result" 2>/dev/null || echo "no result")
    echo "$test: $totals"
    case "$totals" in *", 0 failed,"*) ;; *) fail "$test under Wine"; grep -a -B1 -A2 "^FAIL" "$result" 2>/dev/null | head -20 ;; esac
done
unset WINEPATH

echo "== installing silently"
timeout 120 wine "$setup" /S >/dev/null 2>&1 || fail "the setup program"
install_dir="$user_dir/AppData/Local/Programs/Karvela"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Karvela.lnk"
[ -f "$install_dir/karvela.exe" ] || fail "karvela.exe is not in $install_dir"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
grep -aq "karvela.exe" "$shortcut" 2>/dev/null || fail "the shortcut does not lead to karvela.exe"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvela' >/dev/null 2>&1 \
    || fail "no entry in Programs and Features"
# A double click on an iskât file opens it in Karvela: registered for this user alone.
wine reg query 'HKCU\Software\Classes\.karvela' 2>/dev/null | grep -q "Karvela.IskatDosyasi" \
    || fail "the setup did not register .karvela for the user"
wine reg query 'HKCU\Software\Classes\Karvela.IskatDosyasi\shell\open\command' 2>/dev/null | grep -qi "karvela.exe" \
    || fail "no command opens a .karvela file"

keys() { for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.4; done; }
typed() { xdotool type --delay 80 "$1"; sleep 0.4; }

# The prayer screen by keyboard, its devir record, and the record saved as a PDF through
# the Windows save dialog, which proposes the Documents folder; then back to the menu.
save_record() {
    # Wine's Documents folder is a link to the desktop user's own: find follows links.
    saved() { find -L "$user_dir" -name 'karvela-iskat-*.pdf' 2>/dev/null; }
    saved | while read -r stale; do rm -f "$stale"; done
    keys space                                    # the menu's first button: "NAMAZ İSKATI"
    local prayer
    prayer=$(wait_window "GRAM ALTIN HESABI")
    [ -n "$prayer" ] || { fail "the prayer screen did not appear"; return; }
    typed 71; keys shift+Tab; typed 400; keys shift+Tab; typed 1   # age, gold price, wheat price
    keys Tab Tab Tab Tab space                    # "Kadın"
    [ -n "$(wait_window "SORGUSU")" ] || { fail "the age question did not appear"; return; }
    keys Return; sleep 1; keys Return             # "Hayır", then the converter note
    sleep 1
    keys Tab Tab Tab; typed 100; keys Tab; typed 2; keys Tab space   # the rounds
    sleep 1
    keys ctrl+p
    local record
    record=$(wait_window "ZELGES")
    [ -n "$record" ] || { fail "the devir record did not open"; return; }
    keys Tab Tab space                            # "PDF Olarak Kaydet..."
    sleep 3
    keys Return                                   # the proposed name, in Documents
    local pdf=""
    for _ in $(seq 100); do
        pdf=$(saved | head -n1)
        [ -n "$pdf" ] && [ -s "$pdf" ] && break
        sleep 0.2
    done
    if [ -z "$pdf" ]; then
        fail "the record was not saved as a PDF in Documents"
    else
        # Written under Wine in the Turkish locale: grouped thousands, a decimal comma.
        local text
        text=$(pdftotext "$pdf" - 2>/dev/null || true)
        for expected in "235.600 kg buğday" "589 g altın" "2,95: 2 tam devir ve 189 gramlık bir son devir"; do
            grep -qF "$expected" <<<"$text" || fail "the PDF saved under Wine does not say: $expected"
        done
        rm -f "$pdf"
    fi
    # Wine leaves no window active after its save dialog: the record is given the keyboard back.
    xdotool windowactivate --sync "$record" 2>/dev/null || true
    keys Escape                                   # the record closes
    sleep 1
    # "Ana Menü" at twips (6840, 120, 1455, 495): its middle, in pixels at 96 DPI.
    xdotool mousemove --window "$prayer" 504 24 click 1
}

echo "== Karvela as installed"
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
wait_window() {
    local id=""
    for _ in $(seq 150); do id=$(find_window "$1"); [ -n "$id" ] && break; sleep 0.2; done
    echo "$id"
}
# "karvela.exe FILE", as a double click starts it, with a case whose name holds "ş": the
# path comes whole through Qt's arguments, the prayer screen and its record open.
echo "== a case opened from its file"
case_file="$work/karvela-iskat-Ayşe-Kuş.karvela"
cat >"$case_file" <<'CASE'
{"format": "karvela-iskat", "version": 1, "program": "Karvela",
 "names": {"deceased": "Ayşe", "father": "Ahmet", "guardian": "Mehmet"},
 "prayers": {"wheatPrice": 11, "goldPrice": 4100, "hijriAge": 75, "sex": "kadın", "goldAtHand": 30,
             "poorPeople": 3, "goldCalculated": true, "roundsCounted": true, "pricesDay": "2026-12-09"},
 "fasts": {"wheatPrice": null, "goldPrice": null, "hijriAge": null, "sex": "kadın", "goldAtHand": null,
           "poorPeople": null, "goldCalculated": false, "roundsCounted": false, "pricesDay": null}}
CASE
(cd "$install_dir" && exec wine karvela.exe "$(winepath -w "$case_file")") &
opened=$!
if [ -n "$(wait_window "ZELGES")" ] && [ -n "$(find_window "GRAM ALTIN HESABI")" ]; then
    echo "the case opened, with its record"
else
    fail "karvela.exe FILE did not open the case whose name holds ş"
fi
timeout 60 wine taskkill /IM karvela.exe /F >/dev/null 2>&1 || true
for _ in $(seq 100); do kill -0 $opened 2>/dev/null || break; sleep 0.2; done
kill $opened 2>/dev/null || true

(cd "$install_dir" && exec wine karvela.exe) &
karvela=$!
notice=$(wait_window "Yemin ve Oru")
if [ -z "$notice" ]; then
    fail "the startup notice did not appear"
else
    echo "startup notice: $(xdotool getwindowname "$notice")"
    # "Ana Menü" at twips (4200, 120, 1455, 375): its middle, in pixels at 96 DPI.
    xdotool mousemove --window "$notice" 328 20 click 1
    menu=$(wait_window "KARVELA HESAPLAMA PROGRAMI")
    if [ -z "$menu" ]; then
        fail "the main menu did not appear"
    else
        echo "main menu: $(xdotool getwindowname "$menu")"
        sleep 1
        [ -n "$screenshot" ] && import -window "$menu" -frame "$screenshot" 2>/dev/null
        save_record
        menu=$(wait_window "KARVELA HESAPLAMA PROGRAMI")
        # "X" at twips (6840, 0, 375, 375).
        xdotool mousemove --window "$menu" 468 12 click 1
    fi
fi
status=0
for _ in $(seq 100); do kill -0 $karvela 2>/dev/null || break; sleep 0.2; done
if kill -0 $karvela 2>/dev/null; then
    fail "karvela did not end after X"; kill $karvela
else
    wait $karvela || status=$?
    [ "$status" -eq 0 ] || fail "karvela ended with status $status"
fi

echo "== uninstalling silently"
timeout 120 wine "$install_dir/Kaldir.exe" /S >/dev/null 2>&1 || fail "the uninstaller"
for _ in $(seq 150); do [ -e "$install_dir" ] || break; sleep 0.2; done
left=$(find "$drive_c" -iname '*karvela*' 2>/dev/null || true)
[ -z "$left" ] || fail "left after uninstalling: $left"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvela' >/dev/null 2>&1 \
    && fail "the Programs and Features entry is still there"
wine reg query 'HKCU\Software\Classes\.karvela' >/dev/null 2>&1 && fail ".karvela is still registered"
wine reg query 'HKCU\Software\Classes\Karvela.IskatDosyasi' >/dev/null 2>&1 && fail "the iskât file type is still registered"

[ "$failures" -eq 0 ] && echo "wine: all passed" || echo "wine: $failures failed"
[ "$failures" -eq 0 ]
