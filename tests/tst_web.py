#!/usr/bin/env python3
"""The web page end to end, in headless Chromium, from a server on 127.0.0.1.

Loads the page and waits for the program; takes it through the whole test by the browser's
keyboard, as the Windows installer's test does, checking that every window lies whole in the
viewport and reading what it shows (tesseract); checks that the page asked for nothing once
the program was running, that it says so when the program ends, and that its button starts
the program again. With --without webgl or --without wasm, the browser lacks that and the
page must say so in Spanish instead, without downloading the program.

Usage: tst_web.py SITE chromium WIDTH HEIGHT DEVICE_PIXEL_RATIO [--without WHAT]
"""

import os
import sys
import time

from waiting import CheckFailed, run_test, wait_for
from walkthrough import TIMEOUT, Screen, check, check_whole, take_the_test
from web.driver import START_TIMEOUT, Browser, serve

# X11's names of the keys the walk-through presses, as the browser names them.
KEYS = {"Return": "Enter", "space": "Space", "Down": "ArrowDown", "Tab": "Tab",
        "shift+Tab": "Shift+Tab", "ctrl+End": "Control+End"}
# What a browser without one of the program's needs is started with, and what the page says.
WITHOUT = {"webgl": (["--disable-webgl", "--disable-3d-apis"], "tiene desactivado WebGL"),
           "wasm": (["--without-webassembly"], "no admite WebAssembly")}


class WebScreen(Screen):
    """The program's windows as the page's canvas shows them, at the browser's ratio of
    device pixels to CSS pixels."""

    def __init__(self, browser, ratio):
        self.browser = browser
        self.ratio = ratio
        self.scaled = ratio > 1

    def windows(self):
        return self.browser.do("state")["windows"]

    def find(self, title):
        return next((w for w in self.windows() if w["title"] == title), None)

    def window(self, title):
        wait_for(lambda: any(w["title"] == title and w["active"] and w["exposed"]
                             for w in self.windows()), "the window " + title, TIMEOUT, 0.2)
        time.sleep(0.5)  # its first frame on the canvas
        return title

    def gone(self, title):
        wait_for(lambda: not self.find(title), title + " closing", TIMEOUT, 0.2)

    def keys(self, *keys):
        self.browser.do("keys", keys=[KEYS[key] for key in keys])
        time.sleep(0.5)

    def frame_on_screen(self, window, title):
        found = self.find(window)
        check(found, f"{title} is not on show")
        fx, fy, fw, fh = found["frame"]
        x, y, w, h = found["client"]
        frame = (x - fx, fx + fw - x - w, y - fy, fy + fh - y - h)
        viewport = self.browser.do("state")["viewport"]
        device = lambda values: [round(v * self.ratio) for v in values]
        check_whole(title, device((x, y, w, h)), device(frame), device(viewport))

    def picture(self, window, path):
        self.browser.do("shot", path=path, clip=self.find(window)["client"])


def wait_for_state(browser, state, seconds):
    """Waits for the page's state; a page that has given up fails the wait at once."""
    def reached():
        now = browser.do("state")["state"]
        if now == "failed" and state != "failed":
            raise CheckFailed("the page gave up: " + browser.do("text"))
        return now == state
    wait_for(reached, "the page to be " + state, seconds, 0.5)


def take_it_whole(browser, ratio):
    wait_for_state(browser, "running", START_TIMEOUT)
    screen = WebScreen(browser, ratio)
    wait_for(lambda: screen.find("Telvanor"), "the main window", START_TIMEOUT, 0.5)
    asked = len(browser.do("requests"))
    take_the_test(screen)
    wait_for_state(browser, "ended", TIMEOUT)
    text = browser.do("text")
    check("Telvanor ha terminado" in text, f"the page at the end says {text!r}")
    later = browser.do("requests")[asked:]
    check(not later, f"the running program asked for {later}")
    browser.do("click", selector="#again")
    wait_for_state(browser, "running", START_TIMEOUT)
    screen.window("Telvanor")


def check_refusal(browser, message):
    wait_for_state(browser, "failed", START_TIMEOUT)
    text = browser.do("text")
    check(message in text, f"the page says {text!r}, not {message!r}")
    asked = [url for url in browser.do("requests") if url.endswith(".wasm")]
    check(not asked, f"the page downloaded {asked} all the same")


def show_the_page(browser, label):
    """What the page showed when a check failed: the windows on show, and its picture."""
    picture = os.path.abspath(f"web-failure-{label}.png")
    print("The windows on show:", browser.do("state")["windows"])
    viewport = browser.do("state")["viewport"]
    browser.do("shot", path=picture, clip=[0, 0, *viewport])
    print("The page's picture:", picture)


def main():
    site, name = sys.argv[1], sys.argv[2]
    width, height, ratio = int(sys.argv[3]), int(sys.argv[4]), float(sys.argv[5])
    without = sys.argv[7] if len(sys.argv) > 7 and sys.argv[6] == "--without" else None
    flags, message = WITHOUT[without] if without else ((), None)
    server = serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    browser = Browser(name, url, width, height, ratio, flags)
    try:
        if without:
            check_refusal(browser, message)
        else:
            take_it_whole(browser, ratio)
    except CheckFailed:
        show_the_page(browser, f"{name}-{width}x{height}-{ratio:g}")
        raise
    finally:
        browser.close()
        server.shutdown()
    what = f"refused without {without}" if without else "the whole test taken, started again"
    print(f"PASS: {name} at {width}x{height}, device pixel ratio {ratio:g}: {what}")


if __name__ == "__main__":
    run_test(main)
