#!/usr/bin/env python3
"""The Windows installer end to end, under Wine, on the X display in $DISPLAY (with a window
manager) and in the Wine prefix in $WINEPREFIX.

Installs silently; checks the program's files, its Start-menu shortcut and its entry in the
installed-apps list; starts the installed program and takes it through the whole test by the
X server's keyboard (questionnaire, notice, evaluation, review, credits), checking that every
window lies whole on the screen and reading what it shows (tesseract); checks that the
program ends with status 0; uninstalls silently and checks that nothing is left behind.

Usage: tst_installer.py SETUP_EXE
"""

import os
import re
import subprocess
import sys
import tempfile
import time

from waiting import CheckFailed, wait_for

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Telvanor"
TIMEOUT = 30


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


class Screen:
    """The program's windows as the X server shows them."""

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
        """The window with its window manager's frame lies whole on the screen."""
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
    screen.frame_on_screen(main, "the main window")
    screen.shows(main, "the main window", r"Consta de 24 frases", r"Realizar Prueba")
    screen.keys("Return")

    questionnaire = screen.window("Cuestionario")
    screen.frame_on_screen(questionnaire, "the questionnaire")
    screen.shows(questionnaire, "the questionnaire", r"Pregunta 1 de 24", r"método científico")
    screen.keys("space", "Down", "space", "Down", "space")         # option 3
    screen.keys("Tab", "Tab", "Tab", "Tab", "Return")                # "Final"
    screen.shows(questionnaire, "the questionnaire", r"Pregunta 24 de 24")
    # Back into the continuations, where the focus returns to the third: the fourth.
    screen.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "Down", "space")
    screen.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Return")         # "Evaluación global"

    notice = screen.window("Aviso")
    screen.frame_on_screen(notice, "the notice")
    blanks = item_list(range(2, 24))
    screen.shows(notice, "the notice", r"sin responder las preguntas", blanks)
    screen.keys("Tab", "Return")                                     # "Proceder"
    screen.gone("Aviso")

    evaluation = screen.window("Evaluación")
    screen.frame_on_screen(evaluation, "the evaluation")
    screen.shows(evaluation, "the evaluation", r"correctas: 1\b", r"\(1 de 24\)\W*4[.,]2 ?%",
                 r"incorrectas: 24\b", blanks)
    screen.keys("Return")                                            # "Ver respuestas"

    review = screen.window("Respuestas Correctas")
    screen.frame_on_screen(review, "the review")
    screen.shows(review, "the review", r"Pregunta 1 de 24", r"método científico")
    screen.keys("Tab", "Tab", "Return")                              # "Siguiente"
    # The focus on the buttons has scrolled the shrunk window down to its commentary.
    screen.shows(review, "the review", r"La opción 2\.3 es la correcta")
    screen.keys("Tab", "Tab", "Return")                              # "Salir"
    screen.gone("Respuestas Correctas")

    main = screen.window("Telvanor")
    screen.keys("Tab", "Return")                                     # "Créditos"
    credits = screen.window("Créditos")
    screen.frame_on_screen(credits, "the credits")
    screen.shows(credits, "the credits", r"elaborada de forma colectiva", r"El programa fue escrito")
    screen.keys("Return")
    screen.gone("Créditos")

    screen.window("Telvanor")
    screen.keys("Tab", "Return")                                     # "Salir"


def main():
    setup = os.path.abspath(sys.argv[1])
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

    program = subprocess.Popen(["wine", os.path.join(programs, "Telvanor.exe")],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        take_the_test(Screen())
        check(program.wait(timeout=TIMEOUT) == 0, f"the program ended with {program.returncode}")
    finally:
        if program.poll() is None:
            program.kill()

    run("wine", os.path.join(programs, "uninstall.exe"), "/S", timeout=120)
    # The uninstaller runs from a copy of itself, which goes on after the first one returns.
    wait_for(lambda: not os.path.exists(programs), "the program's folder to be removed", TIMEOUT)
    check(not os.path.exists(shortcut), "the shortcut is left behind")
    check(not uninstall_entry(), "the installed-apps entry is left behind")
    print("PASS: installed, the whole test taken, uninstalled")


if __name__ == "__main__":
    try:
        main()
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        sys.exit(1)
