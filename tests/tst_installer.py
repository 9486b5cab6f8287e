#!/usr/bin/env python3
"""The Windows installer end to end, under Wine, on the X display in $DISPLAY (with a window
manager) and in the Wine prefix in $WINEPREFIX.

Installs silently; checks the program's files, its Start-menu shortcut and its entry in the
installed-apps list; starts the installed program and takes it through the whole test by the
X server's keyboard (questionnaire, notice, evaluation, review, credits), checking that every
window lies whole on the screen and reading what it shows (tesseract); checks that the
program ends with status 0; uninstalls silently and checks that nothing is left behind.

At a display scale above 100 % (DPI, as Windows' LogPixels: 120, 144, 192), every window
that fits the screen at its size at 96 dpi must also be drawn whole in its declared shape:
drawn smaller where the scale would make it too large, never cut or scrolled.

Usage: tst_installer.py SETUP_EXE [DPI]
"""

import os
import re
import subprocess
import sys
import tempfile
import time
from xml.etree import ElementTree

from waiting import CheckFailed, wait_for

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Telvanor"
TIMEOUT = 30
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
# The layout of each window, by its title.
LAYOUTS = {"Telvanor": "app/MainUnit.ui", "Cuestionario": "windows/CuestionarioUnit.ui",
           "Aviso": "windows/AvisoUnit.ui", "Evaluación": "windows/EvaluacionUnit.ui",
           "Respuestas Correctas": "windows/RCUnit.ui", "Créditos": "app/Creditos.ui"}


def check(condition, what):
    if not condition:
        raise CheckFailed(what)


def run(*command, timeout=TIMEOUT):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout)


def windows_folder(variable):
    """A folder of the Wine user's, as a Linux path."""
    windows_path = run("wine", "cmd", "/c", "echo", "%" + variable + "%").stdout.strip()
    return run("winepath", "-u", windows_path).stdout.strip()


def uninstall_entry():
    """The values of the installed-apps entry, empty where there is none."""
    result = run("wine", "reg", "query", UNINSTALL_KEY)
    values = {}
    for line in result.stdout.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2]
    return values


def declared_size(title):
    """A window's client size as its layout declares it, at 96 dpi."""
    layout = ElementTree.parse(os.path.join(SOURCE, LAYOUTS[title])).getroot()
    rect = layout.find("./widget/property[@name='geometry']/rect")
    return int(rect.find("width").text), int(rect.find("height").text)


class Screen:
    """The program's windows as the X server shows them, at a display scale of dpi / 96."""

    def __init__(self, dpi):
        self.dpi = dpi

    def window(self, title):
        def find():
            result = run("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$")
            ids = result.stdout.split()
            return ids[-1] if ids else None
        window = wait_for(find, "the window " + title, TIMEOUT, 0.2)
        run("xdotool", "windowactivate", "--sync", window)
        time.sleep(0.5)  # the first paint after mapping
        return window

    def gone(self, title):
        wait_for(lambda: not run("xdotool", "search", "--onlyvisible", "--name",
                                 "^" + title + "$").stdout.split(), title + " closing", TIMEOUT, 0.2)

    def keys(self, *keys):
        for key in keys:
            run("xdotool", "key", "--delay", "80", key)
        time.sleep(0.5)

    def frame_on_screen(self, window, title):
        """The window with its window manager's frame lies whole on the screen; where it
        fits there at its size at 96 dpi, it is drawn in its declared shape, no smaller."""
        # xwininfo, unlike xdotool, tells where the client area lies on the screen.
        info = run("xwininfo", "-id", window).stdout
        x, y, w, h = (int(re.search(label + r":\s+(-?\d+)", info).group(1)) for label in
                      ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").stdout
        numbers = [int(n) for n in re.findall(r"\d+", extents.split("=")[-1])] or [0] * 4
        left, right, top, bottom = numbers[:4]
        screen = run("xdotool", "getdisplaygeometry").stdout.split()
        width, height = int(screen[0]), int(screen[1])
        check(x - left >= 0 and y - top >= 0 and x + w + right <= width and
              y + h + bottom <= height,
              f"{title} ({w}x{h}+{x}+{y}, frame {numbers}) is not whole on the "
              f"{width}x{height} screen")
        declared_w, declared_h = declared_size(title)
        if declared_w + left + right <= width and declared_h + top + bottom <= height:
            check(w >= declared_w - 1 and h >= declared_h - 1,
                  f"{title} ({w}x{h}) is smaller than at 96 dpi ({declared_w}x{declared_h})")
            check(abs(w / h - declared_w / declared_h) <= 0.01 * declared_w / declared_h,
                  f"{title} ({w}x{h}) is not in the shape of its layout "
                  f"({declared_w}x{declared_h}): cut or scrolled")

    def readings(self, window):
        """What the window shows, read from its pixels in a few ways, blanks made single:
        whole at two sizes, and its figures alone (small digits are read best that way)."""
        ways = [("200%", []), ("300%", []),
                ("200%", ["--psm", "6", "-c", "tessedit_char_whitelist=0123456789,. "])]
        with tempfile.TemporaryDirectory() as folder:
            picture = os.path.join(folder, "window.png")
            run("import", "-window", window, picture)
            texts = []
            for size, options in ways:
                larger = os.path.join(folder, size + ".png")
                run("convert", picture, "-resize", size, larger)
                read = run("tesseract", larger, "-", "-l", "spa", *options).stdout
                texts.append(" ".join(read.split()))
        return texts

    def shows(self, window, title, *patterns):
        """Waits until each pattern is found in one of the readings of the window."""
        def read():
            texts = self.readings(window)
            if all(any(re.search(p, text) for text in texts) for p in patterns):
                return texts[0]
            return None
        try:
            return wait_for(read, title + " showing " + " and ".join(patterns))
        except CheckFailed:
            raise CheckFailed(f"{title} shows {self.readings(window)!r}, not {patterns}")


def item_list(numbers):
    """A list of question numbers as a pattern that allows for the blanks OCR sees."""
    return r"\b" + r",\s*".join(str(n) for n in numbers) + r"\b"


def take_the_test(screen):
    """Answers question 1 rightly (option 3) and question 24 wrongly (option 4), leaves the
    rest blank, and goes through every window to the end."""
    main = screen.window("Telvanor")
    screen.frame_on_screen(main, "Telvanor")
    screen.shows(main, "the main window", r"Consta de 24 frases", r"Realizar Prueba")
    screen.keys("Return")

    questionnaire = screen.window("Cuestionario")
    screen.frame_on_screen(questionnaire, "Cuestionario")
    screen.shows(questionnaire, "the questionnaire", r"Pregunta 1 de 24", r"método científico")
    screen.keys("space", "Down", "space", "Down", "space")         # option 3
    screen.keys("Tab", "Tab", "Tab", "Tab", "Return")                # "Final"
    screen.shows(questionnaire, "the questionnaire", r"Pregunta 24 de 24")
    # Back into the continuations, where the focus returns to the third: the fourth.
    screen.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "Down", "space")
    screen.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Return")         # "Evaluación global"

    notice = screen.window("Aviso")
    screen.frame_on_screen(notice, "Aviso")
    blanks = item_list(range(2, 24))
    screen.shows(notice, "the notice", r"sin responder las preguntas", blanks)
    screen.keys("Tab", "Return")                                     # "Proceder"
    screen.gone("Aviso")

    evaluation = screen.window("Evaluación")
    screen.frame_on_screen(evaluation, "Evaluación")
    screen.shows(evaluation, "the evaluation", r"correctas: 1\b", r"\(1 de 24\)\W*4[.,]2 ?%",
                 r"incorrectas: 24\b", blanks)
    screen.keys("Return")                                            # "Ver respuestas"

    review = screen.window("Respuestas Correctas")
    screen.frame_on_screen(review, "Respuestas Correctas")
    screen.shows(review, "the review", r"Pregunta 1 de 24", r"método científico")
    if screen.dpi > 96:
        # The commentary read to the right edge of its lines.
        screen.shows(review, "the review", r"nuestras ideas frente a la realidad",
                     r"criterio para distinguir la ciencia", r"repite el experimento, a ser")
    screen.keys("Tab", "Tab", "Return")                              # "Siguiente"
    # The focus on the buttons has scrolled the shrunk window down to its commentary.
    screen.shows(review, "the review", r"La opción 2\.3 es la correcta")
    screen.keys("Tab", "Tab", "Return")                              # "Salir"
    screen.gone("Respuestas Correctas")

    main = screen.window("Telvanor")
    screen.keys("Tab", "Return")                                     # "Créditos"
    credits = screen.window("Créditos")
    screen.frame_on_screen(credits, "Créditos")
    screen.shows(credits, "the credits", r"elaborada de forma colectiva", r"El programa fue escrito")
    screen.keys("Return")
    screen.gone("Créditos")

    screen.window("Telvanor")
    screen.keys("Tab", "Return")                                     # "Salir"


