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
import time

from waiting import CheckFailed, run_test, wait_for
from walkthrough import TIMEOUT, Screen, check, check_whole, run, take_the_test

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Telvanor"


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


class XScreen(Screen):
    """The program's windows as the X server shows them, at a display scale of dpi / 96."""

    def __init__(self, dpi):
        self.scaled = dpi > 96

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
        # xwininfo, unlike xdotool, tells where the client area lies on the screen.
        info = run("xwininfo", "-id", window).stdout
        client = [int(re.search(label + r":\s+(-?\d+)", info).group(1)) for label in
                  ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
        extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").stdout
        frame = [int(n) for n in re.findall(r"\d+", extents.split("=")[-1])][:4] or [0] * 4
        screen = run("xdotool", "getdisplaygeometry").stdout.split()
        check_whole(title, client, frame, (int(screen[0]), int(screen[1])))

    def picture(self, window, path):
        run("import", "-window", window, path)


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
        take_the_test(XScreen(dpi))
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
    run_test(main)
