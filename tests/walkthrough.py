"""The whole test taken by keyboard, from the main window to the end, as the end-to-end
tests of the Windows installer and of the web page take it; what each window shows is read
from its pixels (tesseract). Each test gives a screen: how it finds a window, presses keys
and takes a window's picture there."""

import os
import re
import subprocess
import tempfile
from xml.etree import ElementTree

from waiting import CheckFailed, wait_for

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


def declared_size(title):
    """A window's client size as its layout declares it, at 96 dpi."""
    layout = ElementTree.parse(os.path.join(SOURCE, LAYOUTS[title])).getroot()
    rect = layout.find("./widget/property[@name='geometry']/rect")
    return int(rect.find("width").text), int(rect.find("height").text)


def check_whole(title, client, frame, screen):
    """A window whose client area lies at client (x, y, width, height), with a frame of
    (left, right, top, bottom) around it, lies whole on a screen of the given size; where it
    fits there at its size at 96 dpi, it is drawn in its declared shape, no smaller. All in
    device pixels."""
    x, y, w, h = client
    left, right, top, bottom = frame
    width, height = screen
    check(x - left >= 0 and y - top >= 0 and x + w + right <= width and
          y + h + bottom <= height,
          f"{title} ({w}x{h}+{x}+{y}, frame {frame}) is not whole on the {width}x{height} screen")
    declared_w, declared_h = declared_size(title)
    if declared_w + left + right <= width and declared_h + top + bottom <= height:
        check(w >= declared_w - 1 and h >= declared_h - 1,
              f"{title} ({w}x{h}) is smaller than at 96 dpi ({declared_w}x{declared_h})")
        check(abs(w / h - declared_w / declared_h) <= 0.01 * declared_w / declared_h,
              f"{title} ({w}x{h}) is not in the shape of its layout "
              f"({declared_w}x{declared_h}): cut or scrolled")


class Screen:
    """What every screen does alike: reading a window. A screen gives window(title), which
    waits for the window and gives it the focus, gone(title), keys(*keys) with X11's key
    names, frame_on_screen(window, title), picture(window, path) and scaled, whether the
    display is scaled above 100 %."""

    def readings(self, window):
        """What the window shows, read from its pixels in a few ways, blanks made single:
        whole at two sizes, and its figures alone (small digits are read best that way)."""
        ways = [("200%", []), ("300%", []),
                ("200%", ["--psm", "6", "-c", "tessedit_char_whitelist=0123456789,. "])]
        with tempfile.TemporaryDirectory() as folder:
            picture = os.path.join(folder, "window.png")
            self.picture(window, picture)
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
            return wait_for(read, title + " showing " + " and ".join(patterns), TIMEOUT)
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
    screen.shows(main, "the main window", r"Consta de 24 frases")
    # A screen too small for the window shows its buttons once scrolled to its end.
    screen.keys("ctrl+End")
    screen.shows(main, "the main window", r"Realizar Prueba")
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
    if screen.scaled:
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
