#!/usr/bin/python3
"""Drives the real karvela binary in a real X window, as a person would: it finds
windows, boxes and buttons through the accessibility tree (AT-SPI), clicks them
with the real mouse (xdotool), types with the real keyboard and reads what the
boxes and message boxes say.

Usage: journey.py PATH-TO-KARVELA
Every wait is bounded; a program that dies or stops answering fails the journey.
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

STEP_TIMEOUT = 15.0
TITLE = "KARVELA PROGRAMI"


class JourneyFailure(Exception):
    pass


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if karvela.poll() is not None:
            raise JourneyFailure(f"karvela exited ({karvela.returncode}) while waiting for {what}")
        try:
            found = probe()
        except Exception:  # the tree changes under our feet; look again
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise JourneyFailure(f"timed out waiting for {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "karvela":
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def visible_windows():
    app = application()
    return [w for w in app if w is not None and showing(w)] if app else []


def window(name):
    win = wait_for(f"window '{name}'", lambda: next((w for w in visible_windows() if w.name == name), None))
    check_accessible(win)
    return win


def check_accessible(win):
    """What a screen reader meets: a frame, and a name for every box and button."""
    if win.getRoleName() != "frame":
        raise JourneyFailure(f"'{win.name}' is a {win.getRoleName()}, not a frame")
    for node in descendants(win):
        if node.getRoleName() in ("text", "push button") and not node.name.strip():
            raise JourneyFailure(f"a {node.getRoleName()} without a name in '{win.name}'")


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def control(win, role, name):
    def probe():
        return next((n for n in descendants(win) if n.getRoleName() == role and n.name == name and showing(n)), None)
    return wait_for(f"{role} '{name}' in '{win.name}'", probe)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], check=True)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def type_into(win, name, value, click_first=True):
    """Types into a box, replacing what it held; without click_first the box must have the focus."""
    box = control(win, "text", name)
    if click_first:
        click(box)
    subprocess.run(["xdotool", "key", "ctrl+a", "BackSpace"], check=True)
    if value:
        subprocess.run(["xdotool", "type", "--delay", "30", value], check=True)
    wait_for(f"'{value}' in '{name}'", lambda: text_of(box) == value)


def expect_box(win, name, value):
    box = control(win, "text", name)
    wait_for(f"'{name}' to show '{value}'", lambda: text_of(box) == value)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def inside(inner, outer):
    x, y, w, h = inner
    ox, oy, ow, oh = outer
    return ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh


def dark_pixel_in_last_column(x, y, w, h):
    """True when a glyph reaches the right edge of this part of the screen: a text cut there."""
    raw = subprocess.run(["import", "-window", "root", "-crop", f"1x{h}+{x + w - 1}+{y}", "+repage",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return any(sum(raw[i:i + 3]) < 3 * 100 for i in range(0, len(raw) - 2, 3))


def check_readable(box, text):
    """A message box lies wholly on the screen, and its text shows whole in it."""
    width, height = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], check=True,
                                            capture_output=True, text=True).stdout.split())
    frame = extents(box)
    if not inside(frame, (0, 0, width, height)):
        raise JourneyFailure(f"message '{text}' at {frame} is not wholly on the {width}x{height} screen")
    time.sleep(0.3)  # let the box paint itself before its pixels are read
    for label in (n for n in descendants(box) if n.getRoleName() == "label" and n.name):
        area = extents(label)
        if not inside(area, frame) or dark_pixel_in_last_column(*area):
            raise JourneyFailure(f"message '{label.name}' is cut: its label at {area} in a box at {frame}")


def answer(title, text, button):
    """Waits for a message box with this title and text, checks that a person can read
    it, and presses one of its buttons."""
    def probe():
        for win in visible_windows():
            if win.name == title and any(n.name == text for n in descendants(win) if n.getRoleName() == "label"):
                return win
        return None
    box = wait_for(f"message '{text}'", probe)
    check_readable(box, text)
    click(control(box, "push button", button))
    wait_for(f"message '{text}' to close", lambda: box not in visible_windows() or not showing(box))


def journey(binary):
    notice = window(" Yemin ve Oruç Kefareti İçin İskat Yapılır mı?")
    click(control(notice, "push button", "Ana Menü"))

    menu = window("KARVELA HESAPLAMA PROGRAMI")
    click(control(menu, "push button", "HİCRİ YAŞ HESABI"))
    hijri = window("Hicri Yaş Hesabı")
    type_into(hijri, "Vefat edenin yaşı", "69")
    click(control(hijri, "push button", "HESAPLA"))
    expect_box(hijri, "Hicri yaşı", "71,12")
    type_into(hijri, "Vefat edenin yaşı", "abc")
    click(control(hijri, "push button", "HESAPLA"))
    report = wait_for("the type-mismatch report", lambda: next(
        (w for w in visible_windows() if w.name == TITLE
         and any(n.name.startswith("Tür uyuşmazlığı") for n in descendants(w) if n.getRoleName() == "label")), None))
    check_readable(report, "Tür uyuşmazlığı")
    click(control(report, "push button", "Tamam"))
    expect_box(hijri, "Hicri yaşı", "")
    # The window manager's own close (Alt+F4) leaves the converter for the menu.
    click(control(hijri, "text", "Hicri yaşı"))
    subprocess.run(["xdotool", "key", "alt+F4"], check=True)

    menu = window("KARVELA HESAPLAMA PROGRAMI")
    click(control(menu, "push button", "NAMAZ İSKATI"))
    prayer = window("NAMAZ İSKATI - GRAM ALTIN HESABI")
    type_into(prayer, "Bugün 1 kg buğday fiyatı (TL)", "1")
    type_into(prayer, "Bugün 1 gram altın fiyatı (TL)", "400")
    # The click into the age box brings its reminder.
    click(control(prayer, "text", "Vefat edenin yaşı"))
    question = "VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.YAŞ DEĞERİNİ BU ŞEKİLDE YAZDINIZ MI?"
    answer("HİCRİ YAŞ SORGUSU", question, "Hayır")
    answer(TITLE, "VEFAT EDENİN YAŞI HİCRİ SENEYE GÖRE YAZILACAKTIR.", "Tamam")
    type_into(prayer, "Vefat edenin yaşı", "71", click_first=False)
    click(control(prayer, "push button", "Kadın"))
    answer("HİCRİ YAŞ SORGUSU", question, "Evet")
    answer(TITLE, "Diğer işlemlere devam ediniz...", "Tamam")
    expect_box(prayer, "İskat yapılacak sene miktarı", "62")
    expect_box(prayer, "İskat için verilmesi gereken altın gram miktarı", "589")
    type_into(prayer, "Mevcut altının gram miktarı", "100")
    type_into(prayer, "Fakir sayısı", "2")
    click(control(prayer, "push button", "H E S A P L A"))
    expect_box(prayer, "Bir devirde namaz borcu için verilecek altının gram miktarı", "200")
    expect_box(prayer, "Yapılacak devir sayısı", "2,9")
    click(control(prayer, "push button", "Erkek"))
    answer("HİCRİ YAŞ SORGUSU", question, "Hayır")
    answer(TITLE, "Hicri yaş Hesaplama Programını Kullanarak Hicri Yaşı Hesaplayabilirsiniz...", "Tamam")
    expect_box(prayer, "İskat yapılacak sene miktarı", "59")
    expect_box(prayer, "İskat için verilmesi gereken altın gram miktarı", "560,5")
    click(control(prayer, "push button", "Ana Menü"))

    menu = window("KARVELA HESAPLAMA PROGRAMI")
    click(control(menu, "push button", "ORUÇ İSKATI"))
    fasting = window("ORUÇ İSKATI")
    type_into(fasting, "Bugün 1 kg buğday fiyatı (TL)", "2")
    type_into(fasting, "Bugün 1 gram altın fiyatı (TL)", "500")
    click(control(fasting, "text", "Vefat edenin yaşı"))
    answer(TITLE, "VEFAT EDENİN YAŞI HİCRİ YILA GÖRE YAZILACAKTIR...", "Tamam")
    type_into(fasting, "Vefat edenin yaşı", "71", click_first=False)
    click(control(fasting, "push button", "Erkek"))
    answer("HİCRİ YAŞ SORGUSU", question, "Evet")
    answer(TITLE, "Diğer işlemlere devam ediniz...", "Tamam")
    expect_box(fasting, "Gereken altın miktarı", "12,39")
    type_into(fasting, "Mevcut altın miktarı (gram)", "5")
    type_into(fasting, "Fakir sayısı", "2")
    click(control(fasting, "push button", "H E S A P L A"))
    expect_box(fasting, "Oruç iskatı için yapılması gereken devir sayısı", "1,2")
    click(control(fasting, "push button", "Ana Menü"))

    # Every guidance screen opens and returns; its frame and names are checked on the way.
    for button, caption in (("Karvela Nasıl Yapılır?", "Karvela Nasıl Yapılır?"),
                            ("Zekât, Kurban ve Sadaka-ı Fıtr İskatı", "Zekât, Kurban ve Sadaka-ı Fıtr İskatı")):
        click(control(window("KARVELA HESAPLAMA PROGRAMI"), "push button", button))
        click(control(window(caption), "push button", "Ana Menü"))

    menu = window("KARVELA HESAPLAMA PROGRAMI")
    click(control(menu, "push button", "Kul ve Hayvan Hakları İskatı"))
    rights = window("KUL VE HAYVAN HAKLARI")
    box = control(rights, "text", "KUL VE HAYVAN HAKLARI İSKATI")
    if not text_of(box).startswith("Son olarak ihtiyaten bir devir de"):
        raise JourneyFailure("the rights screen does not show its text")
    click(control(rights, "push button", "Ana Menü"))

    menu = window("KARVELA HESAPLAMA PROGRAMI")
    click(control(menu, "push button", "Programı kapat"))
    try:
        status = karvela.wait(timeout=STEP_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise JourneyFailure("karvela did not end after X")
    if status != 0:
        raise JourneyFailure(f"karvela ended with status {status}")


def example_case(folder):
    """The README's example as an iskât file: a woman of 75, 30 g at hand, 3 poor."""
    screen = {"wheatPrice": 11, "goldPrice": 4100, "hijriAge": 75, "goldAtHand": 30, "poorPeople": 3,
              "sex": "kadın", "goldCalculated": True, "roundsCounted": True,
              "pricesDay": time.strftime("%Y-%m-%d")}
    case = {"format": "karvela-iskat", "version": 1, "names": {"deceased": "Ayşe", "father": "Ahmet",
            "guardian": "Mehmet"}, "prayers": screen, "fasts": screen}
    path = os.path.join(folder, "Ayşe.karvela")
    with open(path, "w", encoding="utf-8") as file:
        json.dump(case, file, ensure_ascii=False)
    return path