def set_display_scale(dpi):
    """Windows' display scale for the Wine user, taken up by the programs started next."""
    run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
        "REG_DWORD", "/d", str(dpi), "/f")
    run("wineserver", "-w", timeout=60)


def main():
    setup = os.path.abspath(sys.argv[1])
    dpi = int(sys.argv[2]) if len(sys.argv) > 2 else 96
    if dpi != 96:
        set_display_scale(dpi)
    programs = os.path.join(windows_folder("LOCALAPPDATA"), "Programs", "Telvanor")
    shortcut = os.path.join(windows_folder("APPDATA"),
                            "Microsoft", "Windows", "Start Menu", "Programs", "Telvanor.lnk")

    check(run("wine", setup, "/S", timeout=120).returncode == 0, "the silent install failed")
    installed = sorted(os.listdir(programs))
    check(installed == ["LICENSE.txt", "NOTICES.txt", "Telvanor.exe", "uninstall.exe"],
          f"installed: {installed}")
    with open(shortcut, "rb") as link:
        check(b"Telvanor.exe" in link.read().replace(b"\0", b""), "the shortcut's target")
    entry = uninstall_entry()
    for name in ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon",
                 "UninstallString", "QuietUninstallString", "EstimatedSize", "NoModify",
                 "NoRepair"):
        check(name in entry, f"the installed-apps entry has no {name}: {entry}")
    check(entry["DisplayName"] == "Telvanor", f"DisplayName {entry['DisplayName']}")
    check(entry["QuietUninstallString"].endswith("/S"), "QuietUninstallString")

    program = subprocess.Popen(["wine", os.path.join(programs, "Telvanor.exe")])
    try:
        take_the_test(Screen(dpi))
        check(program.wait(timeout=TIMEOUT) == 0, f"the program ended with {program.returncode}")
    finally:
        if program.poll() is None:
            program.kill()

    run("wine", os.path.join(programs, "uninstall.exe"), "/S", timeout=120)
    # The uninstaller runs from a copy of itself, which goes on after the first one returns.
    wait_for(lambda: not os.path.exists(programs), "the program's folder to be removed", TIMEOUT)
    check(not os.path.exists(shortcut), "the shortcut is left behind")
    check(not uninstall_entry(), "the installed-apps entry is left behind")
    print(f"PASS: installed, the whole test taken at {dpi} dpi, uninstalled")


if __name__ == "__main__":
    try:
        main()
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        sys.exit(1)
