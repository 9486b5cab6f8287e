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

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Telvanor"
TIMEOUT = 30


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)


def wait_for(probe, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.2)
    raise CheckFailed("timed out waiting for " + what)


def run(*command, timeout=TIMEOUT):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout)


def windows_folder(variable):
    """A folder of the Wine user's, as a Linux path."""
    windows_path = run("wine64", "cmd", "/c", "echo", "%" + variable + "%").stdout.strip()
    return run("winepath", "-u", windows_path).stdout.strip()


def uninstall_entry():
    """The values of the installed-apps entry, empty where there is none."""
    result = run("wine64", "reg", "query", UNINSTALL_KEY)
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
        window = wait_for(find, "the window " + title)
        run("xdotool", "windowactivate", "--sync", window)
        time.sleep(0.5)  # the first paint after mapping
        return window

    def gone(self, title):
        wait_for(lambda: not run("xdotool", "search", "--onlyvisible", "--name",
                                 "^" + title + "$").stdout.split(), title + " closing")

    def keys(self, *keys):
        for key in keys:
            run("xdotool", "key", "--delay", "80", key)
        time.sleep(0.5)

    def frame_on_screen(self, window, title):
        """The window with its window manager's frame lies whole on the screen."""
        geometry = dict(line.split("=") for line in
                        run("xdotool", "getwindowgeometry", "--shell", window).stdout.split())
        extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").stdout
        numbers = [int(n) for n in re.findall(r"\d+", extents.split("=")[-1])] or [0] * 4
        left, right, top, bottom = numbers[:4]
        screen = run("xdotool", "getdisplaygeometry").stdout.split()
        width, height = int(screen[0]), int(screen[1])
        x, y = int(geometry["X"]), int(geometry["Y"])
        w, h = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
        check(x - left >= 0 and y - top >= 0 and x + w + right <= width and
              y + h + bottom <= height,
              f"{title} ({w}x{h}+{x}+{y}, frame {numbers}) is not whole on the "
              f"{width}x{height} screen")

    def text(self, window):
        """What the window shows, read from its pixels, with blanks made single."""
        with tempfile.TemporaryDirectory() as folder:
            picture = os.path.join(folder, "window.png")
            run("import", "-window", window, picture)
            # Twice the size reads small captions more reliably.
            run("convert", picture, "-resize", "200%", picture)
            read = run("tesseract", picture, "-", "-l", "spa").stdout
        return " ".join(read.split())

    def shows(self, window, title, *patterns):
        def read():
            text = self.text(window)
            return text if all(re.search(p, text) for p in patterns) else None
        try:
            return wait_for(read, title + " showing " + " and ".join(patterns), timeout=10)
        except CheckFailed:
            raise CheckFailed(f"{title} shows {self.text(window)!r}, not {patterns}")


def take_the_test(screen):
    """Answers question 1 rightly (option 3) and question 24 wrongly (option 1), leaves the
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
    screen.keys("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "space")  # option 1
    screen.keys("Tab", "Tab", "Tab", "Tab", "Tab", "Return")         # "Evaluación global"

    notice = screen.window("Aviso")
    screen.frame_on_screen(notice, "the notice")
    blanks = ",".join(str(q) for q in range(2, 24))
    text = screen.shows(notice, "the notice", r"Proceder a la evaluaci")
    check(blanks in text.replace(" ", ""), f"the notice lists {text!r}, not {blanks}")
    screen.keys("Tab", "Return")                                     # "Proceder"
    screen.gone("Aviso")

    evaluation = screen.window("Evaluación")
    screen.frame_on_screen(evaluation, "the evaluation")
    text = screen.shows(evaluation, "the evaluation", r"correctas: 1\b", r"\(1 de 24\) 4[.,]2 ?%")
    check(re.search(r"incorrectas: 24\b", text), f"the evaluation's wrong items in {text!r}")
    check(blanks in text.replace(" ", ""), f"the evaluation's blank items in {text!r}")
    screen.keys("Return")                                            # "Ver respuestas"

    review = screen.window("Respuestas Correctas")
    screen.frame_on_screen(review, "the review")
    screen.shows(review, "the review", r"Pregunta 1 de 24", r"método científico")
    screen.keys("Tab", "Tab", "Return")                              # "Siguiente"
    screen.shows(review, "the review", r"Pregunta 2 de 24", r"3, 7 y 19")
    screen.keys("Tab", "Tab", "Return")                              # "Salir"
    screen.gone("Respuestas Correctas")

    main = screen.window("Telvanor")
    screen.keys("Tab", "Return")                                     # "Créditos"
    credits = screen.window("Créditos")
    screen.frame_on_screen(credits, "the credits")
    screen.shows(credits, "the credits", r"Salir")
    screen.keys("Return")
    screen.gone("Créditos")

    screen.window("Telvanor")
    screen.keys("Tab", "Tab", "Return")                              # "Salir"


def main():
    setup = os.path.abspath(sys.argv[1])
    programs = os.path.join(windows_folder("LOCALAPPDATA"), "Programs", "Telvanor")
    shortcut = os.path.join(windows_folder("APPDATA"),
                            "Microsoft", "Windows", "Start Menu", "Programs", "Telvanor.lnk")

    check(run("wine64", setup, "/S", timeout=120).returncode == 0, "the silent install failed")
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

    program = subprocess.Popen(["wine64", os.path.join(programs, "Telvanor.exe")],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        take_the_test(Screen())
        check(program.wait(timeout=TIMEOUT) == 0, f"the program ended with {program.returncode}")
    finally:
        if program.poll() is None:
            program.kill()

    run("wine64", os.path.join(programs, "uninstall.exe"), "/S", timeout=120)
    # The uninstaller runs from a copy of itself, which goes on after the first one returns.
    wait_for(lambda: not os.path.exists(programs), "the program's folder to be removed")
    check(not os.path.exists(shortcut), "the shortcut is left behind")
    check(not uninstall_entry(), "the installed-apps entry is left behind")
    print("PASS: installed, the whole test taken, uninstalled")


if __name__ == "__main__":
    try:
        main()
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        sys.exit(1)
