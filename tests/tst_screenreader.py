#!/usr/bin/python3
"""The program as a screen reader meets it: through the AT-SPI accessibility bus, on a real X
display. A reader goes from the introduction through the test, the notice and the evaluation
to the review by the actions the bus offers, without keyboard or mouse, and finds every
control by its caption or role, the raised exponents marked as superscript and the review's
continuations unchangeable.

Usage: tst_screenreader.py PROGRAM. Exits 77 (skipped) where Xvfb, a D-Bus daemon or pyatspi
is missing, 1 at the first failed check, 0 when every check passed.
"""

import os
import shutil
import signal
import subprocess
import sys

from waiting import CheckFailed, wait_for

SKIPPED = 77
WAIT_SECONDS = 10


def check(condition, what):
    if not condition:
        raise CheckFailed(what)
    print("PASS", what)




def accessibility_bus_installed():
    """Whether the session bus can start the accessibility bus (at-spi2-core)."""
    from gi.repository import Gio
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    names = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "ListActivatableNames", None, None, Gio.DBusCallFlags.NONE, -1, None)
    return "org.a11y.Bus" in names.unpack()[0]


def start_display():
    """A virtual X display of our own; returns the server and its name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL, start_new_session=True)
    os.close(write_end)
    with os.fdopen(read_end) as display_number:
        return server, ":" + display_number.readline().strip()


def start_session_bus():
    """A D-Bus session bus of our own, which starts the accessibility bus on demand."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                           start_new_session=True)
    return bus, bus.stdout.readline().strip()


def stop(process):
    # The bus's own group holds the accessibility services it started.
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
    process.wait()


class Reader:
    """The program as the accessibility bus shows it."""

    def __init__(self, pyatspi):
        self.atspi = pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        self.app = wait_for(
            lambda: next((a for a in desktop if a and a.name == "telvanor"), None),
            "the program on the accessibility bus")

    def showing(self, node):
        return node.getState().contains(self.atspi.STATE_SHOWING)

    def window(self, title):
        return wait_for(
            lambda: next((w for w in self.app if w.name == title and self.showing(w)), None),
            "the window " + title)

    def find(self, node, role, name=None):
        """The first showing descendant of `node` with that role (and name)."""
        for child in node:
            if not self.showing(child):
                continue
            if child.getRoleName() == role and name in (None, child.name):
                return child
            found = self.find(child, role, name)
            if found:
                return found
        return None

    def find_all(self, node, role):
        found = [c for c in node if self.showing(c) and c.getRoleName() == role]
        for child in node:
            found += self.find_all(child, role) if self.showing(child) else []
        return found

    def press(self, window, caption):
        button = self.find(window, "push button", caption)
        check(button is not None, f"'{caption}' is a push button of {window.name}")
        button.queryAction().doAction(0)

    def question_shown(self, window, number):
        wanted = f"Pregunta {number} de 24"
        wait_for(lambda: self.find(window, "panel", wanted), wanted + " in " + window.name)

    def checked(self, window):
        return [r.getState().contains(self.atspi.STATE_CHECKED)
                for r in self.find_all(window, "radio button")]

    def text(self, window, name):
        box = self.find(window, "text", name)
        check(box is not None, f"'{name}' is a text of {window.name}")
        return box.queryText()


def superscripts(text):
    """The runs of a text that the bus marks as raised."""
    runs, offset = [], 0
    whole = text.getText(0, -1)
    while offset < len(whole):
        attributes, start, end = text.getAttributeRun(offset, False)
        if "vertical-align:super" in attributes:
            runs.append(whole[start:end])
        offset = max(end, offset + 1)
    return runs


def read_through(reader):
    main = reader.window("Telvanor")
    for caption in ("Realizar Prueba", "Créditos", "Salir"):
        check(reader.find(main, "push button", caption), f"main window: '{caption}' button")
    introduction = reader.text(main, "Introducción")
    check(introduction.characterCount > 1000, "main window: the whole introduction is read")

    reader.press(main, "Realizar Prueba")
    test = reader.window("Cuestionario")
    reader.question_shown(test, 1)
    continuations = reader.find_all(test, "radio button")
    check(len(continuations) == 4, "questionnaire: four continuations")
    continuations[2].queryAction().doAction(0)
    wait_for(lambda: reader.checked(test) == [False, False, True, False],
             "the third continuation checked")
    reader.press(test, "Siguiente")
    reader.question_shown(test, 2)

    reader.press(test, "Evaluación global de la prueba")
    notice = reader.window("Aviso")
    blanks = reader.text(notice, "Preguntas sin responder").getText(0, -1)
    check(blanks.startswith("Usted ha dejado sin responder las preguntas:\n\n2, 3, 4,"),
          "notice: the blank questions are read")
    reader.press(notice, "Proceder a la evaluación")

    evaluation = reader.window("Evaluación")
    figures = [label.name for label in reader.find_all(evaluation, "label")]
    check("Total de respuestas correctas: 1" in figures, "evaluation: one correct answer")
    check("Porcentaje de respuestas correctas (1 de 24) : 4.2%" in figures,
          "evaluation: the percentage")
    reader.press(evaluation, "Ver respuestas correctas")

    review = reader.window("Respuestas Correctas")
    reader.question_shown(review, 1)
    continuations = reader.find_all(review, "radio button")
    check(len(continuations) == 4, "review: four continuations")
    check(reader.checked(review) == [False, False, True, False], "review: the key is checked")
    check(all(c.queryAction().nActions == 0 for c in continuations),
          "review: no action changes a continuation")
    for number in range(2, 6):
        reader.press(review, "Siguiente")
        reader.question_shown(review, number)
    check(superscripts(reader.text(review, "Enunciado")) == ["2"],
          "review: the stem's exponent is superscript")
    check(superscripts(reader.text(review, "Comentario")) == ["2", "2", "8", "13"],
          "review: the commentary's exponents are superscript")

    reader.press(review, "Salir")
    reader.press(reader.window("Telvanor"), "Salir")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if not shutil.which("Xvfb") or not shutil.which("dbus-daemon"):
        print("SKIP: Xvfb or dbus-daemon is not installed")
        return SKIPPED
    server, display = start_display()
    bus, address = start_session_bus()
    program = None
    try:
        os.environ.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=address)
        try:
            import pyatspi
        except ImportError:
            print("SKIP: pyatspi is not installed")
            return SKIPPED
        if not accessibility_bus_installed():
            print("SKIP: the accessibility bus (at-spi2-core) is not installed")
            return SKIPPED
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen([sys.argv[1]], env=environment)
        read_through(Reader(pyatspi))
        check(program.wait(timeout=WAIT_SECONDS) == 0, "the program ends with status 0")
        return 0
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print("FAIL", failure)
        return 1
    finally:
        if program and program.poll() is None:
            program.kill()
            program.wait()
        stop(bus)
        stop(server)


if __name__ == "__main__":
    sys.exit(main())