def handovers_done(path):
    with open(path, encoding="utf-8") as file:
        progress = json.load(file).get("progress")
    return progress["handoversDone"] if progress else 0


def handover_shown():
    """The hand-over the ceremony's window shows, as its "Verildi" button is named."""
    def probe():
        ceremony = next((w for w in visible_windows() if w.name == "DEVİR"), None)
        return next((n.name for n in descendants(ceremony) if n.getRoleName() == "push button"
                     and " devir / " in n.name), None) if ceremony else None
    return wait_for("the ceremony's window", probe)


def crash_journey(binary, env):
    """Ticks 7 hand-overs of a case, kills the program with SIGKILL, starts it again:
    it asks to go on, and "Evet" shows hand-over 8; the case file holds the 7."""
    global karvela
    case = example_case(env["XDG_DATA_HOME"])
    karvela = subprocess.Popen([binary, case], env=env)
    wait_for("the record", lambda: next((w for w in visible_windows() if w.name == "DEVİR ÇİZELGESİ"), None))
    subprocess.run(["xdotool", "key", "F5"], check=True)
    if not handover_shown().startswith("Namaz iskâtı. 1. devir / 11 · 1. fakir / 3. 30 g."):
        raise JourneyFailure(f"the ceremony begins with '{handover_shown()}'")
    for _ in range(7):
        subprocess.run(["xdotool", "key", "space"], check=True)
        time.sleep(0.15)
    wait_for("7 hand-overs kept in the case file", lambda: handovers_done(case) == 7)
    karvela.send_signal(signal.SIGKILL)
    karvela.wait()

    karvela = subprocess.Popen([binary], env=env)
    answer(TITLE, f"Yarım kalmış bir devir var: Ayşe, {handover_day()}, 7 / 30 el değiştirme. Kaldığı yerden "
           "devam edilsin mi?", "Evet")
    shown = handover_shown()
    if not shown.startswith("Namaz iskâtı. 3. devir / 11 · 2. fakir / 3. 30 g."):
        raise JourneyFailure(f"after the crash the ceremony goes on at '{shown}', not at hand-over 8")
    if handovers_done(case) != 7:
        raise JourneyFailure(f"the case file holds {handovers_done(case)} hand-overs, not 7")


def handover_day():
    months = ["Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran", "Temmuz", "Ağustos", "Eylül", "Ekim",
              "Kasım", "Aralık"]
    today = time.localtime()
    return f"{today.tm_mday} {months[today.tm_mon - 1]} {today.tm_year}"


if __name__ == "__main__":
    env = dict(os.environ, LANG="tr_TR.UTF-8", LC_ALL="tr_TR.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)
    # The progress of a ceremony goes to a data folder of the journey's own.
    env["XDG_DATA_HOME"] = tempfile.mkdtemp()
    karvela = subprocess.Popen([sys.argv[1]], env=env)
    try:
        journey(sys.argv[1])
        crash_journey(sys.argv[1], env)
        print("2 passed, 0 failed")
    except JourneyFailure as failure:
        print(f"journey failed: {failure}")
        print("0 passed, 1 failed")
        sys.exit(1)
    finally:
        if karvela.poll() is None:
            karvela.kill()
            karvela.wait()
        shutil.rmtree(env["XDG_DATA_HOME"], ignore_errors=True)
